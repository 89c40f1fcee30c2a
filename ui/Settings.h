#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <string>

#include "core/IniFile.h"

class QAbstractButton;
class QAction;
class QSpinBox;

namespace quenvar::ui {

class ResultPage;

// A key of setup.ini: its name, its type and its default, in one line that
// serves reading and writing alike.
template <class T>
struct Key {
  const char* name;
  T fallback;
};
using IntKey = Key<int>;
using BoolKey = Key<bool>;
using TextKey = Key<QString>;

// What the keys would be written as right after the start, key by key (a
// list as a whole): at close only what changed since is written, so that a
// start and close with nothing done leaves every line of setup.ini as it was.
using SettingsMemory = std::map<std::string, std::string>;

// One pass over setup.ini in one direction: reading sets the controls from
// the file, writing puts the controls into it. A page lists the keys of its
// section once, each with the control it belongs to; what has to follow the
// loaded values (a page's change handlers) runs only when reading().
class SettingsExchange {
 public:
  // Remember is a writing pass that only fills `memory`; a Write pass with a
  // memory leaves out the keys the file has that are unchanged since.
  enum class Pass { Read, Write, Remember };
  SettingsExchange(IniFile& file, bool writing) : file_(file), pass_(writing ? Pass::Write : Pass::Read) {}
  SettingsExchange(IniFile& file, Pass pass, SettingsMemory* memory)
      : file_(file), pass_(pass), memory_(memory) {}

  bool reading() const { return pass_ == Pass::Read; }
  bool writing() const { return pass_ != Pass::Read; }
  // A writing pass that writes nothing: no word to the user either.
  bool remembering() const { return pass_ == Pass::Remember; }
  // The section of the keys that follow.
  void section(const char* name) { section_ = name; }

  void value(IntKey key, int& value);
  void value(BoolKey key, bool& value);
  // A line break would end the line early: it is written as a blank.
  void value(const TextKey& key, QString& value);
  // The spin box's value, held to its range when read.
  void spin(IntKey key, QSpinBox* box);
  void check(BoolKey key, QAbstractButton* button);
  void check(BoolKey key, QAction* action);

  // The pattern's pieces of a page, each followed by its handler when read.
  // The columns box is kept as its item index (0 for "1" up to 19 for "20");
  // an index outside the box reads as the default.
  void columns(IntKey key, ResultPage& page);
  void comma(BoolKey key, ResultPage& page);
  // 0 ascending, 1 descending, 2 as drawn; any other value changes no button.
  void sortOrder(IntKey key, ResultPage& page);
  // The seed choice: 0 automatic, 1 manual, 2 system; any other value
  // changes nothing.
  void seedChoice(IntKey key, ResultPage& page);

  // A list kept as a count and one key per entry, the prefix followed by the
  // entry's number from 0. Writing stores `entries` and returns them; reading
  // returns the stored ones, a missing entry as an empty one. Keys of longer
  // lists of earlier runs stay in the file, unread.
  QStringList list(IntKey count, const char* prefix, const QStringList& entries);

 private:
  void writeText(const std::string& key, const QString& text);
  // Whether what `id` stands for is to be written as `text`: not when
  // remembering (the text is noted), nor when it is unchanged since and the
  // file has `key`.
  bool changed(const std::string& id, const std::string& text, const char* key);

  IniFile& file_;
  Pass pass_;
  SettingsMemory* memory_ = nullptr;
  std::string section_;
};

}  // namespace quenvar::ui
