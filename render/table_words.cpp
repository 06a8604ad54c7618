#include "render/table_words.h"

#include "render/placement.h"

#include <string_view>

std::string cardWords(const ShownCard& shown) {
    if (shown.faceDown) {
        return faceDownCardWords();
    }
    return cardName(shown.card.suit, shown.card.rank);
}

void addSentence(std::string& words, std::string_view sentence) {
    words = words.empty() ? std::string(sentence) : sentencesWords(words, sentence);
}

void addFigure(std::string& words, Caption label, std::int32_t figure) {
    addSentence(words, figureWords(label, figure));
}

std::string cardList(std::vector<ShownCard>::const_iterator first,
                     std::vector<ShownCard>::const_iterator last) {
    std::string words;
    for (auto card = first; card != last; ++card) {
        words = card == first ? cardWords(*card) : listWords(words, cardWords(*card));
    }
    return words;
}

namespace {
void addHand(std::string& words, Caption label, const ShownHand& hand) {
    const std::string cards =
        hand.cards.empty() ? noCardsWords() : cardList(hand.cards.begin(), hand.cards.end());
    // the badge's result as said, which may be longer than the word the badge shows
    addSentence(words,
                hand.badge ? handResultWords(label, cards, *hand.badge) : handWords(label, cards));
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
    return words;
}
