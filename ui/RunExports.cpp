#include "ui/RunExports.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <algorithm>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Printing.h"
#include "ui/DistributionDialog.h"
#include "ui/Folders.h"
#include "ui/PageActions.h"
#include "ui/PagePattern.h"
#include "ui/Platform.h"
#include "ui/ResultView.h"
#include "ui/RunArguments.h"
#include "ui/Unit_saveText.h"
#include "ui/UnitprintText.h"

namespace quenvar::ui {

bool RunExports::printUnderWay_ = false;

namespace {
// Modal as with exec(), but the dialog may hide while the page saves or
// prints beside it, and come back.
void ShowModal(QDialog& dialog) {
  dialog.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.show();
  loop.exec();
}
}  // namespace

void RunExports::SaveClick() {
  if (!page_.resultsShown()) {
    platform().messageBox(page_.window(), ResultPage::tr("No randoms to be saved!"), Icon::Information,
                          false);
    return;
  }
  const ExportPreset preset = page_.exportPreset();
  TFormSaveText dialog(page_.window(), page_.textGenerator(), page_.info().kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.Save = [this, &dialog](const TsaveTextPar& par) { return saveResults(dialog, par); };
  ShowModal(dialog);
}

bool RunExports::exportBesideDialog(QDialog& dialog, bool& underWay, bool& stopped,
                                    const std::function<bool(const PrintFeedback&)>& work) {
  ResultView& view = page_.view();
  const QString caption = view.statusLabel()->text();
  underWay = true;
  stopped = false;
  page_.SetBusy(true);
  dialog.hide();
  const auto finish = qScopeGuard([&] {
    underWay = false;
    view.progressView()->hide();
    view.labelView()->setCaption(caption.toStdString());
    page_.SetBusy(false);
    dialog.show();
  });
  return work(PrintFeedback{view.progressView(), view.labelView(), &stopped});
}

bool RunExports::saveResults(QDialog& dialog, const TsaveTextPar& par) {
  return exportBesideDialog(dialog, saving_, saveStopped_, [&](const PrintFeedback& feedback) {
    return page_.textGenerator()->SaveText(par, feedback);
  });
}

void RunExports::PrintClick() {
  if (!page_.resultsShown()) {
    platform().messageBox(page_.window(), ResultPage::tr("No randoms to be printed!"), Icon::Information,
                          false);
    return;
  }
  if (platform().printerNames().isEmpty()) {
    platform().messageBox(page_.window(), ResultPage::tr("No printer in your system!"), Icon::Information,
                          false);
    return;
  }
  QDir().mkpath(TempFolder());
  const ExportPreset preset = page_.exportPreset();
  TFormPrinttext dialog(page_.window(), page_.textGenerator(), page_.info().kind, preset.perLine);
  if (preset.fixedLayout) dialog.fixLayout();
  dialog.Print = [this, &dialog](const TsaveTextPar& par) { return printResults(dialog, par); };
  ShowModal(dialog);
}

bool RunExports::printResults(QDialog& dialog, const TsaveTextPar& par) {
  if (printUnderWay_) {
    platform().messageBox(
        &dialog, ResultPage::tr("Another print is under way: wait for it to end or cancel it first."),
        Icon::Information, false);
    return false;
  }
  printUnderWay_ = true;
  const auto clear = qScopeGuard([] { printUnderWay_ = false; });
  return exportBesideDialog(dialog, printing_, printStopped_, [&](const PrintFeedback& feedback) {
    return page_.textGenerator()->PrintText(par, feedback);
  });
}

void RunExports::enableDistribution() {
  QMenu* popup = page_.actions().popup();
  popup->addSeparator();
  distributionAction_ = page_.actions().command(ResultPage::tr("Distri&bution\u2026"),
                                                ResultPage::tr("Chart of the last run's results"), QIcon());
  distributionAction_->setEnabled(false);  // nothing to chart before a run
  popup->addAction(distributionAction_);
  auto update = [this] {
    distributionAction_->setEnabled(!page_.running() && page_.resultsShown() && page_.holdsDistribution());
  };
  connect(&page_, &ResultPage::busyChanged, this, update);
  connect(popup, &QMenu::aboutToShow, this, update);
  connect(distributionAction_, &QAction::triggered, this,
          [this] { page_.guarded([this] { DistributionClick(); }); });
}

void RunExports::DistributionClick() {
  if (!page_.resultsShown() || page_.running() || !page_.holdsDistribution()) {
    platform().messageBox(page_.window(), ResultPage::tr("No randoms to chart: start a run first."),
                          Icon::Information, false);
    return;
  }
  DistributionDialog dialog(page_.window(), page_.distribution(), PageText(page_.info().caption));
  dialog.exec();
}

void RunExports::recordRun() {
  lastRun_ = page_.commandLine();
  // A run from the system's secure source has no seed to repeat it by:
  // its command says so rather than naming a seed it did not use.
  if (const qsizetype at = lastRun_.indexOf(Arg(runs::kSeed)); page_.seedGroup()->secure() && at >= 0) {
    lastRun_.replace(at, Arg(runs::kSecure));
    lastRun_.removeAt(at + 1);
  }
}

QStringList RunExports::lastCommand() const {
  if (lastRun_.isEmpty() || !page_.resultsShown() || page_.running()) return {};
  return QStringList{"quenvar-cli"} + lastRun_ + page_.formatArguments();
}

QString RunExports::ShellQuote(const QString& word) {
  static const QString kPlain = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@%+=:,./-_";
  const bool plain =
      !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) { return kPlain.contains(c); });
  if (plain) return word;
  // Inside single quotes nothing is special but the quote itself, which
  // ends the quoting, is given escaped, and starts it again.
  QString quoted = word;
  quoted.replace('\'', "'\\''");
  return '\'' + quoted + '\'';
}

