#include "core/Feedback.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/Errors.h"

namespace quenvar {

namespace {

// The registry of live progress bars, flushed before messages run.
ProgressBarView*& FirstLiveBar() {
  static ProgressBarView* first = nullptr;
  return first;
}

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Raises the flag a few times per interval while pump points are being
// reached; the loops see it at their next point. When the flag has stayed up
// for a while (no run is taking it, or one waits in a modal box) the thread
// ends and leaves it up, so an idle program has no thread that keeps time:
// the next point finds the flag up and starts the ticker again.
class Ticker {
 public:
  // The pump's thread, at a point that found the flag up.
  void keepRunning(int64_t periodNs) {
    std::unique_lock lock(mutex_);
    if (running_) return;
    lock.unlock();
    if (thread_.joinable()) thread_.join();  // ended, or about to
    lock.lock();
    running_ = true;
    stop_ = false;
    thread_ = std::thread([this, periodNs] { tick(periodNs); });
  }
  void stop() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
  }
  ~Ticker() { stop(); }

 private:
  // Ends after this many periods in which no point took the flag.
  static constexpr int kIdlePeriods = 8;

  void tick(int64_t periodNs) {
    std::unique_lock lock(mutex_);
    int idle = 0;
    while (!stop_ && idle < kIdlePeriods) {
      wake_.wait_for(lock, std::chrono::nanoseconds(periodNs), [this] { return stop_; });
      if (pump_detail::points().due.exchange(true, std::memory_order_relaxed))
        ++idle;
      else
        idle = 0;
    }
    running_ = false;
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  bool running_ = false;
  bool stop_ = false;
  std::thread thread_;
};

// The process's message pump: what SetMessagePump installed, how often it
// runs, when it last ran, and the ticker that raises the flag meanwhile.
struct InstalledPump {
  MessagePump* pump = nullptr;
  int64_t intervalNs = 20'000'000;
  int64_t lastPump = 0;
  Ticker ticker;
};

InstalledPump& Pump() {
  static InstalledPump installed;
  return installed;
}

}  // namespace

namespace pump_detail {

void slowPath() {
  std::atomic<bool>& due = points().due;
  InstalledPump& installed = Pump();
  if (installed.pump == nullptr) {
    due.store(false, std::memory_order_relaxed);
    return;
  }
  if (installed.intervalNs <= 0) {  // every point pumps; the flag stays up
    ProgressBarView::flushAll();
    installed.pump->processMessages();
    return;
  }
  due.store(false, std::memory_order_relaxed);
  installed.ticker.keepRunning(std::max<int64_t>(installed.intervalNs / 4, 1'000'000));
  if (NowNs() - installed.lastPump >= installed.intervalNs) {
    ProgressBarView::flushAll();
    installed.pump->processMessages();
    installed.lastPump = NowNs();
  }
}

}  // namespace pump_detail

void SetMessagePump(MessagePump* pump, int64_t intervalMicroseconds) {
  InstalledPump& installed = Pump();
  installed.ticker.stop();
  installed.pump = pump;
  installed.intervalNs = intervalMicroseconds * 1000;
  installed.lastPump = NowNs();
  // Up, so that the first point pumps (every point, with an interval of 0)
  // or starts the ticker.
  pump_detail::points().due.store(pump != nullptr, std::memory_order_relaxed);
}

MessagePump* CurrentMessagePump() { return Pump().pump; }

namespace {

class SilentNotifier : public Notifier {
 public:
  void error(std::string_view) override {}
  void warning(std::string_view) override {}
  bool confirm(std::string_view) override { return false; }
};

// The process's notifier: the one SetNotifier installed, or the silent one.
struct InstalledNotifier {
  SilentNotifier silent;
  Notifier* notifier = &silent;
};

InstalledNotifier& Notifiers() {
  static InstalledNotifier installed;
  return installed;
}

}  // namespace

void SetNotifier(Notifier* notifier) {
  InstalledNotifier& installed = Notifiers();
  installed.notifier = notifier != nullptr ? notifier : &installed.silent;
}
Notifier& CurrentNotifier() { return *Notifiers().notifier; }

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

void ShowError(const Text& message) { CurrentNotifier().tell(Notifier::Kind::Error, message); }
void ShowWarning(const Text& message) { CurrentNotifier().tell(Notifier::Kind::Warning, message); }
bool AskYesNo(const Text& question) { return CurrentNotifier().tell(Notifier::Kind::Question, question); }

void RefuseInput(const Text& message) {
  ShowError(message);
  throw EAbort();
}

ProgressBarView::ProgressBarView() {
  ProgressBarView*& first = FirstLiveBar();
  next_ = first;
  if (first != nullptr) first->prev_ = this;
  first = this;
}

ProgressBarView::~ProgressBarView() {
  if (prev_ != nullptr) prev_->next_ = next_;
  if (next_ != nullptr) next_->prev_ = prev_;
  if (FirstLiveBar() == this) FirstLiveBar() = next_;
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
  for (ProgressBarView* bar = FirstLiveBar(); bar != nullptr; bar = bar->next_) bar->flush();
}

}  // namespace quenvar
