#pragma once

#include <QKeySequence>
#include <QList>

class QAction;
class QWidget;

namespace quenvar::ui {

// Makes the Tab key go through the controls below `root` in the order of
// their layouts: a grid row by row, a box from first to last, each group
// whole before the next, so the focus runs top-left to bottom-right.
void OrderTabs(QWidget* root);

// The controls below `root` that the Tab key reaches, in the order it does.
QList<QWidget*> TabChain(QWidget* root);

// Gives a command its keys and names the first in its tooltip, "hint (key)".
void SetKeys(QAction* action, const QList<QKeySequence>& keys);

// "hint (key)": how a tooltip names the key of its command.
QString WithKey(const QString& hint, const QKeySequence& key);

}  // namespace quenvar::ui
