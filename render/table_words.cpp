#include "render/table_words.h"

#include "render/placement.h"

#include <string_view>

std::string cardWords(const ShownCard& shown) {
    if (shown.faceDown) {
        return faceDownCardWords();
    }
    return cardName(shown.card.suit, shown.card.rank);
}

void addFigure(std::string& words, Caption label, std::int32_t figure) {
    words += captionText(label);
    words += ' ';
    words += figureText(figure);
    words += ". ";
}

namespace {
void addHand(std::string& words, Caption label, const ShownHand& hand) {
    words += captionText(label);
    words += ':';
    if (hand.cards.empty()) {
        words += ' ';
        words += noCardsWords();
    }
    const char* separator = " ";
    for (const ShownCard& shown : hand.cards) {
        words += separator;
        words += cardWords(shown);
        separator = ", ";
    }
    if (hand.badge) {
        words += ", ";
        words += badgeWord(*hand.badge); // the word the badge shows
    }
    words += ". ";
}
} // namespace

std::string tableWords(const TableContent& content) {
    std::string words;
    addHand(words, Caption::dealersHand, content.dealer);
    addHand(words, Caption::playersHand, content.player);
    if (content.splitLabel || !content.split.cards.empty()) {
        addHand(words, Caption::splitHand, content.split);
    }
    if (content.counts) {
        addFigure(words, Caption::dealersCount, content.counts->dealer);
        addFigure(words, Caption::playersCount, content.counts->player);
        if (content.counts->splitRow) {
            addFigure(words, Caption::splitCount, content.counts->split);
        }
    }
    addFigure(words, Caption::currentBet, content.bet);
    addFigure(words, Caption::money, content.bank);
    words.pop_back(); // the space after the last full stop
    return words;
}
