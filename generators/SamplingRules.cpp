#include "generators/SamplingRules.h"

namespace quenvar {

std::optional<Text> SamplingInputError(size_t items, size_t checked) {
  if (items == 0)
    return Text(TR_NOOP("Core", "Please load items from TXT file,\r\ror manually add item one by one!\r"));
  // With nothing checked there is nothing to draw from, with or without repeats.
  if (checked == 0)
    return Text(TR_NOOP("Core", "No item is checked.\r\rPlease check the items to sample from!"));
  return std::nullopt;
}

Text SamplingTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  Text text;
  if (!duplicate) text = Text(TR_NOOP("Core", "Possible total: %1")).arg(possible);
  return text + TotalsGap() + Text(TR_NOOP("Core", "Generated total: %1")).arg(generated);
}

}  // namespace quenvar
