#include "ui/Settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <algorithm>

#include "ui/PagePattern.h"

namespace quenvar::ui {

namespace {

// A line break would end the line early: it is written as a blank.
std::string OneLine(QString text) {
  return text.replace(QLatin1Char('\r'), QLatin1Char(' '))
      .replace(QLatin1Char('\n'), QLatin1Char(' '))
      .toStdString();
}

}  // namespace

bool SettingsExchange::changed(const std::string& id, const std::string& text, const char* key) {
  if (memory_ == nullptr) return true;
  const std::string where = section_ + '\n' + id;
  if (remembering()) {
    (*memory_)[where] = text;
    return false;
  }
  const auto it = memory_->find(where);
  return it == memory_->end() || it->second != text || !file_.ValueExists(section_, key);
}

void SettingsExchange::writeText(const std::string& key, const QString& text) {
  const std::string value = OneLine(text);
  if (changed(key, value, key.c_str())) file_.WriteString(section_, key, value);
}

void SettingsExchange::value(IntKey key, int& value) {
  if (reading())
    value = file_.ReadInteger(section_, key.name, key.fallback);
  else if (changed(key.name, std::to_string(value), key.name))
    file_.WriteInteger(section_, key.name, value);
}

void SettingsExchange::value(BoolKey key, bool& value) {
  if (reading())
    value = file_.ReadBool(section_, key.name, key.fallback);
  else if (changed(key.name, value ? "1" : "0", key.name))
    file_.WriteBool(section_, key.name, value);
}

void SettingsExchange::value(const TextKey& key, QString& value) {
  if (writing()) {
    writeText(key.name, value);
  } else {
    value = QString::fromStdString(file_.ReadString(section_, key.name, key.fallback.toStdString()));
  }
}

void SettingsExchange::spin(IntKey key, QSpinBox* box) {
  if (writing()) box->interpretText();  // what the box shows is what is kept
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
  QComboBox* box = page.actions().columnsBox();
  int index = box->currentIndex();
  value(key, index);
  if (writing()) return;
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : key.fallback);
  page.ColumnsChange();
}

void SettingsExchange::comma(BoolKey key, ResultPage& page) {
  check(key, page.actions().commaAction());
  if (reading()) page.CommaClick();
}

void SettingsExchange::sortOrder(IntKey key, ResultPage& page) {
  QAction* const buttons[] = {page.actions().ascAction(), page.actions().dscAction(),
                              page.actions().origAction()};
  int order = page.actions().ascAction()->isChecked()   ? SortAscending
              : page.actions().dscAction()->isChecked() ? SortDescending
                                                        : SortDrawn;
  value(key, order);
  if (writing()) return;
  if (order >= SortAscending && order <= SortDrawn) buttons[order]->setChecked(true);
  page.SortClick();
}

void SettingsExchange::seedChoice(IntKey key, ResultPage& page) {
  int choice = page.seedGroup()->choice();
  value(key, choice);
  if (reading() && choice >= SeedGroup::Automatic && choice <= SeedGroup::System)
    page.seedGroup()->setChoice(static_cast<SeedGroup::Choice>(choice));
}

QStringList SettingsExchange::list(IntKey count, const char* prefix, const QStringList& entries) {
  if (writing()) {
    // A list is written whole or not at all: its entries are numbered by
    // their places.
    std::string whole = std::to_string(entries.size());
    for (const QString& entry : entries) whole += '\0' + OneLine(entry);
    if (!changed(std::string(prefix) + "*", whole, count.name)) return entries;
    file_.WriteInteger(section_, count.name, entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
      file_.WriteString(section_, prefix + std::to_string(i), OneLine(entries[i]));
    return entries;
  }
  // A count is believed only as far as the section could hold its entries,
  // so that a damaged file cannot ask for billions of empty ones.
  const int64_t limit = static_cast<int64_t>(file_.KeyCount(section_)) + 256;
  const int64_t n = std::min<int64_t>(file_.ReadInteger(section_, count.name, count.fallback), limit);
  QStringList stored;
  for (int64_t i = 0; i < n; ++i)
    stored << QString::fromStdString(file_.ReadString(section_, prefix + std::to_string(i), ""));
  return stored;
}

}  // namespace quenvar::ui
