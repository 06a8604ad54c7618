#include "tests/app/failing_allocator.h"

#include <cstdlib>
#include <new>

namespace {
struct ArmedFailure {
    bool armed = false;
    bool happened = false;
    std::size_t size = 0;
    int countdown = 0;
    bool counting = false;
    int counted = 0;
};

ArmedFailure armedFailure;
} // namespace

void failAllocation(std::size_t size, int nth) {
    armedFailure = {.armed = true, .size = size, .countdown = nth};
}

void countAllocations(std::size_t size) {
    armedFailure = {.size = size, .counting = true};
}

int allocationsCounted() {
    return armedFailure.counted;
}

void stopFailingAllocations() {
    armedFailure.armed = false;
    armedFailure.counting = false;
}

bool allocationFailed() {
    return armedFailure.happened;
}

void* operator new(std::size_t size) {
    if (armedFailure.counting && size == armedFailure.size) {
        ++armedFailure.counted;
    }
    if (armedFailure.armed && size == armedFailure.size && --armedFailure.countdown == 0) {
        armedFailure.armed = false;
        armedFailure.happened = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
