#include "generators/LotteryRules.h"

#include "core/Unit_base.h"

namespace quenvar {

std::optional<Text> LotteryInputError(int32_t mainLow, int32_t mainUpper, bool bonusRangeUsed,
                                      int32_t bonusLow, int32_t bonusUpper) {
  const Text order(TR_NOOP("Core", "The Upper number must greater than\r\ror equal to the Lower number!"));
  if (mainUpper < mainLow) return order;
  if (bonusRangeUsed && bonusUpper < bonusLow) return order;
  return std::nullopt;
}

Text LotteryTotalsText(int64_t possible, int64_t generated) {
  const Text possibleText = possible == MaxPossible ? Text(TR_NOOP("Core", "Possible total:  Over %1"))
                                                    : Text(TR_NOOP("Core", "Possible total: %1"));
  return Text(possibleText).arg(possible) + TotalsGap() +
         Text(TR_NOOP("Core", "Generated total: %1")).arg(generated);
}

}  // namespace quenvar
