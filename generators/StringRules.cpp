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

Text PossiblePart(int64_t possible) {
  return Text(possible == MaxPossible ? TR_NOOP("Core", "Possible total randoms: Over %1")
                                      : TR_NOOP("Core", "Possible total randoms: %1"))
      .arg(possible);
}

Text GeneratedPart(int64_t generated) {
  return TotalsGap() + Text(TR_NOOP("Core", "Generated total randoms: %1")).arg(generated);
}

std::string OneDecimal(double value) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

Text StringTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  if (duplicate) return GeneratedPart(generated);
  return PossiblePart(possible) + GeneratedPart(generated);
}

Text StringTotalsWithStrength(bool duplicate, int64_t possible, int64_t generated, double bits,
                              double seedBits) {
  const bool limited = seedBits > 0;
  if (duplicate) {
    Text strength(limited ? TR_NOOP("Core", "Strength: %1 bits, seed limit %2 bits")
                          : TR_NOOP("Core", "Strength: %1 bits"));
    strength.arg(OneDecimal(bits));
    if (limited) strength.arg(OneDecimal(seedBits));
    return strength + GeneratedPart(generated);
  }
  Text strength(limited ? TR_NOOP("Core", "%1 bits, seed limit %2 bits") : TR_NOOP("Core", "%1 bits"));
  strength.arg(OneDecimal(bits));
  if (limited) strength.arg(OneDecimal(seedBits));
  return PossiblePart(possible) + Text::Plain(" (") + strength + Text::Plain(")") + GeneratedPart(generated);
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
