#include "ui/Application.h"

#include "core/Errors.h"

namespace quenvar::ui {

QuenvarApplication::QuenvarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quenvar Random Number Generator");
}

bool QuenvarApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    const ErrorReport report = DescribeCurrentException();
    if (!report.silent && handler_)
      handler_(QString::fromStdString(report.className), QString::fromUtf8(report.message));
  }
  return false;
}

}  // namespace quenvar::ui
