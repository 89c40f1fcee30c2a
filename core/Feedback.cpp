#include "core/Feedback.h"

#include <chrono>

#include "core/Errors.h"

namespace quenvar {

namespace {

ProgressBarView* g_firstBar = nullptr;
MessagePump* g_pump = nullptr;
int64_t g_intervalNs = 20'000'000;
int64_t g_stride = 1;
int64_t g_lastCheck = 0;
int64_t g_lastPump = 0;

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

constexpr int64_t kMaxStride = 1 << 20;

}  // namespace

namespace pump_detail {

int64_t countdown = 1;

// Looks at the clock every `stride` calls, the stride adapting so that looks
// come about every tenth of an interval whatever a call costs.
void slowPath() {
  if (g_pump == nullptr) {
    countdown = kMaxStride;
    return;
  }
  if (g_intervalNs <= 0) {
    countdown = 1;
    ProgressBarView::flushAll();
    g_pump->processMessages();
    return;
  }
  const int64_t now = NowNs();
  const int64_t sinceCheck = now - g_lastCheck;
  g_lastCheck = now;
  if (sinceCheck < g_intervalNs / 20 && g_stride < kMaxStride) {
    g_stride *= 2;
  } else if (sinceCheck > g_intervalNs / 5 && g_stride > 1) {
    g_stride /= 2;
  }
  countdown = g_stride;
  if (now - g_lastPump >= g_intervalNs) {
    ProgressBarView::flushAll();
    g_pump->processMessages();
    g_lastPump = NowNs();
    g_lastCheck = g_lastPump;
  }
}

}  // namespace pump_detail

void SetMessagePump(MessagePump* pump, int64_t intervalMicroseconds) {
  g_pump = pump;
  g_intervalNs = intervalMicroseconds * 1000;
  g_stride = 1;
  g_lastCheck = g_lastPump = NowNs();
  pump_detail::countdown = 1;
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

void RefuseInput(std::string_view message) {
  g_notifier->error(message);
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
