#include "generators/NumberRules.h"

#include "core/Codes.h"

namespace quenvar {

std::optional<Text> NumberInputError(int32_t lower, int32_t upper, size_t excludedDigits) {
  if (upper < lower)
    return Text(TR_NOOP("Core", "The Upper number must greater than\r\ror equal to the Lower number!"));
  if (excludedDigits >= 10) return Text(TR_NOOP("Core", "You can not exclude all digits!"));
  // In floating point, as the values are shown: the width must fit the engine.
  if (double(upper) - double(lower) >= double(kInputBound))
    return Text(
        TR_NOOP("Core", "The Upper number minus the Lower number\r\r    must be less than 2147483647!"));
  return std::nullopt;
}

Text NumberTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  Text text;
  if (!duplicate) text = Text(TR_NOOP("Core", "Possible total randoms: %1")).arg(possible);
  return text + TotalsGap() + Text(TR_NOOP("Core", "Generated total randoms: %1")).arg(generated);
}

}  // namespace quenvar
