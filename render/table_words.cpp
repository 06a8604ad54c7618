#include "render/table_words.h"

#include "render/art/badges.h"
#include "render/placement.h"

#include <array>
#include <string_view>

namespace {
constexpr std::array<std::string_view, 14> rankNames{"",     "ace",  "two",   "three", "four",
                                                     "five", "six",  "seven", "eight", "nine",
                                                     "ten",  "jack", "queen", "king"};
constexpr std::array<std::string_view, 4> suitNames{"clubs", "diamonds", "hearts", "spades"};

} // namespace

std::string cardWords(const ShownCard& shown) {
    if (shown.faceDown) {
        return "a face-down card";
    }
    const Card card = shown.card;
    if (card.rank < 1 || card.rank > 13 || card.suit < 0 || card.suit > 3) {
        return "an unknown card"; // never drawn: the sheet holds no such cell
    }
    return std::string(rankNames[card.rank]) + " of " + std::string(suitNames[card.suit]);
}

namespace {

void addHand(std::string& words, std::string_view label, const ShownHand& hand) {
    words += label;
    words += ':';
    if (hand.cards.empty()) {
        words += " no cards";
    }
    const char* separator = " ";
    for (const ShownCard& shown : hand.cards) {
        words += separator;
        words += cardWords(shown);
        separator = ", ";
    }
    if (hand.badge) {
        words += ", ";
        words += badgeLettering(*hand.badge); // the word the badge shows
    }
    words += ". ";
}

void addFigure(std::string& words, std::string_view label, std::int32_t figure) {
    words += label;
    words += ' ';
    words += figureText(figure);
    words += ". ";
}
} // namespace

std::string tableWords(const TableContent& content) {
    std::string words;
    addHand(words, "Dealers Hand", content.dealer);
    addHand(words, "Players Hand", content.player);
    if (content.splitLabel || !content.split.cards.empty()) {
        addHand(words, "Split Hand", content.split);
    }
    if (content.counts) {
        addFigure(words, "Dealers Count", content.counts->dealer);
        addFigure(words, "Players Count", content.counts->player);
        if (content.counts->splitRow) {
            addFigure(words, "Split Count", content.counts->split);
        }
    }
    addFigure(words, "Current Bet", content.bet);
    addFigure(words, "Money", content.bank);
    words.pop_back(); // the space after the last full stop
    return words;
}
