#include "cli/Options.h"

#include <cctype>
#include <charconv>

#include "core/ByteCount.h"

namespace quenvar::cli {

std::optional<std::string> ParsedOptions::value(const std::string& name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
  ParsedOptions parsed;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (arg == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    // A short name: "-n 5" or "-n5" is "--count 5".
    if (!optionsEnded && arg.size() >= 2 && arg[0] == '-' && arg[1] != '-') {
      const OptionSpec* known = nullptr;
      for (const OptionSpec& s : specs)
        if (s.shortName != 0 && s.shortName == arg[1]) known = &s;
      if (known == nullptr) throw UsageError("unknown option " + arg.substr(0, 2));
      if (!known->takesValue && arg.size() > 2) throw UsageError(arg.substr(0, 2) + " takes no value");
      arg = "--" + known->name + (arg.size() > 2 ? "=" + arg.substr(2) : "");
    }
    if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0)
      throw UsageError("unexpected argument '" + arg + "' (options start with --)");
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
    const OptionSpec* known = nullptr;
    for (const OptionSpec& s : specs)
      if (s.name == name) known = &s;
    if (known == nullptr) throw UsageError("unknown option --" + name);
    if (!known->takesValue) {
      if (equals != std::string::npos) throw UsageError("--" + name + " takes no value");
      parsed.set(name, "");
      continue;
    }
    if (equals != std::string::npos) {
      parsed.set(name, arg.substr(equals + 1));
    } else {
      if (i + 1 >= args.size()) throw UsageError("--" + name + " needs a value");
      const std::string& next = args[i + 1];
      const bool negativeNumber =
          next.size() > 1 && next[0] == '-' && std::isdigit(static_cast<unsigned char>(next[1]));
      if (next.compare(0, 2, "--") == 0 && !negativeNumber) throw UsageError("--" + name + " needs a value");
      parsed.set(name, next);
      ++i;
    }
  }
  // A secure run has no seed to repeat it by.
  if (parsed.has(runs::kSecure.word) && parsed.has(runs::kSeed.word))
    throw UsageError("--secure and --seed exclude each other: a secure run cannot be repeated from a seed");
  return parsed;
}

CommandHelp& CommandHelp::operator<<(const char* text) {
  pieces_.emplace_back(text);
  return *this;
}

CommandHelp& CommandHelp::operator<<(const runs::Option& option) {
  pieces_.emplace_back(&option);
  return *this;
}

std::string CommandHelp::text() const {
  std::string text;
  for (const auto& piece : pieces_)
    text += std::holds_alternative<const char*>(piece)
                ? std::get<const char*>(piece)
                : runs::HelpLines(*std::get<const runs::Option*>(piece));
  return text;
}

std::vector<const runs::Option*> CommandHelp::options() const {
  std::vector<const runs::Option*> options;
  for (const auto& piece : pieces_)
    if (const auto* option = std::get_if<const runs::Option*>(&piece)) options.push_back(*option);
  return options;
}

std::vector<OptionSpec> CommandHelp::specs() const {
  std::vector<OptionSpec> specs;
  for (const runs::Option* option : options())
    specs.push_back({option->word, option->value != runs::Value::None, option->shortName});
  return specs;
}

namespace {

std::string RangeText(const std::string& option, int64_t min, int64_t max) {
  return "--" + option + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

}  // namespace

int64_t ParseInteger(const std::string& text, const std::string& option, int64_t min, int64_t max) {
  int64_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  // One sign at most: "+5" is 5, "+-5" is no number.
  if (first != last && *first == '+' && first + 1 != last &&
      std::isdigit(static_cast<unsigned char>(first[1])))
    ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (text.empty() || ec != std::errc() || ptr != last || value < min || value > max)
    throw UsageError(RangeText(option, min, max) + " (got '" + text + "')");
  return value;
}

int64_t ParseSize(const std::string& text, const std::string& option, int64_t min, int64_t max) {
  if (const auto value = ParseByteCount(text, min, max)) return *value;
  throw UsageError("--" + option + " must be a byte count from " + std::to_string(min) + " to " +
                   std::to_string(max) + ", optionally with K, M or G (got '" + text + "')");
}

int ParseChoice(const std::string& text, const std::string& option, const std::vector<std::string>& words) {
  for (size_t i = 0; i < words.size(); ++i)
    if (words[i] == text) return static_cast<int>(i);
  std::string list;
  for (const std::string& w : words) list += (list.empty() ? "" : ", ") + w;
  throw UsageError("--" + option + " must be one of: " + list + " (got '" + text + "')");
}

}  // namespace quenvar::cli
