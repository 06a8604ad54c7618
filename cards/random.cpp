#include "cards/random.h"

namespace {
std::uint32_t randomState = 1;
}

void randomSeed(std::uint32_t seed) {
    randomState = seed;
}

std::uint32_t randomPosition() {
    return randomState;
}

std::int32_t randomNext() {
    randomState = randomState * 214013u + 2531011u; // wraps modulo 2^32
    return static_cast<std::int32_t>((randomState >> 16) & 0x7FFFu);
}
