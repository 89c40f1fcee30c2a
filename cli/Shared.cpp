#include "cli/Shared.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/Errors.h"
#include "core/RandomSource.h"
#include "core/Unit_base.h"
#include "core/Writers.h"

namespace quenvar::cli {

const char kHelpFooter[] =
    "\n"
    "Options take '--option value' or '--option=value'.\n"
    "Standard error gets the totals line, and 'Seed: N' when the seed came\n"
    "from the clock, so that the run can be repeated with --seed N.\n"
    "Exit status:\n"
    "  0    done; the files named were written\n"
    "  1    a file or memory error; a file being saved is left as it was\n"
    "  2    bad options or input; no file was touched\n"
    "  130  cancelled by Ctrl+C or SIGTERM; every file named is left as it was\n";

CommandHelp& DrawingHelp(CommandHelp& help) {
  return help << runs::kSort << runs::kSeed << runs::kSecure << runs::kHelp << "\n";
}

CommandHelp& LayoutHelp(CommandHelp& help, bool fixedLines) {
  using namespace runs;
  if (fixedLines)
    return help << "Output:\n" << lottery::kSeparator << lottery::kSave << kSaveAppend << kQuiet;
  return help << "Layout of the results (as in the save dialog):\n"
              << kPerLine << kOneLine << kSeparator << kSave << kSaveAppend << kQuiet;
}

int32_t ReadNumber(const ParsedOptions& options, const runs::Option& option) {
  if (auto v = options.value(option.word))
    return static_cast<int32_t>(ParseInteger(*v, option.word, option.min, option.max));
  return option.fallback;
}

int ReadWord(const ParsedOptions& options, const runs::Option& option) {
  if (auto v = options.value(option.word)) return ParseChoice(*v, option.word, runs::Choices(option));
  return option.fallback;
}

Layout ReadLayout(const ParsedOptions& options, bool appendIsTheSaves) {
  using namespace runs;
  Layout layout;
  layout.perLine = ReadNumber(options, kPerLine);
  layout.oneLine = options.has(kOneLine.word);
  static const TSeparator kCodes[] = {SeparatorTab, SeparatorComma, SeparatorSpace};
  layout.separator = kCodes[ReadWord(options, kSeparator)];
  layout.saveTo = options.value(kSave.word);
  if (layout.saveTo && layout.saveTo->empty()) throw UsageError("--save needs a file name");
  const bool saveAppend = options.has(kSaveAppend.word);
  const bool append = appendIsTheSaves && options.has(kAppend.word);
  if ((saveAppend || append) && !layout.saveTo)
    throw UsageError(std::string(saveAppend ? "--save-append" : "--append") + " needs --save FILE");
  layout.append = saveAppend || append;
  layout.quiet = options.has(kQuiet.word);
  return layout;
}

ResultsOutput::ResultsOutput(const Layout& layout) : layout_(layout) {
  if (!layout_.saveTo || *layout_.saveTo == "-") return;
  writer_ = std::make_unique<TsavetoText>(
      TsaveTextPar{*layout_.saveTo, layout_.append, layout_.oneLine, layout_.perLine, layout_.separator},
      [] { return InterruptPump::interrupted(); });
  writer_->OpenText();
}

ResultsOutput::~ResultsOutput() = default;

void ResultsOutput::commit() {
  if (!writer_) return;
  writer_->CloseText();
  writer_.reset();
}

bool ResultsOutput::stage(const TArrayString& results) {
  if (InterruptPump::interrupted()) return false;
  if (writer_) {
    try {
      writer_->WriteRandoms(results);
    } catch (const OutputFile::Stopped&) {
      writer_.reset();
      return false;
    }
    if (InterruptPump::interrupted()) {
      writer_.reset();
      return false;
    }
    return true;
  }
  std::string buffer;
  buffer.reserve(1 << 17);
  const bool saved = layout_.saveTo.has_value();  // "-": as the file would hold them
  LayOutLines(results, layout_.oneLine, layout_.perLine, layout_.separator, saved ? "\r\n" : "\n",
              [&buffer](std::string_view piece) {
                buffer.append(piece);
                if (buffer.size() >= (1 << 16)) {
                  std::fwrite(buffer.data(), 1, buffer.size(), stdout);
                  buffer.clear();
                }
              });
  std::fwrite(buffer.data(), 1, buffer.size(), stdout);
  CheckStandardOutput();
  return true;
}

void CheckStandardOutput() {
  errno = 0;
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return;
  const int error = errno;
  throw EInOutError(std::string("cannot write to standard output") +
                    (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
}

int Finish(const Layout& layout, const std::string& totals) {
  if (!layout.quiet) PrintLine(totals);
  return kOk;
}

int Cancelled(const Layout& layout) {
  PrintMessage(layout.saveTo && *layout.saveTo != "-"
                   ? "cancelled; \"" + *layout.saveTo + "\" was left as it was"
                   : std::string("cancelled; nothing was written"));
  return kInterrupted;
}

namespace {

// The command being run, named in every message.
std::string& CommandName() {
  static std::string command;
  return command;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }
bool Break(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::string OneLine(std::string_view message) {
  std::string out;
  out.reserve(message.size());
  size_t i = 0;
  while (i < message.size()) {
    // A run of blanks and line breaks holding at least one break: one space.
    size_t j = i;
    bool hasBreak = false;
    while (j < message.size() && (Blank(message[j]) || Break(message[j]))) hasBreak |= Break(message[j++]);
    if (j > i && hasBreak) {
      out += ' ';
      i = j;
      continue;
    }
    out.append(message.substr(i, j > i ? j - i : 1));
    i = j > i ? j : i + 1;
  }
  const size_t first = out.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return out.substr(first, out.find_last_not_of(" \t") - first + 1);
}

void SetCommandName(std::string command) { CommandName() = std::move(command); }

void PrintMessage(std::string_view message) {
  const std::string line = "quenvar-cli " + CommandName() + ": " + OneLine(message);
  std::fprintf(stderr, "%s\n", line.c_str());
}

void Refuse(std::string message) { throw UsageError(OneLine(message)); }

RandomSource TakeSource(const ParsedOptions& options) {
  if (options.has(runs::kSecure.word)) return RandomSource::System();
  if (options.has(runs::kSeed.word)) return RandomSource(ReadNumber(options, runs::kSeed));
  const int32_t seed = ClockSeed();
  std::fprintf(stderr, "Seed: %d\n", seed);
  return RandomSource(seed);
}

void UseLocaleSeparator() {
  std::setlocale(LC_NUMERIC, "");
  const char* sep = std::localeconv()->thousands_sep;
  SetThousandsSeparator(sep != nullptr && *sep != '\0' ? sep : ",");
  std::setlocale(LC_NUMERIC, "C");
}

TerminalNotifier::TerminalNotifier() { SetNotifier(this); }
TerminalNotifier::~TerminalNotifier() { SetNotifier(nullptr); }

void TerminalNotifier::error(std::string_view message) {
  ++errors;
  PrintMessage(message);
}

void TerminalNotifier::warning(std::string_view message) { PrintMessage(message); }

bool TerminalNotifier::confirm(std::string_view) { return false; }

void PrintLine(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace quenvar::cli
