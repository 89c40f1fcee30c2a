#pragma once

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <functional>
#include <memory>

#include "ui/ResultList.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

class ResultPage;
struct PageInfo;

// The results of a page: the header of columns, the list of rows, the
// status panel beneath them (caption, rate, totals and progress), and
// copying rows or one entry to the clipboard. The page places its widgets
// and runs the display; the view keeps them laid out and answers clicks.
class ResultView : public QObject {
 public:
  ResultView(ResultPage& page, const PageInfo& info);
  ~ResultView() override;

  QHeaderView* header() const { return header_; }
  ResultListView* list() const { return list_; }
  ResultModel* model() const { return model_; }
  QFrame* statusPanel() const { return statusPanel_; }
  QLabel* statusLabel() const { return statusLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  QLabel* totalsLabel() const { return totalsLabel_; }
  // Beside the status text while a phase runs over a second: its rate and
  // the time left, a few times a second at most.
  QLabel* rateLabel() const { return rateLabel_; }
  // The progress bar and status label the generator is lent.
  WidgetProgress* progressView() const { return progressView_.get(); }
  WidgetLabel* labelView() const { return labelView_.get(); }

  static QString RateText(double perSecond, double secondsLeft);
  // The clock of the rate, in milliseconds (a test's own).
  static std::function<qint64()> RateClock;

  // Puts the selected result rows on the clipboard as shown: the row's
  // number and entries separated by tabs, one row a line. Millions of rows
  // are copied in slices, with Cancel at hand; a copy too large for memory
  // is refused before it starts.
  void CopyClick();
  // Puts the entry last clicked or double-clicked (or of the current row) on
  // the clipboard alone, without a line end.
  void CopyValueClick();
  // Puts a text copied from the results on the clipboard. A copy of a run
  // from the system's source is marked secret for clipboard managers and
  // taken off the clipboard after SecretClearMs (0: never), unless the
  // clipboard holds something else by then; the status line says when.
  void putOnClipboard(const QString& text);
  static int SecretClearMs;
  // A copy is under way (or stopped and not yet ended); Cancel stops it,
  // the results staying.
  bool copying() const { return copying_; }
  void stopCopy() { copyStopped_ = copying_; }

  // The hint of the popup menu on the list and the header.
  void setHints(bool on);
  // Sets captions and widths of the header's sections (widths in pixels).
  void setSections(const QStringList& captions, const QList<int>& widths);
  // 22 pixels high at the usual font, taller with a larger one.
  void fitHeader();
  // The totals in the palette's notice colour.
  void applyColours();

 protected:
  // Sizes the header's sections again once the header has its width: a page
  // that was hidden when the columns were set is laid out when first shown.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildHeaderAndList(const PageInfo& info);
  void buildStatusPanel(const PageInfo& info);
  void fitCaption(int section);
  // Keeps the status panel as tall as its row needs (the row is laid out apart
  // from the page, so that its changes do not lay out the page).
  void fitStatusPanel();
  void updateRate();
  void restartRate();

  ResultPage& page_;
  QHeaderView* header_;
  ResultListView* list_;
  ResultModel* model_;
  QFrame* statusPanel_;
  QWidget* statusRow_ = nullptr;  // the status panel's row of label, rate, totals and bar
  QLabel* statusLabel_;
  QProgressBar* progressBar_;
  QLabel* totalsLabel_;
  QLabel* rateLabel_;
  std::unique_ptr<WidgetProgress> progressView_;
  std::unique_ptr<WidgetLabel> labelView_;
  qint64 rateStart_ = 0, rateShown_ = 0;  // when the phase began, when the rate was last shown
  int64_t rateLast_ = 0;                  // the position last seen
  int valueRow_ = -1;                     // the entry Copy Value copies
  int valueColumn_ = 1;
  bool copying_ = false;      // a copy is under way, or stopped and not yet ended
  bool copyStopped_ = false;  // Cancel or a newer copy stopped it
  // The view whose copy is being made: the newest copy wins, on any page.
  static ResultView* copyUnderWay_;
};

}  // namespace quenvar::ui
