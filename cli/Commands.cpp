#include "cli/Commands.h"

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/Options.h"
#include "cli/Terminal.h"
#include "core/Errors.h"
#include "core/RandomSource.h"
#include "core/Writers.h"
#include "generators/Unit_file.h"
#include "generators/Unit_number.h"

namespace quenvar::cli {

namespace {

constexpr int64_t kMaxInt = 2147483647;

const char kUsageText[] =
    "Usage: quenvar-cli COMMAND [OPTIONS]\n"
    "\n"
    "Runs the generators of Quenvar Random Number Generator from a terminal.\n"
    "The same seed and options give the same output as the window.\n"
    "\n"
    "Commands:\n"
    "  number   random whole numbers from a range\n"
    "  file     a file of random bytes\n"
    "\n"
    "Run 'quenvar-cli COMMAND --help' for the options of a command.\n";

const char kLayoutHelp[] =
    "Layout of the results (as in the save dialog):\n"
    "  --per-line P          values per line, 1 to 100 (default 1)\n"
    "  --one-line            all values on a single line\n"
    "  --separator S         tab, comma or space between values (default tab)\n"
    "  --save FILE           write the results to FILE with CR LF line ends\n"
    "                        instead of standard output (LF line ends)\n"
    "  --append              with --save: add to the end of FILE\n"
    "\n"
    "Options take '--option value' or '--option=value'.\n"
    "Standard error gets the totals line, and 'Seed: N' when the seed came\n"
    "from the clock, so that the run can be repeated with --seed N.\n"
    "Exit status: 0 done, 1 file or memory error, 2 bad options, 130 cancelled\n"
    "by Ctrl+C.\n";

const char kNumberHelp[] =
    "Usage: quenvar-cli number [OPTIONS]\n"
    "\n"
    "Random whole numbers from a range, as the Random Number page draws them.\n"
    "\n"
    "  --lower L             lowest number, -2147483647 to 2147483647 (default 1)\n"
    "  --upper U             highest number, same limits (default 10000);\n"
    "                        U - L must be less than 2147483647\n"
    "  --count N             how many numbers, 1 to 2147483647 (default 100);\n"
    "                        without --duplicates at most the possible total\n"
    "  --duplicates          allow a number to be drawn more than once\n"
    "  --exclude-digits D    never draw a number containing any of these\n"
    "                        digits, e.g. 479 (not all ten)\n"
    "  --seed S              manual seed, -2147483647 to 2147483647;\n"
    "                        without it the seed comes from the clock\n"
    "  --sort ORDER          asc, desc or drawn (drawing order, the default)\n"
    "  --comma               group thousands with the locale's separator\n"
    "                        (a comma where the locale has none)\n"
    "  --help                this text\n"
    "\n";

const char kFileHelp[] =
    "Usage: quenvar-cli file --output PATH [OPTIONS]\n"
    "\n"
    "A file of random bytes, as the Random File page writes it.\n"
    "\n"
    "  --output PATH         the file to write (missing folders are created)\n"
    "  --size N              number of bytes, 1 to 2147483647 (default 100);\n"
    "                        K, M and G multiply by 1024, 1024^2 and 1024^3\n"
    "  --append              add to the end of an existing file\n"
    "  --seed S              manual seed, -2147483647 to 2147483647;\n"
    "                        without it the seed comes from the clock\n"
    "  --show RADIX          also print the bytes: hex, dec, oct or bin\n"
    "  --help                this text\n"
    "\n";

std::vector<OptionSpec> LayoutSpecs() {
  return {{"per-line", true}, {"one-line", false}, {"separator", true},
          {"save", true},     {"append", false},   {"help", false}};
}

struct Layout {
  bool oneLine = false;
  int32_t perLine = 1;
  uint8_t separator = 1;
  std::optional<std::string> saveTo;
  bool append = false;
};

Layout ReadLayout(const ParsedOptions& options) {
  Layout layout;
  if (auto v = options.value("per-line")) layout.perLine = static_cast<int32_t>(ParseInteger(*v, "per-line", 1, 100));
  layout.oneLine = options.has("one-line");
  if (auto v = options.value("separator")) {
    static const uint8_t kCodes[] = {1, 0, 2};  // tab, comma, space
    layout.separator = kCodes[ParseChoice(*v, "separator", {"tab", "comma", "space"})];
  }
  layout.saveTo = options.value("save");
  layout.append = options.has("append");
  return layout;
}

// Results to standard output (LF) or through the text writer (CR LF).
void WriteResults(const TArrayString& results, const Layout& layout) {
  if (layout.saveTo) {
    TsaveTextPar par;
    par.FileName = *layout.saveTo;
    par.Append = layout.append;
    par.OneLine = layout.oneLine;
    par.PerLine = layout.perLine;
    par.Separator = layout.separator;
    TsavetoText writer(par);
    writer.OpenText();
    writer.WriteRandoms(results);
    writer.CloseText();
    return;
  }
  std::string buffer;
  buffer.reserve(1 << 16);
  LayOutLines(results, layout.oneLine, layout.perLine, layout.separator, "\n", [&buffer](std::string_view piece) {
    buffer.append(piece);
    if (buffer.size() >= (1 << 16)) {
      std::fwrite(buffer.data(), 1, buffer.size(), stdout);
      buffer.clear();
    }
  });
  std::fwrite(buffer.data(), 1, buffer.size(), stdout);
  if (std::fflush(stdout) != 0) throw EInOutError("Cannot write to standard output.");
}

// Validation messages are the window's; each carriage return starts a line.
[[noreturn]] void Refuse(std::string message) {
  for (char& c : message)
    if (c == '\r') c = '\n';
  throw UsageError(message);
}

int32_t TakeSeed(const ParsedOptions& options) {
  if (auto v = options.value("seed")) return static_cast<int32_t>(ParseInteger(*v, "seed", -kMaxInt, kMaxInt));
  SeedFromClock();
  const auto seed = static_cast<int32_t>(RandomSeed);
  std::fprintf(stderr, "Seed: %d\n", seed);
  return seed;
}

void UseLocaleSeparator() {
  std::setlocale(LC_NUMERIC, "");
  const char* sep = std::localeconv()->thousands_sep;
  SetThousandsSeparator(sep != nullptr && *sep != '\0' ? sep : ",");
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace

int RunNumber(const std::vector<std::string>& args) {
  std::vector<OptionSpec> specs = LayoutSpecs();
  specs.insert(specs.end(), {{"lower", true},
                             {"upper", true},
                             {"count", true},
                             {"duplicates", false},
                             {"exclude-digits", true},
                             {"seed", true},
                             {"sort", true},
                             {"comma", false}});
  const ParsedOptions options = ParseOptions(args, specs);
  if (options.has("help")) {
    std::cout << kNumberHelp << kLayoutHelp;
    return kOk;
  }
  Tinputpar input;
  input.Lower = 1;
  input.Upper = 10000;
  input.Count = 100;
  input.ExcludeKind = 1;
  if (auto v = options.value("lower")) input.Lower = static_cast<int32_t>(ParseInteger(*v, "lower", -kMaxInt, kMaxInt));
  if (auto v = options.value("upper")) input.Upper = static_cast<int32_t>(ParseInteger(*v, "upper", -kMaxInt, kMaxInt));
  if (auto v = options.value("count")) input.Count = static_cast<int32_t>(ParseInteger(*v, "count", 1, kMaxInt));
  input.Duplicate = options.has("duplicates");
  bool digits[10] = {};
  if (auto v = options.value("exclude-digits")) {
    for (char c : *v) {
      if (c < '0' || c > '9') throw UsageError("--exclude-digits takes digits 0 to 9 (got '" + *v + "')");
      digits[c - '0'] = true;
    }
  }
  for (int d = 0; d <= 9; ++d)
    if (digits[d]) input.Excluded.push_back(d);
  TformatPar format;
  if (auto v = options.value("sort")) format.SortOrder = static_cast<uint8_t>(ParseChoice(*v, "sort", {"asc", "desc", "drawn"}));
  format.Comma = options.has("comma");
  const Layout layout = ReadLayout(options);

  // The page's checks, in its order.
  if (input.Upper < input.Lower) Refuse("The Upper number must greater than\r\ror equal to the Lower number!");
  if (input.Excluded.size() == 10) Refuse("You can not exclude all digits!");
  if (double(input.Upper) - double(input.Lower) >= 2147483647.0)
    Refuse("The Upper number minus the Lower number\r\r    must be less than 2147483647!");
  if (format.Comma) UseLocaleSeparator();

  Trandom_simply generator;
  TerminalProgress progress;
  input.ShowProgress = true;
  input.ProgressBar = &progress;
  input.StatusLabel = &progress;
  InterruptPump pump([&generator] { generator.Cancel(); });

  generator.SetSeed(TakeSeed(options));
  generator.Generate(input);
  if (generator.Engine.Stopped) return kInterrupted;
  generator.FormatResults(format);
  if (generator.Engine.Stopped) return kInterrupted;
  WriteResults(generator.Results, layout);

  std::string totals;
  if (!input.Duplicate) totals = "Possible total randoms: " + std::to_string(generator.PossibleTotal());
  totals += "      Generated total randoms: " + std::to_string(generator.GeneratedTotal());
  std::fprintf(stderr, "%s\n", totals.c_str());
  return InterruptPump::interrupted() ? kInterrupted : kOk;
}

int RunFile(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(
      args, {{"output", true}, {"size", true}, {"append", false}, {"seed", true}, {"show", true}, {"help", false},
             {"per-line", true}, {"one-line", false}, {"separator", true}});
  if (options.has("help")) {
    std::cout << kFileHelp << kLayoutHelp;
    return kOk;
  }
  TinputFilePar input;
  const auto output = options.value("output");
  if (!output || output->empty()) throw UsageError("--output PATH is required");
  input.FileName = *output;
  if (auto v = options.value("size")) input.Count = static_cast<int32_t>(ParseSize(*v, "size", 1, kMaxInt));
  input.Append = options.has("append");
  std::optional<uint8_t> radix;
  if (auto v = options.value("show")) {
    static const uint8_t kRadix[] = {1, 0, 2, 3};
    radix = kRadix[ParseChoice(*v, "show", {"hex", "dec", "oct", "bin"})];
  }
  const Layout layout = ReadLayout(options);

  // Missing folders of the path are made first, as the page does.
  const std::filesystem::path folder = std::filesystem::path(input.FileName).parent_path();
  if (!folder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw EInOutError("Unable to create directory \"" + folder.string() + "\". " + error.message());
  }

  Trandom_file generator;
  TerminalProgress progress;
  input.ProgressBar = &progress;
  input.StatusLabel = &progress;
  InterruptPump pump([&generator] { generator.Cancel(); });
  input.Seed = TakeSeed(options);

  if (radix) {
    // Shown bytes need every value at once: draw, format, then write.
    generator.Generate(input);
    if (!generator.Stopped()) generator.FormatResults(TformatPar{2, false, *radix});
    if (!generator.Stopped()) generator.SaveToFile();
    if (!generator.Engine.Stopped) WriteResults(generator.Results, layout);
  } else {
    generator.GenerateStreamed(input);
  }
  if (generator.Stopped()) {
    std::fprintf(stderr, "The user cancel the operation!\n");
    return kInterrupted;
  }
  std::fprintf(stderr, "The random file '%s' is generated successfully !     Generated total randoms: %d\n",
               input.FileName.c_str(), input.Count);
  return kOk;
}

int Main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << kUsageText;
    return args.empty() ? kUsage : kOk;
  }
  const std::string command = args[0];
  args.erase(args.begin());
  try {
    if (command == "number") return RunNumber(args);
    if (command == "file") return RunFile(args);
    throw UsageError("unknown command '" + command + "' (try --help)");
  } catch (const UsageError& e) {
    std::fprintf(stderr, "quenvar-cli %s: %s\n", command.c_str(), e.what());
    return kUsage;
  } catch (const Exception& e) {
    std::fprintf(stderr, "quenvar-cli %s: %s: %s\n", command.c_str(), e.className(), e.what());
    return kFileError;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "quenvar-cli %s: %s: %s\n", command.c_str(), "EOutOfMemory", EOutOfMemory().what());
    return kFileError;
  }
}

}  // namespace quenvar::cli
