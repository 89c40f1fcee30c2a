#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Text.h"

namespace quenvar {

// The checks a lottery request must pass before drawing, and the totals line
// of a run: one place for the window's Lottery page and quenvar-cli.

// The message of the first check the request fails; nothing when it passes.
// The bonus range is checked only when bonus numbers come from it.
std::optional<Text> LotteryInputError(int32_t mainLow, int32_t mainUpper, bool bonusRangeUsed,
                                      int32_t bonusLow, int32_t bonusUpper);

// "Possible total: P      Generated total: G", with "Over " before a
// possible total that reached the cap. A refused request gives -1 and 0.
Text LotteryTotalsText(int64_t possible, int64_t generated);

}  // namespace quenvar
