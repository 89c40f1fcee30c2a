#pragma once

#include <cstddef>
#include <cstdint>

namespace quenvar {

// Refuses, with EOutOfMemory, a request for more memory than the process can
// have now: what the system has free, within the process's own limits
// (ulimit -v, -d). Reserving untouched memory succeeds on Linux far beyond
// what can be backed, and filling it later would end the process instead of
// showing a message; so a run is weighed whole before it starts.
void CheckMemoryFor(uint64_t bytes);

// The parts runs are weighed with.
// A TArrayString of `entries` texts holding `characters` bytes in all.
constexpr uint64_t TextListBytes(uint64_t entries, uint64_t characters) { return entries * 8 + characters; }
// The slots an open-addressing set reserves for `expected` entries: a power
// of two, at least twice as many and at least 16.
uint64_t HashSlotsFor(uint64_t expected);
// Arranging n texts of `characters` bytes for display in a sorted order
// (order, then the copy) or as drawn (the copy).
constexpr uint64_t ArrangeBytes(uint64_t n, uint64_t characters, bool sorted) {
  return (sorted ? n * 4 : 0) + TextListBytes(n, characters);
}
// Hands the pages of a large block back to the system a slice at a time,
// letting messages run between slices, so that freeing a few hundred
// megabytes does not stall the window. The block stays allocated (its
// contents become zero) and is freed as usual afterwards, at little cost.
void ReleasePagesInSlices(void* data, size_t bytes);

}  // namespace quenvar
