#pragma once

#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "ui/PageTable.h"
#include "ui/QtPrinting.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

class ResultPage;
class NumberPage;
class StringPage;
class LotteryPage;
class SamplingPage;
class NamePage;
class FilePage;
class SettingsExchange;

// The program's only window: six pages of random output on a tab control.
class TFormRandom : public QWidget {
  Q_OBJECT

 public:
  explicit TFormRandom(QWidget* parent = nullptr);
  ~TFormRandom() override;

  // Shows an exception that escaped a handler: class name and message.
  void ApplicationEvents1Exception(const QString& className, const QString& message);

  // Places the window as it was last (or centred at the first start), its
  // size and place fitted to the screen's free area.
  void FormShow();
  // The size the window opens at first: its size with the default font.
  static constexpr QSize kOpeningSize{932, 666};
  static constexpr int kUnplaced = -32768;  // no place kept: centred
  // `wanted` (a window's inside) fitted to `area` (a screen's free area),
  // `frame` being what the window's frame adds.
  static QRect FitToScreen(const QRect& wanted, const QRect& area, const QSize& frame);
  // The place and size setup.ini keeps (left and top kUnplaced before the first close).
  QRect saved() const { return saved_; }
  void Help1Click();
  void About1Click();
  void VisitsWebsite1Click();
  void btnExitClick() { close(); }
  void ValidateInputs();
  void PageControl1Change();
  void restoreAndRaise();
  bool anyPageRunning() const;
  // Reads setup.ini into every page (once, while the window is made) or
  // writes them into it (once, at close), section by section.
  void LoadSaveSettings(bool writing);

  // The page of a tab; nullptr while that page is not built.
  ResultPage* page(Tab tab) const { return Pages[static_cast<size_t>(tab)]; }

  QTabWidget* PageControl1;
  QMenu* PopupMenu1;
  QAction* CopyCommand1;  // "Copy as Command Line" of the page shown
  std::array<ResultPage*, kTabCount> Pages{};
  NumberPage* TabSheet1;
  StringPage* TabSheet2;
  LotteryPage* TabSheet55;
  SamplingPage* TabSheet22;
  NamePage* TabSheet44;
  FilePage* TabSheet3;
  EventPump pump;

 signals:
  void raised();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void addPage(const PageInfo& info, ResultPage* page);
  void pageBusyChanged(const ResultPage* page, bool busy);
  void FormClose();
  void exchangeWindow(SettingsExchange& settings);
  QRect saved_{kUnplaced, kUnplaced, kOpeningSize.width(), kOpeningSize.height()};
  bool savedMaximized_ = false;
  ResultPage* activePage() const;

  WidgetNotifier notifier_;
  QtPrinterService printing_;
  bool shownOnce_ = false;
  SettingsMemory settingsAtStart_;  // the settings as the start left them
};

}  // namespace quenvar::ui
