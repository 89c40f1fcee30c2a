#pragma once

#include <QApplication>
#include <functional>

namespace quenvar::ui {

// Catches whatever a handler lets escape, so that nothing unwinds through
// the event loop: the window shows it as its error message.
class QuenvarApplication : public QApplication {
 public:
  QuenvarApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  // Makes the first window, its WM_CLASS naming the desktop entry (kWindowClass):
  // docks group the window with its launcher. Call before anything else shows.
  void nameWindowClass(QWidget* first);
  void setExceptionHandler(std::function<void(const QString&, const QString&)> handler) {
    handler_ = std::move(handler);
  }

 private:
  std::function<void(const QString&, const QString&)> handler_;
};

}  // namespace quenvar::ui
