#include "ui/Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include "ui/PrinterSetup.h"

namespace quenvar::ui {

namespace {

class DesktopPlatform : public Platform {
 public:
  Answer messageBox(QWidget* parent, const QString& text, Icon icon, bool yesNo) override {
    QMessageBox box(parent);
    SetUpMessageBox(box, text, icon, yesNo);
    const int result = box.exec();
    if (!yesNo) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }

  QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                       const QString& defaultSuffix, const QString& initial) override {
    QFileDialog dialog(parent, title, initial, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
  }

  QString openFileName(QWidget* parent, const QString& title, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
  }

  std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                  const QString& text) override {
    bool ok = false;
    const QString value = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, text, &ok);
    return ok ? std::optional<QString>(value) : std::nullopt;
  }

  QStringList printerNames() override { return QPrinterInfo::availablePrinterNames(); }

  bool printerSetup(QWidget* parent, QPrinter& printer) override {
    TPrinterSetupDialog dialog(parent, printer);
    return dialog.exec() == QDialog::Accepted;
  }

  bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }

  QString helpViewer() override { return QStandardPaths::findExecutable("xchm"); }

  // One viewer: F1 on the topic already open leaves it be; another topic
  // replaces it.
  void showHelp(const QString& helpFile, int context) override {
    const QString viewer = helpViewer();
    if (viewer.isEmpty()) return;
    if (help_ != nullptr && help_->state() != QProcess::NotRunning) {
      if (helpContext_ == context) return;
      help_->terminate();
      help_->waitForFinished(2000);
    }
    if (help_ == nullptr) help_ = new QProcess(qApp);
    helpContext_ = context;
    help_->start(viewer, {"-c", QString::number(context), helpFile});
  }

 private:
  QProcess* help_ = nullptr;
  int helpContext_ = 0;
};

// The platform in use: the desktop's, or the one a test installed.
struct InstalledPlatform {
  DesktopPlatform desktop;
  Platform* platform = &desktop;
};

InstalledPlatform& Platforms() {
  static InstalledPlatform installed;
  return installed;
}

}  // namespace

void SetUpMessageBox(QMessageBox& box, const QString& text, Icon icon, bool yesNo) {
  box.setWindowTitle(QApplication::applicationName());
  box.setText(MessageText(text));
  box.setIcon(icon == Icon::Error     ? QMessageBox::Critical
              : icon == Icon::Warning ? QMessageBox::Warning
                                      : QMessageBox::Information);
  box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  // Every question asks before something that deletes or costs: Enter
  // answers the safe way.
  if (yesNo) box.setDefaultButton(QMessageBox::No);
}

Platform& platform() { return *Platforms().platform; }

void OpenUrl(QWidget* parent, const QUrl& url) {
  if (platform().openUrl(url)) return;
  const QString what = url.isLocalFile() ? url.toLocalFile() : url.toString();
  platform().messageBox(
      parent, QCoreApplication::translate("Platform", "No program on this system can open %1.").arg(what),
      Icon::Warning, false);
}
void setPlatform(Platform* replacement) {
  InstalledPlatform& installed = Platforms();
  installed.platform = replacement != nullptr ? replacement : &installed.desktop;
}

QString MessageText(const QString& text) {
  QString out = text;
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

QString MessageText(std::string_view text) {
  return MessageText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace quenvar::ui
