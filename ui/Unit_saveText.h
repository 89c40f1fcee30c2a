#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <functional>

#include "core/Unit_base.h"
#include "core/Writers.h"
#include "ui/PageTable.h"

namespace quenvar::ui {

// The name box with its browse button: the chosen name, between double
// quotes when it holds a blank.
class FileNameEdit : public QWidget {
  Q_OBJECT
 public:
  explicit FileNameEdit(QWidget* parent);
  // The box's text when a file of exactly that name exists; otherwise its
  // first blank-separated word, double quotes grouping and dropped.
  QString FileName() const;
  void setChosen(const QString& path);
  QLineEdit* edit;
  QToolButton* browse;
};

// Saves a page's results to a text file in a chosen layout.
class TFormSaveText : public QDialog {
  Q_OBJECT

 public:
  TFormSaveText(QWidget* parent, const Trandom_base* generator, ui::PageKind pageKind, int columns);
  // One lottery line per text line: the values per line stay as preset.
  void fixLayout();

  void ReadOptions();  // shows "Please input file name! " and aborts on an empty name
  void btnSaveClick();
  void btnviewClick();
  int HelpContext() const;

  TsaveTextPar Par;
  const Trandom_base* Generator;
  // Saves for the opening page, showing the progress on it; false when the
  // save was stopped. Unset: Generator saves at once.
  std::function<bool(const TsaveTextPar&)> Save;
  ui::PageKind PageKind;

  FileNameEdit* FilenameEdit1;
  QRadioButton *raOverwrite, *raAppend, *raSingleLine, *raMutiCol, *rxOnecol, *RaTab, *RaComma, *RaSpace;
  QSpinBox* RxSpinEdit1;
  QPushButton *btnSave, *btnview, *Button3;
};

// Presets shared by the save and print dialogs: the values-per-line box
// takes the page's column count, pulled into 2 .. 100.
int ClampColumns(int columns);

}  // namespace quenvar::ui
