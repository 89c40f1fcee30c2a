// The character selection dialog, offscreen: moves by button, double click
// and drop, the counts, the result handed back, and what assistive
// technology reads from it.
#include <QAccessible>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "GuiFixture.h"
#include "ui/Unit_select.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

const TArrayRang kUpper = {{65, 90}};
const TArrayRang kSpecial = {{32, 47}, {58, 64}, {91, 96}, {123, 126}};

// The lines of a list, one character each.
QString Lines(const QListWidget* list) {
  QString text;
  for (int row = 0; row < list->count(); ++row) text += list->item(row)->text();
  return text;
}

// The highlighted rows of a list.
QList<int> Highlighted(const QListWidget* list) {
  QList<int> rows;
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->isSelected()) rows << row;
  return rows;
}

// Everything the user sees of the two sides.
QStringList Snapshot(const TFormSelect& d) {
  auto side = [](const QLabel* label, const QListWidget* list) {
    QStringList rows;
    for (int row : Highlighted(list)) rows << QString::number(row);
    return label->text() + " [" + Lines(list) + "] highlighted " + rows.join(',');
  };
  return {side(d.Label1, d.ListBoxSource), side(d.Label2, d.ListBoxTarget)};
}

QString AllCodes(const TArrayRang& ranges) {
  QString text;
  for (const auto& [low, high] : ranges)
    for (int32_t c = low; c <= high; ++c) text += QChar(char16_t(c));
  return text;
}

void Drop(QListWidget* on, QMimeData* data, bool* accepted = nullptr) {
  const QPoint at = on->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on->viewport(), &enter);
  QDropEvent drop(at, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on->viewport(), &drop);
  if (accepted != nullptr) *accepted = enter.isAccepted() && drop.isAccepted();
}

