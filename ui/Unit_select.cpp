#include "ui/Unit_select.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>
#include <string>

#include "ui/DialogParts.h"

namespace quenvar::ui {

namespace {

const char kListHint[] = QT_TRANSLATE_NOOP(
    "quenvar::ui::SelectList", "Shift, Ctrl+click to select multi-item\nDouble-click it to move the item");
constexpr int kLineHeight = 18;

// An item's code; text that is no number reads as 0.
int32_t CodeOf(const std::string& text) {
  int32_t code = 0;
  std::from_chars(text.data(), text.data() + text.size(), code);
  return code;
}

QPushButton* MoveButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAccessibleName(hint);  // a bare arrow says nothing when read aloud
  button->setAutoDefault(false);
  // 33 x 25 at the usual font, room for ">>" at a larger one.
  const QFontMetrics metrics = button->fontMetrics();
  button->setMinimumSize(std::max(33, metrics.horizontalAdvance(">>") + 14),
                         std::max(25, metrics.height() + 8));
  button->setMaximumWidth(button->minimumWidth());
  return button;
}

}  // namespace

SelectList::SelectList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setUniformItemSizes(true);
  setToolTip(tr(kListHint));
}

void SelectList::startDrag(Qt::DropActions) {
  if (selectedItems().isEmpty()) return;
  auto* drag = new QDrag(this);
  drag->setMimeData(dragData());
  // The drop moves the flags and rebuilds both lists; nothing is left for
  // the view to remove afterwards.
  drag->exec(Qt::MoveAction);
}

bool SelectList::takes(const QMimeData* data) const {
  const auto* drag = qobject_cast<const SelectDrag*>(data);
  return drag != nullptr && Partner != nullptr && drag->From == Partner;
}

