// The window read through the accessibility interfaces, and the colours the
// program sets, in a light and a dark palette.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QToolTip>
#include <QtTest>

#include "Accessibility.h"
#include "GuiFixture.h"
#include "PageFixture.h"
#include "ui/Accessible.h"
#include "ui/Colours.h"
#include "ui/FilePage.h"
#include "ui/NamePage.h"
#include "ui/StringPage.h"
#include "ui/Unit_saveText.h"
#include "ui/myabout.h"

using namespace quenvar;
using namespace quenvar::ui;

class AccessTest : public QObject {
  Q_OBJECT

 private:
  test::GuiFixture gui;

 private slots:
  void init() {
    QAccessible::setActive(true);
    gui.openWindow();
  }
  void cleanup() { gui.closeWindow(); }

  // What the accessibility bus reads: the role and name of each control.
  void rolesAndNames() {
    auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
    auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    QCOMPARE(role(gui.form.get()), QAccessible::Window);  // a frame
    NumberPage* page = gui.page;
    QCOMPARE(role(page->actions().columnsBox()), QAccessible::ComboBox);
    QCOMPARE(name(page->actions().columnsBox()), QString("Columns"));
    QCOMPARE(QAccessible::queryAccessibleInterface(page->actions().columnsBox())->text(QAccessible::Value),
             QString("3"));
    // The sort order: one group of three radio buttons, the one down checked.
    QAccessibleInterface* sort = QAccessible::queryAccessibleInterface(page->actions().ascButton());
    QCOMPARE(sort->role(), QAccessible::RadioButton);
    QCOMPARE(sort->parent()->role(), QAccessible::Grouping);
    QCOMPARE(sort->parent()->childCount(), 3);
    QVERIFY(QAccessible::queryAccessibleInterface(page->actions().origButton())->state().checked);
    sort->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(page->actions().ascAction()->isChecked());
    auto* file = gui.form->TabSheet3;
    QCOMPARE(role(file->btnHex), QAccessible::RadioButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(file->btnHex)->parent()->childCount(), 4);
    QCOMPARE(QAccessible::queryAccessibleInterface(page->view().header())->text(QAccessible::Description),
             QString("NO., Column 1, Column 2, Column 3"));
    QCOMPARE(name(gui.form->TabSheet2->comMask->lineEdit()), QString("Mask"));
    QCOMPARE(name(gui.form->TabSheet2->comName), QString("Name"));
    // The about box's links: focusable links that open when pressed.
    Taboutform about(gui.form.get());
    QCOMPARE(role(about.Label6), QAccessible::Link);
    QCOMPARE(name(about.Label6), QString(kHomePageAddress));
    QVERIFY(about.Label6->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(about.Label4, Qt::Key_Return);
    QCOMPARE(gui.fake->opened.size(), size_t(1));
    QAccessible::queryAccessibleInterface(about.Label6)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(gui.fake->opened,
             (std::vector<QUrl>{QUrl(QString("mailto:") + kSupportAddress), QUrl(kHomePageAddress)}));
  }

  // Where no program can open an address, a list or a saved file, a
  // message says so, naming it.
  void noProgramToOpenIsSaid_data() {
    QTest::addColumn<QString>("what");
    for (const char* what : {"website", "about link", "name list", "saved file"}) QTest::newRow(what) << what;
  }
  void noProgramToOpenIsSaid() {
    QFETCH(QString, what);
    gui.fake->opens = false;
    if (what == "website") gui.form->VisitsWebsite1Click();
    if (what == "about link") {
      Taboutform about(gui.form.get());
      QTest::keyClick(about.Label4, Qt::Key_Return);
    }
    if (what == "name list") QTest::mouseClick(gui.form->TabSheet44->MaleView, Qt::LeftButton);
    if (what == "saved file") {
      QTest::mouseClick(gui.page->actions().startButton(), Qt::LeftButton);
      const QString file = QString::fromStdString(gui.folder->file("saved.txt"));
      QVERIFY(test::WhenModal<TFormSaveText>(
          [&] { QTest::mouseClick(gui.page->actions().saveButton(), Qt::LeftButton); },
          [&](TFormSaveText* d) {
            d->FilenameEdit1->setChosen(file);
            QTest::mouseClick(d->btnSave, Qt::LeftButton);
            QTest::mouseClick(d->btnview, Qt::LeftButton);
          }));
    }
    QCOMPARE(gui.fake->opened.size(), size_t(1));
    const QUrl url = gui.fake->opened[0];
    QVERIFY(!gui.fake->boxes.empty());
    const auto& box = gui.fake->boxes.back();
    QCOMPARE(box.text, "No program on this system can open " +
                           (url.isLocalFile() ? url.toLocalFile() : url.toString()) + ".");
    QCOMPARE(int(box.icon), int(Icon::Warning));
  }

  // Every colour the program sets reads at least 4.5:1 on what it is drawn
  // on, and the icons drawn for it are seen, in a light and a dark palette,
  // picked again when the palette changes.
  void coloursReadOnLightAndDark_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
  }
  void coloursReadOnLightAndDark() {
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    QPalette p = QApplication::style()->standardPalette();
    if (dark) {
      p.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
      p.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
      p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(role, QColor(0xee, 0xee, 0xee));
    }
    QApplication::setPalette(p);
    QCoreApplication::processEvents();
    NumberPage* page = gui.page;
    Taboutform about(gui.form.get());
    const QColor window = page->palette().color(QPalette::Window);
    auto textOf = [](QWidget* w, QPalette::ColorRole role) {
      return w->palette().color(QPalette::Active, role);
    };
    const QList<std::pair<QString, QColor>> colours{
        {"Start", textOf(page->actions().startButton(), QPalette::ButtonText)},
        {"Cancel", textOf(page->actions().cancelButton(), QPalette::ButtonText)},
        {"totals", textOf(page->view().totalsLabel(), QPalette::WindowText)},
        {"link", textOf(about.Label6, QPalette::Link)},
        {"row number", ResultDelegate::RowNumberColour(page->view().list()->palette())},
    };
    for (const auto& [what, colour] : colours) {
      const QColor back =
          what == "row number" ? page->view().list()->palette().color(QPalette::Base) : window;
      QVERIFY2(Contrast(colour, back) >= 4.5, qPrintable(what + " " + colour.name() + " on " + back.name()));
    }
    // An icon is seen when its drawn pixels stand out from the background.
    for (QAction* action : {page->actions().commaAction(), page->actions().exitAction()}) {
      const QImage image = action->icon().pixmap(QSize(40, 20)).toImage();
      double best = 1;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (const QColor c = image.pixelColor(x, y); c.alpha() > 200)
            best = std::max(best, Contrast(c, window));
      QVERIFY2(best >= 4.5, qPrintable(action->text()));
    }
    QApplication::setPalette(before);
  }

