#include "sim/replay.h"

#include "cards/random.h"
#include "game/table_state.h"
#include "game/table_view_state.h"
#include "headless/headless_view.h"
#include "quorvel_identity.h"
#include "sim/json_line.h"

#include <cstdio>
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

std::vector<std::string> enabledWords(const HeadlessView& view) {
    std::vector<std::string> words;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        if (view.isEnabled(static_cast<ControlId>(id))) {
            words.emplace_back(buttonWord(static_cast<ControlId>(id)));
        }
    }
    return words;
}

std::string shownFigures(const TableState& table) {
    const CountFigures figures = countFigures(table);
    return JsonLine{}
        .number("dealer", figures.dealer)
        .number("player", figures.player)
        .raw("split", figures.splitRow ? std::to_string(figures.split) : "null")
        .str();
}

std::string totals(const TableState& table) {
    std::string list;
    for (const HandState& each : table.hands) {
        list += list.empty() ? '[' : ',';
        list += std::to_string(handTotal(each.hand));
    }
    return list + ']';
}

// How much of an unknown word the message quotes; no button word comes near it.
constexpr std::size_t shownBytes = 40;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads one line of presses into `word`, from its first to its last non-blank byte. A word
// that grows past shownBytes is no button word whatever follows, so the reading stops there:
// a line without end (such as /dev/zero) costs no memory, while a word between any number of
// blanks still counts. Returns false when the input has no line left.
bool readPressLine(std::istream& in, std::string& word) {
    word.clear();
    std::string blanksAfterWord;
    bool read = false;
    for (char c; in.get(c);) {
        if (c == '\n') {
            return true;
        }
        read = true;
        if (!isBlank(c)) {
            word += blanksAfterWord;
            word += c;
            blanksAfterWord.clear();
            if (word.size() > shownBytes) {
                return true;
            }
        } else if (!word.empty() && blanksAfterWord.size() <= shownBytes) {
            blanksAfterWord += c;
        }
    }
    return read;
}

// The length of the UTF-8 sequence at the start of `text` that encodes a printable character,
// or 0 for a stray, overlong, surrogate or C1 control byte sequence.
std::size_t printableUtf8(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >> 5 == 0x6    ? 2
                               : lead >> 4 == 0xE  ? 3
                               : lead >> 3 == 0x1E ? 4
                                                   : 0;
    if (length == 0 || length > text.size()) {
        return 0;
    }
    std::uint32_t point = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if (next >> 6 != 0x2) {
            return 0;
        }
        point = point << 6 | (next & 0x3Fu);
    }
    constexpr std::uint32_t smallest[] = {0, 0, 0xA0, 0x800, 0x10000};
    const bool valid =
        point >= smallest[length] && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
    return valid ? length : 0;
}

// The word as the message quotes it: printable text as it is, control bytes as \u00XX and
// bytes that are no UTF-8 as \xXX, so that hostile input cannot upset a terminal; cut after
// shownBytes with "..." after the closing quote.
std::string quotedForMessage(std::string_view word) {
    const std::string_view shown = word.substr(0, shownBytes);
    std::string quoted = "\"";
    for (std::size_t i = 0; i < shown.size();) {
        const auto byte = static_cast<unsigned char>(shown[i]);
        const std::size_t printable = byte >= 0x80 ? printableUtf8(shown.substr(i)) : 0;
        if (printable) {
            quoted.append(shown.substr(i, printable));
            i += printable;
            continue;
        }
        if (shown[i] == '"' || shown[i] == '\\') {
            quoted += '\\';
            quoted += shown[i];
        } else if (byte >= 0x20 && byte < 0x7F) {
            quoted += shown[i];
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, byte < 0x80 ? "\\u%04x" : "\\x%02x", byte);
            quoted += escaped;
        }
        ++i;
    }
    return quoted + (word.size() > shownBytes ? "\"..." : "\"");
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

std::string stateLine(const TableState& table, std::string_view press, bool accepted,
                      const std::vector<std::string>& view, const HeadlessView& buttons) {
    return JsonLine{}
        .text("press", press)
        .boolean("accepted", accepted)
        .number("bank", table.bank)
        .number("bet", table.bet)
        .boolean("betting", table.bettingMode)
        .texts("player", cardNames(handState(table, PlayerHandId).hand))
        .texts("dealer", cardNames(handState(table, DealerHandId).hand))
        .texts("split", cardNames(handState(table, SplitHandId).hand))
        .raw("totals", totals(table))
        .raw("shown", shownFigures(table))
        .texts("enabled", enabledWords(buttons))
        .number("active", table.activeHand)
        .number("shoe", table.shoe.cardCount)
        .number("countdown", table.cardsUntilReshuffle)
        .texts("view", view)
        .str();
}

int runReplay(std::optional<std::uint32_t> seed, std::istream& in, std::ostream& out,
              std::ostream& err) {
    TableState table;
    tableInit(table); // seeds from the clock, as the game does
    if (seed) {
        randomSeed(table.shoe.random, *seed);
    }
    HeadlessView view(true);
    out << stateLine(table, "start", true, {}, view) << '\n';

    std::string word;
    for (std::int64_t lineNumber = 1; readPressLine(in, word); ++lineNumber) {
        if (word.empty()) {
            continue;
        }
        const std::optional<ControlId> button = buttonFromWord(word);
        if (!button) {
            out.flush();
            err << simProgramName << ": line " << lineNumber << ": unknown press "
                << quotedForMessage(word) << " (expected one of: " << buttonList() << ")\n";
            return 2;
        }
        view.forgetCalls();
        const bool accepted = pressButton(table, view, *button);
        out << stateLine(table, word, accepted, view.calls(), view) << '\n';
    }
    return 0;
}
