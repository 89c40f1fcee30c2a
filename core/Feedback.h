#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>
#include <utility>

#include "core/Text.h"

namespace quenvar {

// The progress bar a page lends to its generator. The generator only moves a
// counter (step() is called once per value, up to billions of times); the
// widget learns the position when pending messages run and when a phase ends.
class ProgressBarView {
 public:
  ProgressBarView();
  virtual ~ProgressBarView();
  ProgressBarView(const ProgressBarView&) = delete;
  ProgressBarView& operator=(const ProgressBarView&) = delete;

  // Visible, minimum 0, the given maximum, position 0.
  void start(int64_t maximum);
  void step() { ++position_; }
  void advance(int64_t n) { position_ += n; }
  void setPosition(int64_t position) { position_ = position; }
  void fill() { position_ = maximum_; }
  void show();
  void hide();
  // Hands a changed position to the widget.
  void flush();

  int64_t position() const { return position_; }
  int64_t maximum() const { return maximum_; }
  bool visible() const { return visible_; }

  // Flushes every live bar; run before pending messages are processed.
  static void flushAll();

 protected:
  virtual void applyVisible(bool visible) = 0;
  virtual void applyMaximum(int64_t maximum) = 0;
  virtual void applyPosition(int64_t position) = 0;

 private:
  int64_t position_ = 0;
  int64_t shown_ = -1;
  int64_t maximum_ = 100;
  bool visible_ = false;
  ProgressBarView* next_ = nullptr;  // registry of live bars
  ProgressBarView* prev_ = nullptr;
};

// The status label a page lends: its caption names the current phase and is
// repainted at once. Captions are marked texts (TR_NOOP) the window translates.
class StatusLabelView {
 public:
  virtual ~StatusLabelView() = default;
  virtual void setCaption(std::string_view caption) = 0;
};

// "Let pending messages run": the window processes its events, the
// command-line tool looks for Ctrl+C. Handlers such as Cancel run from here.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void processMessages() = 0;
};

// Installs the process's pump (nullptr: none). The interval is the least time
// between two calls of processMessages(); 0 calls it at every point.
void SetMessagePump(MessagePump* pump, int64_t intervalMicroseconds = 20'000);
MessagePump* CurrentMessagePump();

// Message boxes, as far as generators need them: an error or warning with an
// OK button, and a Yes/No question. The window shows real boxes, the
// command-line tool writes to standard error; with none installed nothing is
// shown and every question is answered No.
class Notifier {
 public:
  enum class Kind { Error, Warning, Question };
  virtual ~Notifier() = default;
  virtual void error(std::string_view message) = 0;
  virtual void warning(std::string_view message) = 0;
  virtual bool confirm(std::string_view question) = 0;
  // A message as template and figures: the window translates it; by default
  // its English goes to the calls above. True when a question is answered Yes.
  virtual bool tell(Kind kind, const Text& message);
};

void SetNotifier(Notifier* notifier);
Notifier& CurrentNotifier();

// The generators' messages, through the current notifier.
void ShowError(const Text& message);
void ShowWarning(const Text& message);
bool AskYesNo(const Text& question);

// Shows the message as an error and ends the operation silently (EAbort).
[[noreturn]] void RefuseInput(const Text& message);

namespace pump_detail {
// What the work loops touch at their pump points. Constant-initialized, so
// reaching it costs no more than reaching a plain variable.
struct Points {
  // Raised every few milliseconds by a ticker thread while pump points are
  // being reached, and left up while none is (always up with an interval of
  // 0). The ticker lives only while points come: the first point after a
  // pause finds the flag up and starts it again.
  std::atomic<bool> due{false};
  // The work loops have done since it was last taken, in values touched.
  uint64_t work = 0;
};
inline Points& points() {
  static Points shared;
  return shared;
}
void slowPath();
}  // namespace pump_detail

// The long phases count their slices here, so a test's pump can check that
// no phase runs for long without letting messages run.
inline void CountWork(uint64_t values) { pump_detail::points().work += values; }
inline uint64_t TakeWork() { return std::exchange(pump_detail::points().work, 0); }

// Called at every point where pending messages may run (once per accepted
// value and so on). Cheap: one load of a flag that a ticker raises every few
// milliseconds, so the pump runs on time whatever a call costs.
inline void LetMessagesRun() {
  if (pump_detail::points().due.load(std::memory_order_relaxed)) pump_detail::slowPath();
}

}  // namespace quenvar
