#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

#include "core/Unit_base.h"
#include "core/Writers.h"
#include "ui/PageTable.h"

namespace quenvar::ui {

// Prints a page's results: written to a time-stamped file in the temp
// folder, then printed as one job on the program's printer.
class TFormPrinttext : public QDialog {
  Q_OBJECT

 public:
  TFormPrinttext(QWidget* parent, const Trandom_base* generator, ui::PageKind pageKind, int columns);
  // One lottery line per text line: the values per line stay as preset.
  void fixLayout();

  void ReadOptions();
  void RaPorClick();
  void btnsetupClick();
  void btnprintClick();
  // The pages as the printer will print them, in the layout chosen.
  void btnpreviewClick();
  int HelpContext() const;
  // yyyyMMdd_hhmmss.txt in the temp folder, for the given moment.
  static QString PrintFileName(const QString& tempFolder, const QDateTime& when);

  TsaveTextPar Par;
  const Trandom_base* Generator;
  // Prints for the opening page, showing the progress on it; false when the
  // job was stopped or declined. Unset: Generator prints at once.
  std::function<bool(const TsaveTextPar&)> Print;
  ui::PageKind PageKind;

  QRadioButton *raMutiCol, *rxOnecol, *ratab, *racomma, *raspace, *RaPor, *RaLan;
  QSpinBox* RxSpinEdit1;
  QPushButton *btnsetup, *btnprint, *btnpreview, *Button3;
};

}  // namespace quenvar::ui
