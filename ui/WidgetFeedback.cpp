#include "ui/WidgetFeedback.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <climits>

#include "ui/Platform.h"

namespace quenvar::ui {

void WidgetProgress::applyVisible(bool visible) {
  if (!bar_) return;
  state_->hidePending = !visible;
  if (visible) {
    bar_->show();
    return;
  }
  // Hidden when pending messages next run, unless the next phase has shown
  // it again by then: between two phases of a run it stays as it is.
  QMetaObject::invokeMethod(
      bar_,
      [bar = bar_.data(), state = state_] {
        if (state->hidePending) bar->hide();
      },
      Qt::QueuedConnection);
}

void WidgetProgress::settle() {
  if (bar_ && state_->hidePending) bar_->hide();
}

void WidgetProgress::applyMaximum(int64_t maximum) {
  if (!bar_) return;
  paintLater();
  bar_->setRange(0, static_cast<int>(std::clamp<int64_t>(maximum, 0, INT_MAX)));
}

void WidgetProgress::applyPosition(int64_t position) {
  if (!bar_) return;
  paintLater();
  bar_->setValue(static_cast<int>(std::clamp<int64_t>(position, 0, bar_->maximum())));
}

void WidgetProgress::paintLater() {
  // QProgressBar repaints at once at a new value, and with it everything
  // else waiting to be painted in the window, several times a phase. Its
  // painting waits instead until pending messages run, once for all the
  // changes since.
  if (state_->paintPending) return;
  state_->paintPending = true;
  bar_->setUpdatesEnabled(false);
  QMetaObject::invokeMethod(
      bar_,
      [bar = bar_.data(), state = state_] {
        state->paintPending = false;
        bar->setUpdatesEnabled(true);  // and marks it to be painted
      },
      Qt::QueuedConnection);
}

QString Translated(const Text& text) {
  QString out;
  for (const Text::Piece& piece : text.pieces()) {
    if (piece.source == nullptr) {
      out += QString::fromStdString(piece.plain);
      continue;
    }
    const QString source = QCoreApplication::translate(kTextContext, piece.source);
    for (qsizetype i = 0; i < source.size(); ++i) {
      const QChar c = source[i];
      if (c == QLatin1Char('%') && i + 1 < source.size() && source[i + 1] >= QLatin1Char('1') &&
          source[i + 1] <= QLatin1Char('9')) {
        const auto n = static_cast<size_t>(source[i + 1].unicode() - '1');
        if (n < piece.args.size()) {
          out += QString::fromStdString(piece.args[n]);
          ++i;
          continue;
        }
      }
      out += c;
    }
  }
  return out;
}

void RefuseInput(const QString& message) { quenvar::RefuseInput(Text::Plain(message.toStdString())); }

void WidgetLabel::setCaption(std::string_view caption) {
  if (!label_) return;
  label_->setText(QCoreApplication::translate(kTextContext, std::string(caption).c_str()));
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

bool WidgetNotifier::tell(Kind kind, const Text& message) {
  const QString text = MessageText(Translated(message));
  const Icon icon = kind == Kind::Error ? Icon::Error : Icon::Warning;
  return platform().messageBox(parent_, text, icon, kind == Kind::Question) == Answer::Yes;
}

}  // namespace quenvar::ui
