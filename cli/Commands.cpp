#include "cli/Commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <memory>
#include <string>

#include "cli/Options.h"
#include "cli/Shared.h"
#include "cli/Terminal.h"
#include "core/Errors.h"
#include "core/InputFile.h"
#include "core/OutputFile.h"
#include "core/Paths.h"
#include "core/TextLines.h"
#include "core/Version.h"
#include "generators/FileRules.h"
#include "generators/LotteryRules.h"
#include "generators/NameRules.h"
#include "generators/NumberRules.h"
#include "generators/SamplingRules.h"
#include "generators/StringRules.h"
#include "generators/Unit_character.h"
#include "generators/Unit_file.h"
#include "generators/Unit_lottery.h"
#include "generators/Unit_name_sampling.h"
#include "generators/Unit_number.h"

namespace quenvar::cli {

namespace {

const char kUsageText[] =
    "Usage: quenvar-cli COMMAND [OPTIONS]\n"
    "\n"
    "Runs the generators of Quenvar Random Number Generator from a terminal.\n"
    "The same seed and options give the same output as the window.\n"
    "\n"
    "Commands:\n"
    "  number   random whole numbers from a range\n"
    "  lottery  lottery lines of main and bonus numbers\n"
    "  sample   samples from a list of items\n"
    "  string   random strings following a mask\n"
    "  name     random person names\n"
    "  file     a file of random bytes\n"
    "\n"
    "Run 'quenvar-cli COMMAND --help' for the options of a command,\n"
    "'quenvar-cli --version' for the version.\n";

const char kSortHelp[] =
    "  --sort ORDER          asc, desc or drawn (drawing order, the default)\n"
    "  --seed S              manual seed, -2147483647 to 2147483647;\n"
    "                        without it the seed comes from the clock\n"
    "  --secure              draw from the system's cryptographic generator\n"
    "                        (for passwords and keys; not repeatable, no seed)\n"
    "  --help                print the command's options and exit\n"
    "\n";

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
    "  --comma               group thousands with the locale's separator\n"
    "                        (a comma where the locale has none)\n";

const char kLotteryHelp[] =
    "Usage: quenvar-cli lottery [OPTIONS]\n"
    "\n"
    "Lottery lines, as the Lottery Number page draws them: one line per output\n"
    "line, main numbers first, then bonus numbers.\n"
    "\n"
    "  --main-low L          lowest main number (default 1)\n"
    "  --main-upper U        highest main number (default 53)\n"
    "  --main-pick P         main numbers per line, 1 to 300 (default 5)\n"
    "  --bonus-low L         lowest bonus number (default 1)\n"
    "  --bonus-upper U       highest bonus number (default 42)\n"
    "  --bonus-pick Q        bonus numbers per line, 1 to 200 (default 1)\n"
    "  --no-bonus            main numbers only\n"
    "  --bonus-from-remaining  draw the bonus numbers from the main range, apart\n"
    "                        from the line's main numbers\n"
    "  --duplicate-numbers   a number may appear twice in one line\n"
    "  --unique-lines        no two lines alike: lines are compared number by\n"
    "                        number in drawing order, before any sorting, so\n"
    "                        1 2 and 2 1 count as different lines\n"
    "  --lines N             number of lines, 1 to 2147483647 (default 20)\n"
    "\n"
    "The numbers' limits: -2147483647 to 2147483647.\n"
    "\n";

const char kSampleHelp[] =
    "Usage: quenvar-cli sample --items FILE [OPTIONS]\n"
    "\n"
    "Samples from a list of items, as the Random Sampling page draws them. The\n"
    "items are the lines of FILE (a line ends at CR, LF or CR LF; empty lines\n"
    "are dropped), all taking part.\n"
    "\n"
    "  --items FILE          the item list; FILE - is standard input\n"
    "  --count N             how many samples, 1 to 2147483647 (default 100);\n"
    "                        without --duplicates at most the number of items\n"
    "  --duplicates          allow an item to be drawn more than once\n";

const char kStringHelp[] =
    "Usage: quenvar-cli string --mask M [OPTIONS]\n"
    "\n"
    "Random strings following a mask, as the Random String page draws them.\n"
    "Each mask character that names a wildcard stands for one character drawn\n"
    "from the wildcard's set; every other character stands for itself; a\n"
    "backslash makes the next character literal. Blanks and control\n"
    "characters at both ends of the mask are dropped.\n"
    "\n"
    "  --mask M              the mask\n"
    "  --wildcards FILE      the wildcard definitions (default: wildcard.ini\n"
    "                        beside this program; installed, the user's copy\n"
    "                        in ~/.config/quenvar, else the shipped one)\n"
    "  --count N             how many strings, 1 to 2147483647 (default 100);\n"
    "                        without --duplicates at most the possible total\n"
    "  --duplicates          allow a string to be drawn more than once\n";

const char kNameHelp[] =
    "Usage: quenvar-cli name [OPTIONS]\n"
    "\n"
    "Random person names, as the Random Name page draws them: a first name, a\n"
    "blank and a last name.\n"
    "\n"
    "  --gender G            female, male or both (default both)\n"
    "  --female FILE         female first names, one per line (default: the\n"
    "                        list in name/ beside this program; installed,\n"
    "                        the user's copy in ~/.local/share/quenvar/name,\n"
    "                        else the shipped one)\n"
    "  --male FILE           male first names (default: the same folder's)\n"
    "  --last FILE           last names (default: the same folder's)\n"
    "  --count N             how many names, 1 to 2147483647 (default 100)\n"
    "  --duplicates          allow a name to be drawn more than once\n";

const char kFileHelp[] =
    "Usage: quenvar-cli file --output PATH [OPTIONS]\n"
    "\n"
    "A file of random bytes, as the Random File page writes it.\n"
    "\n"
    "  --output PATH         the file to write (missing folders are created);\n"
    "                        PATH - is standard output\n"
    "  --size N              number of bytes, 1 to 2147483647 (default 100);\n"
    "                        K, M and G multiply by 1024, 1024^2 and 1024^3\n"
    "  --append              add the bytes to the end of an existing file\n"
    "                        (--save-append does so for the text of --save)\n"
    "  --seed S              manual seed, -2147483647 to 2147483647;\n"
    "                        without it the seed comes from the clock\n"
    "  --secure              draw from the system's cryptographic generator\n"
    "                        (for passwords and keys; not repeatable, no seed)\n"
    "  --show RADIX          also print the bytes: hex, dec, oct or bin (or,\n"
    "                        with --save, write them to a text file)\n"
    "  --help                print the command's options and exit\n"
    "\n";

// The run of one generator: progress on the terminal, Ctrl+C as Cancel.
struct Run {
  explicit Run(std::function<void()> cancel) : pump(std::move(cancel)) {}
  TerminalProgress progress;
  TerminalNotifier notifier;
  InterruptPump pump;
};

// Where "--output -" writes: the file standard output was sent to (appended
// to when it was opened so, as ">>" does), else the pipe or terminal itself.
std::string StandardOutputFile(bool& append) {
  struct stat status {};
  char path[4096];
  const ssize_t size = readlink("/proc/self/fd/1", path, sizeof path - 1);
  if (fstat(STDOUT_FILENO, &status) != 0 || !S_ISREG(status.st_mode) || size <= 0) return "/dev/stdout";
  if ((fcntl(STDOUT_FILENO, F_GETFL) & O_APPEND) != 0) append = true;
  return std::string(path, static_cast<size_t>(size));
}

// Every command takes --secure beside its --seed.
std::vector<OptionSpec> With(std::vector<OptionSpec> specs, std::vector<OptionSpec> more) {
  specs.insert(specs.end(), more.begin(), more.end());
  specs.push_back({"secure", false});
  return specs;
}

TSortOrder ReadSort(const ParsedOptions& options) {
  static const TSortOrder kOrders[] = {SortAscending, SortDescending, SortDrawn};
  if (auto v = options.value("sort")) return kOrders[ParseChoice(*v, "sort", {"asc", "desc", "drawn"})];
  return SortDrawn;
}

int32_t ReadInt(const ParsedOptions& options, const std::string& name, int32_t fallback, int64_t min,
                int64_t max) {
  if (auto v = options.value(name)) return static_cast<int32_t>(ParseInteger(*v, name, min, max));
  return fallback;
}

// Takes the run's source, draws, arranges and writes the results, then
// reports the totals line. A request the generator refuses with an error
// message is a usage error.
template <typename Generator, typename Input>
requires RandomGenerator<Generator, Input>
int DrawAndWrite(Generator& generator, Run& run, const Input& input, const ParsedOptions& options,
                 TformatPar format, const Layout& layout, const std::function<std::string()>& totals) {
  if (InterruptPump::interrupted()) return Cancelled(layout);  // while the lists were read
  ResultsOutput output(layout);
  RandomSource source = TakeSource(options);
  const int errors = run.notifier.errors;
  generator.Generate(input, {source, &run.progress, &run.progress});
  if (run.notifier.errors > errors) return kUsage;
  if (generator.Stopped()) return Cancelled(layout);
  generator.FormatResults(format);
  if (generator.Stopped() || !output.write(generator.Results)) return Cancelled(layout);
  return Finish(layout, totals());
}

}  // namespace

int RunNumber(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(args, With(LayoutSpecs(), {{"lower", true},
                                                                        {"upper", true},
                                                                        {"count", true, 'n'},
                                                                        {"duplicates", false},
                                                                        {"exclude-digits", true},
                                                                        {"seed", true, 's'},
                                                                        {"sort", true},
                                                                        {"comma", false}}));
  if (options.has("help")) {
    std::cout << HelpText(std::string(kNumberHelp) + kSortHelp + kLayoutHelp + kAppendHelp + kHelpFooter,
                          options.specs);
    return kOk;
  }
  Tinputpar input;
  input.Lower = ReadInt(options, "lower", 1, -kMaxInt, kMaxInt);
  input.Upper = ReadInt(options, "upper", 10000, -kMaxInt, kMaxInt);
  input.Count = ReadInt(options, "count", 100, 1, kMaxInt);
  input.ExcludeKind = ExcludeDigits;
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
  const TformatPar format{ReadSort(options), options.has("comma"), RadixDecimal};
  const Layout layout = ReadLayout(options);

  if (auto error = NumberInputError(input.Lower, input.Upper, input.Excluded.size())) Refuse(*error);
  if (format.Comma) UseLocaleSeparator();

  Trandom_simply generator;
  Run run([&generator] { generator.Cancel(); });
  generator.Engine.PlanFormat(format);  // the run is weighed with its sorting and formatting
  return DrawAndWrite(generator, run, input, options, format, layout, [&] {
    return NumberTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal());
  });
}

