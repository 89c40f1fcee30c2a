// The result list, offscreen, over two hundred million rows: rows are placed,
// painted, selected and read by assistive technology without any work per
// row, and the keys and the mouse reach the far end.
#include <QAccessible>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QtTest>
#include <set>

#include "ui/ResultList.h"

using namespace quenvar::ui;

namespace {

constexpr int kRows = 200'000'000;

// Row r reads "row r"; every index asked for is counted.
class CountingModel : public QAbstractListModel {
 public:
  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : kRows; }
  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override {
    ++indexCalls;
    return QAbstractListModel::index(row, column, parent);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
      return "row " + QString::number(index.row());
    return {};
  }
  mutable qint64 indexCalls = 0;
};

// Rows of 16 pixels; remembers which rows it painted.
class RowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {100, 16}; }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painted.insert(index.row());
    if (option.state & QStyle::State_Selected) selectedPainted.insert(index.row());
    QStyledItemDelegate::paint(painter, option, index);
  }
  mutable std::set<int> painted;
  mutable std::set<int> selectedPainted;
};

}  // namespace

class TestResultList : public QObject {
  Q_OBJECT

  CountingModel* model = nullptr;
  RowDelegate* delegate = nullptr;
  ResultListView* view = nullptr;
  QWidget* window = nullptr;

  QModelIndex row(int r) const { return model->index(r, 0); }
  QPoint middleOf(int r) const { return view->visualRect(row(r)).center(); }
  int inView() const { return view->viewport()->height() / 16; }
  // The selected rows as "first..last count", read from the ranges.
  QString selected() const {
    qint64 count = 0;
    int first = kRows, last = -1;
    for (const QItemSelectionRange& range : view->selectionModel()->selection()) {
      count += range.height();
      first = std::min(first, range.top());
      last = std::max(last, range.bottom());
    }
    return QString("%1..%2 %3").arg(first).arg(last).arg(count);
  }

 private slots:
  void init() {
    window = new QWidget;
    view = new ResultListView(window);
    model = new CountingModel;
    model->setParent(view);
    delegate = new RowDelegate(view);
    view->setModel(model);
    view->setItemDelegate(delegate);
    view->setGeometry(0, 0, 300, 200);
    window->resize(300, 200);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    view->placeRows();
  }
  void cleanup() { delete window; }

  void rowsArePlacedByArithmetic() {
    QCOMPARE(view->visualRect(row(0)), QRect(0, 0, view->viewport()->width(), 16));
    QCOMPARE(view->indexAt(QPoint(5, 3 * 16 + 2)), row(3));
    QCOMPARE(view->verticalScrollBar()->maximum(), kRows - inView());

    view->scrollTo(row(kRows - 1));
    delegate->painted.clear();
    view->viewport()->repaint();
    const int last = kRows - 1;
    const int first = kRows - inView();
    QCOMPARE(view->visualRect(row(last)).top(), (last - first) * 16);
    QCOMPARE(view->indexAt(middleOf(last)), row(last));
    QVERIFY(delegate->painted.count(last) == 1 && delegate->painted.count(first) == 1);
    QVERIFY(*delegate->painted.begin() >= first - 1);

    view->scrollTo(row(25'000'000), QAbstractItemView::PositionAtTop);
    QCOMPARE(view->indexAt(QPoint(5, 1)), row(25'000'000));

    // Showing, scrolling and painting two hundred million rows asked for a few
    // hundred indexes, not one per row.
    QVERIFY2(model->indexCalls < 5000, qPrintable(QString::number(model->indexCalls)));
  }

