#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <memory>

#include "core/Feedback.h"

namespace quenvar::ui {

// A page's progress bar, as the generators see it.
class WidgetProgress : public ProgressBarView {
 public:
  explicit WidgetProgress(QProgressBar* bar) : bar_(bar) {}
  // A hide still waiting for messages to run is done now: when an operation
  // ends, the bar gives the totals their place at once.
  void settle();

 protected:
  void applyVisible(bool visible) override;
  void applyMaximum(int64_t maximum) override;
  void applyPosition(int64_t position) override;

 private:
  void paintLater();

  // What waits for pending messages to run, shared with the calls that do it.
  struct Pending {
    bool hidePending = false;
    bool paintPending = false;
  };
  QPointer<QProgressBar> bar_;
  std::shared_ptr<Pending> state_ = std::make_shared<Pending>();
};

// A page's status label: a new caption is painted at once.
class WidgetLabel : public StatusLabelView {
 public:
  explicit WidgetLabel(QLabel* label) : label_(label) {}
  void setCaption(std::string_view caption) override;

 private:
  QPointer<QLabel> label_;
};

// Lets pending window messages run from inside long loops. The core calls it
// at most every few tens of milliseconds; it keeps the longest gap between
// two calls during a run, the measure of how responsive the window stays.
class EventPump : public MessagePump {
 public:
  EventPump();
  ~EventPump() override;
  void processMessages() override;
  void resetGaps();
  qint64 longestGapMs() const { return longestGapMs_; }

 private:
  QElapsedTimer sinceLast_;
  qint64 longestGapMs_ = 0;
};

// A message of the core in the user's language: each template translated in
// the core's context, its %1 ... %9 filled with the figures, in one pass.
QString Translated(const Text& text);

// RefuseInput for a message of the window's own, already translated.
using quenvar::RefuseInput;
[[noreturn]] void RefuseInput(const QString& message);

// Message boxes for the generators' own messages, translated.
class WidgetNotifier : public Notifier {
 public:
  explicit WidgetNotifier(QWidget* parent);
  ~WidgetNotifier() override;
  void error(std::string_view message) override;
  void warning(std::string_view message) override;
  bool confirm(std::string_view question) override;
  bool tell(Kind kind, const Text& message) override;

 private:
  QWidget* parent_;
};

}  // namespace quenvar::ui
