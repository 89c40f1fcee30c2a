#include "ui/HelpWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextStream>
#include <QVBoxLayout>

#include "ui/Folders.h"
#include "ui/Platform.h"

namespace quenvar::ui {

namespace {

// The one help window, while it is open.
QPointer<HelpWindow>& TheWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

}  // namespace

void ShowHelp(int context) {
  const QString file = HelpFile();
  if (!platform().helpViewer().isEmpty()) {
    platform().showHelp(file, context);
    return;
  }
  HelpWindow::showTopic(QFileInfo(file).dir().filePath("help"), context);
}

QMap<int, QString> ReadHelpContexts(const QString& projectFile) {
  QFile file(projectFile);
  QMap<QString, QString> aliases;  // IDH_NUMBER -> number.html
  QMap<QString, int> numbers;      // IDH_NUMBER -> 58
  if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    static const QRegularExpression kDefine(R"(^#define\s+(\w+)\s+(\d+)\s*$)");
    QString section;
    QTextStream in(&file);
    while (!in.atEnd()) {
      const QString line = in.readLine().trimmed();
      if (line.startsWith('[')) {
        section = line;
      } else if (section == "[ALIAS]" && line.contains('=')) {
        aliases.insert(line.section('=', 0, 0).trimmed(), line.section('=', 1).trimmed());
      } else if (section == "[MAP]") {
        const auto match = kDefine.match(line);
        if (match.hasMatch()) numbers.insert(match.captured(1), match.captured(2).toInt());
      }
    }
  }
  QMap<int, QString> topics;
  for (auto it = numbers.cbegin(); it != numbers.cend(); ++it)
    if (aliases.contains(it.key())) topics.insert(it.value(), aliases.value(it.key()));
  return topics;
}

HelpWindow::HelpWindow() {
  setObjectName("HelpWindow");
  setWindowTitle(tr("Quenvar Random Number Generator Help"));
  // The help never keeps the program running once the main window closes.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);
  // Escape closes it; Alt+Left and Alt+Right go back and forth between topics.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::Back, this), &QShortcut::activated, browser_, &QTextBrowser::backward);
  connect(new QShortcut(QKeySequence::Forward, this), &QShortcut::activated, browser_,
          &QTextBrowser::forward);
  resize(720, 600);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

HelpWindow* HelpWindow::instance() { return TheWindow(); }

void HelpWindow::showTopic(const QString& topicsFolder, int context) {
  QPointer<HelpWindow>& window = TheWindow();
  if (window == nullptr) window = new HelpWindow;
  window->open(topicsFolder, context);
}

void HelpWindow::open(const QString& topicsFolder, int context) {
  if (folder_ != topicsFolder) {
    folder_ = topicsFolder;
    topics_ = ReadHelpContexts(QDir(folder_).filePath("help.hhp"));
  }
  const QString path = QDir(folder_).filePath(topics_.value(context, "index.html"));
  if (QFileInfo::exists(path)) {
    browser_->setSearchPaths({folder_});
    browser_->setSource(QUrl::fromLocalFile(path));
  } else {
    browser_->setPlainText(tr("The help topics are missing: %1").arg(QDir::toNativeSeparators(path)));
  }
  // A modal dialog blocks every window but its own: the help of a dialog is
  // a window of that dialog's, and closes with it.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == this) owner = nullptr;
  if (parentWidget() != owner) {
    const QRect place = geometry();
    setParent(owner, Qt::Window);
    setGeometry(place);
  }
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

}  // namespace quenvar::ui
