#include "core/InputFile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Errors.h"
#include "core/Feedback.h"

namespace quenvar {

namespace {

// `what` is a marked template: %1 the file's name, %2 the system's reason.
[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw EInOutError(Text(what).arg(path).arg(std::strerror(error)));
}

constexpr char kCannotOpen[] = TR_NOOP("Core", "Cannot open file \"%1\". %2");
constexpr char kCannotRead[] = TR_NOOP("Core", "Cannot read file \"%1\". %2");

}  // namespace

std::string ReadWholeFile(const std::string& path, ProgressBarView* bar) {
  // A FIFO waits here for its writer, a pipe below for its data: a signal
  // that asks to stop ends either wait.
  int fd = -1;
  while ((fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY)) < 0 && errno == EINTR)
    if (InterruptRequested()) throw ECancelled();
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
  if (bar != nullptr && S_ISREG(st.st_mode)) bar->start(st.st_size);
  char block[1 << 16];
  const bool waits = !S_ISREG(st.st_mode);  // a pipe, a FIFO, a terminal
  for (;;) {
    if (InterruptRequested()) throw ECancelled();
    // Waited for in slices, so that a signal that came just before the wait
    // began still ends it.
    pollfd ready{fd, POLLIN, 0};
    const int polled = waits ? poll(&ready, 1, 100) : 1;
    if (polled == 0 || (polled < 0 && errno == EINTR)) continue;  // nothing yet, or a signal
    const ssize_t n = read(fd, block, sizeof(block));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(kCannotRead, path, errno);
    if (n == 0) return text;
    text.append(block, static_cast<size_t>(n));
    if (bar != nullptr) {
      bar->advance(n);
      LetMessagesRun();
    }
  }
}

}  // namespace quenvar
