#include "ui/Settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <algorithm>

#include "ui/PagePattern.h"

namespace quenvar::ui {

namespace {

// A value cut at its length limit may end inside a character, whose
// beginning is then dropped too.
QString FromUtf8(const std::string& text) {
  size_t size = text.size();
  size_t continuation = 0;
  while (continuation < 3 && continuation < size &&
         (static_cast<unsigned char>(text[size - 1 - continuation]) & 0xC0) == 0x80)
    ++continuation;
  if (continuation < size) {
    const auto lead = static_cast<unsigned char>(text[size - 1 - continuation]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (continuation + 1 < length) size -= continuation + 1;
  }
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(size));
}

}  // namespace

void SettingsExchange::writeText(const std::string& key, QString text) {
  text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  file_.WriteString(section_, key, text.toStdString());
}

void SettingsExchange::value(IntKey key, int& value) {
  if (writing_)
    file_.WriteInteger(section_, key.name, value);
  else
    value = file_.ReadInteger(section_, key.name, key.fallback);
}

void SettingsExchange::value(BoolKey key, bool& value) {
  if (writing_)
    file_.WriteBool(section_, key.name, value);
  else
    value = file_.ReadBool(section_, key.name, key.fallback);
}

void SettingsExchange::value(const TextKey& key, QString& value) {
  if (writing_) {
    writeText(key.name, value);
  } else {
    value = FromUtf8(file_.ReadString(section_, key.name, key.fallback.toStdString()));
  }
}

void SettingsExchange::spin(IntKey key, QSpinBox* box) {
  if (writing_) box->interpretText();  // what the box shows is what is kept
  int v = box->value();
  value(key, v);
  if (reading()) box->setValue(v);
}

void SettingsExchange::check(BoolKey key, QAbstractButton* button) {
  bool on = button->isChecked();
  value(key, on);
  if (reading()) button->setChecked(on);
}

void SettingsExchange::check(BoolKey key, QAction* action) {
  bool on = action->isChecked();
  value(key, on);
  if (reading()) action->setChecked(on);
}

void SettingsExchange::columns(IntKey key, ResultPage& page) {
  QComboBox* box = page.columnsBox;
  int index = box->currentIndex();
  value(key, index);
  if (writing_) return;
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : key.fallback);
  page.ColumnsChange();
}

void SettingsExchange::comma(BoolKey key, ResultPage& page) {
  check(key, page.commaAction);
  if (reading()) page.CommaClick();
}

void SettingsExchange::sortOrder(IntKey key, ResultPage& page) {
  QAction* const buttons[] = {page.ascAction, page.dscAction, page.origAction};
  int order = page.ascAction->isChecked() ? 0 : page.dscAction->isChecked() ? 1 : 2;
  value(key, order);
  if (writing_) return;
  if (order >= 0 && order <= 2) buttons[order]->setChecked(true);
  page.SortClick();
}

void SettingsExchange::seedChoice(IntKey key, ResultPage& page) {
  int choice = page.seed->choice();
  value(key, choice);
  if (reading() && choice >= SeedGroup::Automatic && choice <= SeedGroup::System)
    page.seed->setChoice(static_cast<SeedGroup::Choice>(choice));
}

QStringList SettingsExchange::list(IntKey count, const char* prefix, const QStringList& entries) {
  if (writing_) {
    file_.WriteInteger(section_, count.name, entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) writeText(prefix + std::to_string(i), entries[i]);
    return entries;
  }
  // A count is believed only as far as the section could hold its entries,
  // so that a damaged file cannot ask for billions of empty ones.
  const int64_t limit = static_cast<int64_t>(file_.KeyCount(section_)) + 256;
  const int64_t n = std::min<int64_t>(file_.ReadInteger(section_, count.name, count.fallback), limit);
  QStringList stored;
  for (int64_t i = 0; i < n; ++i)
    stored << FromUtf8(file_.ReadString(section_, prefix + std::to_string(i), ""));
  return stored;
}

}  // namespace quenvar::ui
