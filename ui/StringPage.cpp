#include "ui/StringPage.h"

#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Codes.h"
#include "core/Errors.h"
#include "core/Feedback.h"
#include "core/IniFile.h"
#include "generators/StringRules.h"
#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::string;

namespace {

constexpr int kHistoryLength = 8;
const char kEditHint[] =
    QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Left-click or Double-click it to select");

// The characters of a list of codes, in list order, without separators.
QString ShowCodes(const TArrayInteger& codes) {
  QString text;
  for (int32_t c : codes)
    if (c > 0 && c <= 0xffff) text += QChar(char16_t(c));
  return text;
}

QPushButton* EditorButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

StringPage::StringPage() : GeneratorPage(InfoOf(Tab::String)) {
  loadWildcards();
  auto* row = new QHBoxLayout(inputPanel());
  row->setContentsMargins(8, 4, 8, 4);
  row->setSpacing(8);
  auto* left = new QVBoxLayout;
  left->setSpacing(2);
  left->addWidget(buildRange());
  left->addWidget(seed);
  row->addLayout(left, 0);
  row->addWidget(buildWildcards(), 1);

  input.Wildcards = &WildcardList;
  refreshNames();
  SetEditMode(false);
  ShowWildcard();
  Rx2SpinCountExit();
  Ch2DuplicateClick();
  comMaskExit();
}

void StringPage::loadWildcards() {
  // Edits go to the user's own copy, made from the shipped file when it can
  // be; until then the shipped wildcards are read, never written.
  WildcardList.FileName = WildcardFile().toStdString();
  try {
    WildcardList.LoadFrom(IniFile(paths::WildcardFile(paths::Use::Read)));
  } catch (const EInOutError& error) {
    // The page starts with no wildcards and says why, once the window is up.
    WildcardList.Items.clear();
    WildcardList.Unreadable = true;
    QTimer::singleShot(0, this, [this, message = Translated(error.text())] {
      ShowErrorMessage(window(), "EInOutError", message);
    });
  }
}

QWidget* StringPage::buildRange() {
  auto* range = new QGroupBox(tr("Range"), inputPanel());
  auto* grid = new QGridLayout(range);
  grid->setVerticalSpacing(4);
  auto* Label9 = new QLabel(tr("Mas&k"), range);
  comMask = new QComboBox(range);
  comMask->setObjectName("comMask");
  comMask->setEditable(true);
  comMask->setInsertPolicy(QComboBox::NoInsert);
  // A run uses exactly the mask typed: the history never completes it.
  comMask->setCompleter(nullptr);
  comMask->setToolTip(tr("To represent a literal character, '\\' should be added before the character."));
  Label9->setBuddy(comMask);
  comMask->setAccessibleName(tr("Mask"));
  comMask->lineEdit()->setAccessibleName(tr("Mask"));  // the field typed in is read by the same name
  auto* Label8 = new QLabel(tr("Co&unt to"), range);
  Rx2SpinCount =
      new TSpinEdit(range, kCount.min, kCount.max, kCount.fallback, tr("Between 1 and 2147483647"));
  Rx2SpinCount->setObjectName("Rx2SpinCount");
  Label8->setBuddy(Rx2SpinCount);
  Ch2Duplicate = new QCheckBox(tr("Allow &duplicate strings"), range);
  Ch2Duplicate->setObjectName("Ch2Duplicate");
  grid->addWidget(Label9, 0, 0);
  grid->addWidget(comMask, 0, 1);
  grid->addWidget(Label8, 1, 0);
  grid->addWidget(Rx2SpinCount, 1, 1);
  grid->addWidget(Ch2Duplicate, 2, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  connect(comMask->lineEdit(), &QLineEdit::editingFinished, this, [this] { comMaskExit(); });
  connect(Rx2SpinCount, &QSpinBox::editingFinished, this, [this] { Rx2SpinCountExit(); });
  connect(Ch2Duplicate, &QCheckBox::clicked, this, [this] { Ch2DuplicateClick(); });
  return range;
}

struct StringPage::GroupSpec {
  const char *check, *caption, *verb, *edit, *button, *title, *accessible;
  QCheckBox* StringPage::*checkBox;
  QLineEdit* StringPage::*editBox;
  QToolButton* StringPage::*selectButton;
  bool Tparchar::*flag;
  TArrayInteger Tparchar::*codes;
  TArrayRang ranges;
};

// clang-format off
const StringPage::GroupSpec StringPage::kGroups[4] = {
  {"ChUpper", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "U&ppercase A-Z "), QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "exclude"), "Editupper", "spUpper", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Select uppercase letters excluded"),
   QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Uppercase letters excluded"), &StringPage::ChUpper, &StringPage::Editupper, &StringPage::spUpper,
   &Tparchar::IscheckUpper, &Tparchar::UpperExclude, {{65, 90}}},
  {"Chlower", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Lo&wercase a-z  "), QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "exclude"), "EditLower", "splower", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Select lowercase letters excluded"),
   QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Lowercase letters excluded"), &StringPage::Chlower, &StringPage::EditLower, &StringPage::splower,
   &Tparchar::IscheckLower, &Tparchar::Lowerexclude, {{97, 122}}},
  {"ChNumber", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Num&ber 0-9 "), QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "exclude"), "EditNumber", "spNumber", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Select numbers excluded"),
   QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Numbers excluded"), &StringPage::ChNumber, &StringPage::EditNumber, &StringPage::spNumber,
   &Tparchar::IscheckNumber, &Tparchar::NumberExclude, {{48, 57}}},
  {"ChSpecial", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Special c&haracter "), QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "include"), "EditSpecial", "spspecial", QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Select special characters included"),
   QT_TRANSLATE_NOOP("quenvar::ui::StringPage", "Special characters included"), &StringPage::ChSpecial, &StringPage::EditSpecial, &StringPage::spspecial,
   &Tparchar::IscheckSpecial, &Tparchar::specialArray, {{32, 47}, {58, 64}, {91, 96}, {123, 126}}},
};
// clang-format on

