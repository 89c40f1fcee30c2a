#pragma once

#include <QMap>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/Feedback.h"
#include "ui/QtPrinting.h"

namespace quenvar::ui {

class ResultPage;
class NumberPage;

// The program's only window: six pages of random output on a tab control.
class TFormRandom : public QWidget {
  Q_OBJECT

 public:
  explicit TFormRandom(QWidget* parent = nullptr);
  ~TFormRandom() override;

  // Runs a handler; what it throws is shown as the window's error message
  // (class name and message) or, for the silent abort, not at all.
  void guarded(const std::function<void()>& handler);
  void ApplicationEvents1Exception(const QString& className, const QString& message);

  void FormShow();
  void Help1Click();
  void About1Click();
  void VisitsWebsite1Click();
  void btnExitClick() { close(); }
  void ValidateInputs();
  void setExitButtonsEnabled(const QStringList& names, bool enabled);
  void openSaveDialog(ResultPage* page);
  void openPrintDialog(ResultPage* page);
  void restoreAndRaise();
  bool anyPageRunning() const;

  QString ApplicationFolder() const;
  QString TempFolder() const { return ApplicationFolder() + "/temp"; }

  QTabWidget* PageControl1;
  QMenu* PopupMenu1;
  NumberPage* TabSheet1;
  EventPump pump;

 signals:
  void raised();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FormClose();
  ResultPage* activePage() const;

  WidgetNotifier notifier_;
  QtPrinterService printing_;
  bool shownOnce_ = false;
};

// Help context numbers of the pages, in tab order.
int HelpContextOfTab(int tab);

}  // namespace quenvar::ui
