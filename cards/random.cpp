#include "cards/random.h"

void randomSeed(Random& random, std::uint32_t seed) {
    random.state = seed;
}

std::int32_t randomNext(Random& random) {
    random.state = random.state * 214013u + 2531011u; // wraps modulo 2^32
    return static_cast<std::int32_t>((random.state >> 16) & 0x7FFFu);
}
