#include <cstdio>
#include <cstring>

#include "core/OutputFile.h"
#include "core/Version.h"
#include "ui/Application.h"
#include "ui/SingleInstance.h"
#include "ui/UnitMain.h"

using namespace quenvar::ui;

namespace {

const char kUsage[] =
    "Usage: quenvar [--help | --version] [Qt options]\n"
    "\n"
    "Quenvar Random Number Generator: random numbers, lottery lines, samples\n"
    "from a list, strings from a mask, person names and files of random bytes,\n"
    "in one window of six pages. A second start brings the running window to\n"
    "the front. quenvar-cli runs the same generators from a terminal.\n"
    "\n"
    "  -h, --help     print this text and exit\n"
    "  --version      print the version and exit\n"
    "\n"
    "Qt's own options (-platform, -display, -style, ...) are passed to Qt.\n"
    "See quenvar(1) for the files the window reads and writes.\n";

const char kVersion[] = "quenvar (Quenvar Random Number Generator) " QUENVAR_VERSION_TEXT
                        "\n"
                        "Copyright (c) 2026 The Quenvar developers\n"
                        "Free software under the MIT licence: there is NO WARRANTY.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window, display or running copy is looked for.
  for (int i = 1; i < argc; ++i) {
    const bool help = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
    if (help || std::strcmp(argv[i], "--version") == 0) {
      std::fputs(help ? kUsage : kVersion, stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
  }
  quenvar::OpenStandardStreams();  // before any file takes descriptor 0, 1 or 2
  QuenvarApplication app(argc, argv);
  SingleInstance instance(SingleInstance::KeyFor(QCoreApplication::applicationFilePath()));
  if (instance.raiseRunning()) return 0;
  instance.listen();
  TFormRandom form;
  app.nameWindowClass(&form);
  app.setExceptionHandler(
      [&form](const QString& c, const QString& m) { form.ApplicationEvents1Exception(c, m); });
  QObject::connect(&instance, &SingleInstance::raiseRequested, &form, &TFormRandom::restoreAndRaise);
  form.show();
  form.FormShow();
  return app.exec();
}
