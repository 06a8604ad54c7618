#pragma once

#include "render/table_content.h"
#include "render/words.h"

#include <cstdint>
#include <string>

// What the table picture shows, in the player's language and in reading order: the dealer's
// hand, the player's hand and, after a split, the split hand, each with its badge; the count panel
// as it reads; then the Current Bet and the Money figures. For example, in English:
//   "Dealers Hand: a face-down card, ten of spades. Players Hand: eight of clubs, three of
//   hearts. Dealers Count 10. Players Count 11. Current Bet 5. Money 1000."
// Read from the drawing record, so the words never say more than the picture.
std::string tableWords(const TableContent& content);

// One card as the words name it: "ten of hearts", or "a face-down card" for the card back.
std::string cardWords(const ShownCard& shown);

// Adds a panel's label and its figure as the panel reads: "Players Count 26. "
void addFigure(std::string& words, Caption label, std::int32_t figure);
