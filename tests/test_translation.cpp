// The window in the user's language. A marking translator answers every text
// that lupdate gathered into the template (translations/quenvar.ts) with the
// text behind a mark, so a caption that does not go through tr(), or whose
// context lupdate and the running program name differently, shows unmarked.
// Then the German translation, found by the locale, opens a German window.
#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include "Accessibility.h"
#include "GuiFixture.h"
#include "core/Paths.h"
#include "generators/NumberRules.h"
#include "ui/Application.h"
#include "ui/DistributionDialog.h"
#include "ui/HelpWindow.h"
#include "ui/NumberPage.h"
#include "ui/PageTable.h"
#include "ui/PrintPreview.h"
#include "ui/PrinterSetup.h"
#include "ui/QtPrinting.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"
#include "ui/Unit_saveText.h"
#include "ui/Unit_select.h"
#include "ui/UnitprintText.h"
#include "ui/WidgetFeedback.h"
#include "ui/myabout.h"

using namespace quenvar;
using namespace quenvar::ui;
using quenvar::test::WhenModal;

namespace {

const QString kMark = QStringLiteral("\u27e6");

// The (context, source) pairs of a .ts file; <byte value="xd"/> is a CR.
QSet<QPair<QString, QString>> ReadTemplate(const QString& path) {
  QSet<QPair<QString, QString>> texts;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() != QLatin1String("source")) continue;
    QString source;
    while (!(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("source"))) {
      if (xml.isCharacters()) source += xml.text();
      if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
        source += QChar(xml.attributes().value("value").mid(1).toUInt(nullptr, 16));
    }
    texts.insert({context, source});
  }
  return texts;
}

// Marks the program's texts found in the template, and every text of Qt's own.
class MarkingTranslator : public QTranslator {
 public:
  explicit MarkingTranslator(QSet<QPair<QString, QString>> known) : known_(std::move(known)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (source == nullptr || *source == '\0') return {};
    const QString scope = QString::fromUtf8(context), text = QString::fromUtf8(source);
    const bool qts = scope.startsWith('Q') && !scope.contains("::");
    return qts || known_.contains({scope, text}) ? kMark + text : QString();
  }

 private:
  QSet<QPair<QString, QString>> known_;
};

// Numbers, addresses and symbols are not words to translate.
bool NoWords(const QString& text) {
  static const QRegularExpression words("[A-Za-z]{2,}");
  return !words.match(text).hasMatch() || text.contains("://") || text.contains('@') ||
         text.startsWith("quenvar-cli ");
}

