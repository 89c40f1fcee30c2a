// "Distribution…" on the Random Number, Random File and Random Sampling
// pages: after a run its chart holds the counts of the values the page drew
// (counted here from the drawn values by hand) and its summary the test;
// before a run the command is disabled and, called anyway, only says so.
#include <QAccessible>
#include <QBarSet>
#include <QtTest>
#include <cmath>
#include <map>

#include "Accessibility.h"
#include "GuiFixture.h"
#include "PageFixture.h"
#include "ui/DistributionDialog.h"
#include "ui/FilePage.h"
#include "ui/NumberPage.h"
#include "ui/SamplingPage.h"

using namespace quenvar;
using namespace quenvar::ui;
using namespace quenvar::test;

namespace {

struct Shown {
  QList<qint64> counts;
  QStringList categories;
  QString summary;
  QString warning;  // empty when hidden
  QStringList unnamed;
  QString chartName, summaryName;
};

// Opens the page's chart through its menu command and reads it.
std::optional<Shown> OpenChart(ResultPage* page) {
  Shown shown;
  const bool opened =
      WhenModal<DistributionDialog>([page] { page->exports().distributionAction()->trigger(); },
                                    [&shown](DistributionDialog* d) {
                                      for (int k = 0; k < d->counts->count(); ++k)
                                        shown.counts << qRound64(d->counts->at(k));
                                      shown.categories = d->categories;
                                      shown.summary = d->summaryLabel->text();
                                      if (d->warningLabel->isVisibleTo(d))
                                        shown.warning = d->warningLabel->text();
                                      shown.unnamed = UnnamedControls(d);
                                      shown.chartName = AccessibleName(d->chartView);
                                      shown.summaryName = AccessibleName(d->summaryLabel);
                                      for (QAction* key : d->actions())  // F1
                                        if (key->shortcut() == QKeySequence(Qt::Key_F1)) key->trigger();
                                    });
  if (!opened) return std::nullopt;
  return shown;
}

// The summary's statistic and degrees of freedom, as a uniform draw's test
// computes them from plain counts.
QString Statistic(const QList<qint64>& counts, double expected) {
  double x = 0;
  for (qint64 c : counts)
    x += (static_cast<double>(c) - expected) * (static_cast<double>(c) - expected) / expected;
  return QString("Chi-square %1 with %2 degrees of freedom").arg(x, 0, 'f', 2).arg(counts.size() - 1);
}

}  // namespace

class DistributionDialogTest : public QObject, public GuiFixture {
  Q_OBJECT

 private:
  QList<ResultPage*> charted() const { return {form->TabSheet1, form->TabSheet3, form->TabSheet22}; }
  void show(ResultPage* p) { form->PageControl1->setCurrentWidget(p); }
  static void start(ResultPage* p) { QTest::mouseClick(p->actions().startButton(), Qt::LeftButton); }

  // A run of `count` numbers from 1 .. upper with repeats.
  NumberPage* runNumbers(int upper, int count, int seed) {
    NumberPage* p = form->TabSheet1;
    SetSpin(p->RxSpinLow, 1);
    SetSpin(p->RxSpinUpper, upper);
    SetSpin(p->RxSpinCount, count);
    if (!p->ChDuplicate->isChecked()) QTest::mouseClick(p->ChDuplicate, Qt::LeftButton);
    ManualSeed(*p, seed);
    start(p);
    return p;
  }
  void runSampling() {
    SamplingPage* s = form->TabSheet22;
    show(s);
    for (const char* t : {"red", "green", "blue", "cyan", "grey"}) {
      fake->nextInput = QString(t);
      QTest::mouseClick(s->SpeedButton17, Qt::LeftButton);
    }
    s->btnSelectallClick();
    if (!s->CheckBox22->isChecked()) QTest::mouseClick(s->CheckBox22, Qt::LeftButton);
    ManualSeed(*s, 11);
    SetSpin(s->RxSpinEdit22, 3000);
    start(s);
  }

 private slots:
  void init() {
    openWindow();
    form->TabSheet3->BaseFileName = QString::fromStdString(folder->file("bytes.dat"));
    form->TabSheet3->ChAutoFileNameClick();
  }
  void cleanup() { closeWindow(); }

  void nothingOpensBeforeARun() {
    for (ResultPage* p : charted()) {
      QVERIFY(p->exports().distributionAction() != nullptr);
      QVERIFY(p->actions().popup()->actions().contains(p->exports().distributionAction()));
      QCOMPARE(p->exports().distributionAction()->text(), QString("Distri&bution\u2026"));
      QVERIFY(!p->exports().distributionAction()->isEnabled());
      fake->boxes.clear();
      bool opened = WhenModal<DistributionDialog>([p] { p->exports().DistributionClick(); },
                                                  [](DistributionDialog*) {});
      QVERIFY(!opened);
      QCOMPARE(fake->boxes.size(), size_t(1));
      QCOMPARE(fake->boxes[0].text, QString("No randoms to chart: start a run first."));
    }
    // The other pages have no such command.
    for (ResultPage* p : form->Pages)
      if (!charted().contains(p)) QVERIFY(p->exports().distributionAction() == nullptr);
  }

