#include "core/Memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/Errors.h"
#include "core/Feedback.h"

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
    throw EOutOfMemory("Out of memory: this request needs " + std::to_string(bytes >> 20) +
                       " MiB, but only " + std::to_string(available >> 20) + " MiB are free.");
}

void ReleasePagesInSlices(void* data, size_t bytes) {
  if (data == nullptr || bytes < kSmall) return;
  const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
  constexpr uintptr_t kSlice = uintptr_t{16} << 20;
  for (uintptr_t at = begin; at < end; at += kSlice) {
    const uintptr_t stop = std::min(end, at + kSlice);
    madvise(reinterpret_cast<void*>(at), stop - at, MADV_DONTNEED);
    CountWork((stop - at) / 4);
    LetMessagesRun();
  }
}

}  // namespace quenvar
