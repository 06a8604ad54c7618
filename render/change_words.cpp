#include "render/change_words.h"

#include "render/table_words.h"

#include <algorithm>

namespace {
struct HandChange {
    Caption label;
    const ShownHand& before;
    const ShownHand& after;
};

bool sameCard(const ShownCard& a, const ShownCard& b) {
    return a.faceDown == b.faceDown &&
           (a.faceDown || (a.card.suit == b.card.suit && a.card.rank == b.card.rank));
}

// True when `after` is `before` with cards added at the end.
bool extends(const ShownHand& before, const ShownHand& after) {
    return after.cards.size() >= before.cards.size() &&
           std::equal(before.cards.begin(), before.cards.end(), after.cards.begin(), sameCard);
}

// A new round, a split, or the hole card turned: the hand is said as it now lies, and its count
// with it, even where it happens to equal the last one.
bool laidAnew(const HandChange& hand) {
    return !hand.after.cards.empty() &&
           (hand.before.cards.empty() || !extends(hand.before, hand.after));
}

void addCardChange(std::string& words, const HandChange& hand) {
    const auto& cards = hand.after.cards;
    if (laidAnew(hand)) {
        addSentence(words, handWords(hand.label, cardList(cards.begin(), cards.end())));
    } else if (cards.size() > hand.before.cards.size()) {
        addSentence(
            words, handGetsWords(hand.label, cardList(cards.begin() + static_cast<std::ptrdiff_t>(
                                                                          hand.before.cards.size()),
                                                      cards.end())));
    }
}

// True when the badge is new.
bool addBadge(std::string& words, const HandChange& hand) {
    if (!hand.after.badge || hand.after.badge == hand.before.badge) {
        return false;
    }
    addSentence(words, settledWords(hand.label, *hand.after.badge));
    return true;
}

// The hands in the order player, split, dealer.
void addCounts(std::string& words, const std::optional<CountFigures>& before,
               const std::optional<CountFigures>& after, const HandChange (&hands)[3]) {
    if (!after) {
        return;
    }
    const bool fresh = !before;
    if (fresh || laidAnew(hands[0]) || before->player != after->player) {
        addFigure(words, Caption::playersCount, after->player);
    }
    if (after->splitRow &&
        (fresh || laidAnew(hands[1]) || !before->splitRow || before->split != after->split)) {
        addFigure(words, Caption::splitCount, after->split);
    }
    if (fresh || laidAnew(hands[2]) || before->dealer != after->dealer) {
        addFigure(words, Caption::dealersCount, after->dealer);
    }
}
} // namespace

std::string changeWords(const TableContent& before, const TableContent& after) {
    // the player's own hands first, then what the dealer shows
    const HandChange hands[] = {{Caption::playersHand, before.player, after.player},
                                {Caption::splitHand, before.split, after.split},
                                {Caption::dealersHand, before.dealer, after.dealer}};
    std::string words;
    for (const HandChange& hand : hands) {
        addCardChange(words, hand);
    }
    addCounts(words, before.counts, after.counts, hands);
    bool settled = false;
    for (const HandChange& hand : hands) {
        settled = addBadge(words, hand) || settled;
    }
    if (words.empty() || before.bet != after.bet) {
        addFigure(words, Caption::currentBet, after.bet);
    }
    // a settled round says the money even when a push left it as it was
    if (settled || before.bank != after.bank) {
        addFigure(words, Caption::money, after.bank);
    }
    return words;
}