void StringPage::addGroupRow(QGridLayout* grid, Group group) {
  const GroupSpec& info = kGroups[group];
  GroupRow& g = groups_[group];
  g.info = &info;
  g.check = this->*info.checkBox = new QCheckBox(tr(info.caption), PanelEdit);
  g.check->setObjectName(info.check);
  auto* label = new QLabel(tr(info.verb), PanelEdit);
  g.edit = this->*info.editBox = new QLineEdit(PanelEdit);
  g.edit->setObjectName(info.edit);
  g.edit->setReadOnly(true);
  g.edit->setToolTip(tr(kEditHint));
  g.edit->setAccessibleName(tr(info.accessible));
  g.edit->installEventFilter(this);
  // The edit is named on its own; its check box's key and Tab reach it.
  g.button = this->*info.selectButton = new QToolButton(PanelEdit);
  g.button->setObjectName(info.button);
  g.button->setText("...");
  g.button->setToolTip(tr(info.title));
  g.button->setAccessibleName(tr(info.title));  // "..." says nothing when read aloud
  // Half a set of letters in view: enough for the usual few, and the page
  // still shows whole at the size the window opens at (a longer set scrolls).
  g.edit->setMinimumWidth(g.edit->fontMetrics().horizontalAdvance("ABCDEFGHIJKLM") + 12);
  const int at = grid->rowCount();
  grid->addWidget(g.check, at, 0);
  grid->addWidget(label, at, 1);
  grid->addWidget(g.edit, at, 2);
  grid->addWidget(g.button, at, 3);
  connect(g.button, &QToolButton::clicked, this,
          [this, group] { guarded([this, group] { SelectGroupChars(group); }); });
}

