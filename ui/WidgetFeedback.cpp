#include "ui/WidgetFeedback.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <climits>

#include "ui/Platform.h"

namespace quenvar::ui {

void WidgetProgress::applyVisible(bool visible) {
  if (bar_) bar_->setVisible(visible);
}

void WidgetProgress::applyMaximum(int64_t maximum) {
  if (!bar_) return;
  bar_->setMinimum(0);
  bar_->setMaximum(static_cast<int>(std::clamp<int64_t>(maximum, 0, INT_MAX)));
}

void WidgetProgress::applyPosition(int64_t position) {
  if (bar_) bar_->setValue(static_cast<int>(std::clamp<int64_t>(position, 0, bar_->maximum())));
}

void WidgetLabel::setCaption(std::string_view caption) {
  if (!label_) return;
  label_->setText(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
  label_->repaint();
}

EventPump::EventPump() {
  SetMessagePump(this);
  sinceLast_.start();
}

EventPump::~EventPump() { SetMessagePump(nullptr); }

void EventPump::processMessages() {
  longestGapMs_ = std::max(longestGapMs_, sinceLast_.elapsed());
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sinceLast_.restart();
}

void EventPump::resetGaps() {
  longestGapMs_ = 0;
  sinceLast_.restart();
}

WidgetNotifier::WidgetNotifier(QWidget* parent) : parent_(parent) { SetNotifier(this); }
WidgetNotifier::~WidgetNotifier() { SetNotifier(nullptr); }

void WidgetNotifier::error(std::string_view message) {
  platform().messageBox(parent_, MessageText(message), Icon::Error, false);
}

void WidgetNotifier::warning(std::string_view message) {
  platform().messageBox(parent_, MessageText(message), Icon::Warning, false);
}

bool WidgetNotifier::confirm(std::string_view question) {
  return platform().messageBox(parent_, MessageText(question), Icon::Warning, true) == Answer::Yes;
}

}  // namespace quenvar::ui