QString RunExports::ShellCommand(const QStringList& words) {
  QStringList quoted;
  quoted.reserve(words.size());
  for (const QString& word : words) quoted << ShellQuote(word);
  return quoted.join(' ');
}

QString RunExports::CommandFile(const QString& prefix, const QString& suffix, std::string_view text) {
  // FNV-1a over the bytes.
  uint64_t hash = 14695981039346656037ull;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return QString::fromStdString(paths::Current().data) + "/" + prefix +
         QString::number(hash, 16).rightJustified(16, '0') + suffix;
}

std::string RunExports::LinesText(const TArrayString& lines) {
  std::string text;
  text.reserve(lines.characters() + lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    text.append(lines[i]);
    text += '\n';
  }
  return text;
}

QString RunExports::WriteCommandFile(const QString& prefix, const QString& suffix, std::string_view text,
                                     const QString& what) {
  const QString path = CommandFile(prefix, suffix, text);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0 ||
      !file.commit())
    throw EInOutError(
        ResultPage::tr("Cannot write the %1 \"%2\": %3").arg(what, path, file.errorString()).toStdString());
  constexpr qsizetype kKept = 32;
  const QRegularExpression ours("^" + QRegularExpression::escape(prefix) + "[0-9a-f]{16}" +
                                QRegularExpression::escape(suffix) + "$");
  const QFileInfo now(path);
  qsizetype count = 0;
  for (const QFileInfo& info : now.dir().entryInfoList({prefix + "*" + suffix}, QDir::Files, QDir::Time))
    if (ours.match(info.fileName()).hasMatch() && ++count > kKept && info != now)
      QFile::remove(info.absoluteFilePath());
  return path;
}

void RunExports::CopyCommandClick() {
  if (page_.running()) return;
  if (lastCommand().isEmpty()) {
    platform().messageBox(page_.window(), ResultPage::tr("No run to be copied as a command line!"),
                          Icon::Information, false);
    return;
  }
  page_.writeCommandFiles();  // may name them in the command
  QApplication::clipboard()->setText(ShellCommand(lastCommand()));
}

}  // namespace quenvar::ui
