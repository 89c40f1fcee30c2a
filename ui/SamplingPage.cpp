#include "ui/SamplingPage.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "core/Errors.h"
#include "core/OutputFile.h"
#include "core/Paths.h"
#include "core/TextLines.h"
#include "generators/SamplingRules.h"
#include "ui/Platform.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::sample;

namespace {
const char kTextFilter[] = QT_TRANSLATE_NOOP("quenvar::ui::SamplingPage", "All TXT File(*.txt)");
}

SamplingPage::SamplingPage() : GeneratorPage(InfoOf(Tab::Sampling)) {
  auto* row = new QHBoxLayout(inputPanel());
  row->setContentsMargins(8, 4, 8, 4);
  row->setSpacing(10);

  LabelSampling = new QGroupBox(inputPanel());
  LabelSampling->setObjectName("LabelSampling");
  auto* itemRow = new QHBoxLayout(LabelSampling);
  itemRow->setContentsMargins(6, 4, 6, 6);
  auto* buttons = new QGridLayout;
  buttons->setSpacing(2);
  auto button = [&](const char* name, const QString& hint, const QIcon& icon, const QString& text,
                    void (SamplingPage::*handler)()) {
    auto* b = new QToolButton(LabelSampling);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAccessibleName(QString(hint).simplified());  // an icon's name is its hint
    b->setFocusPolicy(Qt::TabFocus);
    b->setAutoRaise(true);
    b->setMinimumSize(34, 30);
    if (icon.isNull())
      b->setText(text);
    else
      b->setIcon(icon);
    const int at = buttons->count();
    buttons->addWidget(b, at / 2, at % 2);
    connect(b, &QToolButton::clicked, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    return b;
  };
  QStyle* s = style();
  SpeedButton15 = button("SpeedButton15", tr("Load items from TXT  file ( Append method )"),
                         s->standardIcon(QStyle::SP_DialogOpenButton), "", &SamplingPage::SpeedButton15Click);
  SpeedButton16 = button("SpeedButton16", tr("Save all the items to TXT file"),
                         s->standardIcon(QStyle::SP_DialogSaveButton), "", &SamplingPage::SpeedButton16Click);
  SpeedButton17 = button("SpeedButton17", tr("Add item"), QIcon(), "+", &SamplingPage::SpeedButton17Click);
  SpeedButton18 =
      button("SpeedButton18", tr("Edit Item"), QIcon(), tr("Edit"), &SamplingPage::SpeedButton18Click);
  btnSelectall =
      button("btnSelectall", tr("Check all items"), QIcon(), "\u2611", &SamplingPage::btnSelectallClick);
  btnUnselectAll = button("btnUnselectAll", tr("Uncheck all items"), QIcon(), "\u2610",
                          &SamplingPage::btnUnselectAllClick);
  SpeedButton19 = button("SpeedButton19", tr("Delete item"), s->standardIcon(QStyle::SP_DialogDiscardButton),
                         "", &SamplingPage::SpeedButton19Click);
  SpeedButton20 = button("SpeedButton20", tr("Delete all items"), s->standardIcon(QStyle::SP_TrashIcon), "",
                         &SamplingPage::SpeedButton20Click);
  buttons->setRowStretch(buttons->rowCount(), 1);
  itemRow->addLayout(buttons);

  items = new ItemListModel(this);
  ListBoxSampling = new ItemListView(LabelSampling);
  ListBoxSampling->setObjectName("ListBoxSampling");
  ListBoxSampling->setModel(items);
  ListBoxSampling->setFont(ResultDelegate::ResultFont());
  ListBoxSampling->setToolTip(
      tr("Right-click it to open popup menu\r\nCtrl+Click or Shift+Chick to select multi-item"));
  ListBoxSampling->setAccessibleName(tr("Items"));
  ListBoxSampling->setContextMenuPolicy(Qt::CustomContextMenu);
  itemRow->addWidget(ListBoxSampling, 1);
  row->addWidget(LabelSampling, 3);

  PMSampling = new QMenu(this);
  PMSampling->setObjectName("PMSampling");
  auto item = [this](const char* name, const QString& text, void (SamplingPage::*handler)()) {
    QAction* a = PMSampling->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
  };
  item("InsertBefore1", tr("Insert Before"), &SamplingPage::InsertBefore1Click);
  item("InsertAfter1", tr("Insert After"), &SamplingPage::InsertAfter1Click);
  PMSampling->addSeparator();
  item("DeleteCurrentItem1", tr("Delete Current Item"), &SamplingPage::SpeedButton19Click);
  item("DeleteSelectedItems1", tr("Delete Selected Items"), &SamplingPage::DeleteSelectedItems1Click);
  item("DeleteAllItems1", tr("Delete All Items"), &SamplingPage::SpeedButton20Click);
  PMSampling->addSeparator();
  item("CheckAllItems1", tr("Check All Items"), &SamplingPage::btnSelectallClick);
  item("UncheckAllItems1", tr("Uncheck All Items"), &SamplingPage::btnUnselectAllClick);
  connect(ListBoxSampling, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PMSampling->popup(ListBoxSampling->viewport()->mapToGlobal(p)); });

  auto* right = new QGridLayout;
  right->setSpacing(6);
  auto* range = new QGroupBox(tr("Range"), inputPanel());
  auto* rangeGrid = new QGridLayout(range);
  RxSpinEdit22 =
      new TSpinEdit(range, kCount.min, kCount.max, kCount.fallback, tr("Between 1 and 2147483647"));
  RxSpinEdit22->setObjectName("RxSpinEdit22");
  auto* countLabel = new QLabel(tr("&Count to"), range);
  countLabel->setBuddy(RxSpinEdit22);
  CheckBox22 = new QCheckBox(tr("Allow &duplicate sampling"), range);
  CheckBox22->setObjectName("CheckBox22");
  rangeGrid->addWidget(countLabel, 0, 0);
  rangeGrid->addWidget(RxSpinEdit22, 0, 1);
  rangeGrid->addWidget(CheckBox22, 1, 0, 1, 2);
  auto* option = new QGroupBox(tr("Option"), inputPanel());
  auto* optionRow = new QVBoxLayout(option);
  ChSaveItem = new QCheckBox(tr("Save &left items when exit, so they can be auto loaded next time"), option);
  ChSaveItem->setObjectName("ChSaveItem");
  optionRow->addWidget(ChSaveItem);
  right->addWidget(range, 0, 0);
  right->addWidget(seed, 0, 1);
  right->addWidget(option, 1, 0, 1, 2);
  right->setRowStretch(2, 1);
  row->addLayout(right, 2);

  connect(RxSpinEdit22, &QSpinBox::editingFinished, this, [this] { RxSpinEdit22Exit(); });
  connect(CheckBox22, &QCheckBox::clicked, this, [this] { CheckBox22Click(); });
  connect(items, &ItemListModel::checkedCountChanged, this, [this] { UpdateSamplingCaption(); });

  RxSpinEdit22Exit();
  CheckBox22Click();
  UpdateSamplingCaption();
  exports().enableDistribution();
}

