#include "core/RunOptions.h"

#include <sstream>

namespace quenvar::runs {

namespace {

constexpr size_t kColumn = 24;  // where the descriptions of --help start

void Replace(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

}  // namespace

std::vector<std::string> Choices(const Option& option) {
  std::vector<std::string> words;
  std::istringstream in(option.choices);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Choice(const Option& option, int index) {
  const std::vector<std::string> words = Choices(option);
  return index >= 0 && static_cast<size_t>(index) < words.size() ? words[static_cast<size_t>(index)] : "";
}

std::string HelpLines(const Option& option) {
  std::string head = "  ";
  if (option.shortName != 0) head += std::string("-") + option.shortName + ", ";
  head += std::string("--") + option.word;
  if (option.value != Value::None) head += std::string(" ") + option.meta;
  head += head.size() + 2 <= kColumn ? std::string(kColumn - head.size(), ' ') : "  ";

  std::string text = option.help;
  const std::vector<std::string> words = Choices(option);
  std::string list;
  for (size_t i = 0; i < words.size(); ++i)
    list += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + words[i];
  Replace(text, "{choices}", list);
  Replace(text, "{default}",
          option.value == Value::Word ? Choice(option, option.fallback) : std::to_string(option.fallback));
  Replace(text, "{min}", std::to_string(option.min));
  Replace(text, "{max}", std::to_string(option.max));
  Replace(text, "\n", "\n" + std::string(kColumn, ' '));
  return head + text + "\n";
}

}  // namespace quenvar::runs
