#include "generators/NameRules.h"

namespace quenvar {

std::optional<std::string> NameInputError(uint8_t gender) {
  if ((gender & 3) == 0) return "You must check at least one of the Female and Male box!";
  return std::nullopt;
}

NameLists NameListFiles(paths::Use use) {
  using paths::NameList;
  return {paths::NameListFile(NameList::Female, use), paths::NameListFile(NameList::Male, use),
          paths::NameListFile(NameList::Last, use)};
}

std::string NameTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  std::string text;
  if (!duplicate) text = "Possible total: " + std::to_string(possible);
  return text + "      Generated total: " + std::to_string(generated);
}

}  // namespace quenvar
