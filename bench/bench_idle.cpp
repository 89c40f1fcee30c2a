// The window left alone: built and shown as the program starts it, then idle
// for SECONDS (default 16) before it ends. bench/run counts the process's
// wake-ups (the context switches of all its threads) in a stretch of it.
//   bench_idle [SECONDS]
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "ui/UnitMain.h"

using namespace quenvar::ui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TFormRandom form;
  form.show();
  form.FormShow();
  QTimer::singleShot(1000 * (argc > 1 ? std::atoi(argv[1]) : 16), &app, &QApplication::quit);
  return app.exec();
}
