#include "ui/UnitMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLocale>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "core/Errors.h"
#include "core/Unit_base.h"
#include "ui/Accessible.h"
#include "ui/FilePage.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/HelpTopics.h"
#include "ui/HelpWindow.h"
#include "ui/Keyboard.h"
#include "ui/LotteryPage.h"
#include "ui/NamePage.h"
#include "ui/NumberPage.h"
#include "ui/Platform.h"
#include "ui/SamplingPage.h"
#include "ui/Settings.h"
#include "ui/StringPage.h"
#include "ui/myabout.h"

namespace quenvar::ui {

namespace {

// The tab control of the pages. QTabWidget places its tabs and its pages
// and repaints itself whole, nearly the whole window, at every layout
// request; and every layout done inside a page (a button enabled, the
// status line shown) ends in one. While its tabs keep their size, their
// place and the pages' stay as they are: a page's new size limits are passed
// on to the window, and only what moved inside the page is repainted.
class PageTabs : public QTabWidget {
 public:
  explicit PageTabs(QWidget* parent) : QTabWidget(parent) {}

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::LayoutRequest) return QTabWidget::event(event);
    const Hints now = hints();
    if (placed_ && now.tabs == placed_->tabs) {
      if (now.pages != placed_->pages) updateGeometry();
      placed_ = now;
      return true;
    }
    placed_ = now;
    return QTabWidget::event(event);
  }

 private:
  struct Hints {
    std::array<QSize, 2> tabs;
    std::array<QSize, 3> pages;
  };
  Hints hints() const {
    Hints now{{tabBar()->sizeHint(), tabBar()->minimumSizeHint()}, {}};
    if (const auto* pages = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
      now.pages = {pages->sizeHint(), pages->minimumSizeHint(), pages->maximumSize()};
    return now;
  }
  std::optional<Hints> placed_;  // the hints of the last placing
};

}  // namespace

