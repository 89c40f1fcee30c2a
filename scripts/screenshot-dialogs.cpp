// The pictures of scripts/screenshot that its keys cannot reach: the
// character selection dialog, the Random String page with its wildcard
// editor and the selection dialog it opens, and the Distribution chart.
// Each is drawn by the program's own widgets in a window of its own, with a
// scratch folder for its files; run on the display scripts/screenshot
// starts, with the folder for the pictures as the argument.
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "FakePlatform.h"
#include "GuiFixture.h"
#include "PageFixture.h"
#include "ui/DistributionDialog.h"
#include "ui/Folders.h"
#include "ui/NumberPage.h"
#include "ui/StringPage.h"
#include "ui/UnitMain.h"
#include "ui/Unit_select.h"

using namespace quenvar;
using namespace quenvar::ui;

namespace {

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void showAndWait(QWidget& widget) {
  widget.show();
  if (!QTest::qWaitForWindowExposed(&widget)) std::fprintf(stderr, "a window is not on screen\n");
}

bool save(QWidget& widget, const QString& file) {
  QTest::qWait(300);
  const bool saved = widget.grab().save(file);
  if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return saved;
}

// The window as the program opens it, its files in a folder of its own and
// its dialogs answered by the fake platform.
struct Window {
  QTemporaryDir dir;
  test::FakePlatform fake;
  std::unique_ptr<TFormRandom> form;
  Window() {
    std::ofstream(dir.filePath("wildcard.ini").toStdString(), std::ios::binary) << test::kWildcards;
    SetApplicationFolder(dir.path());
    form = std::make_unique<TFormRandom>();
    showAndWait(*form);
  }
  ~Window() {
    form.reset();
    SetApplicationFolder({});
  }
};

bool SelectDialog(const QString& folder) {
  const TArrayRang special = {{32, 47}, {58, 64}, {91, 96}, {123, 126}};
  TFormSelect d(nullptr);
  for (const auto& [low, high] : special) d.AddRangeItems(low, high);
  d.MarkSelected({33, 35, 64, 95});
  showAndWait(d);
  d.setWindowTitle("Select special characters included");
  d.ListBoxSource->item(2)->setSelected(true);
  return save(d, folder + "/dialog-select.png");
}

bool StringPageAndEditor(const QString& folder) {
  Window window;
  StringPage* page = window.form->TabSheet2;
  window.form->PageControl1->setCurrentIndex(int(Tab::String));
  page->comMask->setFocus();
  page->comMask->lineEdit()->selectAll();
  page->comMask->lineEdit()->setText("@@##-\\#*");
  test::SetSpin(page->Rx2SpinCount, 60);
  test::ManualSeed(*page, 42);
  click(page->actions().startButton());
  bool saved = save(*window.form, folder + "/tab4-string-browsing.png");
  click(page->btnEdit);
  page->EditDescription->setText("letters, no vowels");
  page->EditWildcard.UpperExclude = {65, 69, 73, 79, 85};
  page->EditWildcard.Lowerexclude = {97, 101, 105, 111, 117};
  page->ShowWildcard();
  for (QCheckBox* box : {page->ChUpper, page->Chlower, page->ChNumber}) click(box);
  saved = save(*window.form, folder + "/tab4-string-editing.png") && saved;
  bool selected = false;
  test::WhenModal<TFormSelect>([&] { click(page->spUpper); },
                               [&](TFormSelect* d) {
                                 d->ListBoxSource->item(3)->setSelected(true);
                                 selected = save(*d, folder + "/dialog-select-from-page.png");
                               });
  click(page->btnCancel);
  return saved && selected;
}

bool DistributionCharts(const QString& folder) {
  Window window;
  NumberPage* page = window.form->TabSheet1;
  bool saved = true;
  for (const auto& [upper, count, file] : {std::tuple(1000, 100000, "/dialog-distribution.png"),
                                           // Long bar names, whole, and the warning of too few values a bar.
                                           std::tuple(2000000000, 200, "/dialog-distribution-few.png")}) {
    test::SetSpin(page->RxSpinLow, 1);
    test::SetSpin(page->RxSpinUpper, upper);
    test::SetSpin(page->RxSpinCount, count);
    if (!page->ChDuplicate->isChecked()) click(page->ChDuplicate);
    test::ManualSeed(*page, 2024);
    click(page->actions().startButton());
    bool shown = false;
    test::WhenModal<DistributionDialog>([page] { page->exports().distributionAction()->trigger(); },
                                        [&](DistributionDialog* d) { shown = save(*d, folder + file); });
    saved = saved && shown;
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: screenshot-dialogs FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  bool saved = SelectDialog(folder);
  saved = StringPageAndEditor(folder) && saved;
  saved = DistributionCharts(folder) && saved;
  return saved ? 0 : 1;
}
