#include "ui/SpinEdit.h"

#include <algorithm>
#include <limits>

#include "core/ByteCount.h"

namespace quenvar::ui {

TSpinEdit::TSpinEdit(QWidget* parent, int minimum, int maximum, int value, const QString& hint)
    : QSpinBox(parent) {
  setRange(minimum, maximum);
  setValue(value);
  setToolTip(hint);
  setAccelerated(true);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TSpinEdit::validate(QString& text, int&) const {
  const QString t = text.trimmed();
  if (t.isEmpty() || t == "-" || t == "+") return QValidator::Intermediate;
  bool ok = false;
  t.toLongLong(&ok);
  return ok && t.size() <= 20 ? QValidator::Acceptable : QValidator::Invalid;
}

int TSpinEdit::valueFromText(const QString& text) const {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok);
  if (!ok) return value();
  return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

QValidator::State TByteCountEdit::validate(QString& text, int&) const {
  const QString t = text.trimmed();
  if (t.isEmpty()) return QValidator::Intermediate;
  return t.size() <= 20 && ParseByteCount(t.toStdString(), 0, std::numeric_limits<int64_t>::max())
             ? QValidator::Acceptable
             : QValidator::Invalid;
}

int TByteCountEdit::valueFromText(const QString& text) const {
  const auto v = ParseByteCount(text.trimmed().toStdString(), 0, std::numeric_limits<int64_t>::max());
  if (!v) return value();
  return static_cast<int>(std::clamp<int64_t>(*v, minimum(), maximum()));
}

}  // namespace quenvar::ui
