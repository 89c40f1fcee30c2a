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
  uint8_t code() const { return tab->isChecked() ? 1 : comma->isChecked() ? 0 : 2; }
  QGroupBox* group;
  QRadioButton *tab, *comma, *space;
};

// A right-aligned row of push buttons, none of them a default.
QLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// F1 opens the help file at the dialog's topic.
void AddHelpKey(QDialog* dialog, std::function<int()> context);

// Runs a handler the way the main window runs its own, so that what it
// throws is shown as the window's error message.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);

}  // namespace quenvar::ui
