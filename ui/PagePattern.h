#pragma once

#include <QFrame>
#include <QScrollArea>
#include <QWidget>
#include <memory>
#include <type_traits>

#include "core/Codes.h"
#include "core/Memory.h"
#include "core/StringArray.h"
#include "core/Unit_base.h"
#include "generators/Distribution.h"
#include "ui/PageActions.h"
#include "ui/PageTable.h"
#include "ui/ResultList.h"
#include "ui/ResultView.h"
#include "ui/RunArguments.h"
#include "ui/RunExports.h"
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
// Cancel, formatting, the display of the results in columns, sorting and
// thousands separators. What differs between pages is their row of the page
// table (PageInfo); a page adds its input panel, its validation and its
// totals text, and GeneratorPage below supplies the generator's part. The
// page holds its parts: its results (ResultView), its commands with the
// tool bar and the popup menu (PageActions), and what leaves it from a run
// (RunExports: save, print, the chart and the command line).
//
// A page talks to the window through its signals: the window switches the
// Exit buttons, opens help and closes itself.
//
// A new page: derive from GeneratorPage<Generator, Input> with the page's
// row of the table, lay out its controls in inputPanel() (placing `seed`),
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

  // The handlers of the run's life cycle.
  void StartClick();
  void CancelClick();
  void SetBusy(bool busy);
  void ReformatResults();
  void DisplayResults();
  void ColumnsChange();
  void SortClick();
  void CommaClick();

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

  const PageInfo& info() const { return info_; }
  bool running() const;
  bool resultsShown() const;
  int columnCount() const;
  int columnsChoice() const;  // the columns box's number (1 when there is none)
  QString DisplayLabelText() const;
  TSortOrder sortOrder() const { return SortOrder; }
  bool comma() const { return Comma; }

  // The page's parts.
  ResultView& view() const { return *view_; }
  PageActions& actions() const { return *actions_; }
  RunExports& exports() const { return *exports_; }
  QFrame* inputPanel() const { return inputPanel_; }
  SeedGroup* seedGroup() const { return seed; }

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
  // The step of a run after its results are formatted and shown, the page
  // still busy and Cancel at hand (the File page writes its file here);
  // StopDisplay says whether Cancel stopped the run.
  virtual void formatted() {}
  virtual const TArrayString& results() const = 0;
  virtual QString totalsText() const = 0;
  virtual void cancelGenerator() = 0;
  // Frees what a failed run leaves behind.
  virtual void releaseResults() = 0;
  // Writes the files the last run's command names (before it is copied).
  virtual void writeCommandFiles() {}
  // The layout and formatting arguments of the results shown.
  virtual QStringList formatArguments() const;
  // "NO." and one "Column k" section per column of the columns box.
  virtual void buildHeader();
  // Whether the last run's values are still held, and what their chart
  // shows (one pass over them).
  virtual bool holdsDistribution() const { return false; }
  virtual Distribution distribution() const { return {}; }

  // The progress bar and status label the generator is lent.
  ProgressBarView* progressView() const;
  StatusLabelView* labelView() const;
  // The number of entries shown; a page whose rows are formatted as they
  // are drawn (ResultModel::setEntries) counts its own.
  virtual qint64 entryCount() const { return static_cast<qint64>(results().size()); }
  // False while a page has its display of results switched off.
  virtual bool displaysResults() const { return true; }
  // Hides and frees the results (after a Cancel or a failed run).
  void showNoResults();
  // Runs a handler; what it throws is shown as the window's error message.
  void guarded(const std::function<void()>& handler);
  void changeEvent(QEvent* event) override;
  // Return in an input starts a run, as Ctrl+Return does.
  void keyPressEvent(QKeyEvent* event) override;

  SeedGroup* seed;  // placed in the input panel by the page; seedGroup() outside
  bool StopDisplay = false;
  TSortOrder SortOrder = SortDrawn;
  bool Comma = false;

 private:
  friend class ResultView;
  friend class PageActions;
  friend class RunExports;

  void changeFormat(const std::function<void()>& change);

  const PageInfo& info_;
  QFrame* inputPanel_;
  std::unique_ptr<ResultView> view_;
  std::unique_ptr<PageActions> actions_;
  std::unique_ptr<RunExports> exports_;
};

// The generator's part of a page: it owns its generator and its input
// record, lends the generator the run's source with the page's progress bar
// and status label, formats with the page's sort order, comma and radix, and
// cancels and releases.
template <class Generator, class Input>
requires RandomGenerator<Generator, Input>
class GeneratorPage : public ResultPage {
 public:
  explicit GeneratorPage(const PageInfo& info) : ResultPage(info) {}

  const Trandom_base* textGenerator() const override {
    if constexpr (std::is_base_of_v<Trandom_base, Generator>)
      return &generator;
    else
      return nullptr;
  }

  // What the last run drew and the inputs it was given (for the tests).
  const Generator& generated() const { return generator; }
  const Input& inputs() const { return input; }

 protected:
  Generator generator;
  Input input;
  TRadix radix = RadixDecimal;

  void generate(RandomSource& source) override {
    generator.Generate(input, {source, progressView(), labelView()});
  }
  void formatResults() override { generator.FormatResults(TformatPar{SortOrder, Comma, radix}); }
  const TArrayString& results() const override { return generator.Results; }
  void cancelGenerator() override { generator.Cancel(); }
  void releaseResults() override { generator.ReleaseResults(); }
};

}  // namespace quenvar::ui
