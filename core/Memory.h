#pragma once

#include <cstdint>

namespace quenvar {

// Refuses, with EOutOfMemory, a request for more memory than the system has
// free now. Reserving untouched memory succeeds on Linux far beyond what can
// be backed, and filling it later would end the process instead of showing
// a message; so large requests are checked before they are made.
void CheckMemoryFor(uint64_t bytes);

}  // namespace quenvar
