#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <string_view>

class QWidget;
class QPrinter;
class QMessageBox;

namespace quenvar::ui {

enum class Icon { Information, Warning, Error };
enum class Answer { Ok, Yes, No };

// Every call the program makes to the desktop goes through here, so that
// tests can answer message boxes and file dialogs without blocking.
class Platform {
 public:
  virtual ~Platform() = default;
  // A modal message box with OK, or with Yes and No. Each carriage return of
  // the text starts a new line.
  virtual Answer messageBox(QWidget* parent, const QString& text, Icon icon, bool yesNo) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                               const QString& defaultSuffix, const QString& initial) = 0;
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
  virtual std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                          const QString& text) = 0;
  virtual QStringList printerNames() = 0;
  // The system's printer set-up dialog on the program's printer; true on OK.
  virtual bool printerSetup(QWidget* parent, QPrinter& printer) = 0;
  // Opens an address, an e-mail link or a file with the desktop's default
  // handler; false when no program could open it.
  virtual bool openUrl(const QUrl& url) = 0;
  // The compiled-HTML help viewer; empty where none is installed (F1 then
  // shows the help's topics in a window of the program's own, HelpWindow.h).
  virtual QString helpViewer() = 0;
  // Opens the help file at a context number in that viewer.
  virtual void showHelp(const QString& helpFile, int context) = 0;
};

Platform& platform();
// Opens the address through the platform and says so in a message box when
// no program can open it.
void OpenUrl(QWidget* parent, const QUrl& url);
// Fills the desktop's message box: title, text, icon and buttons; a
// question's default answer is No.
void SetUpMessageBox(QMessageBox& box, const QString& text, Icon icon, bool yesNo);
// Installs another implementation (tests); nullptr restores the desktop's.
void setPlatform(Platform* replacement);

// "\r" (and "\r\n") in the program's messages become line breaks.
QString MessageText(std::string_view text);
QString MessageText(const QString& text);

}  // namespace quenvar::ui
