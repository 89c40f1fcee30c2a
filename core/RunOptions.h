#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The options of each kind of run, stated once: the CLI parses them and
// tells of them in --help (and so in the man page), the bash completion
// offers them, each page copies its run with them and starts from their
// defaults, in its controls and in setup.ini alike.
namespace quenvar::runs {

constexpr int32_t kMax = 2147483647;

// What follows the option word.
enum class Value : uint8_t {
  None,    // a flag
  Number,  // a whole number from min to max
  Bytes,   // a byte count from min to max, with K, M or G
  Word,    // one of `choices`
  File,    // a path
  Text,    // anything else
};

struct Option {
  const char* word;    // without the dashes
  char shortName = 0;  // "-n" beside "--count"
  Value value = Value::None;
  const char* meta = "";  // the value's name in --help: "N" in "--count N"
  int32_t fallback = 0;   // the default: a number, or the index of a word
  int32_t min = 0;
  int32_t max = 0;
  const char* choices = "";  // Word: the words, blank-separated, in the order of their codes
  // The --help description: lines separated by '\n', with {min}, {max},
  // {default} and {choices} ("a, b or c") filled in.
  const char* help = "";
};

// The same option told otherwise in one command's --help.
constexpr Option Told(Option option, const char* help) {
  option.help = help;
  return option;
}

// The `index`th of an option's words ("" past the last).
std::string Choice(const Option& option, int index);
std::vector<std::string> Choices(const Option& option);
// The option's lines of --help: "  -n, --count N" with its description from
// the 25th column (two blanks after a longer head), one line each.
std::string HelpLines(const Option& option);

// clang-format off
// Taken by every command.
inline constexpr Option kSeed{.word = "seed", .shortName = 's', .value = Value::Number, .meta = "S", .min = -kMax, .max = kMax,
    .help = "manual seed, {min} to {max};\nwithout it the seed comes from the clock"};
inline constexpr Option kSecure{.word = "secure",
    .help = "draw from the system's cryptographic generator\n(for passwords and keys; not repeatable, no seed)"};
inline constexpr Option kHelp{.word = "help", .shortName = 'h', .help = "print the command's options and exit"};
inline constexpr Option kSort{.word = "sort", .value = Value::Word, .meta = "ORDER", .fallback = 2, .choices = "asc desc drawn",
    .help = "{choices} (drawing order, the default)"};
// How the results are laid out, as in the save dialog.
inline constexpr Option kPerLine{.word = "per-line", .value = Value::Number, .meta = "P", .fallback = 1, .min = 1, .max = 100,
    .help = "values per line, {min} to {max} (default {default})"};
inline constexpr Option kOneLine{.word = "one-line", .help = "all values on a single line"};
inline constexpr Option kSeparator{.word = "separator", .value = Value::Word, .meta = "S", .choices = "tab comma space",
    .help = "{choices} between values (default {default})"};
inline constexpr Option kSave{.word = "save", .value = Value::File, .meta = "FILE",
    .help = "write the results to FILE with CR LF line ends\ninstead of standard output (LF line ends);\n"
            "FILE - is standard output with CR LF"};
inline constexpr Option kSaveAppend{.word = "save-append", .help = "with --save: add to the end of FILE"};
inline constexpr Option kQuiet{.word = "quiet", .help = "leave out the totals line"};
inline constexpr Option kAppend{.word = "append", .help = "the same as --save-append"};
// How many to draw, and repeats; each command tells them its own way.
inline constexpr Option kCount{.word = "count", .shortName = 'n', .value = Value::Number, .meta = "N", .fallback = 100,
    .min = 1, .max = kMax};
inline constexpr Option kDuplicates{.word = "duplicates"};

namespace number {
inline constexpr Option kLower{.word = "lower", .value = Value::Number, .meta = "L", .fallback = 1, .min = -kMax, .max = kMax,
    .help = "lowest number, {min} to {max} (default {default})"};
inline constexpr Option kUpper{.word = "upper", .value = Value::Number, .meta = "U", .fallback = 10000, .min = -kMax, .max = kMax,
    .help = "highest number, same limits (default {default});\nU - L must be less than 2147483647"};
inline constexpr Option kCount = Told(runs::kCount,
    "how many numbers, {min} to {max} (default {default});\nwithout --duplicates at most the possible total");
inline constexpr Option kDuplicates = Told(runs::kDuplicates, "allow a number to be drawn more than once");
inline constexpr Option kExcludeDigits{.word = "exclude-digits", .value = Value::Text, .meta = "D",
    .help = "never draw a number containing any of these\ndigits, e.g. 479 (not all ten)"};
inline constexpr Option kComma{.word = "comma",
    .help = "group thousands with the locale's separator\n(a comma where the locale has none)"};
}  // namespace number

namespace lottery {
inline constexpr Option kMainLow{.word = "main-low", .value = Value::Number, .meta = "L", .fallback = 1, .min = -kMax, .max = kMax,
    .help = "lowest main number (default {default})"};
inline constexpr Option kMainUpper{.word = "main-upper", .value = Value::Number, .meta = "U", .fallback = 53, .min = -kMax, .max = kMax,
    .help = "highest main number (default {default})"};
inline constexpr Option kMainPick{.word = "main-pick", .value = Value::Number, .meta = "P", .fallback = 5, .min = 1, .max = 300,
    .help = "main numbers per line, {min} to {max} (default {default})"};
inline constexpr Option kBonusLow{.word = "bonus-low", .value = Value::Number, .meta = "L", .fallback = 1, .min = -kMax, .max = kMax,
    .help = "lowest bonus number (default {default})"};
inline constexpr Option kBonusUpper{.word = "bonus-upper", .value = Value::Number, .meta = "U", .fallback = 42, .min = -kMax, .max = kMax,
    .help = "highest bonus number (default {default})"};
inline constexpr Option kBonusPick{.word = "bonus-pick", .value = Value::Number, .meta = "Q", .fallback = 1, .min = 1, .max = 200,
    .help = "bonus numbers per line, {min} to {max} (default {default})"};
inline constexpr Option kNoBonus{.word = "no-bonus", .help = "main numbers only"};
inline constexpr Option kBonusFromRemaining{.word = "bonus-from-remaining",
    .help = "draw the bonus numbers from the main range, apart\nfrom the line's main numbers"};
inline constexpr Option kDuplicateNumbers{.word = "duplicate-numbers", .help = "a number may appear twice in one line"};
inline constexpr Option kUniqueLines{.word = "unique-lines",
    .help = "no two lines alike: lines are compared number by\nnumber in drawing order, before any sorting, so\n"
            "1 2 and 2 1 count as different lines"};
inline constexpr Option kLines{.word = "lines", .value = Value::Number, .meta = "N", .fallback = 20, .min = 1, .max = kMax,
    .help = "number of lines, {min} to {max} (default {default})"};
// Lines of numbers are laid out one lottery line per output line.
inline constexpr Option kSeparator = Told(runs::kSeparator, "{choices} between numbers (default {default})");
inline constexpr Option kSave = Told(runs::kSave,
    "write the lines to FILE with CR LF line ends\ninstead of standard output (LF line ends);\n"
    "FILE - is standard output with CR LF");
}  // namespace lottery

namespace sample {
inline constexpr Option kItems{.word = "items", .value = Value::File, .meta = "FILE", .help = "the item list; FILE - is standard input"};
inline constexpr Option kCount = Told(runs::kCount,
    "how many samples, {min} to {max} (default {default});\nwithout --duplicates at most the number of items");
inline constexpr Option kDuplicates = Told(runs::kDuplicates, "allow an item to be drawn more than once");
}  // namespace sample

namespace string {
inline constexpr Option kMask{.word = "mask", .value = Value::Text, .meta = "M", .help = "the mask"};
inline constexpr Option kWildcards{.word = "wildcards", .value = Value::File, .meta = "FILE",
    .help = "the wildcard definitions (default: wildcard.ini\nbeside this program; installed, the user's copy\n"
            "in ~/.config/quenvar, else the shipped one)"};
inline constexpr Option kCount = Told(runs::kCount,
    "how many strings, {min} to {max} (default {default});\nwithout --duplicates at most the possible total");
inline constexpr Option kDuplicates = Told(runs::kDuplicates, "allow a string to be drawn more than once");
}  // namespace string

namespace name {
// The words' codes are 1 to 3: bit 0 the female list, bit 1 the male list.
inline constexpr Option kGender{.word = "gender", .value = Value::Word, .meta = "G", .fallback = 2, .choices = "female male both",
    .help = "{choices} (default {default})"};
inline constexpr Option kFemale{.word = "female", .value = Value::File, .meta = "FILE",
    .help = "female first names, one per line (default: the\nlist in name/ beside this program; installed,\n"
            "the user's copy in ~/.local/share/quenvar/name,\nelse the shipped one)"};
inline constexpr Option kMale{.word = "male", .value = Value::File, .meta = "FILE",
    .help = "male first names (default: the same folder's)"};
inline constexpr Option kLast{.word = "last", .value = Value::File, .meta = "FILE", .help = "last names (default: the same folder's)"};
inline constexpr Option kCount = Told(runs::kCount, "how many names, {min} to {max} (default {default})");
inline constexpr Option kDuplicates = Told(runs::kDuplicates, "allow a name to be drawn more than once");
}  // namespace name

namespace file {
inline constexpr Option kOutput{.word = "output", .shortName = 'o', .value = Value::File, .meta = "PATH",
    .help = "the file to write (missing folders are created);\nPATH - is standard output"};
inline constexpr Option kSize{.word = "size", .value = Value::Bytes, .meta = "N", .fallback = 100, .min = 1, .max = kMax,
    .help = "number of bytes, {min} to {max} (default {default});\nK, M and G multiply by 1024, 1024^2 and 1024^3"};
// The byte file's own: --save-append does it for the text.
inline constexpr Option kAppend = Told(runs::kAppend,
    "add the bytes to the end of an existing file\n(--save-append does so for the text of --save)");
// The words in the order of the radix codes 1, 0, 2, 3.
inline constexpr Option kShow{.word = "show", .value = Value::Word, .meta = "RADIX", .choices = "hex dec oct bin",
    .help = "also print the bytes: {choices} (or,\nwith --save, write them to a text file)"};
}  // namespace file
// clang-format on

// The commands of the CLI, one for each kind of run.
struct Command {
  const char* word;
  const char* summary;  // its line in the tool's --help
};
inline constexpr Command kNumber{"number", "random whole numbers from a range"};
inline constexpr Command kLottery{"lottery", "lottery lines of main and bonus numbers"};
inline constexpr Command kSample{"sample", "samples from a list of items"};
inline constexpr Command kString{"string", "random strings following a mask"};
inline constexpr Command kName{"name", "random person names"};
inline constexpr Command kFile{"file", "a file of random bytes"};

}  // namespace quenvar::runs
