#pragma once

// What the page tests share: typing into spin edits as a user would, the
// real window offscreen with the fake platform answering its boxes and
// dialogs, what the accessibility bus reads (Accessibility.h), and
// quenvar-cli run for the same request.
#include <QProcess>
#include <QtTest>
#include <functional>
#include <memory>

#include "Accessibility.h"
#include "FakePlatform.h"
#include "GuiFixture.h"
#include "TestFiles.h"
#include "ui/Folders.h"
#include "ui/PagePattern.h"
#include "ui/SpinEdit.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"
#include "ui/Unit_select.h"
#include "ui/UnitprintText.h"
#include "ui/myabout.h"

namespace quenvar::test {

// The dialogs by number: 1 save, 2 print, 3 item selection, 4 about;
// nullptr for any other.
inline std::unique_ptr<QWidget> Dialog(int which, QWidget* parent, const Trandom_base* generator) {
  switch (which) {
    case 1:
      return std::make_unique<ui::TFormSaveText>(parent, generator, ui::PageKind(1), 3);
    case 2:
      return std::make_unique<ui::TFormPrinttext>(parent, generator, ui::PageKind(1), 3);
    case 3: {
      auto select = std::make_unique<ui::TFormSelect>(parent);
      select->AddRangeItems('A', 'Z');
      return select;
    }
    case 4:
      return std::make_unique<ui::Taboutform>(parent);
    default:
      return nullptr;
  }
}

inline void SetSpin(ui::TSpinEdit* spin, qlonglong value) {
  spin->editor()->selectAll();
  QTest::keyClicks(spin->editor(), QString::number(value));
  spin->interpretText();
  emit spin->editingFinished();
}

inline void ManualSeed(ui::ResultPage& page, int seed) {
  page.seedGroup()->manualRadio->setChecked(true);
  SetSpin(page.seedGroup()->manualSpin, seed);
}

inline void ChooseColumns(ui::ResultPage& page, int columns) {
  page.actions().columnsBox()->setCurrentIndex(columns - 1);
  page.ColumnsChange();
}

// Whether `manual` is the manual seed a page proposes at start from some
// clock seed s (milliseconds of the day): s div `divisor` + s.
inline bool ProposedFromClock(int manual, int divisor) {
  for (qint64 s = qint64(manual) - manual / (divisor + 1) - 3; s <= qint64(manual) + 3; ++s)
    if (s >= 0 && s < 86400000 && s / divisor + s == manual) return true;
  return false;
}

// A generator's result texts.
inline QStringList Texts(const TArrayString& results) {
  QStringList out;
  for (size_t i = 0; i < results.size(); ++i) out << QString::fromStdString(std::string(results[i]));
  return out;
}

// Idle, showing nothing, ready for the next run.
inline bool IdleWithoutResults(const ui::ResultPage& page) {
  return page.view().statusPanel()->isHidden() && page.actions().cancelButton()->isHidden() &&
         page.actions().startButton()->isEnabled() && page.actions().exitButton()->isEnabled() &&
         page.view().model()->rowCount() == 0;
}

// The entries of a page's result list in reading order, cell by cell.
inline QStringList ShownEntries(const ui::ResultPage& page) {
  QStringList out;
  for (int r = 0; r < page.view().model()->rowCount(); ++r)
    for (int k = 1; k <= page.columnCount(); ++k) {
      const QString cell = page.view().model()->cell(r, k);
      if (!cell.isEmpty()) out << cell;
    }
  return out;
}

struct CliRun {
  int exitCode = -1;
  QByteArray out, err;
};

inline CliRun RunCli(const QStringList& args) {
  QProcess process;
  process.start(QUENVAR_CLI, args);
  process.closeWriteChannel();  // a tool told to read standard input gets its end at once
  process.waitForFinished(120000);
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

template <class Page>
class PageFixture : public GuiFixture {
 protected:
  Page* page = nullptr;  // hides the Random Number page of GuiFixture

  // The window shown, on the page the member names unless `select` is false.
  void openWindow(Page* ui::TFormRandom::*member, const std::function<void(const TempFolder&)>& prepare = {},
                  bool select = true) {
    GuiFixture::openWindow(prepare);
    page = form.get()->*member;
    if (select) form->PageControl1->setCurrentWidget(page);
  }

  static void setSpin(ui::TSpinEdit* spin, qlonglong value) { SetSpin(spin, value); }
  void start() { QTest::mouseClick(page->actions().startButton(), Qt::LeftButton); }
  void manualSeed(int seed) { ManualSeed(*page, seed); }
  // The result rows as shown: number, then the entries, tab-separated.
  QStringList rows() const {
    QStringList out;
    for (int r = 0; r < page->view().model()->rowCount(); ++r) out << page->view().model()->rowText(r);
    return out;
  }

  // What quenvar-cli prints: its lines, then the totals line it writes to
  // standard error.
  static QStringList CliOutput(const QStringList& args) {
    const CliRun run = RunCli(args);
    QStringList out = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
    out << QString::fromUtf8(run.err).split('\n').value(0);
    return out;
  }
};

}  // namespace quenvar::test
