#include "generators/Unit_character.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <new>
#include <unordered_set>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/RepeatWatch.h"
#include "core/Sorting.h"
#include "core/TextSet.h"
#include "generators/Unit_name_sampling.h"

namespace quenvar {

namespace {

constexpr char kSection[] = "Special Char";
// Set when array keys of the plain scheme would clash (prefix + element
// number can read alike for two wildcards, e.g. specialArray1 + 10 and
// specialArray11 + 0): the elements are then also stored as prefix_number.
constexpr char kSchemeKey[] = "ArrayKeyScheme";

struct ArrayField {
  const char* prefix;
  TArrayInteger Tparchar::*array;
};

// In the order the file holds them.
constexpr ArrayField kArrays[] = {{"specialArray", &Tparchar::specialArray},
                                  {"UpperExclude", &Tparchar::UpperExclude},
                                  {"Lowerexclude", &Tparchar::Lowerexclude},
                                  {"NumberExclude", &Tparchar::NumberExclude}};

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// Whether the plain key scheme would give two elements the same key.
bool KeysClash(const std::vector<Tparchar>& items) {
  std::unordered_set<std::string> keys;
  for (size_t i = 0; i < items.size(); ++i)
    for (const ArrayField& field : kArrays) {
      const std::string prefix = Lower(field.prefix + std::to_string(i));
      const TArrayInteger& values = items[i].*field.array;
      for (size_t j = 0; j < values.size(); ++j)
        if (!keys.insert(prefix + std::to_string(j)).second) return true;
    }
  return false;
}

const char kBlankName[] = TR_NOOP("Core", "The name of wildcard can not be blank, please input!");
const char kNoGroup[] =
    TR_NOOP("Core", "The Upper,lower,number and special letter\rat least one check box must be checked !");
const char kDuplicated[] = TR_NOOP("Core", "The name of wildcard is duplicated, please select another!");

bool AnyGroup(const Tparchar& r) {
  return r.IscheckUpper || r.IscheckLower || r.IscheckNumber || r.IscheckSpecial;
}

}  // namespace

std::string TrimMask(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return std::string(text);
}

Tlistparchar::Tlistparchar(std::string fileName) : FileName(std::move(fileName)) { Load(); }

void Tlistparchar::Load() { LoadFrom(IniFile(FileName)); }

void Tlistparchar::LoadFrom(const IniFile& ini) {
  Items.clear();
  // Counts are believed only as far as the section could hold them, so a
  // damaged file cannot ask for billions of entries.
  const int64_t limit = static_cast<int64_t>(ini.KeyCount(kSection)) + 256;
  const bool dotted = ini.ReadInteger(kSection, kSchemeKey, 1, true) == 2;
  const int64_t total = std::min<int64_t>(ini.ReadInteger(kSection, "Total", 0, true), limit);
  for (int64_t i = 0; i < total; ++i) {
    const std::string n = std::to_string(i);
    Tparchar r;
    r.Name = ini.ReadString(kSection, "Name" + n, "");
    r.Description = ini.ReadString(kSection, "Description" + n, "");
    r.IscheckUpper = ini.ReadInteger(kSection, "IscheckUpper" + n, 0, true) != 0;
    r.IscheckLower = ini.ReadInteger(kSection, "IscheckLower" + n, 0, true) != 0;
    r.IscheckNumber = ini.ReadInteger(kSection, "IscheckNumber" + n, 0, true) != 0;
    r.IscheckSpecial = ini.ReadInteger(kSection, "IscheckSpecial" + n, 0, true) != 0;
    for (const ArrayField& field : kArrays) {
      const std::string prefix = field.prefix + n;
      const int64_t count = std::min<int64_t>(ini.ReadInteger(kSection, prefix + "Total", 0, true), limit);
      TArrayInteger& values = r.*field.array;
      for (int64_t j = 0; j < count; ++j)
        values.push_back(
            ini.ReadInteger(kSection, prefix + (dotted ? "_" : "") + std::to_string(j), 0, true));
    }
    Items.push_back(std::move(r));
  }
}

void Tlistparchar::SaveTo(IniFile& ini) const {
  const bool clash = KeysClash(Items);
  ini.WriteInteger(kSection, "Total", static_cast<int64_t>(Items.size()));
  for (size_t i = 0; i < Items.size(); ++i) {
    const Tparchar& r = Items[i];
    const std::string n = std::to_string(i);
    ini.WriteString(kSection, "Name" + n, r.Name);
    ini.WriteString(kSection, "Description" + n, r.Description);
    ini.WriteBool(kSection, "IscheckUpper" + n, r.IscheckUpper);
    ini.WriteBool(kSection, "IscheckLower" + n, r.IscheckLower);
    ini.WriteBool(kSection, "IscheckNumber" + n, r.IscheckNumber);
    ini.WriteBool(kSection, "IscheckSpecial" + n, r.IscheckSpecial);
    for (const ArrayField& field : kArrays) {
      const std::string prefix = field.prefix + n;
      const TArrayInteger& values = r.*field.array;
      ini.WriteInteger(kSection, prefix + "Total", static_cast<int64_t>(values.size()));
      for (size_t j = 0; j < values.size(); ++j) {
        ini.WriteInteger(kSection, prefix + std::to_string(j), values[j]);
        if (clash) ini.WriteInteger(kSection, prefix + "_" + std::to_string(j), values[j]);
      }
    }
  }
  if (clash)
    ini.WriteInteger(kSection, kSchemeKey, 2);
  else
    ini.DeleteKey(kSection, kSchemeKey);
}

void Tlistparchar::Save() {
  // A file that cannot be read is not written over: what it holds was never seen.
  IniFile ini;
  try {
    if (Unreadable) throw EInOutError(FileName);
    ini = IniFile(FileName);
  } catch (const EInOutError&) {
    throw EInOutError(Text(TR_NOOP("Core", "Unable to write to %1")).arg(FileName));
  }
  SaveTo(ini);
  ini.UpdateFile();
}

void Tlistparchar::Add(const Tparchar& record) {
  if (TrimMask(record.Name).empty()) RefuseInput(kBlankName);
  if (!AnyGroup(record)) RefuseInput(kNoGroup);
  if (IsDuplicated(record)) RefuseInput(kDuplicated);
  Items.push_back(record);
  try {
    Save();
  } catch (...) {
    Items.pop_back();
    throw;
  }
}

void Tlistparchar::Modify(const std::string& oldName, const Tparchar& record) {
  if (!AnyGroup(record)) RefuseInput(kNoGroup);
  size_t k = 0;
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Name == oldName) {
      k = i;
      break;
    }
  for (size_t i = 0; i < Items.size(); ++i)
    if (i != k && Items[i].Name == record.Name) RefuseInput(kDuplicated);
  const bool added = Items.empty();
  if (added) Items.emplace_back();
  Tparchar old = std::exchange(Items[k], record);
  try {
    Save();
  } catch (...) {
    if (added)
      Items.pop_back();
    else
      Items[k] = std::move(old);
    throw;
  }
}

