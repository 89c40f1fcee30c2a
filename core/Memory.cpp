#include "core/Memory.h"

#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "core/Errors.h"
#include "core/Feedback.h"

namespace quenvar {

namespace {

// A "Key:  N kB" figure of a /proc file in bytes; 0 when it cannot be read.
uint64_t ProcFigure(const char* file, const std::string& wanted) {
  std::ifstream in(file);
  std::string key;
  while (in >> key) {
    if (key == wanted) {
      uint64_t kib = 0;
      in >> kib;
      return kib * 1024;
    }
    in.ignore(1 << 16, '\n');
  }
  return 0;
}

// What the process can still take: the system's free memory, less what its
// address-space and data limits leave. 0 when nothing is known.
uint64_t AvailableBytes() {
  uint64_t available = ProcFigure("/proc/meminfo", "MemAvailable:");
  auto within = [&available](int resource, const char* usedKey) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return;
    const uint64_t used = ProcFigure("/proc/self/status", usedKey);
    const uint64_t left = limit.rlim_cur > used ? limit.rlim_cur - used : 0;
    available = available == 0 ? left : std::min(available, left);
  };
  within(RLIMIT_AS, "VmSize:");
  within(RLIMIT_DATA, "VmData:");
  return available;
}

constexpr uint64_t kSmall = uint64_t{64} << 20;  // below this nothing is checked

}  // namespace

void CheckMemoryFor(uint64_t bytes) {
  if (bytes < kSmall) return;
  const uint64_t available = AvailableBytes();
  if (available != 0 && bytes > available)
    throw EOutOfMemory(
        Text(TR_NOOP("Core", "Out of memory: this request needs %1 MiB, but only %2 MiB are free."))
            .arg(bytes >> 20)
            .arg(available >> 20));
}

uint64_t HashSlotsFor(uint64_t expected) {
  uint64_t capacity = 16;
  while (capacity < expected * 2) capacity *= 2;
  return capacity;
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
