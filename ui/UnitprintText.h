#pragma once

#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "core/Unit_base.h"
#include "core/Writers.h"

namespace quenvar::ui {

// Prints a page's results: written to a time-stamped file in the temp
// folder, then printed as one job on the program's printer.
class TFormPrinttext : public QDialog {
  Q_OBJECT

 public:
  TFormPrinttext(QWidget* parent, const Trandom_base* generator, int pageKind, int columns);

  void ReadOptions();
  void RaPorClick();
  void btnsetupClick();
  void btnprintClick();
  int HelpContext() const;
  // temp/yyyyMMdd_hhmmss.txt beside the executable, for the given moment.
  static QString PrintFileName(const QString& applicationFolder, const QDateTime& when);

  TsaveTextPar Par;
  const Trandom_base* Generator;
  int PageKind;

  QRadioButton *raMutiCol, *rxOnecol, *ratab, *racomma, *raspace, *RaPor, *RaLan;
  QSpinBox* RxSpinEdit1;
  QPushButton *btnsetup, *btnprint, *Button3;
};

}  // namespace quenvar::ui