void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void doubleClick(QListWidget* list, int row) {
  const QPoint at = list->visualItemRect(list->item(row)).center();
  // What a real double click delivers: a click, then the double click and its release.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class SelectTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TFormSelect> dialog;

  // The dialog shown without a modal loop, over `ranges` with `codes` chosen.
  TFormSelect& open(const TArrayRang& ranges, const TArrayInteger& codes) {
    dialog = std::make_unique<TFormSelect>(nullptr);
    for (const auto& [low, high] : ranges) dialog->AddRangeItems(low, high);
    dialog->MarkSelected(codes);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get())) qWarning("the dialog is not on screen");
    return *dialog;
  }

 private slots:
  void cleanup() { dialog.reset(); }

  void opensWithBothSidesInCodeOrder() {
    TFormSelect& d = open(kUpper, {79, 73});
    QCOMPARE(d.windowTitle(), QString("Select"));
    QCOMPARE(d.size(), QSize(439, 323));
    QCOMPARE(Snapshot(d), QStringList({"&Available Items ( 24 ) [ABCDEFGHJKLMNPQRSTUVWXYZ] highlighted 0",
                                       "&Selected Items ( 2 ) [IO] highlighted 0"}));
    QCOMPARE(d.ListBoxSource->toolTip(),
             QString("Shift, Ctrl+click to select multi-item\nDouble-click it to move the item"));
    QCOMPARE(d.ListBoxSource->visualItemRect(d.ListBoxSource->item(1)).height(), 18);

    TFormSelect& none = open(kUpper, {});
    QCOMPARE(none.Label2->text(), QString("&Selected Items ( 0 )"));
    QCOMPARE(none.ListBoxTarget->count(), 0);
    QCOMPARE(Highlighted(none.ListBoxSource), QList<int>{0});
  }

  void buttonsMoveTheHighlightedLines() {
    TFormSelect& d = open(kUpper, {73});
    click(d.btnselect);  // right after opening: exactly the first line
    QCOMPARE(Snapshot(d), QStringList({"&Available Items ( 24 ) [BCDEFGHJKLMNOPQRSTUVWXYZ] highlighted 0",
                                       "&Selected Items ( 2 ) [AI] highlighted 0"}));
    // Two lines picked with Ctrl land in code order, not at the end.
    d.ListBoxSource->item(2)->setSelected(true);   // D
    d.ListBoxSource->item(20)->setSelected(true);  // W
    d.ListBoxSource->item(0)->setSelected(false);
    click(d.btnselect);
    QCOMPARE(Lines(d.ListBoxTarget), QString("ADIW"));
    QCOMPARE(d.Label1->text(), QString("&Available Items ( 22 )"));
    click(d.btnUnselect);  // the first selected line again
    QCOMPARE(Lines(d.ListBoxTarget), QString("DIW"));
    QCOMPARE(Lines(d.ListBoxSource).left(3), QString("ABC"));
    // Nothing highlighted: nothing moves.
    d.ListBoxSource->clearSelection();
    click(d.btnselect);
    QCOMPARE(d.ListBoxTarget->count(), 3);
    // The items keep their order; only their flags change.
    QCOMPARE(d.ItemList.front()[0], std::string("65"));
    QCOMPARE(d.ItemList.back()[0], std::string("90"));
    QCOMPARE(d.SelectedCodes(), TArrayInteger({68, 73, 87}));
  }

  void allAndBackRestoresTheOpening() {
    TFormSelect& d = open(kSpecial, {});
    const QStringList opening = Snapshot(d);
    click(d.btnSelectAll);
    QCOMPARE(d.ListBoxSource->count(), 0);
    QCOMPARE(Lines(d.ListBoxTarget), AllCodes(kSpecial));
    QCOMPARE(d.Label1->text(), QString("&Available Items ( 0 )"));
    QCOMPARE(d.Label2->text(), QString("&Selected Items ( 33 )"));
    click(d.btnUnSelectAll);
    QCOMPARE(Snapshot(d), opening);
  }

  void dropsOnlyFromTheOtherSide() {
    TFormSelect& d = open(kUpper, {90});
    d.ListBoxSource->item(1)->setSelected(true);  // A and B highlighted
    const QStringList before = Snapshot(d);
    bool accepted = true;
    std::unique_ptr<QMimeData> own(d.ListBoxSource->dragData());
    Drop(d.ListBoxSource, own.get(), &accepted);  // back where it came from
    QVERIFY(!accepted);
    QCOMPARE(Snapshot(d), before);
    QMimeData text;  // not a drag of ours
    text.setText("A");
    Drop(d.ListBoxTarget, &text, &accepted);
    QVERIFY(!accepted);
    QCOMPARE(Snapshot(d), before);

    Drop(d.ListBoxTarget, own.get(), &accepted);
    QVERIFY(accepted);
    QCOMPARE(Lines(d.ListBoxTarget), QString("ABZ"));
    QCOMPARE(d.Label2->text(), QString("&Selected Items ( 3 )"));
    // And back: the highlighted first selected line.
    std::unique_ptr<QMimeData> back(d.ListBoxTarget->dragData());
    Drop(d.ListBoxSource, back.get(), &accepted);
    QVERIFY(accepted);
    QCOMPARE(Lines(d.ListBoxTarget), QString("BZ"));
  }

  void doubleClickMovesTheLine() {
    TFormSelect& d = open(kUpper, {});
    doubleClick(d.ListBoxSource, 3);
    QCOMPARE(Lines(d.ListBoxTarget), QString("D"));
    QCOMPARE(d.Label1->text(), QString("&Available Items ( 25 )"));
    doubleClick(d.ListBoxSource, 0);
    QCOMPARE(Lines(d.ListBoxTarget), QString("AD"));
    doubleClick(d.ListBoxTarget, 1);
    QCOMPARE(Lines(d.ListBoxTarget), QString("A"));
    QCOMPARE(d.Label2->text(), QString("&Selected Items ( 1 )"));
  }

  void theSpaceIsABlankLineThatMoves() {
    TFormSelect& d = open(kSpecial, {});
    QCOMPARE(d.ListBoxSource->item(0)->text(), QString(" "));
    click(d.btnselect);
    QCOMPARE(Lines(d.ListBoxTarget), QString(" "));
    QCOMPARE(d.SelectedCodes(), TArrayInteger({32}));
    d.ListBoxSource->item(0)->setSelected(true);  // !
    std::unique_ptr<QMimeData> drag(d.ListBoxSource->dragData());
    Drop(d.ListBoxTarget, drag.get());
    QCOMPARE(Lines(d.ListBoxTarget), QString(" !"));
    doubleClick(d.ListBoxTarget, 0);
    QCOMPARE(Lines(d.ListBoxTarget), QString("!"));
    QCOMPARE(Lines(d.ListBoxSource).left(2), QString(" \""));
  }

  void okHandsBackTheChoiceCancelNothing() {
    TArrayInteger codes = {32, 64};
    bool chosen = true;
    const auto select = [&](const QString& title, const std::function<void(TFormSelect*)>& drive) {
      return test::WhenModal<TFormSelect>([&] { chosen = SelectChars(nullptr, title, kSpecial, codes); },
                                          drive);
    };
    QVERIFY(select("Select special characters included", [](TFormSelect* d) {
      QCOMPARE(d->windowTitle(), QString("Select special characters included"));
      QCOMPARE(Lines(d->ListBoxTarget), QString(" @"));
      click(d->btnSelectAll);
      click(d->BitBtn2);
    }));
    QVERIFY(!chosen);
    QCOMPARE(codes, TArrayInteger({32, 64}));
    QVERIFY(select("x", [](TFormSelect* d) {
      click(d->btnSelectAll);
      d->close();  // the close box is a Cancel too
    }));
    QVERIFY(!chosen);
    QCOMPARE(codes, TArrayInteger({32, 64}));
    QVERIFY(select("x", [](TFormSelect* d) {
      click(d->btnUnSelectAll);
      d->ListBoxSource->item(1)->setSelected(true);   // !
      d->ListBoxSource->item(32)->setSelected(true);  // ~
      click(d->btnselect);
      click(d->BitBtn1);
    }));
    QVERIFY(chosen);
    QCOMPARE(codes, TArrayInteger({32, 33, 126}));
  }

  void everyControlIsNamedAndRowsRead() {
    TFormSelect& d = open(kSpecial, {33});
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&d);
    QVERIFY(window != nullptr);
    const QList<std::pair<QWidget*, QString>> names = {{d.ListBoxSource, "Available Items"},
                                                       {d.ListBoxTarget, "Selected Items"},
                                                       {d.btnselect, "Select Item"},
                                                       {d.btnSelectAll, "Select All"},
                                                       {d.btnUnselect, "Unselect Item"},
                                                       {d.btnUnSelectAll, "Unselect All"},
                                                       {d.BitBtn1, "Ok"},
                                                       {d.BitBtn2, "Cancel"}};
    for (const auto& [widget, name] : names) {
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
      QVERIFY(control != nullptr);
      QCOMPARE(control->text(QAccessible::Name), name);
      QVERIFY(window->indexOfChild(control) >= 0);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(d.Label1)->text(QAccessible::Name),
             QString("Available Items ( 32 )"));

    auto rows = [](QWidget* list) {
      QStringList texts;
      QAccessibleInterface* view = QAccessible::queryAccessibleInterface(list);
      for (int i = 0; i < view->childCount(); ++i)
        if (view->child(i)->role() == QAccessible::ListItem) texts << view->child(i)->text(QAccessible::Name);
      return texts;
    };
    const QStringList available = rows(d.ListBoxSource);
    QCOMPARE(available.size(), 32);
    QCOMPARE(available.mid(0, 3), QStringList({"space", "\"", "#"}));
    QCOMPARE(rows(d.ListBoxTarget), QStringList({"!"}));
  }
};

QTEST_MAIN(SelectTest)
#include "test_select.moc"
