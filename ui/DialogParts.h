#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>
#include <initializer_list>

namespace quenvar::ui {

// Pieces the save and print dialogs share.

// The values-per-line box: 2 to 100, changed by its arrows only.
QSpinBox* ColumnsSpin(QWidget* parent);

// "Out Format": tab (checked), comma or space between values.
struct SeparatorGroup {
  SeparatorGroup(QWidget* parent, const char* tabName, const char* commaName, const char* spaceName);
  QGroupBox* group;
  QRadioButton *tab, *comma, *space;
};

// A right-aligned row of push buttons, none of them a default.
QLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// Places the dialog, frame and all, in the middle of the desktop each time
// it is shown.
void CentreOnDesktop(QDialog* dialog);

// F1 opens the help file at the dialog's topic.
void AddHelpKey(QDialog* dialog, std::function<int()> context);

}  // namespace quenvar::ui
