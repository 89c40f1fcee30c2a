#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>

namespace quenvar::ui {

// The contrast ratio of two colours as the accessibility guidelines count
// it: 1 (the same) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b);

// The colour nearest to `wanted` in hue that reads at least 4.5:1 on
// `background`: darker on a light background, lighter on a dark one.
QColor Readable(const QColor& wanted, const QColor& background);

// The colours the program gives its own texts, picked from the palette.
QColor AlertText(const QPalette& palette, QPalette::ColorRole background);  // red: Start, Cancel, row numbers
QColor NoticeText(const QPalette& palette, QPalette::ColorRole background);  // navy: totals, links

// An icon that is a short text, drawn in the palette's button text colour.
QIcon TextIcon(const QString& text, const QFont& font, const QPalette& palette);

}  // namespace quenvar::ui