int RunLottery(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(args, With(LayoutSpecs(true), {{"main-low", true},
                                                                            {"main-upper", true},
                                                                            {"main-pick", true},
                                                                            {"bonus-low", true},
                                                                            {"bonus-upper", true},
                                                                            {"bonus-pick", true},
                                                                            {"no-bonus", false},
                                                                            {"bonus-from-remaining", false},
                                                                            {"duplicate-numbers", false},
                                                                            {"unique-lines", false},
                                                                            {"lines", true},
                                                                            {"seed", true, 's'},
                                                                            {"sort", true}}));
  if (options.has("help")) {
    std::cout << HelpText(
        std::string(kLotteryHelp) + kSortHelp + kFixedLayoutHelp + kAppendHelp + kHelpFooter, options.specs);
    return kOk;
  }
  TinputLottery input;
  input.MainLow = ReadInt(options, "main-low", 1, -kMaxInt, kMaxInt);
  input.MainUpper = ReadInt(options, "main-upper", 53, -kMaxInt, kMaxInt);
  input.MainPick = ReadInt(options, "main-pick", 5, 1, 300);
  input.ChildLow = ReadInt(options, "bonus-low", 1, -kMaxInt, kMaxInt);
  input.ChildUpper = ReadInt(options, "bonus-upper", 42, -kMaxInt, kMaxInt);
  input.ChildPick = ReadInt(options, "bonus-pick", 1, 1, 200);
  input.Lotto = !options.has("no-bonus");
  if (!input.Lotto) input.ChildPick = 0;
  input.RemainPick = options.has("bonus-from-remaining");
  input.DupLines = options.has("duplicate-numbers");
  input.DupRows = options.has("unique-lines");
  input.Total = ReadInt(options, "lines", 20, 1, kMaxInt);
  const TformatPar format{ReadSort(options), false, RadixDecimal};
  Layout layout = ReadLayout(options);

  if (auto error = LotteryInputError(input.MainLow, input.MainUpper, input.Lotto && !input.RemainPick,
                                     input.ChildLow, input.ChildUpper))
    Refuse(*error);

  layout.perLine = input.MainPick + (input.Lotto ? input.ChildPick : 0);  // one line per lottery line
  Trandom_Lottery generator;
  Run run([&generator] { generator.Cancel(); });
  return DrawAndWrite(generator, run, input, options, format, layout, [&] {
    return LotteryTotalsText(generator.PossibleTotal(), generator.GeneratedTotal());
  });
}

