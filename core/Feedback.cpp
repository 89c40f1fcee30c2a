#include "core/Feedback.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

#include "core/Errors.h"

namespace quenvar {

namespace {

ProgressBarView* g_firstBar = nullptr;
MessagePump* g_pump = nullptr;
int64_t g_intervalNs = 20'000'000;
int64_t g_lastPump = 0;

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Raises the flag a few times per interval; the loops see it at their next
// pump point. It only ever stores to the flag.
class Ticker {
 public:
  void start(int64_t periodNs) {
    stop();
    thread_ = std::jthread([periodNs](std::stop_token token) {
      std::mutex mutex;
      std::condition_variable_any wake;
      std::unique_lock lock(mutex);
      while (!token.stop_requested()) {
        wake.wait_for(lock, token, std::chrono::nanoseconds(periodNs), [] { return false; });
        if (!token.stop_requested()) pump_detail::due.store(true, std::memory_order_relaxed);
      }
    });
  }
  void stop() {
    if (thread_.joinable()) {
      thread_.request_stop();
      thread_.join();
    }
  }
  ~Ticker() { stop(); }

 private:
  std::jthread thread_;
};

Ticker g_ticker;

}  // namespace

namespace pump_detail {

std::atomic<bool> due{false};
uint64_t work = 0;

void slowPath() {
  if (g_pump == nullptr) {
    due.store(false, std::memory_order_relaxed);
    return;
  }
  if (g_intervalNs <= 0) {  // every point pumps; the flag stays up
    ProgressBarView::flushAll();
    g_pump->processMessages();
    return;
  }
  due.store(false, std::memory_order_relaxed);
  if (NowNs() - g_lastPump >= g_intervalNs) {
    ProgressBarView::flushAll();
    g_pump->processMessages();
    g_lastPump = NowNs();
  }
}

}  // namespace pump_detail

void SetMessagePump(MessagePump* pump, int64_t intervalMicroseconds) {
  g_ticker.stop();
  g_pump = pump;
  g_intervalNs = intervalMicroseconds * 1000;
  g_lastPump = NowNs();
  pump_detail::due.store(pump != nullptr && g_intervalNs <= 0, std::memory_order_relaxed);
  if (pump != nullptr && g_intervalNs > 0) g_ticker.start(std::max<int64_t>(g_intervalNs / 4, 1'000'000));
}

MessagePump* CurrentMessagePump() { return g_pump; }

namespace {

class SilentNotifier : public Notifier {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
  bool confirm(std::string_view) override { return false; }
};

SilentNotifier g_silent;
Notifier* g_notifier = &g_silent;

}  // namespace

void SetNotifier(Notifier* notifier) { g_notifier = notifier != nullptr ? notifier : &g_silent; }
Notifier& CurrentNotifier() { return *g_notifier; }

bool Notifier::tell(Kind kind, const Text& message) {
  const std::string english = message.english();
  switch (kind) {
    case Kind::Error:
      error(english);
      return false;
    case Kind::Warning:
      warning(english);
      return false;
    case Kind::Question:
      return confirm(english);
  }
  return false;
}

void ShowError(const Text& message) { g_notifier->tell(Notifier::Kind::Error, message); }
void ShowWarning(const Text& message) { g_notifier->tell(Notifier::Kind::Warning, message); }
bool AskYesNo(const Text& question) { return g_notifier->tell(Notifier::Kind::Question, question); }

void RefuseInput(const Text& message) {
  ShowError(message);
  throw EAbort();
}

ProgressBarView::ProgressBarView() {
  next_ = g_firstBar;
  if (g_firstBar != nullptr) g_firstBar->prev_ = this;
  g_firstBar = this;
}

ProgressBarView::~ProgressBarView() {
  if (prev_ != nullptr) prev_->next_ = next_;
  if (next_ != nullptr) next_->prev_ = prev_;
  if (g_firstBar == this) g_firstBar = next_;
}

void ProgressBarView::start(int64_t maximum) {
  maximum_ = maximum;
  position_ = 0;
  shown_ = 0;
  show();
  applyMaximum(maximum);
  applyPosition(0);
}

void ProgressBarView::show() {
  visible_ = true;
  applyVisible(true);
}

void ProgressBarView::hide() {
  flush();
  visible_ = false;
  applyVisible(false);
}

void ProgressBarView::flush() {
  if (position_ != shown_) {
    shown_ = position_;
    applyPosition(position_);
  }
}

void ProgressBarView::flushAll() {
  for (ProgressBarView* bar = g_firstBar; bar != nullptr; bar = bar->next_) bar->flush();
}

}  // namespace quenvar
