#include "ui/Guard.h"

#include "core/Errors.h"
#include "ui/Platform.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

void ShowErrorMessage(QWidget* parent, const QString& className, const QString& message) {
  platform().messageBox(parent, className + "\r" + message, Icon::Error, false);
}

void ReportCurrentException(QWidget* parent) {
  const ErrorReport report = DescribeCurrentException();
  if (!report.silent)
    ShowErrorMessage(parent, QString::fromStdString(report.className), Translated(report.text));
}

void RunGuarded(QWidget* parent, const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    ReportCurrentException(parent);
  }
}

}  // namespace quenvar::ui
