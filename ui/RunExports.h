#pragma once

#include <QAction>
#include <QDialog>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>

#include "core/StringArray.h"
#include "core/Unit_base.h"

namespace quenvar::ui {

class ResultPage;

// What leaves a page from its last run: the file saved and the pages
// printed (beside their dialog, with the page's progress and Cancel), the
// chart of its values, and the quenvar-cli command that repeats it, quoted
// for a POSIX shell.
class RunExports : public QObject {
 public:
  explicit RunExports(ResultPage& page) : page_(page) {}

  void SaveClick();
  void PrintClick();
  // Opens the chart of the last run's results ("Distribution…").
  void DistributionClick();
  // Puts the quenvar-cli command that repeats the last run, quoted for a
  // POSIX shell, on the clipboard.
  void CopyCommandClick();

  // A save or print is under way; Cancel stops it, the results staying.
  bool exporting() const { return printing_ || saving_; }
  void stopExport() {
    printStopped_ = printing_;
    saveStopped_ = saving_;
  }

  // Puts "Distribution…" in the popup menu, enabled while the last run's
  // values are held and the page is idle.
  void enableDistribution();
  QAction* distributionAction() const { return distributionAction_; }

  // Keeps the command of the run being started (call once its seed is taken).
  void recordRun();
  // The command recorded for the last run, for a page that names one of its
  // files only when the command is copied.
  QStringList& recordedRun() { return lastRun_; }
  // The whole command of the last run, formatted as now shown; empty before
  // the first run and after a failed one. A file the command names (the
  // sampling items) is named only once the page's writeCommandFiles() has run.
  QStringList lastCommand() const;
  // The command as a POSIX shell reads it.
  static QString ShellQuote(const QString& word);
  static QString ShellCommand(const QStringList& words);
  // The file in the user's data folder that keeps a text a copied command
  // names: prefix, the text's hash, suffix. The same text, the same file.
  static QString CommandFile(const QString& prefix, const QString& suffix, std::string_view text);
  // The lines of a list as such a file holds them, each ended by a line feed.
  static std::string LinesText(const TArrayString& lines);
  // Writes the text to its CommandFile (what is called `what` in a failure's
  // message) and returns the path. The files of the 32 commands copied last
  // are kept per prefix; older ones go, and only files named as ours.
  static QString WriteCommandFile(const QString& prefix, const QString& suffix, std::string_view text,
                                  const QString& what);

 private:
  // Prints from the print dialog with the status panel's progress and
  // Cancel; the dialog steps aside meanwhile.
  bool printResults(QDialog& dialog, const TsaveTextPar& par);
  // Saves from the save dialog in the same way.
  bool saveResults(QDialog& dialog, const TsaveTextPar& par);
  // What both share: `work` runs with the page's progress and Cancel while
  // the dialog steps aside, then the caption, buttons and dialog come back.
  bool exportBesideDialog(QDialog& dialog, bool& underWay, bool& stopped,
                          const std::function<bool(const PrintFeedback&)>& work);

  ResultPage& page_;
  QAction* distributionAction_ = nullptr;  // on pages that chart their results
  bool printing_ = false;                  // a print is under way
  bool printStopped_ = false;              // Cancel stopped it
  bool saving_ = false;                    // a save is under way
  bool saveStopped_ = false;               // Cancel stopped it
  QStringList lastRun_;
  // One print job at a time, on any page: the printer is shared.
  static bool printUnderWay_;
};

}  // namespace quenvar::ui
