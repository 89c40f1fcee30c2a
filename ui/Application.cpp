#include "ui/Application.h"

#include <QIcon>

#include "core/Errors.h"

namespace quenvar::ui {

QuenvarApplication::QuenvarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quenvar Random Number Generator");
  // The desktop entry and icon an install puts in share/ (dist/).
  setDesktopFileName("org.quenvar.Quenvar");
  setWindowIcon(QIcon::fromTheme("org.quenvar.Quenvar"));
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
