#include "core/Memory.h"

#include <fstream>
#include <string>

#include "core/Errors.h"

namespace quenvar {

namespace {

// MemAvailable of /proc/meminfo in bytes; 0 when it cannot be read.
uint64_t AvailableBytes() {
  std::ifstream in("/proc/meminfo");
  std::string key;
  uint64_t kib = 0;
  std::string unit;
  while (in >> key >> kib >> unit)
    if (key == "MemAvailable:") return kib * 1024;
  return 0;
}

constexpr uint64_t kSmall = uint64_t{64} << 20;  // below this nothing is checked

}  // namespace

void CheckMemoryFor(uint64_t bytes) {
  if (bytes < kSmall) return;
  const uint64_t available = AvailableBytes();
  if (available != 0 && bytes > available)
    throw EOutOfMemory("Out of memory: this request needs " + std::to_string(bytes >> 20) + " MiB, but only " +
                       std::to_string(available >> 20) + " MiB are free.");
}

}  // namespace quenvar
