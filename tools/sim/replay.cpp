#include "tools/sim/replay.h"

#include "cards/random.h"
#include "game/table_state.h"
#include "game/table_view_state.h"
#include "tools/sim/json_line.h"
#include "tools/sim/sim_view.h"

#include <istream>
#include <ostream>

namespace {
std::vector<std::string> cardNames(const Hand& hand) {
    std::vector<std::string> names;
    for (const CardNode* node = hand.cards->head.get(); node; node = node->next.get()) {
        names.push_back(cardName(Card{node->suit, node->rank}));
    }
    return names;
}

std::vector<std::string> enabledWords(const SimView& view) {
    std::vector<std::string> words;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (view.isEnabled(static_cast<ControlId>(id))) {
            words.emplace_back(buttonWord(static_cast<ControlId>(id)));
        }
    }
    return words;
}

std::string shownFigures() {
    const CountFigures figures = countFigures();
    return JsonLine{}
        .number("dealer", figures.dealer)
        .number("player", figures.player)
        .raw("split", figures.splitRow ? std::to_string(figures.split) : "null")
        .str();
}

std::string totals() {
    return "[" + std::to_string(handTotal(table.playerHand)) + "," +
           std::to_string(handTotal(table.dealerHand)) + "," +
           std::to_string(handTotal(table.splitHand)) + "]";
}

std::string trimmed(const std::string& line) {
    constexpr const char* blanks = " \t\r\n";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

std::string buttonList() {
    return buttonWordsWhere([](ControlId) { return true; });
}
} // namespace

std::string cardName(const Card& card) {
    static constexpr const char* ranks[] = {"?", "A", "2", "3",  "4", "5", "6",
                                            "7", "8", "9", "10", "J", "Q", "K"};
    static constexpr char suits[] = {'C', 'D', 'H', 'S'};
    const bool known = card.rank >= 1 && card.rank <= 13 && card.suit >= 0 && card.suit <= 3;
    if (!known) {
        return "??";
    }
    return ranks[card.rank] + std::string(1, suits[card.suit]);
}

std::string stateLine(std::string_view press, bool accepted, const std::vector<std::string>& view,
                      const SimView& buttons) {
    return JsonLine{}
        .text("press", press)
        .boolean("accepted", accepted)
        .number("bank", table.bank)
        .number("bet", table.bet)
        .boolean("betting", table.bettingMode)
        .texts("player", cardNames(table.playerHand))
        .texts("dealer", cardNames(table.dealerHand))
        .texts("split", cardNames(table.splitHand))
        .raw("totals", totals())
        .raw("shown", shownFigures())
        .texts("enabled", enabledWords(buttons))
        .number("active", table.activeHand)
        .number("shoe", table.shoe.cardCount)
        .number("countdown", table.cardsUntilReshuffle)
        .texts("view", view)
        .str();
}

int runReplay(std::optional<std::uint32_t> seed, std::istream& in, std::ostream& out,
              std::ostream& err) {
    table = TableState{};
    tableInit(); // seeds from the clock, as the game does
    if (seed) {
        randomSeed(*seed);
    }
    SimView view(true);
    out << stateLine("start", true, {}, view) << '\n';

    std::string line;
    for (std::int64_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        const std::string word = trimmed(line);
        if (word.empty()) {
            continue;
        }
        const std::optional<ControlId> button = buttonFromWord(word);
        if (!button) {
            out.flush();
            err << "quorvel-sim: line " << lineNumber << ": unknown press " << jsonQuote(line)
                << " (expected one of: " << buttonList() << ")\n";
            return 2;
        }
        view.forgetCalls();
        const bool accepted = pressButton(view, *button);
        out << stateLine(word, accepted, view.calls(), view) << '\n';
    }
    return 0;
}
