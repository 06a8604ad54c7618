#pragma once

#include <cstddef>

// This test program replaces the global operator new: once armed, the nth allocation of exactly
// `size` bytes from then on throws std::bad_alloc, as if memory had run out there.
void failAllocation(std::size_t size, int nth);
void stopFailingAllocations();
bool allocationFailed(); // whether the armed failure has happened

// Counts the allocations of exactly `size` bytes from now on, failing none.
void countAllocations(std::size_t size);
int allocationsCounted();