void SelectList::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void SelectList::dragMoveEvent(QDragMoveEvent* event) {
  if (takes(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void SelectList::dropEvent(QDropEvent* event) {
  if (!takes(event->mimeData())) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit dropped();
}

TFormSelect::TFormSelect(QWidget* parent) : QDialog(parent) {
  setObjectName("TFormSelect");
  setWindowTitle(tr("Select"));
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);

  Label1 = new QLabel(tr("&Available Items"), this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel(tr("&Selected Items"), this);
  Label2->setObjectName("Label2");
  ListBoxSource = new SelectList(this);
  ListBoxSource->setObjectName("ListBoxSource");
  ListBoxSource->setAccessibleName(tr("Available Items"));
  ListBoxTarget = new SelectList(this);
  ListBoxTarget->setObjectName("ListBoxTarget");
  ListBoxTarget->setAccessibleName(tr("Selected Items"));
  ListBoxSource->Partner = ListBoxTarget;
  ListBoxTarget->Partner = ListBoxSource;
  Label1->setBuddy(ListBoxSource);
  Label2->setBuddy(ListBoxTarget);

  btnselect = MoveButton(this, "btnselect", ">", tr("Select Item"));
  btnSelectAll = MoveButton(this, "btnSelectAll", ">>", tr("Select All"));
  btnUnselect = MoveButton(this, "btnUnselect", "<", tr("Unselect Item"));
  btnUnSelectAll = MoveButton(this, "btnUnSelectAll", "<<", tr("Unselect All"));
  auto* moves = new QVBoxLayout;
  moves->addStretch(1);
  for (QPushButton* b : {btnselect, btnSelectAll, btnUnselect, btnUnSelectAll}) moves->addWidget(b);
  moves->addStretch(1);

  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Label2, 0, 2);
  grid->addWidget(ListBoxSource, 1, 0);
  grid->addLayout(moves, 1, 1);
  grid->addWidget(ListBoxTarget, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(2, 1);
  layout->addLayout(grid, 1);

  BitBtn1 = new QPushButton(tr("&Ok"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn2 = new QPushButton(tr("Can&cel"), this);
  BitBtn2->setObjectName("BitBtn2");
  layout->addLayout(ButtonRow({BitBtn1, BitBtn2}));
  BitBtn1->setDefault(true);

  connect(btnselect, &QPushButton::clicked, this, [this] { btnselectClick(); });
  connect(btnSelectAll, &QPushButton::clicked, this, [this] { btnSelectAllClick(); });
  connect(btnUnselect, &QPushButton::clicked, this, [this] { btnUnselectClick(); });
  connect(btnUnSelectAll, &QPushButton::clicked, this, [this] { btnUnSelectAllClick(); });
  connect(ListBoxSource, &QListWidget::itemDoubleClicked, this, [this] { btnselectClick(); });
  connect(ListBoxTarget, &QListWidget::itemDoubleClicked, this, [this] { btnUnselectClick(); });
  // A drop on the selected side brings the available lines over, and back.
  connect(ListBoxTarget, &SelectList::dropped, this, [this] { btnselectClick(); });
  connect(ListBoxSource, &SelectList::dropped, this, [this] { btnUnselectClick(); });
  // 439 x 323 at the usual font; larger when a larger font needs it.
  resize(QSize(439, 323).expandedTo(minimumSizeHint()));
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSelect::AddRangeItems(int32_t low, int32_t high) {
  for (int32_t code = low; code <= high; ++code) ItemList.push_back({std::to_string(code), "no"});
}

void TFormSelect::MarkSelected(const TArrayInteger& codes) {
  TArrayInteger wanted = codes;
  std::sort(wanted.begin(), wanted.end());
  for (auto& item : ItemList)
    if (std::binary_search(wanted.begin(), wanted.end(), CodeOf(item[0]))) item[1] = "yes";
}

TArrayInteger TFormSelect::SelectedCodes() const {
  TArrayInteger codes;
  for (const auto& item : ItemList)
    if (item[1] == "yes") codes.push_back(CodeOf(item[0]));
  return codes;
}

void TFormSelect::showEvent(QShowEvent* event) {
  if (!refreshed_) {
    refreshed_ = true;
    RefreshLists();
    if (const QScreen* desktop = screen()) move(desktop->geometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void TFormSelect::RefreshLists() {
  ListBoxSource->clear();
  ListBoxTarget->clear();
  int available = 0, selected = 0;
  for (size_t i = 0; i < ItemList.size(); ++i) {
    const bool yes = ItemList[i][1] == "yes";
    const QChar character(char16_t(CodeOf(ItemList[i][0])));
    auto* line = new QListWidgetItem(QString(character));
    line->setData(Qt::UserRole, qulonglong(i));  // the line's item in ItemList
    line->setSizeHint(QSize(0, kLineHeight));
    if (character == ' ') line->setData(Qt::AccessibleTextRole, QStringLiteral("space"));
    (yes ? ListBoxTarget : ListBoxSource)->addItem(line);
    ++(yes ? selected : available);
  }
  for (QListWidget* list :
       {static_cast<QListWidget*>(ListBoxSource), static_cast<QListWidget*>(ListBoxTarget)})
    if (list->count() > 0) list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
  Label1->setText(tr("&Available Items ( %1 )").arg(available));
  Label2->setText(tr("&Selected Items ( %1 )").arg(selected));
}

void TFormSelect::MoveSelected(QListWidget* list, const char* flag) {
  for (int row = 0; row < list->count(); ++row) {
    const QListWidgetItem* line = list->item(row);
    if (line->isSelected()) ItemList[line->data(Qt::UserRole).toULongLong()][1] = flag;
  }
  RefreshLists();
}

void TFormSelect::btnSelectAllClick() {
  ListBoxSource->selectAll();
  btnselectClick();
}

void TFormSelect::btnUnSelectAllClick() {
  ListBoxTarget->selectAll();
  btnUnselectClick();
}

bool SelectChars(QWidget* parent, const QString& title, const TArrayRang& ranges, TArrayInteger& codes) {
  TFormSelect dialog(parent);
  dialog.setWindowTitle(title);
  for (const auto& [low, high] : ranges) dialog.AddRangeItems(low, high);
  dialog.MarkSelected(codes);
  if (dialog.exec() != QDialog::Accepted) return false;
  codes = dialog.SelectedCodes();
  return true;
}

}  // namespace quenvar::ui
