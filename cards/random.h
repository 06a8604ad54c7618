#pragma once

#include <cstdint>

// The game's only source of randomness: a linear congruential generator with a fixed rule,
// so that a seed and a sequence of draws always give the same cards on every platform.
void randomSeed(std::uint32_t seed);
std::int32_t randomNext(); // 0 to 32767
// Where the generator stands: randomSeed with it draws the same numbers again.
std::uint32_t randomPosition();
