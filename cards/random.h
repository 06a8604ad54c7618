#pragma once

#include <cstdint>

// The game's only kind of randomness: a linear congruential generator with a fixed rule, so that
// a seed and a sequence of draws always give the same cards on every platform. Each shoe carries
// its own, so two tables never draw from each other's sequence; a copy draws the same numbers
// again.
struct Random {
    std::uint32_t state = 1;
};

void randomSeed(Random& random, std::uint32_t seed);
std::int32_t randomNext(Random& random); // 0 to 32767
