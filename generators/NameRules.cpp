#include "generators/NameRules.h"

namespace quenvar {

std::optional<Text> NameInputError(TGender gender) {
  if ((gender & GenderBoth) == 0)
    return Text(TR_NOOP("Core", "You must check at least one of the Female and Male box!"));
  return std::nullopt;
}

NameLists NameListFiles(paths::Use use) {
  using paths::NameList;
  return {paths::NameListFile(NameList::Female, use), paths::NameListFile(NameList::Male, use),
          paths::NameListFile(NameList::Last, use)};
}

Text NameTotalsText(bool duplicate, int64_t possible, int64_t generated) {
  Text text;
  if (!duplicate) text = Text(TR_NOOP("Core", "Possible total: %1")).arg(possible);
  return text + TotalsGap() + Text(TR_NOOP("Core", "Generated total: %1")).arg(generated);
}

}  // namespace quenvar
