#include "generators/SamplingRules.h"

namespace quenvar {

std::optional<std::string> SamplingInputError(size_t items, size_t checked) {
  if (items == 0) return "Please load items from TXT file,\r\ror manually add item one by one!\r";
  // With nothing checked there is nothing to draw from, with or without repeats.
  if (checked == 0) return "No item is checked.\r\rPlease check the items to sample from!";
  return std::nullopt;
}

std::string SamplingTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  std::string text;
  if (!duplicate) text = "Possible total: " + std::to_string(possible);
  return text + "      Generated total: " + std::to_string(generated);
}

}  // namespace quenvar
