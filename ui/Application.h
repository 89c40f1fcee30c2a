#pragma once

#include <QApplication>
#include <QLocale>
#include <functional>

namespace quenvar::ui {

// Where the window's translations are: translations/ beside the executable
// in a portable copy (the build folder), share/quenvar/translations when
// installed.
QString TranslationsFolder();

// Installs the window's translation (quenvar_LL.qm from `folder`) and Qt's
// own (qtbase_LL.qm, for the file, print and message dialogs) for the first
// of the locale's user-interface languages that has one; English, the
// language of the texts themselves, needs none and ends the search. Returns
// the language installed, or an empty string.
QString InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder);

// Catches whatever a handler lets escape, so that nothing unwinds through
// the event loop: the window shows it as its error message.
// It speaks the system locale's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
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
