#include "ui/UnitMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

#include "core/Errors.h"
#include "core/Unit_base.h"
#include "ui/NumberPage.h"
#include "ui/Platform.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"
#include "ui/myabout.h"

namespace quenvar::ui {

int HelpContextOfTab(int tab) {
  static const int kContexts[] = {58, 71, 800, 421, 900, 700};
  return tab >= 0 && tab < 6 ? kContexts[tab] : 58;
}

TFormRandom::TFormRandom(QWidget* parent) : QWidget(parent), notifier_(this) {
  setObjectName("TFormRandom");
  setWindowTitle("Quenvar Random Number Generator");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(932, 666);
  const QByteArray separator = QLocale().groupSeparator().toUtf8();
  SetThousandsSeparator(separator.isEmpty() ? "," : separator.toStdString());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setDocumentMode(true);
  layout->addWidget(PageControl1);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  connect(PopupMenu1->addAction("Visits Website..."), &QAction::triggered, this,
          [this] { VisitsWebsite1Click(); });
  QAction* help = PopupMenu1->addAction("Help...           ");
  help->setShortcut(QKeySequence(Qt::Key_F1));
  connect(help, &QAction::triggered, this, [this] { Help1Click(); });
  connect(PopupMenu1->addAction("About..."), &QAction::triggered, this, [this] { About1Click(); });
  addAction(help);  // F1 anywhere in the window

  TabSheet1 = new NumberPage(this);
  PageControl1->addTab(TabSheet1, "Random Number");
  const char* names[][2] = {{"TabSheet55", "Lottery Number"},
                            {"TabSheet22", "Random Sampling"},
                            {"TabSheet2", "Random String"},
                            {"TabSheet44", "Random Name"},
                            {"TabSheet3", "Random File"}};
  for (const auto& [name, caption] : names) {
    auto* page = new QWidget(PageControl1);
    page->setObjectName(name);
    PageControl1->addTab(page, caption);
  }
  for (ResultPage* page : {static_cast<ResultPage*>(TabSheet1)}) page->menuButton->setMenu(PopupMenu1);
  PageControl1->setCurrentIndex(0);
}

TFormRandom::~TFormRandom() = default;

QString TFormRandom::ApplicationFolder() const { return QCoreApplication::applicationDirPath(); }

void TFormRandom::guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const EAbort&) {
    // after a validation message: nothing more
  } catch (const Exception& e) {
    ApplicationEvents1Exception(e.className(), QString::fromUtf8(e.what()));
  } catch (const std::bad_alloc&) {
    ApplicationEvents1Exception("EOutOfMemory", QString::fromUtf8(EOutOfMemory().what()));
  } catch (const std::exception& e) {
    ApplicationEvents1Exception("Exception", QString::fromUtf8(e.what()));
  }
}

void TFormRandom::ApplicationEvents1Exception(const QString& className, const QString& message) {
  platform().messageBox(this, className + "\r" + message, Icon::Error, false);
}

void TFormRandom::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The column widths follow the header's width, known once laid out.
  layout()->activate();
  guarded([this] { TabSheet1->ColumnsChange(); });
}

void TFormRandom::FormShow() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const QSize size = frameGeometry().size();
  const int left = (area.width() - size.width()) / 2;
  const int top = std::max(-2, (area.height() - size.height()) / 2 - 17);
  move(area.left() + left, area.top() + top);
}

ResultPage* TFormRandom::activePage() const {
  return dynamic_cast<ResultPage*>(PageControl1->currentWidget());
}

void TFormRandom::ValidateInputs() {
  if (ResultPage* page = activePage()) page->validateInputs();
}

void TFormRandom::Help1Click() {
  platform().showHelp(ApplicationFolder() + "/help.chm", HelpContextOfTab(PageControl1->currentIndex()));
}

void TFormRandom::About1Click() {
  Taboutform about(this);
  about.exec();
}

void TFormRandom::VisitsWebsite1Click() { platform().openUrl(QUrl(QString::fromLatin1(kHomePageAddress))); }

void TFormRandom::setExitButtonsEnabled(const QStringList& names, bool enabled) {
  for (const QString& name : names)
    if (auto* button = findChild<QWidget*>(name)) button->setEnabled(enabled);
}

void TFormRandom::openSaveDialog(ResultPage* page) {
  TFormSaveText dialog(this, page->textGenerator(), page->pageKind(), page->columnCount());
  dialog.exec();
}

void TFormRandom::openPrintDialog(ResultPage* page) {
  TFormPrinttext dialog(this, page->textGenerator(), page->pageKind(), page->columnCount());
  dialog.exec();
}

bool TFormRandom::anyPageRunning() const {
  for (int i = 0; i < PageControl1->count(); ++i)
    if (auto* page = dynamic_cast<ResultPage*>(PageControl1->widget(i)); page != nullptr && page->running())
      return true;
  return false;
}

void TFormRandom::restoreAndRaise() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  emit raised();
}

void TFormRandom::closeEvent(QCloseEvent* event) {
  // Refused, silently, while any page runs.
  if (anyPageRunning()) {
    event->ignore();
    return;
  }
  event->accept();
  FormClose();
}

void TFormRandom::FormClose() {
  hide();
  QDir(TempFolder()).removeRecursively();  // failure is ignored
}

}  // namespace quenvar::ui
