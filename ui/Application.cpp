#include "ui/Application.h"

#include "core/Errors.h"

namespace quenvar::ui {

QuenvarApplication::QuenvarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quenvar Random Number Generator");
}

bool QuenvarApplication::notify(QObject* receiver, QEvent* event) {
  auto report = [this](const QString& className, const QString& message) {
    if (handler_) handler_(className, message);
  };
  try {
    return QApplication::notify(receiver, event);
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    report(e.className(), QString::fromUtf8(e.what()));
  } catch (const std::bad_alloc&) {
    report("EOutOfMemory", QString::fromUtf8(EOutOfMemory().what()));
  } catch (const std::exception& e) {
    report("Exception", QString::fromUtf8(e.what()));
  }
  return false;
}

}  // namespace quenvar::ui
