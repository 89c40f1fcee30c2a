#include "ui/FilePage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QActionGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QStyledItemDelegate>

#include "generators/FileRules.h"
#include "ui/Accessible.h"
#include "ui/Platform.h"
#include "ui/RunArguments.h"
#include "ui/Settings.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

using namespace runs::file;

namespace {
const char kDisplayOnHint[] =
    QT_TRANSLATE_NOOP("quenvar::ui::FilePage", "Display Results In List Box While Create Random File");
const char kDisplayOffHint[] =
    QT_TRANSLATE_NOOP("quenvar::ui::FilePage", "Don't Display Results In List Box While Create Random File");
const char kDisplayOffLine[] =
    QT_TRANSLATE_NOOP("quenvar::ui::FilePage",
                      "You have disabled displaying in the list box to generate random bytes file quickly !");

QString WrittenRunGoneText(const std::string& file) {
  return FilePage::
      tr("The bytes of this run cannot be shown: they came from the system's generator, which cannot draw "
         "them again, and the file '%1' has changed since the run wrote them.")
          .arg(QString::fromStdString(file));
}
}  // namespace

FilePage::FilePage() : GeneratorPage(InfoOf(Tab::File)) {
  rowDelegate_ = view().list()->itemDelegate();
  lineDelegate_ = new QStyledItemDelegate(view().list());
  disabledLine = new QStringListModel(QStringList{tr(kDisplayOffLine)}, this);
  view().model()->setEntries([this] { return entryCount() > 0 ? generator.ByteCount() : size_t(0); },
                             [this](size_t entry) { return byteText(entry); });
  formatter_.Comma = false;
  buildToolPieces();
  buildInputs();
  exports().enableDistribution();

  BaseFileName = DefaultFileName();
  ChAutoFileNameClick();
  raOverwriteClick();
  btnHexClick();
  btn3DisplayedClick();
  Rx3SpinCountExit();
}