bool Tlistparchar::Delete(const std::string& name) {
  if (Items.empty()) return false;
  size_t k = 0;
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Name == name) {
      k = i;
      break;
    }
  if (!AskYesNo(Text(TR_NOOP("Core", "Do you want to delete the item %1 ?")).arg(Items[k].Name)))
    return false;
  const auto at = static_cast<std::ptrdiff_t>(k);
  Tparchar removed = std::move(Items[k]);
  Items.erase(Items.begin() + at);
  try {
    Save();
  } catch (...) {
    Items.insert(Items.begin() + at, std::move(removed));
    throw;
  }
  return true;
}

bool Tlistparchar::Find(const std::string& name, Tparchar& out) const {
  for (const Tparchar& r : Items)
    if (r.Name == name) {
      out = r;
      return true;
    }
  return false;
}

void Tlistparchar::GetNames(TNameAndDescription& out) const {
  out.clear();
  for (const Tparchar& r : Items) out.push_back({r.Name, r.Description});
}

bool Tlistparchar::IsWildcard(const std::string& name) const {
  return std::any_of(Items.begin(), Items.end(), [&name](const Tparchar& r) { return r.Name == name; });
}

void Tlistparchar::MakeInputpar(const std::string& name, Tinputpar& out) const {
  Tparchar w;
  Find(name, w);
  bool marks[127] = {};
  auto set = [&marks](int from, int to, bool value) {
    for (int c = from; c <= to; ++c) marks[c] = value;
  };
  auto setListed = [&marks](const TArrayInteger& codes, bool value) {
    for (int32_t c : codes)
      if (c >= 32 && c <= 126) marks[c] = value;
  };
  if (w.IscheckUpper) {
    set('A', 'Z', true);
    setListed(w.UpperExclude, false);
  }
  if (w.IscheckLower) {
    set('a', 'z', true);
    setListed(w.Lowerexclude, false);
  }
  if (w.IscheckNumber) {
    set('0', '9', true);
    setListed(w.NumberExclude, false);
  }
  if (w.IscheckSpecial) setListed(w.specialArray, true);
  int lower = 32;
  while (lower <= 126 && !marks[lower]) ++lower;
  if (lower > 126)
    RefuseInput(Text(TR_NOOP("Core",
                             "The wildcard %1 has no character to draw from!\rPlease check at least one "
                             "character for it."))
                    .arg(name));
  int upper = 126;
  while (!marks[upper]) --upper;
  out = Tinputpar{};
  out.Lower = lower;
  out.Upper = upper;
  for (int c = lower; c <= upper; ++c)
    if (!marks[c]) out.Excluded.push_back(c);
  out.ExcludeKind = ExcludeNumbers;
  out.Count = 1;
  out.Duplicate = false;
}

