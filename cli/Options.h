#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "core/RunOptions.h"

namespace quenvar::cli {

// A mistake on the command line: reported with exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct OptionSpec {
  std::string name;  // without the leading dashes
  bool takesValue;
  char shortName = 0;  // "-n" beside "--count"
};

// A command's --help, its texts and options in order; the options listed
// are the ones its parser takes.
class CommandHelp {
 public:
  CommandHelp& operator<<(const char* text);
  CommandHelp& operator<<(const runs::Option& option);
  std::string text() const;
  std::vector<OptionSpec> specs() const;
  std::vector<const runs::Option*> options() const;

 private:
  std::vector<std::variant<const char*, const runs::Option*>> pieces_;
};

// Options as given: "--name value" or "--name=value", "-n value" or "-nvalue"
// for those with a short name. A value may itself start with a minus sign
// ("--lower -5"). "--" ends the options.
class ParsedOptions {
 public:
  bool has(const std::string& name) const { return values_.count(name) > 0; }
  std::optional<std::string> value(const std::string& name) const;
  void set(const std::string& name, std::string value) { values_[name] = std::move(value); }

 private:
  std::map<std::string, std::string> values_;
};

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs);

// A whole number within min .. max, or a UsageError naming the option.
int64_t ParseInteger(const std::string& text, const std::string& option, int64_t min, int64_t max);

// A byte count with an optional K, M or G suffix (powers of 1024).
int64_t ParseSize(const std::string& text, const std::string& option, int64_t min, int64_t max);

// One of the given words; its index.
int ParseChoice(const std::string& text, const std::string& option, const std::vector<std::string>& words);

}  // namespace quenvar::cli