  void keysAndMouseSelectRanges() {
    view->setFocus();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(2));
    QCOMPARE(selected(), QString("2..2 1"));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, middleOf(5));
    QCOMPARE(selected(), QString("2..5 4"));

    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(view->currentIndex(), row(5 + inView()));
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(view->currentIndex(), row(4 + inView()));

    // Shift+End selects to the last row, and scrolls there; Shift+Up then
    // gives one row back. Two hundred million rows of 16 pixels are past what an int counts.
    QTest::keyClick(view, Qt::Key_Home);
    QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(selected(), QString("0..%1 %2").arg(kRows - 1).arg(kRows));
    QVERIFY(view->viewport()->rect().contains(middleOf(kRows - 1)));
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(selected(), QString("0..%1 %2").arg(kRows - 2).arg(kRows - 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, middleOf(kRows - 5));
    QCOMPARE(selected(), QString("0..%1 %2").arg(kRows - 5).arg(kRows - 4));
    delegate->selectedPainted.clear();
    view->viewport()->repaint();
    QCOMPARE(int(delegate->selectedPainted.size()), inView() - 4);  // all but the last four

    // Ctrl+Shift moves the focus alone; Ctrl+A selects every row as one
    // range.
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(view->currentIndex(), row(kRows - 6));
    QCOMPARE(selected(), QString("0..%1 %2").arg(kRows - 5).arg(kRows - 4));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(selected(), QString("0..%1 %2").arg(kRows - 1).arg(kRows));
    QVERIFY2(model->indexCalls < 5000, qPrintable(QString::number(model->indexCalls)));
  }

  void dragSelectsByRowNumbers() {
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, middleOf(2));
    view->scrollTo(row(150'000'000), QAbstractItemView::PositionAtTop);
    QTest::mouseMove(view->viewport(), middleOf(150'000'003));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, middleOf(150'000'003));
    QCOMPARE(selected(), QString("2..150000003 150000002"));

    // A second drag starts at its own press, even on the row that has the focus.
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, middleOf(150'000'003));
    QTest::mouseMove(view->viewport(), middleOf(150'000'006));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, middleOf(150'000'006));
    QCOMPARE(selected(), QString("150000003..150000006 4"));

    // Pressed in the space below the last row, a drag runs from the last row.
    view->scrollTo(row(kRows - 1), QAbstractItemView::PositionAtBottom);
    const QPoint below(5, view->viewport()->height() - 2);
    QVERIFY(!view->indexAt(below).isValid());
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseMove(view->viewport(), middleOf(kRows - 3));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, middleOf(kRows - 3));
    QCOMPARE(selected(), QString("%1..%2 3").arg(kRows - 3).arg(kRows - 1));
  }

  void typingGoesToARowByItsNumber() {
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Q);  // no row's text starts with a letter
    QVERIFY2(model->indexCalls < 5000, qPrintable(QString::number(model->indexCalls)));
    QCOMPARE(view->currentIndex(), row(0));
    view->keyboardSearch("123456789");
    QCOMPARE(view->currentIndex(), row(123456788));
    QVERIFY(view->viewport()->rect().contains(middleOf(123456788)));
    view->keyboardSearch("x");
    QCOMPARE(view->currentIndex(), row(123456788));
    view->keyboardSearch("5");  // a new number, not the 10th digit of the last
    QCOMPARE(view->currentIndex(), row(4));
  }

  void scrollingAwayFromAClickedRowStays() {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middleOf(1));
    view->verticalScrollBar()->setValue(5000);
    QTest::qWait(QApplication::doubleClickInterval() + 300);  // past the list's delayed scroll
    QCOMPARE(view->verticalScrollBar()->value(), 5000);
  }

  void assistiveTechnologyReadsRowsWhereTheyAre() {
    view->scrollTo(row(1000), QAbstractItemView::PositionAtTop);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view);
    QVERIFY(list != nullptr);
    QAccessibleInterface* cell = list->child(1002);
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->text(QAccessible::Name), QString("row 1002"));
    const QRect shown = view->visualRect(row(1002));
    QCOMPARE(cell->rect().topLeft(), view->viewport()->mapToGlobal(shown.topLeft()));
    QCOMPARE(list->childAt(cell->rect().center().x(), cell->rect().center().y())->text(QAccessible::Name),
             QString("row 1002"));
  }
};

QTEST_MAIN(TestResultList)
#include "test_result_list.moc"
