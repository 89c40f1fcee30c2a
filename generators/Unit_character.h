#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/IniFile.h"
#include "core/RunOptions.h"
#include "core/Unit_base.h"

namespace quenvar {

// One wildcard: a named character class of the Random String page.
struct Tparchar {
  std::string Name;  // one character
  std::string Description;
  bool IscheckUpper = false;
  TArrayInteger UpperExclude;
  bool IscheckLower = false;
  TArrayInteger Lowerexclude;
  bool IscheckNumber = false;
  TArrayInteger NumberExclude;
  bool IscheckSpecial = false;
  TArrayInteger specialArray;

  friend bool operator==(const Tparchar&, const Tparchar&) = default;
};

using TNameAndDescription = std::vector<std::array<std::string, 2>>;

// The wildcards, kept in "wildcard.ini" (section "Special Char").
class Tlistparchar {
 public:
  Tlistparchar() = default;
  explicit Tlistparchar(std::string fileName);  // stores the path and loads it

  void Load();
  void LoadFrom(const IniFile& ini);
  void Save();
  void SaveTo(IniFile& ini) const;
  // Add and Modify show their refusals as errors and end with EAbort. Add,
  // Modify and Delete save at once; when the file cannot be written the
  // list is left as it was and the write error is passed on.
  void Add(const Tparchar& record);
  void Modify(const std::string& oldName, const Tparchar& record);
  // Asks before deleting; true when deleted.
  bool Delete(const std::string& name);
  bool Find(const std::string& name, Tparchar& out) const;
  void GetNames(TNameAndDescription& out) const;
  bool IsDuplicated(const Tparchar& record) const { return IsWildcard(record.Name); }
  bool IsWildcard(const std::string& name) const;
  // The engine record of one position drawn from the named wildcard. Codes
  // outside 32 .. 126 are ignored; a wildcard with no character to draw is
  // refused (an error message, then EAbort).
  void MakeInputpar(const std::string& name, Tinputpar& out) const;

  std::vector<Tparchar> Items;
  std::string FileName;
  // Set when the file could not be read: the list is then never saved, so
  // that what it holds is not written over unseen.
  bool Unreadable = false;
};

using TArrayInputpar = std::vector<Tinputpar>;

// Turns a mask into one engine record per output position and counts the
// distinct strings it can give (capped at MaxPossible).
class TparseString {
 public:
  explicit TparseString(const Tlistparchar& wildcards) : Wildcards(wildcards) {}
  void Parse(std::string_view mask, TArrayInputpar& out);
  int64_t PossibleTotal() const { return Possible; }

  const Tlistparchar& Wildcards;
  int64_t Possible = 1;
};

struct TinputString {
  std::string Mask;  // trimmed by the caller
  int64_t Count = runs::string::kCount.fallback;
  bool Duplicate = false;
  const Tlistparchar* Wildcards = nullptr;
};

// Random strings following a mask, one engine draw per character.
class Trandom_character : public Trandom_base {
 public:
  void Generate(const TinputString& par, const RunContext& run);
  void FormatResults(TformatPar format);
  void Cancel() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  int64_t PossibleTotal() const { return Possible; }
  int64_t GeneratedTotal() const { return Wanted; }
  // The mask's strength: log2 of the number of strings it can give, counted
  // in full (the possible total stops at MaxPossible).
  double StrengthBits() const { return Bits; }

  int64_t Wanted = 0;
  double Bits = 0;
  int64_t Possible = 0;
  // Set when the random source could not reach as many different strings as
  // asked: the run stopped with all it found, and Wanted says how many.
  bool Exhausted = false;
  TArrayString Strings;
  TinputString Input;

 private:
  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
};

static_assert(RandomGenerator<Trandom_character, TinputString>);

// Trims blanks and control characters from both ends, as the mask box does.
std::string TrimMask(std::string_view text);

}  // namespace quenvar