TFormRandom::TFormRandom(QWidget* parent) : QWidget(parent), notifier_(this) {
  InstallAccessibleRoles();
  setObjectName("TFormRandom");
  setWindowTitle(tr("Quenvar Random Number Generator"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  resize(kOpeningSize);  // FormShow fits it to the screen
  const QByteArray separator = QLocale().groupSeparator().toUtf8();
  SetThousandsSeparator(separator.isEmpty() ? "," : separator.toStdString());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  PageControl1 = new PageTabs(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setDocumentMode(true);
  layout->addWidget(PageControl1);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  connect(PopupMenu1->addAction(tr("Visits Website...")), &QAction::triggered, this,
          [this] { VisitsWebsite1Click(); });
  QAction* help = PopupMenu1->addAction(tr("Help...           "));
  help->setShortcut(QKeySequence(Qt::Key_F1));
  connect(help, &QAction::triggered, this, [this] { Help1Click(); });
  connect(PopupMenu1->addAction(tr("About...")), &QAction::triggered, this, [this] { About1Click(); });
  addAction(help);  // F1 anywhere in the window
  CopyCommand1 = new QAction(tr("Copy as Command Line"), this);
  CopyCommand1->setObjectName("CopyCommand1");
  CopyCommand1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(CopyCommand1);
  connect(CopyCommand1, &QAction::triggered, this, [this] {
    if (ResultPage* page = activePage()) RunGuarded(this, [page] { page->exports().CopyCommandClick(); });
  });
  addAction(CopyCommand1);  // Ctrl+Shift+C anywhere in the window

  TabSheet1 = new NumberPage;
  TabSheet2 = new StringPage;
  TabSheet55 = new LotteryPage;
  TabSheet22 = new SamplingPage;
  TabSheet44 = new NamePage;
  TabSheet3 = new FilePage;
  const auto built = [this](Tab tab) -> ResultPage* {
    switch (tab) {
      case Tab::Number:
        return TabSheet1;
      case Tab::String:
        return TabSheet2;
      case Tab::Lottery:
        return TabSheet55;
      case Tab::Sampling:
        return TabSheet22;
      case Tab::Name:
        return TabSheet44;
      case Tab::File:
        return TabSheet3;
    }
    Q_UNREACHABLE();
  };
  for (const PageInfo& info : kPages) addPage(info, built(info.tab));
  PageControl1->setCurrentIndex(0);
  LoadSaveSettings(false);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

TFormRandom::~TFormRandom() = default;

void TFormRandom::addPage(const PageInfo& info, ResultPage* page) {
  Pages[static_cast<size_t>(info.tab)] = page;
  PageControl1->addTab(page, PageText(info.caption));
  OrderTabs(page);
  // A caption is never squeezed: the inputs scroll sideways instead.
  for (QAbstractButton* button : page->inputPanel()->findChildren<QAbstractButton*>())
    if (button->sizePolicy().horizontalPolicy() == QSizePolicy::Preferred)
      button->setSizePolicy(QSizePolicy::Minimum, button->sizePolicy().verticalPolicy());
  page->actions().menuButton()->setMenu(PopupMenu1);
  // The menu takes the mouse while open, so the button never hears it
  // leave: it would stay raised after the menu closes.
  connect(PopupMenu1, &QMenu::aboutToHide, page->actions().menuButton(),
          [button = page->actions().menuButton()] {
            QTimer::singleShot(0, button, [button] {
              if (!button->rect().contains(button->mapFromGlobal(QCursor::pos()))) {
                button->setAttribute(Qt::WA_UnderMouse, false);
                button->update();
              }
            });
          });
  connect(page, &ResultPage::busyChanged, this, [this, page](bool busy) { pageBusyChanged(page, busy); });
  connect(page, &ResultPage::helpRequested, this, &TFormRandom::Help1Click);
  connect(page, &ResultPage::exitRequested, this, &TFormRandom::btnExitClick);
}

void TFormRandom::pageBusyChanged(const ResultPage* page, bool busy) {
  for (ResultPage* other : Pages)
    if (other != nullptr && (page->info().exitButtons & TabBit(other->info().tab)) != 0)
      other->actions().exitButton()->setEnabled(!busy);
}

void TFormRandom::ApplicationEvents1Exception(const QString& className, const QString& message) {
  ShowErrorMessage(this, className, message);
}

void TFormRandom::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The column widths follow the header's width, known once laid out.
  layout()->activate();
  for (ResultPage* page : Pages)
    if (page != nullptr) RunGuarded(this, [page] { page->ColumnsChange(); });
}

QRect TFormRandom::FitToScreen(const QRect& wanted, const QRect& area, const QSize& frame) {
  // Never larger than the screen's free area, frame included; wholly on it.
  const QSize size = wanted.size().boundedTo(area.size() - frame).expandedTo(QSize(1, 1));
  QRect placed(wanted.topLeft(), size);
  if (wanted.left() == kUnplaced || wanted.top() == kUnplaced)  // centred at the first start
    placed.moveTo(area.left() + (area.width() - size.width() - frame.width()) / 2,
                  area.top() + (area.height() - size.height() - frame.height()) / 2);
  placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() + 1 - size.width() - frame.width()));
  placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() + 1 - size.height() - frame.height()));
  return placed;
}

void TFormRandom::FormShow() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QSize frame = frameGeometry().size() - size();
  const QRect placed = FitToScreen(saved_, screen->availableGeometry(), frame);
  resize(placed.size());
  move(placed.topLeft());
  if (savedMaximized_) showMaximized();
}

void TFormRandom::exchangeWindow(SettingsExchange& settings) {
  // Where the window was and how large, in keys of the program's own.
  settings.section("Window");
  const QRect now = isMaximized() ? normalGeometry() : QRect(pos(), size());
  int left = settings.writing() ? now.left() : kUnplaced, top = settings.writing() ? now.top() : kUnplaced;
  int width = now.width(), height = now.height();
  bool maximized = isMaximized();
  settings.value({"left", kUnplaced}, left);
  settings.value({"top", kUnplaced}, top);
  settings.value({"width", kOpeningSize.width()}, width);
  settings.value({"height", kOpeningSize.height()}, height);
  settings.value({"maximized", false}, maximized);
  if (settings.reading()) {
    saved_ = QRect(left, top, std::max(width, 200), std::max(height, 150));
    savedMaximized_ = maximized;
  }
}

