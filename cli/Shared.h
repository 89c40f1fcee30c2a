#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "core/Feedback.h"
#include "core/RandomSource.h"
#include "core/StringArray.h"
#include "core/Writers.h"

namespace quenvar::cli {

constexpr int64_t kMaxInt = 2147483647;

// Where results go and how they are laid out, as in the save dialog.
struct Layout {
  bool oneLine = false;
  int32_t perLine = runs::kPerLine.fallback;
  TSeparator separator = SeparatorTab;
  std::optional<std::string> saveTo;  // "-": standard output, with CR LF line ends
  bool append = false;
  bool quiet = false;  // no totals line
};

extern const char kHelpFooter[];

// The options of drawing (--sort, --seed, --secure) and --help, as most
// commands tell them.
CommandHelp& DrawingHelp(CommandHelp& help);
// The layout options under their heading; `fixedLines` (lottery lines)
// leaves out --per-line and --one-line.
CommandHelp& LayoutHelp(CommandHelp& help, bool fixedLines = false);
// Where `appendIsTheSaves`, --append is another name for --save-append (the
// file command keeps --append for its byte file).
Layout ReadLayout(const ParsedOptions& options, bool appendIsTheSaves = true);

// The value of a number option, or its default.
int32_t ReadNumber(const ParsedOptions& options, const runs::Option& option);
// The index of a word option's word, or its default.
int ReadWord(const ParsedOptions& options, const runs::Option& option);

// Where the results go: standard output (LF line ends), or the --save file
// through the text writer (CR LF). The file is opened at once, so that one
// that cannot be written is reported before the run.
class ResultsOutput {
 public:
  explicit ResultsOutput(const Layout& layout);
  ~ResultsOutput();
  // False when a Ctrl+C came before the file was written: it is then left
  // as it was. Once the writing into the file has begun it is finished.
  bool write(const TArrayString& results) { return stage(results) && (commit(), true); }
  // write() in two steps: the text staged (standard output: written), then
  // the file given its new content. False when a Ctrl+C came first.
  bool stage(const TArrayString& results);
  void commit();

 private:
  Layout layout_;
  std::unique_ptr<TsavetoText> writer_;
};

// The totals line on standard error, unless --quiet; the exit status of a
// run done.
int Finish(const Layout& layout, const std::string& totals);

// Reports a cancelled run (nothing written, and the --save file left as it
// was) and gives its exit status.
int Cancelled(const Layout& layout);

// A validation message of the window, given on one line.
[[noreturn]] void Refuse(std::string message);

// A message of the window as one terminal line: its line breaks (with the
// blanks around them) become one space, and no blanks are left at its ends.
std::string OneLine(std::string_view message);

// The command being run, which prefixes every message.
void SetCommandName(std::string command);
// "quenvar-cli COMMAND: message" on standard error, on one line.
void PrintMessage(std::string_view message);

// The run's own random source, as the window's Start takes it: seeded from
// --seed, or from a clock seed reported as "Seed: N" on standard error; with
// --secure none: a freshly keyed stream of the system's cryptographic
// generator.
RandomSource TakeSource(const ParsedOptions& options);

// The thousands separator of the user's locale (a comma where it has none).
void UseLocaleSeparator();

// Message boxes become lines on standard error.
class TerminalNotifier : public Notifier {
 public:
  TerminalNotifier();
  ~TerminalNotifier() override;
  void error(std::string_view message) override;
  void warning(std::string_view message) override;
  bool confirm(std::string_view question) override;
  int errors = 0;
};

void PrintLine(std::string_view text);

// Flushes standard output; a write that failed (a full disk, a closed
// stream) throws EInOutError.
void CheckStandardOutput();

}  // namespace quenvar::cli
