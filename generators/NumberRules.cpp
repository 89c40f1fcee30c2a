#include "generators/NumberRules.h"

#include "core/Codes.h"

namespace quenvar {

std::optional<std::string> NumberInputError(int32_t lower, int32_t upper, size_t excludedDigits) {
  if (upper < lower) return "The Upper number must greater than\r\ror equal to the Lower number!";
  if (excludedDigits >= 10) return "You can not exclude all digits!";
  // In floating point, as the values are shown: the width must fit the engine.
  if (double(upper) - double(lower) >= double(kInputBound))
    return "The Upper number minus the Lower number\r\r    must be less than 2147483647!";
  return std::nullopt;
}

std::string NumberTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  std::string text;
  if (!duplicate) text = "Possible total randoms: " + std::to_string(possible);
  return text + "      Generated total randoms: " + std::to_string(generated);
}

}  // namespace quenvar