int RunSample(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(args, With(LayoutSpecs(), {{"items", true},
                                                                        {"count", true, 'n'},
                                                                        {"duplicates", false},
                                                                        {"seed", true, 's'},
                                                                        {"sort", true}}));
  if (options.has("help")) {
    std::cout << HelpText(std::string(kSampleHelp) + kSortHelp + kLayoutHelp + kAppendHelp + kHelpFooter,
                          options.specs);
    return kOk;
  }
  const auto itemsFile = options.value("items");
  if (!itemsFile) throw UsageError("--items FILE is required");
  TinputSampling input;
  input.Count = ReadInt(options, "count", 100, 1, kMaxInt);
  input.Duplicate = options.has("duplicates");
  const TformatPar format{ReadSort(options), false, RadixDecimal};
  const Layout layout = ReadLayout(options);
  // "-": the items come from standard input.
  const TArrayString items = ReadNonEmptyLines(*itemsFile == "-" ? "/dev/stdin" : *itemsFile, false);
  if (auto error = SamplingInputError(items.size(), items.size())) Refuse(*error);
  if (items.size() > static_cast<size_t>(kMaxInt))
    throw UsageError("the item list has more than 2147483647 lines");

  Trandom_sampling generator;
  Run run([&generator] { generator.Cancel(); });
  input.Items = &items;
  return DrawAndWrite(generator, run, input, options, format, layout, [&] {
    return SamplingTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal());
  });
}

