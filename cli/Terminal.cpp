#include "cli/Terminal.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#include "core/Errors.h"
#include "core/OutputFile.h"

namespace quenvar::cli {

namespace {

// What the signal handler reads and writes: whether a stop was asked, and
// the line a second one writes as it ends the process at once.
// Constant-initialized, so the handler may reach it at any time.
struct StopState {
  volatile std::sig_atomic_t interrupted = 0;
  char line[200] = "quenvar-cli: stopped\n";
};

StopState& Stop() {
  static StopState state;
  return state;
}

extern "C" void OnInterrupt(int) {
  StopState& stop = Stop();
  // Files being staged have no name and vanish with the process; only a
  // file being written into must be finished (or put back) first.
  if (stop.interrupted && !OutputFile::Committing()) {
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, stop.line, strlen(stop.line));
    _exit(130);
  }
  stop.interrupted = 1;
  RequestInterrupt();  // ends a wait on a pipe or a FIFO
}

constexpr auto kQuietStart = std::chrono::milliseconds(500);
constexpr auto kRedraw = std::chrono::milliseconds(100);

}  // namespace

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) == 1) {
  started_ = std::chrono::steady_clock::now();
}

TerminalProgress::~TerminalProgress() { clearLine(); }

void TerminalProgress::setCaption(std::string_view caption) {
  caption_ = std::string(caption);
  draw(false);
}

void TerminalProgress::applyVisible(bool visible) {
  if (!visible) clearLine();
}

void TerminalProgress::applyMaximum(int64_t maximum) { maximum_ = maximum > 0 ? maximum : 1; }

void TerminalProgress::applyPosition(int64_t position) {
  position_ = position;
  draw(false);
}

void TerminalProgress::draw(bool force) {
  if (!enabled_ || !visible()) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - started_ < kQuietStart) return;
  if (!force && drawn_ && now - lastDraw_ < kRedraw) return;
  lastDraw_ = now;
  constexpr int kWidth = 30;
  const double fraction = position_ <= 0          ? 0.0
                          : position_ >= maximum_ ? 1.0
                                                  : double(position_) / double(maximum_);
  const int filled = static_cast<int>(fraction * kWidth);
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kWidth - filled), '.');
  std::fprintf(stderr, "\r%-24s [%s] %3d%%", caption_.c_str(), bar.c_str(), static_cast<int>(fraction * 100));
  std::fflush(stderr);
  drawn_ = true;
}

void TerminalProgress::clearLine() {
  if (!drawn_) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  drawn_ = false;
}

InterruptPump::InterruptPump(std::function<void()> cancel) : cancel_(std::move(cancel)) {
  SetMessagePump(this);
}

InterruptPump::~InterruptPump() { SetMessagePump(nullptr); }

void InterruptPump::InstallHandlers(const std::string& command) {
  std::snprintf(Stop().line, sizeof(Stop().line),
                "quenvar-cli %.100s: stopped at once; nothing more was written\n", command.c_str());
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaddset(&action.sa_mask, SIGINT);
  sigaddset(&action.sa_mask, SIGTERM);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

void InterruptPump::processMessages() {
  if (Stop().interrupted && !cancelled_) {
    cancelled_ = true;
    cancel_();
  }
}

bool InterruptPump::interrupted() { return Stop().interrupted != 0; }

}  // namespace quenvar::cli