void SamplingPage::UpdateSamplingCaption() {
  LabelSampling->setTitle(tr("Random sampling from the %1 checked items below").arg(items->checkedCount()));
}

void SamplingPage::validateInputs() {
  if (auto error = SamplingInputError(static_cast<size_t>(items->count()),
                                      static_cast<size_t>(items->checkedCount()))) {
    ShowWarning(*error);
    throw EAbort();
  }
}

void SamplingPage::exchangeSettings(SettingsExchange& settings) {
  settings.section("Sampling");
  settings.columns({"column", 2}, *this);
}

void SamplingPage::exchangeItems(SettingsExchange& settings) {
  settings.section("Sampling Items");
  settings.check({"IsSave", true}, ChSaveItem);
  if (!ChSaveItem->isChecked()) return;  // the items of an earlier run stay in the file
  QStringList kept;
  if (settings.writing()) {
    const int n = std::min(items->count(), kMaxSavedItems);
    if (items->count() > kMaxSavedItems && !settings.remembering())
      platform().messageBox(window(),
                            tr("In Random Sampling tab, only first 800 items can be saved when exit!"),
                            Icon::Information, false);
    kept.reserve(n);
    for (int row = 0; row < n; ++row) kept << items->text(row);
  }
  kept = settings.list({"Total", 0}, "item", kept);
  if (settings.reading()) {
    items->clear();
    TArrayString texts;
    for (const QString& text : kept)
      if (!text.isEmpty()) texts.push_back(text.toStdString());
    items->appendAll(texts);
  }
}

void SamplingPage::generate(RandomSource& source) {
  // The run's own copy: editing the list meanwhile changes nothing in it.
  runItems_ = items->checkedTexts();
  const TArrayString& checked = runItems_;
  input.Items = &checked;
  try {
    GeneratorPage::generate(source);
  } catch (...) {
    input.Items = nullptr;
    throw;
  }
  input.Items = nullptr;
}

QString SamplingPage::CommandItemsFile(const TArrayString& texts) {
  return RunExports::CommandFile("sampling-items-", ".txt", RunExports::LinesText(texts));
}

QStringList SamplingPage::commandLine() const {
  // The items file is named when the command is copied (writeCommandFiles).
  QStringList args{Arg(runs::kSample), Arg(kItems, ""), Arg(kCount), QString::number(input.Count)};
  if (input.Duplicate) args << Arg(kDuplicates);
  return args << Arg(runs::kSeed) << QString::number(seed->lastTaken());
}