int RunString(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(args, With(LayoutSpecs(), {{"mask", true},
                                                                        {"wildcards", true},
                                                                        {"count", true, 'n'},
                                                                        {"duplicates", false},
                                                                        {"seed", true, 's'},
                                                                        {"sort", true}}));
  if (options.has("help")) {
    std::cout << HelpText(std::string(kStringHelp) + kSortHelp + kLayoutHelp + kAppendHelp + kHelpFooter,
                          options.specs);
    return kOk;
  }
  TinputString input;
  input.Mask = TrimMask(options.value("mask").value_or(""));
  input.Count = ReadInt(options, "count", 100, 1, kMaxInt);
  input.Duplicate = options.has("duplicates");
  const TformatPar format{ReadSort(options), false, RadixDecimal};
  const Layout layout = ReadLayout(options);
  if (auto error = StringInputError(input.Mask)) Refuse(*error);
  const std::string wildcardFile = options.value("wildcards").value_or(paths::WildcardFile(paths::Use::Read));
  // Without its wildcards every mask character would silently stand for
  // itself: a file that is missing, unreadable or empty is reported.
  ReadWholeFile(wildcardFile);
  const Tlistparchar wildcards(wildcardFile);
  if (wildcards.Items.empty())
    throw EInOutError("The wildcard file \"" + wildcardFile + "\" defines no wildcards.");

  Trandom_character generator;
  Run run([&generator] { generator.Cancel(); });
  input.Wildcards = &wildcards;
  return DrawAndWrite(generator, run, input, options, format, layout, [&] {
    return StringTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal());
  });
}

