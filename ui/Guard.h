#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quenvar::ui {

// The window's error message: the exception's class name, a carriage
// return and its message, in an error box.
void ShowErrorMessage(QWidget* parent, const QString& className, const QString& message);

// Shows the exception being handled as the window's error message, or
// nothing for the silent abort. Call it only inside a catch block.
void ReportCurrentException(QWidget* parent);

// Runs a handler; what it throws is reported as above.
void RunGuarded(QWidget* parent, const std::function<void()>& handler);

}  // namespace quenvar::ui