void SamplingPage::writeCommandFiles() {
  const QString path = RunExports::WriteCommandFile("sampling-items-", ".txt",
                                                    RunExports::LinesText(runItems_), tr("items file"));
  for (QString& word : exports().recordedRun())
    if (word.startsWith(Arg(kItems, ""))) word = Arg(kItems, path);
}

QString SamplingPage::totalsText() const {
  return Translated(
      SamplingTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal()));
}

void SamplingPage::activated() {
  ListBoxSampling->setFocus();
  if (items->count() == 0) return;
  if (!ListBoxSampling->selectionModel()->hasSelection()) makeCurrent(0);
  if (items->checkedCount() == 0) btnSelectallClick();
}

void SamplingPage::makeCurrent(int row) {
  const QModelIndex at = items->index(row);
  ListBoxSampling->selectionModel()->setCurrentIndex(at, QItemSelectionModel::Select);
  ListBoxSampling->scrollTo(at);
}

std::optional<QString> SamplingPage::askItem(const QString& caption, const QString& prompt,
                                             const QString& text) {
  auto answer = platform().inputBox(window(), caption, prompt, text);
  if (!answer || answer->isEmpty()) return std::nullopt;
  return answer;
}

bool SamplingPage::ask(const QString& question) {
  return platform().messageBox(window(), question, Icon::Warning, true) == Answer::Yes;
}

void SamplingPage::SpeedButton17Click() {
  const auto text = askItem(tr("Add item window"), tr("Add item"), tr("Please input new item"));
  if (!text) return;
  items->append(*text);
  makeCurrent(items->count() - 1);
}

void SamplingPage::SpeedButton18Click() {
  const QModelIndex current = ListBoxSampling->currentIndex();
  if (!current.isValid()) return;
  const auto text = askItem(tr("Edit item window"), tr("Edit item"), items->text(current.row()));
  if (!text) return;
  items->replace(current.row(), *text);
  makeCurrent(current.row());
}

void SamplingPage::insertAt(int offset) {
  const QModelIndex current = ListBoxSampling->currentIndex();
  if (items->count() == 0 || !current.isValid()) {
    SpeedButton17Click();
    return;
  }
  const int p = current.row();
  const auto text = askItem(tr("Add item window"), tr("Add item"), tr("Please input new item"));
  if (!text) return;
  ListBoxSampling->selectionModel()->select(current, QItemSelectionModel::Deselect);
  items->insert(p + offset, *text);
  makeCurrent(p + offset);
}

void SamplingPage::SpeedButton19Click() {
  const QModelIndex current = ListBoxSampling->currentIndex();
  if (!current.isValid()) return;
  const int p = current.row();
  if (!ask(tr("Do you want to delete the item?"))) return;
  items->remove(p);
  if (items->count() > 0) makeCurrent(std::min(p, items->count() - 1));
}

void SamplingPage::DeleteSelectedItems1Click() {
  if (!ask(tr("Do you want to delete the selected items?"))) return;
  // Deleting the first selected item while any is selected leaves the
  // unselected ones in their order: one pass over the list does the same.
  std::vector<char> marked(static_cast<size_t>(items->count()), 0);
  bool any = false;
  for (const QItemSelectionRange& range : ListBoxSampling->selectionModel()->selection()) {
    std::fill(marked.begin() + range.top(), marked.begin() + range.bottom() + 1, 1);
    any = true;
  }
  if (!any) return;
  items->removeMarked(marked);
  if (items->count() > 0) makeCurrent(items->count() - 1);
}

void SamplingPage::SpeedButton20Click() {
  if (!ask(tr("Do you want to delete all the items?"))) return;
  items->clear();
}

void SamplingPage::SpeedButton15Click() {
  const QString path = platform().openFileName(window(), QString(), tr(kTextFilter));
  if (!path.isEmpty()) loadItems(path);
}

void SamplingPage::loadItems(const QString& path) {
  // Read whole before the list changes, so a failed read leaves it as it was.
  const TArrayString lines = GuardMemory([&] { return ReadNonEmptyLines(path.toStdString(), false); });
  items->appendAll(lines);
  if (items->count() > 0) {
    ListBoxSampling->selectionModel()->setCurrentIndex(items->index(items->count() - 1),
                                                       QItemSelectionModel::NoUpdate);
  }
  UpdateSamplingCaption();
  btnSelectallClick();
}

void SamplingPage::SpeedButton16Click() {
  const QString path = platform().saveFileName(window(), tr("Please select file to save data"),
                                               tr(kTextFilter), "txt", QString());
  if (!path.isEmpty()) saveItems(path);
}

void SamplingPage::saveItems(const QString& path) const {
  // Written beside the old file, which it replaces only when complete.
  OutputFile out(path.toStdString(), {});
  for (int row = 0; row < items->count(); ++row) {
    out.write(items->utf8(row));
    out.write("\r\n");
  }
  out.commit();
}

}  // namespace quenvar::ui