int RunName(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(args, With(LayoutSpecs(), {{"gender", true},
                                                                        {"female", true},
                                                                        {"male", true},
                                                                        {"last", true},
                                                                        {"count", true, 'n'},
                                                                        {"duplicates", false},
                                                                        {"seed", true, 's'},
                                                                        {"sort", true}}));
  if (options.has("help")) {
    std::cout << HelpText(std::string(kNameHelp) + kSortHelp + kLayoutHelp + kAppendHelp + kHelpFooter,
                          options.specs);
    return kOk;
  }
  TinputName input;
  if (auto v = options.value("gender")) {
    static const TGender kGender[] = {GenderFemale, GenderMale, GenderBoth};
    input.Gender = kGender[ParseChoice(*v, "gender", {"female", "male", "both"})];
  }
  const NameLists shipped = NameListFiles(paths::Use::Read);
  input.FemaleFile = options.value("female").value_or(shipped.female);
  input.MaleFile = options.value("male").value_or(shipped.male);
  input.LastFile = options.value("last").value_or(shipped.last);
  input.Count = ReadInt(options, "count", 100, 1, kMaxInt);
  input.Duplicate = options.has("duplicates");
  const TformatPar format{ReadSort(options), false, RadixDecimal};
  const Layout layout = ReadLayout(options);

  // The lists are read once, here, with progress, and pooled as the
  // generator pools them (the male lines, then the female ones). A list
  // without a name leaves nothing to draw, as an empty sample list.
  Trandom_name generator;
  Run run([&generator] { generator.Cancel(); });
  run.progress.setCaption("Load names database...");
  const bool female = (input.Gender & GenderFemale) != 0, male = (input.Gender & GenderMale) != 0;
  TArrayString firsts, lasts;
  if (male) firsts = ReadNonEmptyLines(input.MaleFile, true, &run.progress);
  if (female) {
    TArrayString females = ReadNonEmptyLines(input.FemaleFile, true, &run.progress);
    if (firsts.empty())
      firsts.swap(females);
    else
      for (size_t i = 0; i < females.size(); ++i) firsts.push_back(females[i]);
  }
  if (firsts.empty())
    Refuse(female && male ? "The first-name lists \"" + input.FemaleFile + "\" and \"" + input.MaleFile +
                                "\" hold no names."
                          : "The first-name list \"" + (female ? input.FemaleFile : input.MaleFile) +
                                "\" holds no names.");
  lasts = ReadNonEmptyLines(input.LastFile, true, &run.progress);
  if (lasts.empty()) Refuse("The last-name list \"" + input.LastFile + "\" holds no names.");
  input.FirstNames = &firsts;
  input.LastNames = &lasts;
  return DrawAndWrite(generator, run, input, options, format, layout, [&] {
    return NameTotalsText(input.Duplicate, generator.PossibleTotal(), generator.GeneratedTotal());
  });
}

