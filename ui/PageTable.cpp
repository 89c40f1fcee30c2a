#include "ui/PageTable.h"

#include "core/Text.h"

namespace quenvar::ui {

// clang-format off
const std::array<PageInfo, kTabCount> kPages = {{
  {Tab::Number, QT_TRANSLATE_NOOP("PageTable", "Random Number"), PageKind::Number, 58, 75675, kAllButLottery,
   "TabSheet1", "SpStart", QT_TRANSLATE_NOOP("PageTable", "Generate Random Numbers"), "spMainCancel", "ListBox1", "HeaderControl1",
   "PanelStatus", "DisplayLabel", "ProgressBar1", "LabelResult", "pmForsimply", "SpMenu", "Sphelp", "btnExit",
   "RxbtnAsc", "RxbtnDsc", "RxbtnOrig", "RxbtnComma", "Comcolumns",
   "spSaveLog", QT_TRANSLATE_NOOP("PageTable", "Save Random Numbers As Text File"), "btnprint", QT_TRANSLATE_NOOP("PageTable", "Print Random Numbers"),
   TR_NOOP("Core", "Displaying randoms..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "RadioAuto", "RxSpinAuto", "RadioManual", "RxSpinManual", QT_TRANSLATE_NOOP("PageTable", "Automatic"), QT_TRANSLATE_NOOP("PageTable", "Manual")}},
  {Tab::Lottery, QT_TRANSLATE_NOOP("PageTable", "Lottery Number"), PageKind::Lottery, 71, 46854, kAllTabs,
   "TabSheet55", "SpStart55", QT_TRANSLATE_NOOP("PageTable", "Generate Lottery Numbers"), "spMainCancel55", "ListBox55", "HeaderControl55",
   "PanelStatus55", "LabelStatus55", "ProgressBar55", "LabelResult55", "PMLottery", "SpMenu55", "Sphelp55",
   "btnExit55",
   "RxbtnAsc55", "RxbtnDsc55", "RxbtnOrig55", nullptr, nullptr,
   "spSaveLog55", QT_TRANSLATE_NOOP("PageTable", "Save Random Numbers As Text File"), "btnprint55", QT_TRANSLATE_NOOP("PageTable", "Print Random Numbers"),
   TR_NOOP("Core", "Displaying numbers..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "RadioAuto55", "RxSpinAuto55", "RadioManual55", "RxSpinManual55", QT_TRANSLATE_NOOP("PageTable", "Automatic created"),
    QT_TRANSLATE_NOOP("PageTable", "Manual created")}},
  {Tab::Sampling, QT_TRANSLATE_NOOP("PageTable", "Random Sampling"), PageKind::Sampling, 800, 4356, kAllButLottery,
   "TabSheet22", "SpStart22", QT_TRANSLATE_NOOP("PageTable", "Random Sampling"), "spMainCancel22", "ListBox22", "HeaderControl22",
   "PanelStatus22", "LabelStatus22", "ProgressBar22", "LabelResult22", "PopupMenuSampling", "SpMenu22",
   "Sphelp22", "btnExit22",
   "RxbtnAsc22", "RxbtnDsc22", "RxbtnOrig22", nullptr, "Comcolumns22",
   "spSaveLog22", QT_TRANSLATE_NOOP("PageTable", "Save Samplings As Text File"), "btnprint22", QT_TRANSLATE_NOOP("PageTable", "Print Samplings"),
   TR_NOOP("Core", "Displaying randoms..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "RadioAuto22", "RxSpinAuto22", "RadioManual22", "RxSpinManual22", QT_TRANSLATE_NOOP("PageTable", "Automatic created"),
    QT_TRANSLATE_NOOP("PageTable", "Manual created")}},
  {Tab::String, QT_TRANSLATE_NOOP("PageTable", "Random String"), PageKind::String, 421, 43254, kAllButLottery,
   "TabSheet2", "rx2Start", QT_TRANSLATE_NOOP("PageTable", "Generate Random Strings"), "rx2Cancel", "ListBox2", "HeaderControl2",
   "Panel2Status", "Display2Label", "ProgressBar2", "Label2result", "ForPMCharacter", "RxSpeedButton1",
   "SpeedButton1", "rx2exit",
   "Rx2Asc", "rx2Des", "rx2Orig", nullptr, "Com2columns",
   "rx2save", QT_TRANSLATE_NOOP("PageTable", "Save Random Strings As Text File"), "rx2print", QT_TRANSLATE_NOOP("PageTable", "Print Random Strings"),
   TR_NOOP("Core", "Displaying randoms..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "ra2Auto", "RxSpin2Auto", "Ra2Manual", "RxSpin2Manual", QT_TRANSLATE_NOOP("PageTable", "Automatic Created"), QT_TRANSLATE_NOOP("PageTable", "Manual    Created")}},
  {Tab::Name, QT_TRANSLATE_NOOP("PageTable", "Random Name"), PageKind::Name, 900, 13559, kAllButLottery,
   "TabSheet44", "SpStart44", QT_TRANSLATE_NOOP("PageTable", "Create Random Names"), "spMainCancel44", "ListBox44", "HeaderControl44",
   "PanelStatus44", "LabelStatus44", "ProgressBar44", "LabelResult44", "PopupMenuName", "SpMenu44",
   "Sphelp44", "btnExit44",
   "RxbtnAsc44", "RxbtnDsc44", "RxbtnOrig44", nullptr, "Comcolumns44",
   "spSaveLog44", QT_TRANSLATE_NOOP("PageTable", "Save Random Names As Text File"), "btnprint44", QT_TRANSLATE_NOOP("PageTable", "Print Random Names"),
   TR_NOOP("Core", "Displaying names..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "RadioAuto44", "RxSpinAuto44", "RadioManual44", "RxSpinManual44", QT_TRANSLATE_NOOP("PageTable", "Automatic created"),
    QT_TRANSLATE_NOOP("PageTable", "Manual created")}},
  {Tab::File, QT_TRANSLATE_NOOP("PageTable", "Random File"), PageKind::None, 700, 13458, kAllButLottery,
   "TabSheet3", "Sp3Start", QT_TRANSLATE_NOOP("PageTable", "Generate File"), "sp3Cancel", "ListBox3", "HeaderControl3",
   "Panel3Status", "Display3label", "ProgressBar3", "Label3Result", "PmFile", "RxSpeedButton2",
   "SpeedButton2", "rx3exit",
   nullptr, nullptr, nullptr, nullptr, "Com3columns",
   nullptr, nullptr, nullptr, nullptr,
   TR_NOOP("Core", "Displaying randoms..."),
   {QT_TRANSLATE_NOOP("PageTable", "Seed"), "Ra3Auto", "RxSpin3Auto", "Ra3Manual", "RxSpin3Manual", QT_TRANSLATE_NOOP("PageTable", "Automatic"), QT_TRANSLATE_NOOP("PageTable", "Manual")}},
}};
// clang-format on

}  // namespace quenvar::ui
