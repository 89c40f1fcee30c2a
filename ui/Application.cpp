#include "ui/Application.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <QWidget>

#include "core/Errors.h"
#include "core/Paths.h"
#include "ui/Accessible.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

QString TranslationsFolder() { return QString::fromStdString(paths::Current().shipped) + "/translations"; }

QString InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder) {
  for (const QString& language : locale.uiLanguages()) {
    const QString name = QString(language).replace('-', '_');
    if (name == "C" || name.startsWith("en")) return {};
    auto* own = new QTranslator(&app);
    // "quenvar_de_AT" falls back to "quenvar_de".
    if (!own->load("quenvar_" + name, folder)) {
      delete own;
      continue;
    }
    app.installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      app.installTranslator(qt);
    else
      delete qt;
    return own->language();
  }
  return {};
}

QuenvarApplication::QuenvarApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName("Quenvar Random Number Generator");
  // The desktop entry and icon an install puts in share/ (dist/).
  setDesktopFileName("org.quenvar.Quenvar");
  setWindowIcon(QIcon::fromTheme("org.quenvar.Quenvar"));
  InstallTranslations(*this, QLocale(), TranslationsFolder());
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
      handler_(QString::fromStdString(report.className), Translated(report.text));
  }
  return false;
}

}  // namespace quenvar::ui
