#pragma once

#include <QLineEdit>
#include <QSpinBox>

namespace quenvar::ui {

// A whole-number spin edit that accepts any number typed into it and pulls
// it to the nearest bound when it is left (typing 3000000000 into a box
// whose maximum is 2147483647 gives 2147483647).
class TSpinEdit : public QSpinBox {
 public:
  TSpinEdit(QWidget* parent, int minimum, int maximum, int value, const QString& hint);
  QLineEdit* editor() const { return lineEdit(); }

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

// A spin edit of bytes that also takes K, M and G as quenvar-cli does
// ("10M" is 10,485,760); a count outside its range is pulled into it.
class TByteCountEdit : public TSpinEdit {
 public:
  using TSpinEdit::TSpinEdit;

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

}  // namespace quenvar::ui
