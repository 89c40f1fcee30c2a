#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/Options.h"
#include "core/Feedback.h"
#include "core/StringArray.h"

namespace quenvar::cli {

constexpr int64_t kMaxInt = 2147483647;

// Where results go and how they are laid out, as in the save dialog.
struct Layout {
  bool oneLine = false;
  int32_t perLine = 1;
  uint8_t separator = 1;  // 0 comma, 1 tab, 2 space
  std::optional<std::string> saveTo;
  bool append = false;
};

extern const char kLayoutHelp[];
extern const char kFixedLayoutHelp[];

// The layout options; `fixedPerLine` > 0 leaves out --per-line and --one-line.
std::vector<OptionSpec> LayoutSpecs(bool fixedLines = false);
Layout ReadLayout(const ParsedOptions& options);

// Results to standard output (LF) or through the text writer (CR LF).
void WriteResults(const TArrayString& results, const Layout& layout);

// A validation message of the window; each carriage return starts a line.
[[noreturn]] void Refuse(std::string message);

// --seed, or a clock seed reported as "Seed: N" on standard error.
int32_t TakeSeed(const ParsedOptions& options);

// The thousands separator of the user's locale (a comma where it has none).
void UseLocaleSeparator();

// The folder of this executable, where the data files live.
std::string ExecutableFolder();

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

}  // namespace quenvar::cli