void FilePage::buildToolPieces() {
  auto* radixes = new QActionGroup(this);
  // One exclusive group to assistive technology: four radio buttons.
  auto* group = new QWidget;
  group->setObjectName("radixGroup");
  group->setProperty(kExclusiveGroup, true);
  group->setAccessibleName(tr("Display radix"));
  auto* groupRow = new QHBoxLayout(group);
  groupRow->setContentsMargins(0, 0, 0, 0);
  groupRow->setSpacing(2);
  actions().addToolWidget(group);
  auto radixButton = [&](QAction*& action, const QString& menuText, const QString& caption,
                         const QString& hint, const char* name) {
    action = new QAction(menuText, this);
    action->setIconText(caption);
    action->setToolTip(hint);
    action->setCheckable(true);
    radixes->addAction(action);
    connect(action, &QAction::triggered, this, [this] { guarded([this] { btnHexClick(); }); });
    auto* button = new QToolButton(group);
    button->setObjectName(name);
    button->setDefaultAction(action);
    button->setAccessibleName(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setMinimumSize(34, 30);
    groupRow->addWidget(button);
    return button;
  };
  btnHex = radixButton(mH, tr("As Hex"), tr("Hex"), tr("Display As Hex"), "btnHex");
  btnDec = radixButton(mD, tr("As Decimal"), tr("Dec"), tr("Display As Decimal"), "btnDec");
  btnOct = radixButton(mO, tr("As Octet"), tr("Oct"), tr("Display As Octet"), "btnOct");
  btnBin = radixButton(mB, tr("As Binary"), tr("Bin"), tr("Display As Binary"), "btnBin");
  mD->setChecked(true);

  // One command for the display button and the popup's last item, whose
  // caption is the button's hint.
  pmEnableDisplay =
      new QAction(style()->standardIcon(QStyle::SP_FileDialogListView), tr("Enabled Display"), this);
  pmEnableDisplay->setCheckable(true);
  pmEnableDisplay->setChecked(true);
  connect(pmEnableDisplay, &QAction::triggered, this, [this] { guarded([this] { btn3DisplayedClick(); }); });
  btn3Displayed = new QToolButton;
  btn3Displayed->setObjectName("btn3Displayed");
  btn3Displayed->setDefaultAction(pmEnableDisplay);
  btn3Displayed->setAutoRaise(true);
  btn3Displayed->setFocusPolicy(Qt::TabFocus);
  btn3Displayed->setIconSize(QSize(20, 20));
  btn3Displayed->setMinimumSize(30, 30);
  actions().addToolWidget(btn3Displayed);

  // PmFile: "&Display Method" first, then the columns, then display on/off.
  auto* method = new QMenu(tr("&Display Method"), actions().popup());
  method->addActions({mH, mD, mO, mB});
  actions().popup()->insertMenu(actions().popup()->actions().value(0), method);
  actions().popup()->addSeparator();
  actions().popup()->addAction(pmEnableDisplay);

  connect(this, &ResultPage::busyChanged, this, [this](bool busy) {
    for (QAction* action : {mH, mD, mO, mB, pmEnableDisplay}) action->setEnabled(!busy);
  });
}

void FilePage::buildInputs() {
  auto* row = new QHBoxLayout(inputPanel());
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(10);

  auto* fileGroup = new QGroupBox(tr("File"), inputPanel());
  auto* grid = new QGridLayout(fileGroup);
  auto* Label7 = new QLabel(tr("&Size ( Byte )"), fileGroup);
  Rx3SpinCount =
      new TByteCountEdit(fileGroup, kSize.min, kSize.max, kSize.fallback, tr("Between 1 and 2147483647"));
  Rx3SpinCount->setObjectName("Rx3SpinCount");
  Rx3SpinCount->setMaximumWidth(160);
  Label7->setBuddy(Rx3SpinCount);
  auto* Label14 = new QLabel(tr("N&ame"), fileGroup);
  EditFileName = new QLineEdit(fileGroup);
  EditFileName->setObjectName("EditFileName");
  EditFileName->setReadOnly(true);
  Label14->setBuddy(EditFileName);
  spSelectFile = new QToolButton(fileGroup);
  spSelectFile->setObjectName("spSelectFile");
  spSelectFile->setText("...");
  spSelectFile->setToolTip(tr("Please select file to save data"));
  spSelectFile->setAccessibleName(tr("Please select file to save data"));
  ChAutoFileName = new QCheckBox(tr("Au&to add number suffix"), fileGroup);
  ChAutoFileName->setObjectName("ChAutoFileName");
  ChAutoFileName->setChecked(true);
  RxSpinAutoFilename = new TSpinEdit(fileGroup, 1, kMaxFileSuffix, 1, "");
  RxSpinAutoFilename->setObjectName("RxSpinAutoFilename");
  RxSpinAutoFilename->editor()->setReadOnly(true);  // arrows only
  RxSpinAutoFilename->setMinimumWidth(64);
  auto* Label15 = new QLabel(tr("to &filename when generate"), fileGroup);
  Label15->setBuddy(RxSpinAutoFilename);
  Label15->setWordWrap(true);  // two lines where the page is narrow
  grid->addWidget(Label7, 0, 0);
  grid->addWidget(Rx3SpinCount, 0, 1, 1, 2);
  grid->addWidget(Label14, 1, 0);
  grid->addWidget(EditFileName, 1, 1, 1, 3);
  grid->addWidget(spSelectFile, 1, 4);
  grid->addWidget(ChAutoFileName, 2, 0, 1, 2);
  grid->addWidget(RxSpinAutoFilename, 2, 2);
  grid->addWidget(Label15, 2, 3, 1, 2);
  grid->setColumnStretch(3, 1);
  connect(Rx3SpinCount, &QSpinBox::editingFinished, this, [this] { Rx3SpinCountExit(); });
  connect(spSelectFile, &QToolButton::clicked, this, [this] { guarded([this] { spSelectFileClick(); }); });
  connect(ChAutoFileName, &QCheckBox::clicked, this, [this] { ChAutoFileNameClick(); });
  connect(RxSpinAutoFilename, &QSpinBox::valueChanged, this, [this] { ChAutoFileNameClick(); });
  row->addWidget(fileGroup, 6);

  auto* options = new QGroupBox(tr("Options"), inputPanel());
  auto* optionRows = new QVBoxLayout(options);
  raOverwrite = new QRadioButton(tr("&Create or overwrite the file"), options);
  raOverwrite->setObjectName("raOverwrite");
  raOverwrite->setChecked(true);
  raAppend = new QRadioButton(tr("A&ppend data to end of the file"), options);
  raAppend->setObjectName("raAppend");
  optionRows->addWidget(raOverwrite);
  optionRows->addWidget(raAppend);
  connect(raOverwrite, &QRadioButton::toggled, this, [this] { raOverwriteClick(); });
  row->addWidget(options, 3);
  row->addWidget(seed, 2);
}

QString FilePage::DefaultFileName() { return QDir::homePath() + "/byteFile.dat"; }

void FilePage::exchangeSettings(SettingsExchange& settings) {
  settings.section("File");
  settings.columns({"column", 2}, *this);
  const TextKey fileName{"Filename", DefaultFileName()};
  settings.value(fileName, BaseFileName);
  if (settings.reading() && BaseFileName.trimmed().isEmpty())
    BaseFileName = fileName.fallback;  // a run needs one
  settings.check({"IsAuto", true}, ChAutoFileName);
  settings.spin({"Incream", 1}, RxSpinAutoFilename);
  if (settings.reading()) ChAutoFileNameClick();
  settings.check({"IsDisplayed", true}, pmEnableDisplay);
  if (settings.reading()) btn3DisplayedClick();
}

void FilePage::ChAutoFileNameClick() {
  RxSpinAutoFilename->setEnabled(ChAutoFileName->isChecked());
  if (BaseFileName.trimmed().isEmpty()) return;
  EditFileName->setText(QString::fromStdString(NumberedFileName(
      BaseFileName.toStdString(), ChAutoFileName->isChecked(), RxSpinAutoFilename->value())));
  input.FileName = EditFileName->text().toStdString();
}

void FilePage::spSelectFileClick() {
  const QString name = platform().saveFileName(window(), tr("Please select file to save data"),
                                               tr("All Data File(*.dat)"), "dat", BaseFileName);
  if (name.isEmpty()) return;
  BaseFileName = name;
  ChAutoFileNameClick();
}

void FilePage::btnHexClick() {
  radix = mH->isChecked()   ? RadixHex
          : mO->isChecked() ? RadixOctal
          : mB->isChecked() ? RadixBinary
                            : RadixDecimal;
  formatter_.Radix = radix;
  for (int value = 0; value < 256; ++value) byteTexts_[size_t(value)] = formatter_.FormatRandom(value);
  // The rows are formatted as they are drawn: a repaint shows the new form.
  view().list()->viewport()->update();
}

void FilePage::showModel(QAbstractItemModel* shown, QAbstractItemDelegate* delegate) {
  if (view().list()->model() == shown) return;
  QItemSelectionModel* old = view().list()->selectionModel();
  view().list()->setModel(shown);
  view().list()->setItemDelegate(delegate);
  delete old;
}

void FilePage::btn3DisplayedClick() {
  if (btn3Displayed->isChecked()) {
    view().model()->clear();
    showModel(view().model(), rowDelegate_);
    pmEnableDisplay->setToolTip(tr(kDisplayOnHint));
    pmEnableDisplay->setText(tr(kDisplayOnHint));
    if (written_ && resultsShown() && generator.ByteCount() == 0) ShowWrittenRun();
    ReformatResults();
  } else {
    if (disabledLine->stringList() != QStringList{tr(kDisplayOffLine)})
      disabledLine->setStringList({tr(kDisplayOffLine)});
    showModel(disabledLine, lineDelegate_);
    view().model()->clear();
    pmEnableDisplay->setToolTip(tr(kDisplayOffHint));
    pmEnableDisplay->setText(tr(kDisplayOffHint));
  }
  btn3Displayed->setAccessibleName(pmEnableDisplay->toolTip());
}

FilePage::WrittenRun::Stamp FilePage::WrittenRun::StampOf(const std::string& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return {};
  return {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
          static_cast<int64_t>(info.st_size),
          static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

bool FilePage::readBack(const WrittenRun& run) {
  if (WrittenRun::StampOf(run.file) != run.stamp) return false;
  const int fd = open(run.file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  uint8_t* bytes = generator.MakeRoom(static_cast<size_t>(run.count));
  progressView()->start(run.count);
  labelView()->setCaption(TR_NOOP("Core", "Read File ..."));
  int64_t done = 0;
  while (done < run.count && !StopDisplay) {
    const auto n = static_cast<size_t>(std::min<int64_t>(int64_t{1} << 20, run.count - done));
    const ssize_t got = pread(fd, bytes + done, n, run.offset + done);
    if (got <= 0) break;
    done += got;
    progressView()->setPosition(done);
    LetMessagesRun();
  }
  ::close(fd);
  labelView()->setCaption(TR_NOOP("Core", "Done"));
  progressView()->hide();
  // Changed while it was read: these bytes are not the run's.
  if (done != run.count || WrittenRun::StampOf(run.file) != run.stamp) {
    generator.ReleaseBytes();
    return StopDisplay;
  }
  return true;
}

void FilePage::ShowWrittenRun() {
  const WrittenRun run = *written_;
  if (run.seeded) {
    // Drawn again from the run's seed as they are shown; the random source
    // is left as it was, for a run on another page that may be under way.
    generator.KeepSeeded(run.seed, static_cast<size_t>(run.count));
    return;
  }
  StopDisplay = false;
  SetBusy(true);
  try {
    if (!readBack(run) && !StopDisplay) {
      disabledLine->setStringList({WrittenRunGoneText(run.file)});
      showModel(disabledLine, lineDelegate_);
    }
  } catch (...) {
    SetBusy(false);
    generator.ReleaseBytes();
    throw;
  }
  SetBusy(false);
  if (StopDisplay) generator.ReleaseBytes();  // cancelled: nothing is shown
}

Distribution FilePage::distribution() const {
  // Counted a slice at a time: a seeded run's bytes are drawn again, not held.
  const size_t total = generator.ByteCount();
  std::vector<int64_t> counts(256, 0);
  std::vector<uint8_t> slice(std::min<size_t>(size_t{1} << 16, total));
  for (size_t from = 0; from < total; from += slice.size()) {
    const size_t n = std::min(slice.size(), total - from);
    generator.CopyBytes(from, n, slice.data());
    for (size_t i = 0; i < n; ++i) ++counts[slice[i]];
  }
  return ByteDistribution(std::move(counts));
}

qint64 FilePage::entryCount() const {
  return displaysResults() && resultsShown() ? static_cast<qint64>(generator.ByteCount()) : 0;
}

void FilePage::validateInputs() {
  // Every size and name is accepted; the file's folder is made, and a name
  // whose folder cannot be made is refused before the run shows anything.
  CreateFolderOf(input.FileName, false);
}

void FilePage::generate(RandomSource& source) {
  view().model()->clear();  // the last run's rows go with its bytes
  written_.reset();
  runFile_ = input.FileName;
  runSeed_ = seed->lastTaken();
  runSeeded_ = !source.secure();
  streamed_ = !displaysResults();
  // Written as drawn; shown, the bytes stay at hand for the list.
  generator.GenerateStreamed(input, {source, progressView(), labelView()}, !streamed_);
}

void FilePage::formatted() {
  if (StopDisplay) {
    nextFile();
    return;
  }
  if (streamed_) {
    WrittenRun run;
    run.file = runFile_;
    run.count = generator.WrittenTotal();
    run.seeded = runSeeded_;
    run.seed = runSeed_;
    run.stamp = WrittenRun::StampOf(run.file);
    run.offset = run.stamp.size - run.count;
    written_ = run;
  }
  nextFile();
}

void FilePage::nextFile() {
  // The next run writes the next numbered file, after a cancelled run too.
  if (ChAutoFileName->isChecked()) RxSpinAutoFilename->setValue(NextFileSuffix(RxSpinAutoFilename->value()));
  ChAutoFileNameClick();
}

QString FilePage::totalsText() const {
  return StopDisplay ? Translated(kFileCancelledText)
                     : Translated(FileDoneText(runFile_, Rx3SpinCount->value()));
}

QStringList FilePage::commandLine() const {
  QStringList args{Arg(runs::kFile), Arg(kOutput, QString::fromStdString(input.FileName)),
                   Arg(kSize),       QString::number(input.Count),
                   Arg(runs::kSeed), QString::number(seed->lastTaken())};
  if (input.Append) args << Arg(kAppend);
  return args;
}

void FilePage::showEvent(QShowEvent* event) {
  GeneratorPage::showEvent(event);
  Rx3SpinCount->setFocus();
}

}  // namespace quenvar::ui