void TparseString::Parse(std::string_view mask, TArrayInputpar& out) {
  constexpr int64_t kThreshold = MaxPossible / 100;
  Possible = 1;
  out.clear();
  out.reserve(std::max<size_t>(mask.size(), 1024));
  // Each mask character is looked up once per parse, not once per position.
  int wildcardOf[256];
  std::fill(std::begin(wildcardOf), std::end(wildcardOf), -2);  // -2 not looked up, -1 literal
  std::vector<Tinputpar> records;
  auto literal = [&out](unsigned char c) {
    Tinputpar p;
    p.Lower = p.Upper = c;
    p.ExcludeKind = ExcludeNumbers;
    p.Count = 1;
    out.push_back(std::move(p));
  };
  for (size_t i = 0; i < mask.size(); ++i) {
    const auto c = static_cast<unsigned char>(mask[i]);
    if (c == '\\') {
      literal(i + 1 < mask.size() ? static_cast<unsigned char>(mask[++i]) : c);
      continue;
    }
    if (wildcardOf[c] == -2) {
      const std::string name(1, static_cast<char>(c));
      if (Wildcards.IsWildcard(name)) {
        records.emplace_back();
        Wildcards.MakeInputpar(name, records.back());
        wildcardOf[c] = static_cast<int>(records.size() - 1);
      } else {
        wildcardOf[c] = -1;
      }
    }
    if (wildcardOf[c] < 0) {
      literal(c);
      continue;
    }
    const Tinputpar& record = records[static_cast<size_t>(wildcardOf[c])];
    out.push_back(record);
    const int64_t n = int64_t{record.Upper} - record.Lower + 1 - static_cast<int64_t>(record.Excluded.size());
    Possible = Possible >= kThreshold ? MaxPossible : Possible * n;
  }
}

