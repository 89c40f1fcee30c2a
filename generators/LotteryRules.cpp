#include "generators/LotteryRules.h"

#include "core/Unit_base.h"

namespace quenvar {

std::optional<std::string> LotteryInputError(int32_t mainLow, int32_t mainUpper, bool bonusRangeUsed,
                                             int32_t bonusLow, int32_t bonusUpper) {
  const char kOrder[] = "The Upper number must greater than\r\ror equal to the Lower number!";
  if (mainUpper < mainLow) return kOrder;
  if (bonusRangeUsed && bonusUpper < bonusLow) return kOrder;
  return std::nullopt;
}

std::string LotteryTotalsText(int64_t possible, int64_t generated) {
  const std::string possibleText = possible == MaxPossible ? "Possible total:  Over " : "Possible total: ";
  return possibleText + std::to_string(possible) + "      Generated total: " + std::to_string(generated);
}

}  // namespace quenvar