  void numbersInBins() {
    NumberPage* p = runNumbers(100, 5000, 7);
    QVERIFY(p->exports().distributionAction()->isEnabled());
    QList<qint64> expected(50, 0);
    for (size_t i = 0; i < p->generated().Results.size(); ++i)
      expected[(std::stoi(std::string(p->generated().Results[i])) - 1) / 2]++;
    const auto shown = OpenChart(p);
    QVERIFY(shown);
    QCOMPARE(shown->counts, expected);
    QCOMPARE(shown->categories.first(), QString("1..2"));
    QCOMPARE(shown->categories.last(), QString("99..100"));
    QVERIFY2(shown->summary.contains(Statistic(expected, 100.0)), qPrintable(shown->summary));
    QVERIFY(shown->summary.contains(", p = "));
    QVERIFY(!fake->help.empty());
    QCOMPARE(fake->help.back().second, kDistributionHelp);  // F1: the chart's own topic
    QVERIFY2(shown->unnamed.isEmpty(), qPrintable(shown->unnamed.join(", ")));
    QCOMPARE(shown->chartName, QString("Distribution chart"));
    QCOMPARE(shown->summaryName, QString("Summary"));
    QVERIFY2(shown->warning.isEmpty(), qPrintable(shown->warning));  // 100 values a bar

    // 4 values a bar: the test is said to be unreliable.
    runNumbers(100, 200, 7);
    const auto few = OpenChart(p);
    QVERIFY(few);
    QCOMPARE(few->warning, QString("Fewer than 5 values are expected per bar (4.00): the chi-square test is "
                                   "unreliable. Draw more values for a sound test."));

    // Without repeats there is no test.
    QTest::mouseClick(p->ChDuplicate, Qt::LeftButton);
    SetSpin(p->RxSpinCount, 40);
    start(p);
    const auto once = OpenChart(p);
    QVERIFY(once);
    QVERIFY(!once->summary.contains("Chi-square "));
    QVERIFY(once->summary.contains("without repeats"));
    SetSpin(p->RxSpinLow, 500);  // refused: upper below lower
    start(p);                    // refused: the run shown stays, and so does its chart
    QVERIFY(p->exports().distributionAction()->isEnabled());
  }

  void byteFrequencies() {
    FilePage* p = form->TabSheet3;
    show(p);
    SetSpin(p->Rx3SpinCount, 20000);
    ManualSeed(*p, 3);
    QFile file(p->EditFileName->text());
    start(p);
    QList<qint64> expected(256, 0);
    for (const uint8_t v : p->generated().Bytes()) expected[v]++;
    // The bytes written are the bytes charted.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<qint64> inFile(256, 0);
    for (const char c : file.readAll()) inFile[static_cast<uint8_t>(c)]++;
    QCOMPARE(inFile, expected);
    const auto shown = OpenChart(p);
    QVERIFY(shown);
    QCOMPARE(shown->counts, expected);
    QCOMPARE(shown->categories.size(), 256);
    QVERIFY2(shown->summary.contains(Statistic(expected, 20000.0 / 256)), qPrintable(shown->summary));
    QVERIFY2(shown->unnamed.isEmpty(), qPrintable(shown->unnamed.join(", ")));

    // Written straight to the file, the bytes are not held: nothing to chart.
    p->pmEnableDisplay->trigger();
    start(p);
    QVERIFY(!p->exports().distributionAction()->isEnabled());
    fake->boxes.clear();
    QVERIFY(!WhenModal<DistributionDialog>([p] { p->exports().DistributionClick(); },
                                           [](DistributionDialog*) {}));
    QCOMPARE(fake->boxes.size(), size_t(1));
  }

  void itemCounts() {
    runSampling();
    SamplingPage* s = form->TabSheet22;
    std::map<QString, qint64> drawn;
    for (size_t i = 0; i < s->generated().Results.size(); ++i) {
      const std::string_view text = s->generated().Results[i];
      drawn[QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))]++;
    }
    QCOMPARE(drawn.size(), size_t(5));
    const auto shown = OpenChart(s);
    QVERIFY(shown);
    QCOMPARE(shown->categories.size(), 5);
    qint64 before = std::numeric_limits<qint64>::max();
    QList<qint64> counts;
    for (int k = 0; k < 5; ++k) {
      QCOMPARE(shown->counts[k], drawn[shown->categories[k]]);
      QVERIFY(shown->counts[k] <= before);  // most frequent first
      before = shown->counts[k];
      counts << shown->counts[k];
    }
    QVERIFY2(shown->summary.contains(Statistic(counts, 600.0)), qPrintable(shown->summary));
    // Editing the list after the run changes nothing in its chart.
    s->items->clear();
    const auto again = OpenChart(s);
    QVERIFY(again);
    QCOMPARE(again->counts, shown->counts);
  }

  void cancelTakesTheChartAway() {
    NumberPage* p = form->TabSheet1;
    start(p);
    QVERIFY(p->exports().distributionAction()->isEnabled());
    p->CancelClick();
    QVERIFY(!p->exports().distributionAction()->isEnabled());
    QVERIFY(!OpenChart(p));
  }
};

QTEST_MAIN(DistributionDialogTest)
#include "test_distribution_dialog.moc"
