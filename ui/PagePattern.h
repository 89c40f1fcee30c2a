#pragma once

#include <QActionGroup>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <type_traits>

#include "core/Codes.h"
#include "core/Memory.h"
#include "core/StringArray.h"
#include "core/Unit_base.h"
#include "generators/Distribution.h"
#include "ui/PageTable.h"
#include "ui/ResultList.h"
#include "ui/RunArguments.h"
#include "ui/SeedGroup.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

// How the save and print dialogs open on a page's results: the values per
// line they propose, and whether the layout is fixed (a lottery line is
// always one text line).
struct ExportPreset {
  int perLine = 1;
  bool fixedLayout = false;
};

// The pattern every page follows for a run: Start, validation, busy state,
// Cancel, formatting, the display of the results in columns, sorting,
// thousands separators, the popup menu, save and print, and the seed group.
// What differs between pages is their row of the page table (PageInfo); a
// page adds its input panel, its validation and its totals text, and
// GeneratorPage below supplies the generator's part.
//
// A page talks to the window through its signals: the window switches the
// Exit buttons, opens help and closes itself.
//
// A new page: derive from GeneratorPage<Generator, Input> with the page's
// row of the table, lay out its controls in inputPanel (placing `seed`),
// keep `input` current from them, and override validateInputs() and
// totalsText(); a page whose header is not "NO." plus the columns box's
// count overrides buildHeader(), one whose generator has no Trandom_base
// overrides textGenerator(). TFormRandom's constructor adds it to Pages.
// The area of a page's inputs: as tall as they are, scrolling them when the
// window is too small.
class InputArea : public QScrollArea {
 public:
  explicit InputArea(QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

// The property of an editor in a page's inputs whose Return is its own: it
// does not start a run there.
inline constexpr char kOwnReturn[] = "ownReturn";

class ResultPage : public QWidget {
  Q_OBJECT

 public:
  explicit ResultPage(const PageInfo& info);
  ~ResultPage() override;

  // The handlers of the pattern. A page whose run has steps of its own
  // (writing a file after the display) gives its whole Start.
  virtual void StartClick();
  void CancelClick();
  void SetBusy(bool busy);
  void ReformatResults();
  void DisplayResults();
  void ColumnsChange();
  void SortClick();
  void CommaClick();
  void PopupRequested(const QPoint& globalPos);
  void SaveClick();
  void PrintClick();
  // Opens the chart of the last run's results ("Distribution…").
  void DistributionClick();
  // Puts the quenvar-cli command that repeats the last run, quoted for a
  // POSIX shell, on the clipboard.
  void CopyCommandClick();
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

  // Shows its message and throws EAbort when an input is refused.
  virtual void validateInputs() = 0;
  // The page has become the active page.
  virtual void activated() {}
  // The generator the save and print dialogs write from.
  virtual const Trandom_base* textGenerator() const = 0;
  virtual ExportPreset exportPreset() const { return {columnCount(), false}; }
  // The quenvar-cli arguments (command first) of the run being started, its
  // seed taken: what the shown formatting (sort order, comma, layout) does
  // not decide. Empty: the page has no command.
  virtual QStringList commandLine() const { return {}; }
  // The whole command of the last run, formatted as now shown; empty before
  // the first run and after a failed one. A file the command names (the
  // sampling items) is named only once writeCommandFiles() has run.
  QStringList lastCommand() const;
  // The command as a POSIX shell reads it.
  static QString ShellQuote(const QString& word);
  static QString ShellCommand(const QStringList& words);
  // The file in the user's data folder that keeps a text a copied command
  // names: prefix, the text's hash, suffix. The same text, the same file.
  static QString CommandFile(const QString& prefix, const QString& suffix, std::string_view text);
  // The lines of a list as such a file holds them, each ended by a line feed.
  static std::string LinesText(const TArrayString& lines);

  const PageInfo& info() const { return info_; }
  bool running() const { return !cancelButton->isHidden(); }
  bool resultsShown() const { return !statusPanel->isHidden(); }
  int columnCount() const { return header->count() - 1; }
  int columnsChoice() const;  // the columns box's number (1 when there is none)
  QString DisplayLabelText() const { return statusLabel->text(); }

  // Adds a control to the tool bar after the sort, comma and columns pieces.
  void addToolWidget(QWidget* widget);

  QFrame* toolBar;
  QFrame* inputPanel;
  QScrollArea* inputArea;  // holds inputPanel
  SeedGroup* seed;         // placed in the input panel by the page
  QToolButton *ascButton = nullptr, *dscButton = nullptr, *origButton = nullptr, *commaButton = nullptr;
  QComboBox* columnsBox = nullptr;
  QToolButton *saveButton = nullptr, *printButton = nullptr;
  QToolButton *menuButton, *helpButton, *startButton, *cancelButton, *exitButton;
  QHeaderView* header;
  ResultListView* list;
  ResultModel* model;
  QFrame* statusPanel;
  QLabel* statusLabel;
  QProgressBar* progressBar;
  QLabel* totalsLabel;
  // Beside the status text while a phase runs over a second: its rate and
  // the time left, a few times a second at most.
  QLabel* rateLabel;
  static QString RateText(double perSecond, double secondsLeft);
  // The clock of the rate, in milliseconds (a test's own).
  static std::function<qint64()> RateClock;
  QMenu* popup;

  // One action per command, shared by its tool button and the popup menu.
  QAction *ascAction = nullptr, *dscAction = nullptr, *origAction = nullptr, *commaAction = nullptr;
  QAction *saveAction = nullptr, *printAction = nullptr, *helpAction;
  QAction *startAction, *cancelAction, *exitAction;
  QAction *moreColumnsAction = nullptr, *fewerColumnsAction = nullptr;
  QAction* distributionAction = nullptr;  // on pages that chart their results
  QActionGroup* sortActions = nullptr;
  QActionGroup* columnActions = nullptr;
  QAction *copyAction = nullptr, *copyCommandAction = nullptr, *copyValueAction = nullptr;

  bool StopDisplay = false;
  TSortOrder SortOrder = SortDrawn;
  bool Comma = false;

 signals:
  void busyChanged(bool busy);
  void helpRequested();
  void exitRequested();

 protected:
  virtual void prepareStart() {}
  // Commits every box of the input panel, as leaving it would.
  virtual void commitEdits();
  // Draws from the run's own source, which the run lends for this call.
  virtual void generate(RandomSource& source) = 0;
  virtual void formatResults() = 0;
  virtual const TArrayString& results() const = 0;
  virtual QString totalsText() const = 0;
  virtual void cancelGenerator() = 0;
  // Frees what a failed run leaves behind.
  virtual void releaseResults() = 0;
  // Keeps the command of the run being started (call once its seed is taken).
  void recordRun() {
    lastRun_ = commandLine();
    // A run from the system's secure source has no seed to repeat it by:
    // its command says so rather than naming a seed it did not use.
    if (const qsizetype at = lastRun_.indexOf(Arg(runs::kSeed)); seed->secure() && at >= 0) {
      lastRun_.replace(at, Arg(runs::kSecure));
      lastRun_.removeAt(at + 1);
    }
  }
  // The command recorded for the last run, for a page that names one of its
  // files only when the command is copied.
  QStringList& recordedRun() { return lastRun_; }
  // Writes the files the last run's command names (before it is copied).
  virtual void writeCommandFiles() {}
  // Writes the text to its CommandFile (what is called `what` in a failure's
  // message) and returns the path. The files of the 32 commands copied last
  // are kept per prefix; older ones go, and only files named as ours.
  static QString WriteCommandFile(const QString& prefix, const QString& suffix, std::string_view text,
                                  const QString& what);
  // The layout and formatting arguments of the results shown.
  virtual QStringList formatArguments() const;
  // "NO." and one "Column k" section per column of the columns box.
  virtual void buildHeader();
  // Puts "Distribution…" in the popup menu, enabled while the last run's
  // values are held and the page is idle.
  void enableDistribution();
  // Whether the last run's values are still held, and what their chart
  // shows (one pass over them).
  virtual bool holdsDistribution() const { return false; }
  virtual Distribution distribution() const { return {}; }

  // The progress bar and status label the generator is lent.
  ProgressBarView* progressView() const { return progressView_.get(); }
  StatusLabelView* labelView() const { return labelView_.get(); }
  // The number of entries shown; a page whose rows are formatted as they
  // are drawn (ResultModel::setEntries) counts its own.
  virtual qint64 entryCount() const { return static_cast<qint64>(results().size()); }
  // False while a page has its display of results switched off.
  virtual bool displaysResults() const { return true; }
  void setHints(bool on);
  // Hides and frees the results (after a Cancel or a failed run).
  void showNoResults();
  // Sets captions and widths of the header's sections (widths in pixels).
  void setSections(const QStringList& captions, const QList<int>& widths);
  void fitCaption(int section);
  // Runs a handler; what it throws is shown as the window's error message.
  void guarded(const std::function<void()>& handler);
  // Sizes the header's sections again once the header has its width: a page
  // that was hidden when the columns were set is laid out when first shown.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Return in an input starts a run, as Ctrl+Return does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildToolBar();
  void buildResults();
  // Keeps the status panel as tall as its row needs (the row is laid out apart
  // from the page, so that its changes do not lay out the page).
  void fitStatusPanel();
  QWidget* statusRow_ = nullptr;  // the status panel's row of label, rate, totals and bar
  void buildPopup();
  void bindKeys();
  // Picks the colours of our own texts and icons from the palette.
  void applyColours();
  void fitHeader();
  QToolButton* toolButton(QAction* action, const char* name, QBoxLayout* row = nullptr);
  QAction* command(const QString& text, const QString& hint, const QIcon& icon);
  void changeFormat(const std::function<void()>& change);
  // Prints from the print dialog with the status panel's progress and
  // Cancel; the dialog steps aside meanwhile.
  bool printResults(QDialog& dialog, const TsaveTextPar& par);
  // Saves from the save dialog in the same way.
  bool saveResults(QDialog& dialog, const TsaveTextPar& par);
  // What both share: `work` runs with the page's progress and Cancel while
  // the dialog steps aside, then the caption, buttons and dialog come back.
  bool exportBesideDialog(QDialog& dialog, bool& underWay, bool& stopped,
                          const std::function<bool(const PrintFeedback&)>& work);

  const PageInfo& info_;
  QHBoxLayout* toolRow_ = nullptr;
  int toolSlot_ = 0;
  std::unique_ptr<WidgetProgress> progressView_;
  std::unique_ptr<WidgetLabel> labelView_;
  bool copying_ = false;      // a copy is under way, or stopped and not yet ended
  bool copyStopped_ = false;  // Cancel or a newer copy stopped it
  void updateRate();
  void restartRate();
  qint64 rateStart_ = 0, rateShown_ = 0;  // when the phase began, when the rate was last shown
  int64_t rateLast_ = 0;                  // the position last seen
  int valueRow_ = -1;                     // the entry Copy Value copies
  int valueColumn_ = 1;
  bool printing_ = false;      // a print is under way
  bool printStopped_ = false;  // Cancel stopped it
  bool saving_ = false;        // a save is under way
  bool saveStopped_ = false;   // Cancel stopped it
  QStringList lastRun_;
};

// The generator's part of a page: it owns its generator and its input
// record, lends them the page's progress bar and status label, lends the
// generator the run's source, formats with the page's sort order, comma and
// radix, and cancels and releases.
template <class Generator, class Input>
class GeneratorPage : public ResultPage {
 public:
  explicit GeneratorPage(const PageInfo& info) : ResultPage(info) {
    input.ProgressBar = progressView();
    input.StatusLabel = labelView();
    if constexpr (requires { input.ShowProgress; }) input.ShowProgress = true;
  }

  const Trandom_base* textGenerator() const override {
    if constexpr (std::is_base_of_v<Trandom_base, Generator>)
      return &generator;
    else
      return nullptr;
  }

  Generator generator;
  Input input;
  TRadix radix = RadixDecimal;

 protected:
  void generate(RandomSource& source) override {
    // The run is weighed before it draws, with the sorting and formatting
    // the page will ask for.
    if constexpr (requires { generator.Engine.PlanFormat(TformatPar{}); })
      generator.Engine.PlanFormat(TformatPar{SortOrder, Comma, radix});
    generator.Generate(input, source);
  }
  void formatResults() override {
    if constexpr (requires { generator.FormatResults(TformatPar{}); })
      generator.FormatResults(TformatPar{SortOrder, Comma, radix});
    else
      generator.FormatResults(SortOrder);
  }
  const TArrayString& results() const override { return generator.Results; }
  void cancelGenerator() override { generator.Cancel(); }
  void releaseResults() override {
    generator.Results.releaseInSlices();
    if constexpr (requires { generator.Engine.Randoms; }) {
      TArrayInteger& values = generator.Engine.Randoms;
      ReleasePagesInSlices(values.data(), values.capacity() * sizeof(int32_t));
      TArrayInteger().swap(values);
    }
  }
};

}  // namespace quenvar::ui
