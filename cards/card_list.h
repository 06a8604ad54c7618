#pragma once

#include "cards/card.h"

#include <cstdint>
#include <memory>

// A singly linked list of cards. Positions are 1-based: 1 is the head. The list keeps no count:
// the shoe counts its own cards, and a hand's cards are counted by where they are painted.
// Each list owns its nodes; no two lists share a node.
struct CardNode {
    std::int32_t suit = 0;
    std::int32_t rank = 0;
    std::unique_ptr<CardNode> next;
};

struct CardList {
    std::unique_ptr<CardNode> head;
    CardNode* tail = nullptr; // meaningful only while head is non-null

    CardList() = default;
    CardList(const CardList&) = delete;
    CardList& operator=(const CardList&) = delete;
    ~CardList(); // unlinks iteratively so a long list cannot exhaust the stack
};

std::unique_ptr<CardNode> cardNodeNew(Card card);
std::unique_ptr<CardList> cardListNew();
void cardListAppend(CardList& list, std::unique_ptr<CardNode> node);
Card cardListAt(const CardList& list, std::int32_t position);
void cardListRemoveAt(CardList& list, std::int32_t position);
void cardListClear(CardList& list);