QWidget* StringPage::buildWildcards() {
  auto* box = new QGroupBox(tr("Wildcard"), inputPanel());
  auto* row = new QHBoxLayout(box);
  row->setSpacing(6);

  ListBoxSpecial = new QTreeWidget(box);
  ListBoxSpecial->setObjectName("ListBoxSpecial");
  ListBoxSpecial->setAccessibleName(tr("Wildcards"));
  ListBoxSpecial->setColumnCount(2);
  ListBoxSpecial->setHeaderLabels({tr("Name"), tr("Description")});
  ListBoxSpecial->setRootIsDecorated(false);
  ListBoxSpecial->setUniformRowHeights(true);
  ListBoxSpecial->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBoxSpecial->setAllColumnsShowFocus(true);
  ListBoxSpecial->setMinimumWidth(ListBoxSpecial->fontMetrics().averageCharWidth() * 24);
  // The description is cut at the list's edge rather than scrolled to.
  ListBoxSpecial->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HeaderControl4 = ListBoxSpecial->header();
  HeaderControl4->setObjectName("HeaderControl4");
  HeaderControl4->setAccessibleName(tr("Wildcard columns"));
  HeaderControl4->setStretchLastSection(false);
  HeaderControl4->setSectionsMovable(false);
  HeaderControl4->resizeSection(0, 60);
  HeaderControl4->resizeSection(1, 240);
  row->addWidget(ListBoxSpecial);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  BtnAdd = EditorButton(box, "BtnAdd", tr("&Add  "), tr("Add wildcard"));
  btnEdit = EditorButton(box, "btnEdit", tr("&Edit"), tr("Edit wildcard"));
  btndelete = EditorButton(box, "btndelete", tr("De&lete"), tr("Delete wildcard"));
  btnSave = EditorButton(box, "btnSave", tr("&Save"), tr("Save wildcard"));
  btnCancel = EditorButton(box, "btnCancel", tr("Can&cel"), tr("Cancel operation"));
  for (QPushButton* b : {BtnAdd, btnEdit, btndelete, btnSave, btnCancel}) buttons->addWidget(b);
  buttons->addStretch(1);
  row->addLayout(buttons);

  PanelEdit = new QFrame(box);
  PanelEdit->setObjectName("PanelEdit");
  PanelEdit->setFrameShape(QFrame::StyledPanel);
  PanelEdit->setProperty(kOwnReturn, true);  // a wildcard being edited is saved first, not run
  auto* grid = new QGridLayout(PanelEdit);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
  auto* LabelName = new QLabel(tr("Na&me"), PanelEdit);
  comName = new QComboBox(PanelEdit);
  comName->setObjectName("comName");
  comName->setMaxVisibleItems(12);
  comName->setAccessibleName(tr("Name"));
  // Twelve lines, below the box, in every style (some styles would list
  // all 93 over the box, as tall as the screen).
  comName->setStyleSheet("QComboBox { combobox-popup: 0; }");
  for (int code = 33; code <= 126; ++code)
    if (code != '|') comName->addItem(QString(QChar(char16_t(code))));
  comName->setCurrentIndex(-1);
  LabelName->setBuddy(comName);
  auto* LabelDescription = new QLabel(tr("No&te"), PanelEdit);
  EditDescription = new QLineEdit(PanelEdit);
  EditDescription->setObjectName("EditDescription");
  LabelDescription->setBuddy(EditDescription);
  grid->addWidget(LabelName, 0, 0);
  grid->addWidget(comName, 0, 1, 1, 2, Qt::AlignLeft);
  grid->addWidget(LabelDescription, 1, 0);
  grid->addWidget(EditDescription, 1, 1, 1, 3);
  comName->setMinimumWidth(60);

  for (int group = Upper; group <= Special; ++group) addGroupRow(grid, Group(group));
  grid->setColumnStretch(2, 1);
  row->addWidget(PanelEdit, 1);

  auto handler = [this](void (StringPage::*method)()) {
    return [this, method] { guarded([this, method] { (this->*method)(); }); };
  };
  connect(BtnAdd, &QPushButton::clicked, this, handler(&StringPage::BtnAddClick));
  connect(btnEdit, &QPushButton::clicked, this, handler(&StringPage::btnEditClick));
  connect(btndelete, &QPushButton::clicked, this, handler(&StringPage::btndeleteClick));
  connect(btnSave, &QPushButton::clicked, this, handler(&StringPage::btnSaveClick));
  connect(btnCancel, &QPushButton::clicked, this, handler(&StringPage::btnCancelClick));
  connect(ChSpecial, &QCheckBox::clicked, this, handler(&StringPage::ChSpecialClick));
  connect(ListBoxSpecial, &QTreeWidget::itemSelectionChanged, this,
          handler(&StringPage::ListBoxSpecialClick));
  return box;
}

QStringList StringPage::commandLine() const {
  // "=" keeps a mask or a path that starts with "--" a value.
  // The wildcards file is named when the command is copied (writeCommandFiles).
  QStringList args{Arg(runs::kString), Arg(kMask, QString::fromStdString(input.Mask)), Arg(kWildcards, ""),
                   Arg(kCount), QString::number(input.Count)};
  if (input.Duplicate) args << Arg(kDuplicates);
  return args << Arg(runs::kSeed) << QString::number(seed->lastTaken());
}

void StringPage::writeCommandFiles() {
  // A copy of the run's wildcards, so that an edit made later leaves the
  // command repeating the run.
  Tlistparchar wildcards;
  wildcards.Items = runWildcards_;
  IniFile ini;
  wildcards.SaveTo(ini);
  const QString path = RunExports::WriteCommandFile("wildcards-", ".ini", ini.Text(), tr("wildcards file"));
  for (QString& word : exports().recordedRun())
    if (word.startsWith(Arg(kWildcards, ""))) word = Arg(kWildcards, path);
}