ResultPage* TFormRandom::activePage() const {
  const int tab = PageControl1->currentIndex();
  return tab >= 0 && tab < kTabCount ? Pages[static_cast<size_t>(tab)] : nullptr;
}

void TFormRandom::ValidateInputs() {
  if (ResultPage* page = activePage()) page->validateInputs();
}

void TFormRandom::PageControl1Change() {
  if (ResultPage* page = activePage()) RunGuarded(this, [page] { page->activated(); });
}

void TFormRandom::Help1Click() {
  const int tab = std::clamp(PageControl1->currentIndex(), 0, kTabCount - 1);
  ShowHelp(TopicsOf(kPages[static_cast<size_t>(tab)].kind).page);
}

void TFormRandom::About1Click() {
  Taboutform about(this);
  about.exec();
}

void TFormRandom::VisitsWebsite1Click() { OpenUrl(this, QUrl(QString::fromLatin1(kHomePageAddress))); }

bool TFormRandom::anyPageRunning() const {
  return std::any_of(Pages.begin(), Pages.end(),
                     [](const ResultPage* p) { return p != nullptr && p->running(); });
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

void TFormRandom::LoadSaveSettings(bool writing) {
  const std::string path = SettingsFile().toStdString();
  IniFile file;
  try {
    file = IniFile(path);
  } catch (const EInOutError&) {
    // A file that cannot be read gives every default; it is not written
    // over, since what it holds was never seen.
    if (writing) throw EInOutError(Text(TR_NOOP("Core", "Unable to write to %1")).arg(path));
  }
  const auto exchange = [this](SettingsExchange& settings) {
    TabSheet1->exchangeSettings(settings);
    TabSheet2->exchangeSettings(settings);
    TabSheet3->exchangeSettings(settings);
    TabSheet22->exchangeSettings(settings);
    TabSheet44->exchangeSettings(settings);
    TabSheet22->exchangeItems(settings);
    TabSheet55->exchangeSettings(settings);
    // Keys of our own: each page's seed choice in its section, and how long a
    // secret copied stays on the clipboard.
    const std::pair<const char*, ResultPage*> seeds[] = {{"Simply", TabSheet1}, {"Character", TabSheet2},
                                                         {"File", TabSheet3},   {"Sampling", TabSheet22},
                                                         {"Name", TabSheet44},  {"Lotty", TabSheet55}};
    for (const auto& [section, page] : seeds) {
      settings.section(section);
      settings.seedChoice({"SeedChoice", 0}, *page);
    }
    settings.section("Clipboard");
    int seconds = ResultView::SecretClearMs / 1000;
    settings.value({"ClearSecretsAfter", 30}, seconds);
    if (settings.reading()) ResultView::SecretClearMs = std::clamp(seconds, 0, 86400) * 1000;
    exchangeWindow(settings);
  };
  using Pass = SettingsExchange::Pass;
  SettingsExchange settings(file, writing ? Pass::Write : Pass::Read, &settingsAtStart_);
  exchange(settings);
  if (!writing) {
    // What the pages made of the file, so that the close writes only what
    // has changed since.
    IniFile none;
    SettingsExchange remember(none, Pass::Remember, &settingsAtStart_);
    exchange(remember);
    return;
  }
  // Every key at once, replacing the old file only when all is written.
  file.UpdateFile();
}

void TFormRandom::FormClose() {
  hide();
  // A failure is shown; the program ends all the same.
  RunGuarded(this, [this] { LoadSaveSettings(true); });
  paths::RemoveTempFolder(TempFolder().toStdString());  // failure is ignored
}

}  // namespace quenvar::ui
