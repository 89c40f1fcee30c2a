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

std::optional<Text> StringInputError(std::string_view trimmedMask) {
  if (trimmedMask.empty()) return Text(TR_NOOP("Core", "The edit box of Mask can not be blank!"));
  return std::nullopt;
}

namespace {

// The possible part of the totals line, with the strength in bits beside it
// when `bits` is given.
Text PossiblePart(int64_t possible, const std::string* bits) {
  const bool over = possible == MaxPossible;
  if (bits == nullptr)
    return Text(over ? TR_NOOP("Core", "Possible total randoms: Over %1")
                     : TR_NOOP("Core", "Possible total randoms: %1"))
        .arg(possible);
  return Text(over ? TR_NOOP("Core", "Possible total randoms: Over %1 (%2 bits)")
                   : TR_NOOP("Core", "Possible total randoms: %1 (%2 bits)"))
      .arg(possible)
      .arg(*bits);
}

Text GeneratedPart(int64_t generated) {
  return TotalsGap() + Text(TR_NOOP("Core", "Generated total randoms: %1")).arg(generated);
}

}  // namespace

Text StringTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  if (duplicate) return GeneratedPart(generated);
  return PossiblePart(possible, nullptr) + GeneratedPart(generated);
}

Text StringTotalsWithStrength(bool duplicate, int64_t possible, int64_t generated, double bits) {
  char strength[48];
  std::snprintf(strength, sizeof strength, "%.1f", bits);
  const std::string figure = strength;
  if (duplicate) return Text(TR_NOOP("Core", "Strength: %1 bits")).arg(figure) + GeneratedPart(generated);
  return PossiblePart(possible, &figure) + GeneratedPart(generated);
}

std::optional<Text> WildcardGroupError(const Tparchar& w) {
  if (w.IscheckUpper && AllListed(w.UpperExclude, 'A', 'Z'))
    return Text(TR_NOOP(
        "Core", "When the uppercase A-Z box is checked\r\rYou can not exclude all uppercase letter!\r"));
  if (w.IscheckLower && AllListed(w.Lowerexclude, 'a', 'z'))
    return Text(TR_NOOP(
        "Core", "When the lowercase a-z box is checked\r\rYou can not exclude all lowercase letter!\r"));
  if (w.IscheckNumber && AllListed(w.NumberExclude, '0', '9'))
    return Text(TR_NOOP("Core", "When the number 0-9 box is checked\r\rYou can not exclude all numbers!\r"));
  if (w.IscheckSpecial && w.specialArray.empty())
    return Text(TR_NOOP(
        "Core", "When the special character box is checked\r\rYou must select at least one character!\r"));
  return std::nullopt;
}

}  // namespace quenvar