namespace {

// One position of a mask, ready for drawing: exactly the engine's draw of one
// value from Lower .. Upper that is not excluded.
struct Position {
  uint32_t lower;
  uint32_t width;
  uint64_t excluded[2];  // by code
  bool anyExcluded;
  char draw(RandomSource& source) const {
    for (;;) {
      const uint32_t code = lower + source.RandomBelow(width);
      if (!anyExcluded || ((excluded[code >> 6] >> (code & 63)) & 1u) == 0) return static_cast<char>(code);
    }
  }
};

}  // namespace

void Trandom_character::Generate(const TinputString& par, const RunContext& run) {
  Input = par;
  stopped_ = false;
  static const Tlistparchar kNoWildcards;
  TparseString parser(Input.Wildcards != nullptr ? *Input.Wildcards : kNoWildcards);
  RandomSource& source = run.Source;
  StatusLabelView* label = label_ = run.Status;
  ProgressBarView* bar = bar_ = run.Progress;

  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Parse Mask..."));
  LetMessagesRun();
  TArrayInputpar positions;
  if (!stopped_) parser.Parse(Input.Mask, positions);
  LetMessagesRun();
  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Calculating randoms..."));
  const int64_t wanted = Input.Duplicate ? Input.Count : std::min(Input.Count, parser.PossibleTotal());
  LetMessagesRun();
  TextSet seen(Strings);
  if (!stopped_) {
    // The whole run is weighed before anything is drawn: the strings, the
    // set that finds repeats, and the sorted copy for display. A refused run
    // leaves the last one as it was.
    const auto n = static_cast<uint64_t>(wanted);
    const uint64_t chars = n * positions.size();
    PrepareTextRun(n, chars, Input.Duplicate, Strings, seen, Results);
    if (!Input.Duplicate) Possible = parser.PossibleTotal();
    Wanted = wanted;
  } else {
    Strings.clear();
    Results.clear();
  }
  LetMessagesRun();
  if (bar != nullptr) bar->start(Wanted);

  std::vector<Position> drawn;
  drawn.reserve(positions.size());
  Bits = 0;
  for (const Tinputpar& p : positions) {
    Position d{static_cast<uint32_t>(p.Lower), static_cast<uint32_t>(p.Upper - p.Lower + 1), {0, 0}, false};
    for (int32_t c : p.Excluded)
      if (c >= p.Lower && c <= p.Upper) {
        d.excluded[c >> 6] |= uint64_t{1} << (c & 63);
        d.anyExcluded = true;
      }
    const int choices =
        static_cast<int>(d.width) - std::popcount(d.excluded[0]) - std::popcount(d.excluded[1]);
    if (choices > 1) Bits += std::log2(static_cast<double>(choices));
    drawn.push_back(d);
  }
  // The mask's possible total counts every string, but the random source may
  // not reach them all: a run that comes round to draws it already rejected
  // ends with what it found.
  Exhausted = false;
  const auto draw = [&](std::string& s) {
    s.resize(drawn.size());
    for (size_t k = 0; k < drawn.size(); ++k) {
      s[k] = drawn[k].draw(source);
      LetMessagesRun();  // the engine lets messages run once per drawn value
    }
    return true;
  };
  const int64_t i = DrawDistinctTexts(Wanted, Wanted, Input.Duplicate, stopped_, source, Strings, seen, bar,
                                      Exhausted, draw, [] { LetMessagesRun(); });
  if (Exhausted) {
    Wanted = i;
    ShowWarning(
        Text(
            TR_NOOP("Core",
                    "Only %1 different strings can be drawn for this mask; all of them have been generated."))
            .arg(i));
  }
  if (label != nullptr) label->setCaption(TR_NOOP("Core", "Done"));
}

void Trandom_character::FormatResults(TformatPar format) {
  ArrangeTexts(Strings, Results, format.SortOrder, TR_NOOP("Core", "Sort Randoms..."), stopped_, bar_,
               label_);
}

}  // namespace quenvar
