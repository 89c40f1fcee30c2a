#include "ui/Application.h"

#include <QIcon>
#include <QWidget>

#include "core/Errors.h"
#include "ui/Accessible.h"

namespace quenvar::ui {

QuenvarApplication::QuenvarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quenvar Random Number Generator");
  // The desktop entry and icon an install puts in share/ (dist/).
  setDesktopFileName("org.quenvar.Quenvar");
  setWindowIcon(QIcon::fromTheme("org.quenvar.Quenvar"));
}

void QuenvarApplication::nameWindowClass(QWidget* first) {
  // The platform takes the window class from the application's name once,
  // when the first window is made.
  const QString name = applicationName();
  setApplicationName(kWindowClass);
  first->winId();
  setApplicationName(name);
}

bool QuenvarApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    const ErrorReport report = DescribeCurrentException();
    if (!report.silent && handler_)
      handler_(QString::fromStdString(report.className), QString::fromStdString(report.message));
  }
  return false;
}

}  // namespace quenvar::ui
