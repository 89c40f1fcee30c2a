#include "cli/Commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

const char kNumberHelp[] =
    "Usage: quenvar-cli number [OPTIONS]\n"
    "\n"
    "Random whole numbers from a range, as the Random Number page draws them.\n"
    "\n";

const char kLotteryHelp[] =
    "Usage: quenvar-cli lottery [OPTIONS]\n"
    "\n"
    "Lottery lines, as the Lottery Number page draws them: one line per output\n"
    "line, main numbers first, then bonus numbers.\n"
    "\n";

const char kSampleHelp[] =
    "Usage: quenvar-cli sample --items FILE [OPTIONS]\n"
    "\n"
    "Samples from a list of items, as the Random Sampling page draws them. The\n"
    "items are the lines of FILE (a line ends at CR, LF or CR LF; empty lines\n"
    "are dropped), all taking part.\n"
    "\n";

const char kStringHelp[] =
    "Usage: quenvar-cli string --mask M [OPTIONS]\n"
    "\n"
    "Random strings following a mask, as the Random String page draws them.\n"
    "Each mask character that names a wildcard stands for one character drawn\n"
    "from the wildcard's set; every other character stands for itself; a\n"
    "backslash makes the next character literal. Blanks and control\n"
    "characters at both ends of the mask are dropped.\n"
    "\n";

const char kNameHelp[] =
    "Usage: quenvar-cli name [OPTIONS]\n"
    "\n"
    "Random person names, as the Random Name page draws them: a first name, a\n"
    "blank and a last name.\n"
    "\n";

const char kFileHelp[] =
    "Usage: quenvar-cli file --output PATH [OPTIONS]\n"
    "\n"
    "A file of random bytes, as the Random File page writes it.\n"
    "\n";

// The --help of a command whose values are drawn, sorted and laid out:
// `own` (its usage and options) followed by the shared options and the
// footer; `fixedLines` for lottery lines, laid out one to a line.
CommandHelp Drawing(CommandHelp own, bool fixedLines = false) {
  return LayoutHelp(DrawingHelp(own), fixedLines) << runs::kAppend << kHelpFooter;
}

CommandHelp NumberHelp() {
  using namespace runs::number;
  return Drawing(CommandHelp() << kNumberHelp << kLower << kUpper << kCount << kDuplicates << kExcludeDigits
                               << kComma);
}

CommandHelp LotteryHelp() {
  using namespace runs::lottery;
  return Drawing(CommandHelp() << kLotteryHelp << kMainLow << kMainUpper << kMainPick << kBonusLow
                               << kBonusUpper << kBonusPick << kNoBonus << kBonusFromRemaining
                               << kDuplicateNumbers << kUniqueLines << kLines
                               << "\nThe numbers' limits: -2147483647 to 2147483647.\n\n",
                 true);
}

CommandHelp SampleHelp() {
  using namespace runs::sample;
  return Drawing(CommandHelp() << kSampleHelp << kItems << kCount << kDuplicates);
}

CommandHelp StringHelp() {
  using namespace runs::string;
  return Drawing(CommandHelp() << kStringHelp << kMask << kWildcards << kCount << kDuplicates);
}

CommandHelp NameHelp() {
  using namespace runs::name;
  return Drawing(CommandHelp() << kNameHelp << kGender << kFemale << kMale << kLast << kCount << kDuplicates);
}

CommandHelp FileHelp() {
  using namespace runs::file;
  return LayoutHelp(CommandHelp() << kFileHelp << kOutput << kSize << kAppend << runs::kSeed << runs::kSecure
                                  << kShow << runs::kHelp << "\n")
         << kHelpFooter;
}

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

// Parses `args` by the options of `help`; true when --help was asked for
// and its text printed.
bool Parse(const std::vector<std::string>& args, const CommandHelp& help, ParsedOptions& options) {
  options = ParseOptions(args, help.specs());
  if (!options.has(runs::kHelp.word)) return false;
  std::cout << help.text();
  return true;
}