void StringPage::comMaskExit() { input.Mask = TrimMask(comMask->currentText().toStdString()); }

void StringPage::commitEdits() {
  ResultPage::commitEdits();
  comMaskExit();
}

QStringList StringPage::maskHistory() const {
  QStringList masks;
  for (int i = 0; i < comMask->count(); ++i) masks << comMask->itemText(i);
  return masks;
}

void StringPage::exchangeSettings(SettingsExchange& settings) {
  settings.section("Character");
  settings.columns({"column2", 2}, *this);
  const QStringList masks = settings.list({"commaskCount", 0}, "commask", maskHistory());
  if (settings.reading()) {
    // Every stored entry, empty ones too, after those the box has.
    comMask->addItems(masks);
    if (comMask->count() > 0) comMask->setCurrentIndex(0);
    comMaskExit();
  }
  settings.check({"Isrepeat", false}, Ch2Duplicate);
  if (settings.reading()) Ch2DuplicateClick();
  settings.sortOrder({"sortby", runs::kSort.fallback}, *this);
}

void StringPage::AddMaskHistory() {
  const QString mask = QString::fromStdString(input.Mask);
  if (mask.isEmpty()) return;
  // Changing the items may change the edit text; what was typed stays.
  const QString typed = comMask->currentText();
  if (comMask->count() == 0)
    comMask->addItem(mask);
  else if (comMask->findText(mask, Qt::MatchFixedString) < 0)  // fixed string: letter case ignored
    comMask->insertItem(0, mask);
  if (comMask->count() > kHistoryLength) comMask->removeItem(comMask->count() - 1);
  comMask->setEditText(typed);
}

void StringPage::prepareStart() {
  if (editing()) RefuseInput(tr("Please Save or Cancel Wildcard before generate randoms"));
  AddMaskHistory();
  radix = RadixDecimal;
}

void StringPage::validateInputs() {
  if (auto error = StringInputError(input.Mask)) RefuseInput(*error);
}

void StringPage::generate(RandomSource& source) {
  // The seed of this run, taken just now: a click meanwhile chooses the next.
  runSeedBits_ = seed->seedBits();
  runWildcards_ = WildcardList.Items;
  GeneratorPage::generate(source);
}

QString StringPage::totalsText() const {
  // The run's own setting: the box may have been clicked while it ran.
  return Translated(StringTotalsWithStrength(generator.Input.Duplicate, generator.PossibleTotal(),
                                             generator.GeneratedTotal(), generator.StrengthBits(),
                                             runSeedBits_));
}

void StringPage::showEvent(QShowEvent* event) {
  GeneratorPage::showEvent(event);
  if (!event->spontaneous()) PageShown();
}

void StringPage::PageShown() {
  // While a wildcard is edited the list is disabled and the editor is left
  // as it is.
  if (ListBoxSpecial->isEnabled() && !WildcardList.Items.empty() && selectedRow() < 0) {
    selectRow(0);
    ListBoxSpecial->setFocus();
  }
  comMask->setFocus();
}

bool StringPage::eventFilter(QObject* watched, QEvent* event) {
  const bool click =
      event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
  if (click && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    for (int g = Upper; g <= Special; ++g)
      if (watched == groups_[g].edit && groups_[g].edit->isEnabled()) {
        guarded([this, g] { SelectGroupChars(Group(g)); });
        return true;
      }
  return GeneratorPage::eventFilter(watched, event);
}

int StringPage::selectedRow() const {
  const QList<QTreeWidgetItem*> selected = ListBoxSpecial->selectedItems();
  return selected.isEmpty() ? -1 : ListBoxSpecial->indexOfTopLevelItem(selected.front());
}

void StringPage::refreshNames() {
  WildcardList.GetNames(WildcardNames);
  const QSignalBlocker quiet(ListBoxSpecial);
  ListBoxSpecial->clear();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(WildcardNames.size()));
  for (const auto& [name, note] : WildcardNames) {
    auto* item = new QTreeWidgetItem({QString::fromStdString(name), QString::fromStdString(note)});
    item->setSizeHint(0, QSize(0, 15));
    rows << item;
  }
  ListBoxSpecial->addTopLevelItems(rows);
}

void StringPage::selectRow(int row) {
  {
    const QSignalBlocker quiet(ListBoxSpecial);
    ListBoxSpecial->setCurrentItem(ListBoxSpecial->topLevelItem(row));
  }
  ListBoxSpecialClick();
}

