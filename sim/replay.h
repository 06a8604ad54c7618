#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Card;
class HeadlessView;
struct TableState;

// Starts the table as the game does, fixes the draws with the seed when one is given, then
// presses the buttons named on the input, one word a line, and writes the state after start-up
// and after every press as one JSON line. Blank lines are skipped. An unknown word stops the
// replay with a message on `err` naming the line; the result is then 2, else 0.
int runReplay(std::optional<std::uint32_t> seed, std::istream& in, std::ostream& out,
              std::ostream& err);

// The state of `table` as one JSON line, headed by the press and closed by the view's calls;
// `buttons` tells which buttons are enabled.
std::string stateLine(const TableState& table, std::string_view press, bool accepted,
                      const std::vector<std::string>& view, const HeadlessView& buttons);

std::string cardName(const Card& card); // "10H", "AS", "KD"