// Every caption, tool tip, accessible name and window title in `root` that
// lacks the mark, as "object: property: text".
QStringList Unmarked(QWidget* root) {
  QStringList found;
  auto check = [&](QObject* o, const char* what, const QString& text) {
    if (text.isEmpty() || text.contains(kMark) || NoWords(text)) return;
    found << QString("%1: %2: %3").arg(o->objectName(), what, text);
  };
  auto checkAction = [&](QAction* a) {
    check(a, "text", a->text());
    check(a, "toolTip", a->toolTip());
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    check(w, "toolTip", w->toolTip());
    check(w, "accessibleName", w->accessibleName());
    check(w, "accessibleDescription", w->accessibleDescription());
    if (w->isWindow()) check(w, "windowTitle", w->windowTitle());
    if (auto* l = qobject_cast<QLabel*>(w)) check(w, "text", l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) check(w, "text", b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) check(w, "title", g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) check(w, "placeholderText", e->placeholderText());
    if (auto* m = qobject_cast<QMenu*>(w)) check(w, "title", m->title());
    if (auto* t = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) {
        check(t, "tabText", t->tabText(i));
        check(t, "tabToolTip", t->tabToolTip(i));
      }
    if (auto* h = qobject_cast<QHeaderView*>(w); h != nullptr && h->model() != nullptr)
      for (int i = 0; i < h->count(); ++i)
        check(h, "section", h->model()->headerData(i, h->orientation()).toString());
    for (QAction* a : w->actions()) checkAction(a);
  }
  return found;
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT

  test::GuiFixture gui;
  std::unique_ptr<QTranslator> marking;
  QStringList unmarked;

  void look(QWidget* w) { unmarked << Unmarked(w); }
  void run(ResultPage* page) {
    form()->PageControl1->setCurrentWidget(page);
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
  }
  TFormRandom* form() { return gui.form.get(); }

 private slots:
  void everyTextGoesThroughTranslation() {
    const auto known = ReadTemplate(QUENVAR_SOURCE_DIR "/translations/quenvar.ts");
    QVERIFY(!known.isEmpty());
    marking = std::make_unique<MarkingTranslator>(known);
    QCoreApplication::installTranslator(marking.get());
    gui.openWindow();
    look(form());

    // A message of the core reaches the window translated, its figures filled in.
    NumberPage* page = gui.page;
    page->RxSpinLow->setValue(5);
    page->RxSpinUpper->setValue(1);
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    QVERIFY(!gui.fake->boxes.empty());
    QVERIFY2(gui.fake->boxes.back().text.startsWith(kMark), qPrintable(gui.fake->boxes.back().text));
    page->RxSpinUpper->setValue(100);

    // The dialogs, on a page with results.
    run(page);
    QVERIFY(page->view().totalsLabel()->text().startsWith(kMark));
    QVERIFY(page->DisplayLabelText().startsWith(kMark));
    QVERIFY(WhenModal<TFormSaveText>([&] { QTest::mouseClick(page->actions().saveButton(), Qt::LeftButton); },
                                     [&](TFormSaveText* d) { look(d); }));
    gui.fake->printers = {"Fake printer"};
    QVERIFY(
        WhenModal<TFormPrinttext>([&] { QTest::mouseClick(page->actions().printButton(), Qt::LeftButton); },
                                  [&](TFormPrinttext* d) { look(d); }));
    QVERIFY(WhenModal<DistributionDialog>([&] { page->exports().distributionAction()->trigger(); },
                                          [&](DistributionDialog* d) { look(d); }));
    QVERIFY(WhenModal<Taboutform>([&] { form()->About1Click(); }, [&](Taboutform* d) { look(d); }));
    {
      QPrinter printer;
      TPrinterSetupDialog setup(form(), printer);
      look(&setup);
      // The preview measures on the chosen printer: a PDF file stands in for one here.
      QTemporaryDir pdfFolder;
      CurrentPrinter().setOutputFileName(pdfFolder.filePath("preview.pdf"));
      TPrintPreview preview(form(), "1\r\n2\r\n");
      CurrentPrinter().setOutputFileName(QString());
      look(&preview);
      HelpWindow::showTopic(QUENVAR_SOURCE_DIR "/help", 0);  // its frame; the topics stay in English
      look(HelpWindow::instance());
      HelpWindow::instance()->close();
    }
    StringPage* strings = form()->TabSheet2;
    form()->PageControl1->setCurrentWidget(strings);
    QTest::mouseClick(strings->BtnAdd, Qt::LeftButton);
    strings->ChUpper->setChecked(true);
    QVERIFY(WhenModal<TFormSelect>([&] { QTest::mouseClick(strings->spUpper, Qt::LeftButton); },
                                   [&](TFormSelect* d) { look(d); }));
    QTest::mouseClick(strings->btnCancel, Qt::LeftButton);
    // Each page's totals after a run.
    strings->comMask->setCurrentText("@@##");
    for (const Tab tab : {Tab::String, Tab::Lottery}) {
      ResultPage* shown = form()->page(tab);
      run(shown);
      QVERIFY2(shown->view().totalsLabel()->text().startsWith(kMark),
               qPrintable(shown->view().totalsLabel()->text()));
    }
    look(form());  // the pages after their runs
    QCoreApplication::removeTranslator(marking.get());
    unmarked.removeDuplicates();
    for (const QString& text : unmarked) qWarning("not translated: %s", qPrintable(text));
    QVERIFY2(unmarked.isEmpty(), "texts shown without translation, listed above");
  }

  // The German translation holds every text of the template, each translated.
  void germanIsComplete() {
    const QString folder = QUENVAR_SOURCE_DIR "/translations/";
    QCOMPARE(ReadTemplate(folder + "quenvar_de.ts"), ReadTemplate(folder + "quenvar.ts"));
    QFile german(folder + "quenvar_de.ts");
    QVERIFY(german.open(QIODevice::ReadOnly));
    const QByteArray xml = german.readAll();
    QVERIFY(!xml.contains("type=\"unfinished\"") && !xml.contains("<translation></translation>"));
  }

  // LANGUAGE=de (set for this test): the build's German translation and Qt's own.
  void germanWindowFromTheLocale() {
    // Installed, the translations are in share/quenvar beside bin/.
    QTemporaryDir installed;
    QVERIFY(QDir(installed.path()).mkpath("bin") && QDir(installed.path()).mkpath("share/quenvar"));
    paths::SetProgramFolder((installed.path() + "/bin").toStdString());
    QCOMPARE(TranslationsFolder(), installed.path() + "/share/quenvar/translations");
    // The build folder keeps them beside the executable.
    paths::SetProgramFolder(QUENVAR_BINARY_DIR);
    QCOMPARE(InstallTranslations(*qApp, QLocale(), TranslationsFolder()), QString("de"));
    paths::SetProgramFolder({});
    gui.openWindow();
    QCOMPARE(form()->PageControl1->tabText(0).remove('&'), QString("Zufallszahl"));
    QCOMPARE(gui.page->actions().startButton()->text().remove('&'), QString("Zufallszahlen erzeugen"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    // Every control of a page has its Alt+letter in German too, no two the same.
    for (const PageInfo& info : kPages) {
      const QStringList problems = test::MnemonicProblems(form()->page(info.tab));
      QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
    QCOMPARE(Translated(NumberTotalsText(false, 10, 7)),
             QString("Mögliche Zufallszahlen insgesamt: 10      Erzeugte Zufallszahlen insgesamt: 7"));
  }

  void cleanup() { gui.closeWindow(); }
};

QTEST_MAIN(TranslationTest)
#include "test_translation.moc"
