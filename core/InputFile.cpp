#include "core/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Errors.h"

namespace quenvar {

namespace {

// `what` is a marked template: %1 the file's name, %2 the system's reason.
[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw EInOutError(Text(what).arg(path).arg(std::strerror(error)));
}

constexpr char kCannotOpen[] = TR_NOOP("Core", "Cannot open file \"%1\". %2");
constexpr char kCannotRead[] = TR_NOOP("Core", "Cannot read file \"%1\". %2");

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) Fail(kCannotOpen, path, errno);
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) Fail(kCannotRead, path, errno);
  if (S_ISDIR(st.st_mode)) Fail(kCannotOpen, path, EISDIR);
  std::string text;
  if (S_ISREG(st.st_mode) && st.st_size > 0) text.reserve(static_cast<size_t>(st.st_size));
  char block[1 << 16];
  for (;;) {
    const ssize_t n = read(fd, block, sizeof(block));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(kCannotRead, path, errno);
    if (n == 0) return text;
    text.append(block, static_cast<size_t>(n));
  }
}

}  // namespace quenvar
