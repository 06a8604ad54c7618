#pragma once

#include "render/table_content.h"
#include "render/words.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the table picture shows, in the player's language and in reading order: the dealer's
// hand, the player's hand and, after a split, the split hand, each with its badge; the count panel
// as it reads; then the Current Bet and the Money figures. For example, in English:
//   "Dealers Hand: a face-down card, ten of spades. Players Hand: eight of clubs, three of
//   hearts. Dealers Count 10. Players Count 11. Current Bet 5. Money 1000."
// Read from the drawing record, so the words never say more than the picture.
std::string tableWords(const TableContent& content);

// One card as the words name it: "ten of hearts", or "a face-down card" for the card back.
std::string cardWords(const ShownCard& shown);

// The cards from `first` to `last` as a spoken list: "eight of clubs, three of hearts".
std::string cardList(std::vector<ShownCard>::const_iterator first,
                     std::vector<ShownCard>::const_iterator last);

// Adds a whole sentence after the sentences said before it.
void addSentence(std::string& words, std::string_view sentence);
// Adds a panel's figure as said: "Players Count 26."
void addFigure(std::string& words, Caption label, std::int32_t figure);
