#include "generators/NameRules.h"

namespace quenvar {

std::optional<std::string> NameInputError(uint8_t gender) {
  if ((gender & 3) == 0) return "You must check at least one of the Female and Male box!";
  return std::nullopt;
}

NameLists ShippedNameLists(const std::string& programFolder) {
  const std::string folder = programFolder + "/name/";
  return {folder + "female_first_names.txt", folder + "male_first_names.txt", folder + "last_names.txt"};
}

std::string NameTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  std::string text;
  if (!duplicate) text = "Possible total: " + std::to_string(possible);
  return text + "      Generated total: " + std::to_string(generated);
}

}  // namespace quenvar
