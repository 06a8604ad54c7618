#pragma once

#include "cards/card.h"
#include "cards/card_list.h"

#include <cstdint>
#include <memory>

// One side's cards in a round, counted by the rules of twenty-one as they arrive.
struct Hand {
    std::unique_ptr<CardList> cards;
    std::int32_t total = 0;
    std::int32_t softAces = 0; // aces counted as 11 in total
};

void handInit(Hand& hand);
void handClear(Hand& hand);
void handAddCard(Hand& hand, Card card);
void handRemoveCard(Hand& hand, std::int32_t position); // an ace comes off as 1
Card handCardAt(const Hand& hand, std::int32_t position);
std::int32_t handTotal(const Hand& hand);

// Counts one more card into a running total: an ace as 11 unless that busts the total.
void countCard(std::int32_t& total, std::int32_t& softAces, std::int32_t rank);