int RunFile(const std::vector<std::string>& args) {
  const ParsedOptions options = ParseOptions(
      args,
      With(LayoutSpecs(false, false),
           {{"output", true, 'o'}, {"size", true}, {"seed", true, 's'}, {"show", true}, {"append", false}}));
  if (options.has("help")) {
    std::cout << HelpText(std::string(kFileHelp) + kLayoutHelp + kHelpFooter, options.specs);
    return kOk;
  }
  TinputFilePar input;
  const auto output = options.value("output");
  if (!output || output->empty()) throw UsageError("--output PATH is required");
  input.FileName = *output;
  if (auto v = options.value("size")) input.Count = static_cast<int32_t>(ParseSize(*v, "size", 1, kMaxInt));
  // --append belongs to the byte file here, --save-append to --save.
  input.Append = options.has("append");
  std::optional<TRadix> radix;
  if (auto v = options.value("show")) {
    static const TRadix kRadix[] = {RadixHex, RadixDecimal, RadixOctal, RadixBinary};
    radix = kRadix[ParseChoice(*v, "show", {"hex", "dec", "oct", "bin"})];
  }
  const Layout layout = ReadLayout(options, false);
  if (layout.saveTo && !radix)
    throw UsageError("--save needs --show RADIX: without it there is no text to save");
  if (*output == "-") {
    if (radix && (!layout.saveTo || *layout.saveTo == "-"))
      throw UsageError(
          "the bytes and their text cannot both go to standard output: give --save FILE for the text");
    input.FileName = StandardOutputFile(input.Append);
  }

  // One file cannot take both the bytes and their text.
  if (layout.saveTo && OutputFile::SameFile(input.FileName, *layout.saveTo))
    throw UsageError("--output and --save name the same file \"" + input.FileName + "\"");

  // Missing folders of the path are made first, as the page does.
  CreateFolderOf(input.FileName, true);

  Trandom_file generator;
  Run run([&generator] { generator.Cancel(); });
  // Both files are tried first, so that one that cannot be written is
  // reported before the run (the byte file is left as it was).
  OutputFile(input.FileName, OutputFile::Options{.append = input.Append});
  ResultsOutput shown(layout);
  RandomSource source = TakeSource(options);
  // A cancel leaves every file as it was.
  const auto cancelled = [&] {
    PrintLine(kFileCancelledText);
    PrintMessage("cancelled; \"" + input.FileName + "\" was left as it was" +
                 (layout.saveTo ? "; \"" + *layout.saveTo + "\" too" : ""));
    return kInterrupted;
  };
  if (!radix) {
    // Written as drawn, nothing held.
    generator.GenerateStreamed(input, {source, &run.progress, &run.progress});
    return generator.Stopped() ? cancelled() : Finish(layout, FileDoneText(input.FileName, input.Count));
  }
  // Shown bytes need every value at once: draw and format, then stage both
  // files before either is committed.
  generator.Generate(input, {source, &run.progress, &run.progress});
  if (!generator.Stopped()) generator.FormatResults(TformatPar{SortDrawn, false, *radix});
  std::unique_ptr<OutputFile> bytes;
  if (!generator.Stopped()) bytes = generator.StageFile();
  if (!bytes || !shown.stage(generator.Results)) return cancelled();
  {
    const OutputFile::CommitScope committing;
    bytes->commit();
    try {
      shown.commit();
    } catch (const EInOutError& e) {
      // The text's own commit puts it back; the bytes are in already.
      throw EInOutError(std::string(e.what()) + ". The byte file \"" + input.FileName +
                        "\" was written before this error and holds the new bytes.");
    }
  }
  return Finish(layout, FileDoneText(input.FileName, input.Count));
}

int RunCommand(const std::string& command, const std::function<int()>& run) {
  SetCommandName(command);
  try {
    const int status = run();
    // Output that could not be written is an error, whatever the run did.
    CheckStandardOutput();
    if (std::ferror(stderr) != 0 && status == kOk) return kFileError;
    return status;
  } catch (const UsageError& e) {
    PrintMessage(e.what());
    return kUsage;
  } catch (const ECancelled&) {
    // Stopped while a file was being opened or read, before the run.
    PrintMessage("cancelled; nothing was written");
    return kInterrupted;
  } catch (...) {
    // The last resort: whatever escaped is told, never left to abort.
    const ErrorReport report = DescribeCurrentException();
    if (report.silent) return kUsage;  // its message is out already
    PrintMessage(report.message);
    return kFileError;
  }
}

int Main(int argc, char** argv) {
  OpenStandardStreams();
  return RunCommand(argc > 1 ? argv[1] : "", [argc, argv]() -> int {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
      std::cerr << "Usage: quenvar-cli COMMAND [OPTIONS]\n"
                   "Commands: number, lottery, sample, string, name, file.\n"
                   "Run 'quenvar-cli --help' for more.\n";
      return kUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
      std::cout << kUsageText;
      return kOk;
    }
    if (args[0] == "--version") {
      std::cout << "quenvar-cli (Quenvar Random Number Generator) " QUENVAR_VERSION_TEXT
                   "\n"
                   "Copyright (c) 2026 The Quenvar developers\n"
                   "Free software under the MIT licence: there is NO WARRANTY.\n";
      return kOk;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    InterruptPump::InstallHandlers(command);
    if (command == "number") return RunNumber(args);
    if (command == "lottery") return RunLottery(args);
    if (command == "sample") return RunSample(args);
    if (command == "string") return RunString(args);
    if (command == "name") return RunName(args);
    if (command == "file") return RunFile(args);
    throw UsageError("unknown command '" + command + "' (try --help)");
  });
}

}  // namespace quenvar::cli