TSortOrder ReadSort(const ParsedOptions& options) {
  return static_cast<TSortOrder>(ReadWord(options, runs::kSort));  // asc, desc, drawn
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
  using namespace runs::number;
  ParsedOptions options;
  if (Parse(args, NumberHelp(), options)) return kOk;
  Tinputpar input;
  input.Lower = ReadNumber(options, kLower);
  input.Upper = ReadNumber(options, kUpper);
  input.Count = ReadNumber(options, kCount);
  input.ExcludeKind = ExcludeDigits;
  input.Duplicate = options.has(kDuplicates.word);
  bool digits[10] = {};
  if (auto v = options.value(kExcludeDigits.word)) {
    for (char c : *v) {
      if (c < '0' || c > '9') throw UsageError("--exclude-digits takes digits 0 to 9 (got '" + *v + "')");
      digits[c - '0'] = true;
    }
  }
  for (int d = 0; d <= 9; ++d)
    if (digits[d]) input.Excluded.push_back(d);
  const TformatPar format{ReadSort(options), options.has(kComma.word), RadixDecimal};
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
  using namespace runs::lottery;
  ParsedOptions options;
  if (Parse(args, LotteryHelp(), options)) return kOk;
  TinputLottery input;
  input.MainLow = ReadNumber(options, kMainLow);
  input.MainUpper = ReadNumber(options, kMainUpper);
  input.MainPick = ReadNumber(options, kMainPick);
  input.ChildLow = ReadNumber(options, kBonusLow);
  input.ChildUpper = ReadNumber(options, kBonusUpper);
  input.ChildPick = ReadNumber(options, kBonusPick);
  input.Lotto = !options.has(kNoBonus.word);
  if (!input.Lotto) input.ChildPick = 0;
  input.RemainPick = options.has(kBonusFromRemaining.word);
  input.DupLines = options.has(kDuplicateNumbers.word);
  input.DupRows = options.has(kUniqueLines.word);
  input.Total = ReadNumber(options, kLines);
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
  using namespace runs::sample;
  ParsedOptions options;
  if (Parse(args, SampleHelp(), options)) return kOk;
  const auto itemsFile = options.value(kItems.word);
  if (!itemsFile) throw UsageError("--items FILE is required");
  TinputSampling input;
  input.Count = ReadNumber(options, kCount);
  input.Duplicate = options.has(kDuplicates.word);
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
  using namespace runs::string;
  ParsedOptions options;
  if (Parse(args, StringHelp(), options)) return kOk;
  TinputString input;
  input.Mask = TrimMask(options.value(kMask.word).value_or(""));
  input.Count = ReadNumber(options, kCount);
  input.Duplicate = options.has(kDuplicates.word);
  const TformatPar format{ReadSort(options), false, RadixDecimal};
  const Layout layout = ReadLayout(options);
  if (auto error = StringInputError(input.Mask)) Refuse(*error);
  const std::string wildcardFile =
      options.value(kWildcards.word).value_or(paths::WildcardFile(paths::Use::Read));
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
  using namespace runs::name;
  ParsedOptions options;
  if (Parse(args, NameHelp(), options)) return kOk;
  TinputName input;
  input.Gender = static_cast<TGender>(ReadWord(options, kGender) + 1);  // female 1, male 2, both 3
  const NameLists shipped = NameListFiles(paths::Use::Read);
  input.FemaleFile = options.value(kFemale.word).value_or(shipped.female);
  input.MaleFile = options.value(kMale.word).value_or(shipped.male);
  input.LastFile = options.value(kLast.word).value_or(shipped.last);
  input.Count = ReadNumber(options, kCount);
  input.Duplicate = options.has(kDuplicates.word);
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
  using namespace runs::file;
  ParsedOptions options;
  if (Parse(args, FileHelp(), options)) return kOk;
  TinputFilePar input;
  const auto output = options.value(kOutput.word);
  if (!output || output->empty()) throw UsageError("--output PATH is required");
  input.FileName = *output;
  input.Count = kSize.fallback;
  if (auto v = options.value(kSize.word))
    input.Count = static_cast<int32_t>(ParseSize(*v, kSize.word, kSize.min, kSize.max));
  // --append belongs to the byte file here, --save-append to --save.
  input.Append = options.has(kAppend.word);
  std::optional<TRadix> radix;
  if (options.has(kShow.word)) {
    static const TRadix kRadix[] = {RadixHex, RadixDecimal, RadixOctal, RadixBinary};
    radix = kRadix[ReadWord(options, kShow)];
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

namespace {

// The commands, one for each kind of run, in the order of the window's pages.
struct Entry {
  const runs::Command* command;
  CommandHelp (*help)();
  int (*run)(const std::vector<std::string>&);
};
const Entry kEntries[] = {{&runs::kNumber, NumberHelp, RunNumber}, {&runs::kLottery, LotteryHelp, RunLottery},
                          {&runs::kSample, SampleHelp, RunSample}, {&runs::kString, StringHelp, RunString},
                          {&runs::kName, NameHelp, RunName},       {&runs::kFile, FileHelp, RunFile}};

// The tool's --help.
std::string UsageText() {
  std::string text =
      "Usage: quenvar-cli COMMAND [OPTIONS]\n"
      "\n"
      "Runs the generators of Quenvar Random Number Generator from a terminal.\n"
      "The same seed and options give the same output as the window.\n"
      "\n"
      "Commands:\n";
  for (const Entry& entry : kEntries)
    text += "  " + (entry.command->word + std::string(9, ' ')).substr(0, 9) + entry.command->summary + "\n";
  return text +
         "\n"
         "Run 'quenvar-cli COMMAND --help' for the options of a command,\n"
         "'quenvar-cli --version' for the version.\n";
}

}  // namespace

std::string BashCompletion(std::string script) {
  std::string commands, words, files, values;
  std::vector<std::string> seen;
  // "--word | -w" as a case pattern; long lists go on over lines.
  const auto add = [](std::string& list, const runs::Option& option) {
    std::string names = std::string("--") + option.word;
    if (option.shortName != 0) names += std::string(" | -") + option.shortName;
    const size_t lineStart = list.rfind('\n') == std::string::npos ? 0 : list.rfind('\n') + 1;
    if (!list.empty()) list += list.size() - lineStart + names.size() > 100 ? " | \\\n      " : " | ";
    list += names;
  };
  for (const Entry& entry : kEntries) {
    commands += (commands.empty() ? "" : " ") + std::string(entry.command->word);
    for (const runs::Option* option : entry.help().options()) {
      if (std::find(seen.begin(), seen.end(), option->word) != seen.end()) continue;
      seen.push_back(option->word);
      switch (option->value) {
        case runs::Value::Word:
          words += std::string("    --") + option->word + ") COMPREPLY=($(compgen -W \"" + option->choices +
                   "\" -- \"$cur\")); return ;;\n";
          break;
        case runs::Value::File:
          add(files, *option);
          break;
        case runs::Value::None:
          break;
        default:
          add(values, *option);
      }
    }
  }
  const auto fill = [&script](const std::string& key, const std::string& text) {
    const size_t at = script.find(key);
    if (at != std::string::npos) script.replace(at, key.size(), text);
  };
  fill("@COMMANDS@", commands);
  fill("@WORDS@\n", words);
  fill("@FILES@", files);
  fill("@VALUES@", values);
  return script;
}

int Main(int argc, char** argv) {
  OpenStandardStreams();
  return RunCommand(argc > 1 ? argv[1] : "", [argc, argv]() -> int {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
      std::string words;
      for (const Entry& entry : kEntries)
        words += (words.empty() ? "" : ", ") + std::string(entry.command->word);
      std::cerr << "Usage: quenvar-cli COMMAND [OPTIONS]\n"
                   "Commands: "
                << words
                << ".\n"
                   "Run 'quenvar-cli --help' for more.\n";
      return kUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
      std::cout << UsageText();
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
    for (const Entry& entry : kEntries)
      if (command == entry.command->word) return entry.run(args);
    throw UsageError("unknown command '" + command + "' (try --help)");
  });
}

}  // namespace quenvar::cli
