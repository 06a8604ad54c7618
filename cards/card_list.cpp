#include "cards/card_list.h"

#include <utility>

CardList::~CardList() {
    cardListClear(*this);
}

std::unique_ptr<CardNode> cardNodeNew(Card card) {
    auto node = std::make_unique<CardNode>();
    node->suit = card.suit;
    node->rank = card.rank;
    return node;
}

std::unique_ptr<CardList> cardListNew() {
    return std::make_unique<CardList>();
}

void cardListAppend(CardList& list, std::unique_ptr<CardNode> node) {
    CardNode* appended = node.get();
    if (!list.head) {
        list.head = std::move(node);
    } else {
        list.tail->next = std::move(node);
    }
    list.tail = appended;
}

Card cardListAt(const CardList& list, std::int32_t position) {
    const CardNode* node = list.head.get();
    for (std::int32_t i = 1; i < position; ++i) {
        node = node->next.get();
    }
    return Card{node->suit, node->rank};
}

void cardListRemoveAt(CardList& list, std::int32_t position) {
    if (position == 1) {
        // the tail is left alone: once the list is empty only head is consulted
        list.head = std::move(list.head->next);
    } else {
        CardNode* before = list.head.get();
        for (std::int32_t i = 2; i < position; ++i) {
            before = before->next.get();
        }
        before->next = std::move(before->next->next);
        if (!before->next) {
            list.tail = before;
        }
    }
}

void cardListClear(CardList& list) {
    std::unique_ptr<CardNode> node = std::move(list.head);
    while (node) {
        node = std::move(node->next);
    }
    list.tail = nullptr;
}