void StringPage::ListBoxSpecialClick() {
  const int row = selectedRow();
  if (row < 0) return;
  WildcardList.Find(WildcardNames[static_cast<size_t>(row)][0], EditWildcard);
  ShowWildcard();
}

void StringPage::ShowWildcard() {
  comName->setCurrentIndex(comName->findText(QString::fromStdString(EditWildcard.Name),
                                             Qt::MatchExactly | Qt::MatchCaseSensitive));
  EditDescription->setText(QString::fromStdString(EditWildcard.Description));
  for (const GroupRow& g : groups_) {
    g.check->setChecked(EditWildcard.*g.info->flag);
    g.edit->setText(ShowCodes(EditWildcard.*g.info->codes));
  }
}

void StringPage::ReadWildcard() {
  EditWildcard.Name = comName->currentIndex() < 0 ? std::string() : comName->currentText().toStdString();
  EditWildcard.Description = EditDescription->text().toStdString();
  for (const GroupRow& g : groups_) EditWildcard.*g.info->flag = g.check->isChecked();
}

void StringPage::SetEditMode(bool editing) {
  PanelEdit->setEnabled(editing);
  btnSave->setEnabled(editing);
  btnCancel->setEnabled(editing);
  for (QWidget* w : {static_cast<QWidget*>(ListBoxSpecial), static_cast<QWidget*>(BtnAdd),
                     static_cast<QWidget*>(btnEdit), static_cast<QWidget*>(btndelete)})
    w->setEnabled(!editing);
  view().header()->setEnabled(!editing);
}

void StringPage::BtnAddClick() {
  comName->setCurrentIndex(-1);
  {
    const QSignalBlocker quiet(ListBoxSpecial);
    ListBoxSpecial->clearSelection();
    ListBoxSpecial->setCurrentItem(nullptr);
  }
  EditWildcard = Tparchar{};
  ShowWildcard();
  Adding = true;
  SetEditMode(true);
  comName->setFocus();
}

void StringPage::btnEditClick() {
  if (WildcardList.Items.empty()) return;
  // The wildcard changed is the selected one: with none selected, the first.
  if (selectedRow() < 0) selectRow(0);
  Adding = false;
  SetEditMode(true);
  comName->setFocus();
}

void StringPage::btnSaveClick() {
  ReadWildcard();
  if (auto error = WildcardGroupError(EditWildcard)) RefuseInput(*error);
  const int before = selectedRow();
  // A refusal or a file that cannot be written ends here, the editor open
  // with what was typed and the list as it was.
  if (Adding)
    WildcardList.Add(EditWildcard);
  else
    WildcardList.Modify(WildcardNames[static_cast<size_t>(std::max(before, 0))][0], EditWildcard);
  SetEditMode(false);
  refreshNames();
  const int last = static_cast<int>(WildcardNames.size()) - 1;
  if (last >= 0) selectRow(Adding || before < 0 ? last : std::min(before, last));
}

void StringPage::btnCancelClick() {
  if (WildcardList.Items.empty()) {
    EditWildcard = Tparchar{};
    ShowWildcard();
  } else {
    selectRow(std::max(selectedRow(), 0));
  }
  SetEditMode(false);
}

void StringPage::btndeleteClick() {
  if (WildcardList.Items.empty()) return;
  const int row = std::max(selectedRow(), 0);
  for (QPushButton* b : {BtnAdd, btnEdit, btndelete}) b->setEnabled(false);
  const auto enable = qScopeGuard([this] {
    for (QPushButton* b : {BtnAdd, btnEdit, btndelete}) b->setEnabled(true);
  });
  WildcardList.Delete(WildcardNames[static_cast<size_t>(row)][0]);
  refreshNames();
  const int last = static_cast<int>(WildcardNames.size()) - 1;
  if (last < 0) {
    EditWildcard = Tparchar{};
    ShowWildcard();
  } else {
    selectRow(std::min(row, last));
  }
}

void StringPage::ChSpecialClick() {
  if (ChSpecial->isChecked() && PanelEdit->isEnabled()) SelectGroupChars(Special);
}

void StringPage::SelectGroupChars(Group group) {
  const GroupRow& g = groups_[group];
  if (!SelectChars(window(), tr(g.info->title), g.info->ranges, EditWildcard.*g.info->codes)) return;
  // The name, note and boxes typed so far stay as they are.
  ReadWildcard();
  ShowWildcard();
}

}  // namespace quenvar::ui