  // At a 12 pt font every caption and box of every page has the room it
  // asks for (the inputs scroll when the window is short of it), the window
  // can be resized and maximized, and the results are in a fixed-pitch font.
  void anyFontAnyScreen() {
    QVERIFY(gui.form->minimumSize() != gui.form->maximumSize());
    QVERIFY(gui.form->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(12);
    QApplication::setFont(large);
    const auto fits = [](QWidget* w, QSize need, const QString& where) {
      QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
               qPrintable(QString("%1 %2 %3x%4 < %5x%6")
                              .arg(where, w->objectName())
                              .arg(w->width())
                              .arg(w->height())
                              .arg(need.width())
                              .arg(need.height())));
    };
    for (ResultPage* page : gui.form->Pages) {
      gui.form->PageControl1->setCurrentWidget(page);
      QTest::qWait(20);  // the layouts follow the new font
      QVERIFY2(QFontInfo(page->view().list()->font()).fixedPitch(), page->objectName().toLatin1());
      for (QWidget* w : page->inputPanel()->findChildren<QWidget*>()) {
        if (!w->isVisible() ||
            (qobject_cast<QLabel*>(w) == nullptr && qobject_cast<QAbstractButton*>(w) == nullptr &&
             qobject_cast<QAbstractSpinBox*>(w) == nullptr && qobject_cast<QComboBox*>(w) == nullptr))
          continue;
        fits(w, w->minimumSizeHint(), page->objectName());
      }
    }
    // The dialogs open at their usual size and grow with the font.
    for (int which = 1; which <= 4; ++which) {
      QApplication::setFont(before);
      std::unique_ptr<QWidget> usual = test::Dialog(which, gui.form.get(), gui.page->textGenerator());
      const QSize size = usual->size();
      QApplication::setFont(large);
      std::unique_ptr<QWidget> dialog = test::Dialog(which, gui.form.get(), gui.page->textGenerator());
      dialog->show();
      QTest::qWait(20);
      QVERIFY2(dialog->minimumSize() != dialog->maximumSize(), dialog->objectName().toLatin1());
      QVERIFY(dialog->width() >= size.width() && dialog->height() >= size.height());
      if (const QString folder = qEnvironmentVariable("QUENVAR_SCREENSHOTS"); !folder.isEmpty())
        dialog->grab().save(folder + "/" + dialog->objectName() + "-12pt.png");
      for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible() ||
            (qobject_cast<QLabel*>(w) == nullptr && qobject_cast<QAbstractButton*>(w) == nullptr &&
             qobject_cast<QAbstractSpinBox*>(w) == nullptr))
          continue;
        // A push button's caption, whole; the rest as they ask.
        const auto* push = qobject_cast<QPushButton*>(w);
        const QSize need = push == nullptr
                               ? w->minimumSizeHint()
                               : QSize(push->fontMetrics().horizontalAdvance(push->text().remove('&')) + 8,
                                       push->fontMetrics().height() + 4);
        fits(w, need, dialog->objectName());
      }
    }
    QApplication::setFont(before);
  }

  // An entry too long for its column is cut short with "…"; its tooltip
  // gives it whole.
  void longEntriesAreCutAndShownWhole() {
    NumberPage* page = gui.page;
    test::SetSpin(page->RxSpinLow, -2147483647);
    test::SetSpin(page->RxSpinUpper, -2000000000);
    test::SetSpin(page->RxSpinCount, 40);
    QTest::mouseClick(page->ChDuplicate, Qt::LeftButton);
    page->actions().columnsBox()->setCurrentIndex(19);  // 20 narrow columns
    page->ColumnsChange();
    page->actions().commaAction()->setChecked(true);
    page->CommaClick();
    QTest::mouseClick(page->actions().startButton(), Qt::LeftButton);
    const QString whole = page->view().model()->cell(0, 1);
    QVERIFY(page->view().list()->fontMetrics().horizontalAdvance(whole) >
            page->view().header()->sectionSize(1) - 8);
    const QPoint at(page->view().header()->sectionViewportPosition(1) + 10,
                    page->view().list()->visualRect(page->view().model()->index(0)).center().y());
    QHelpEvent help(QEvent::ToolTip, at, page->view().list()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(page->view().list()->viewport(), &help);
    QCOMPARE(QToolTip::text(), whole);
  }

  // Docks group the window with its launcher by its window class.
  void windowClassIsTheDesktopEntrys() {
    QFile entry(QUENVAR_DATA_DIR "/../dist/org.quenvar.Quenvar.desktop");
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(QString(entry.readAll()).contains("\nStartupWMClass=" + QString(kWindowClass) + "\n"));
  }
};

QTEST_MAIN(AccessTest)
#include "test_access.moc"
