#pragma once

#include <cstddef>
#include <cstdint>

namespace quenvar {

// Refuses, with EOutOfMemory, a request for more memory than the system has
// free now. Reserving untouched memory succeeds on Linux far beyond what can
// be backed, and filling it later would end the process instead of showing
// a message; so large requests are checked before they are made.
void CheckMemoryFor(uint64_t bytes);

// Hands the pages of a large block back to the system a slice at a time,
// letting messages run between slices, so that freeing a few hundred
// megabytes does not stall the window. The block stays allocated (its
// contents become zero) and is freed as usual afterwards, at little cost.
void ReleasePagesInSlices(void* data, size_t bytes);

}  // namespace quenvar
