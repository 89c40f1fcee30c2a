#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPrinter>
#include <QRadioButton>

namespace quenvar::ui {

// The printer set-up dialog: which printer, which paper, which orientation.
// OK applies them to the printer; Cancel changes nothing.
class TPrinterSetupDialog : public QDialog {
  Q_OBJECT

 public:
  TPrinterSetupDialog(QWidget* parent, QPrinter& printer);
  void apply();  // what OK does

  QComboBox *printerBox, *paperBox;
  QRadioButton *portrait, *landscape;

 private:
  QPrinter& printer_;
};

// Small pictures of a page standing upright or lying on its side.
QIcon PageIcon(bool landscape);

}  // namespace quenvar::ui
