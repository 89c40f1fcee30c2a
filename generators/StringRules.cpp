#include "generators/StringRules.h"

#include <cstdio>

#include "core/Unit_base.h"

namespace quenvar {

namespace {

// Whether every code from low to high is listed.
bool AllListed(const TArrayInteger& codes, int low, int high) {
  bool listed[128] = {};
  for (int32_t c : codes)
    if (c >= low && c <= high) listed[c] = true;
  for (int c = low; c <= high; ++c)
    if (!listed[c]) return false;
  return true;
}

}  // namespace

std::optional<std::string> StringInputError(std::string_view trimmedMask) {
  if (trimmedMask.empty()) return "The edit box of Mask can not be blank!";
  return std::nullopt;
}

std::string StringTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  std::string text;
  if (!duplicate)
    text = "Possible total randoms: " + std::string(possible == MaxPossible ? "Over " : "") +
           std::to_string(possible);
  return text + "      Generated total randoms: " + std::to_string(generated);
}

std::string StringTotalsWithStrength(bool duplicate, int64_t possible, int64_t generated, double bits,
                                     double seedBits) {
  char strength[80];
  if (seedBits > 0)
    std::snprintf(strength, sizeof strength, "%.1f bits, seed limit %.1f bits", bits, seedBits);
  else
    std::snprintf(strength, sizeof strength, "%.1f bits", bits);
  std::string text = StringTotalsText(duplicate, possible, generated);
  const size_t generatedAt = text.find("      Generated");
  if (duplicate) return "Strength: " + std::string(strength) + text;
  return text.insert(generatedAt, " (" + std::string(strength) + ")");
}

std::optional<std::string> WildcardGroupError(const Tparchar& w) {
  if (w.IscheckUpper && AllListed(w.UpperExclude, 'A', 'Z'))
    return "When the uppercase A-Z box is checked\r\rYou can not exclude all uppercase letter!\r";
  if (w.IscheckLower && AllListed(w.Lowerexclude, 'a', 'z'))
    return "When the lowercase a-z box is checked\r\rYou can not exclude all lowercase letter!\r";
  if (w.IscheckNumber && AllListed(w.NumberExclude, '0', '9'))
    return "When the number 0-9 box is checked\r\rYou can not exclude all numbers!\r";
  if (w.IscheckSpecial && w.specialArray.empty())
    return "When the special character box is checked\r\rYou must select at least one character!\r";
  return std::nullopt;
}

}  // namespace quenvar
