#pragma once

#include "render/table_content.h"

#include <string>

// What one command changed on the table, in the player's language, for a screen reader to say
// unasked. The order is the order a player wants it: the cards that came, the player's hands
// before the dealer's (the whole hand when it is new or its hole card was turned, else "Players
// Hand gets" the new cards), the counts that changed or whose hand was said whole, the badges that
// appeared, then the Current Bet when it changed and the Money when it changed or a hand was
// settled. For example, in English after a Hit to a bust:
//   "Players Hand gets king of clubs. Dealers Hand: nine of clubs, eight of spades. Players
//   Count 26. Dealers Count 17. Players Hand: Bust. Money 995."
// A command that changed nothing still hears the bet it leaves: "Current Bet 5."
std::string changeWords(const TableContent& before, const TableContent& after);
