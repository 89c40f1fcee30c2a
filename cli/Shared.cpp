#include "cli/Shared.h"

#include <unistd.h>

#include <clocale>
#include <cstdio>

#include "core/Errors.h"
#include "core/RandomSource.h"
#include "core/Unit_base.h"
#include "core/Writers.h"

namespace quenvar::cli {

#define QUENVAR_HELP_FOOTER                                                     \
  "\n"                                                                          \
  "Options take '--option value' or '--option=value'.\n"                        \
  "Standard error gets the totals line, and 'Seed: N' when the seed came\n"     \
  "from the clock, so that the run can be repeated with --seed N.\n"            \
  "Exit status: 0 done, 1 file or memory error, 2 bad options, 130 cancelled\n" \
  "by Ctrl+C.\n"

const char kLayoutHelp[] =
    "Layout of the results (as in the save dialog):\n"
    "  --per-line P          values per line, 1 to 100 (default 1)\n"
    "  --one-line            all values on a single line\n"
    "  --separator S         tab, comma or space between values (default tab)\n"
    "  --save FILE           write the results to FILE with CR LF line ends\n"
    "                        instead of standard output (LF line ends)\n"
    "  --append              with --save: add to the end of FILE\n" QUENVAR_HELP_FOOTER;

const char kFixedLayoutHelp[] =
    "Output:\n"
    "  --separator S         tab, comma or space between numbers (default tab)\n"
    "  --save FILE           write the lines to FILE with CR LF line ends\n"
    "                        instead of standard output (LF line ends)\n"
    "  --append              with --save: add to the end of FILE\n" QUENVAR_HELP_FOOTER;

std::vector<OptionSpec> LayoutSpecs(bool fixedLines) {
  std::vector<OptionSpec> specs = {{"separator", true}, {"save", true}, {"append", false}, {"help", false}};
  if (!fixedLines) specs.insert(specs.end(), {{"per-line", true}, {"one-line", false}});
  return specs;
}

Layout ReadLayout(const ParsedOptions& options) {
  Layout layout;
  if (auto v = options.value("per-line"))
    layout.perLine = static_cast<int32_t>(ParseInteger(*v, "per-line", 1, 100));
  layout.oneLine = options.has("one-line");
  if (auto v = options.value("separator")) {
    static const uint8_t kCodes[] = {1, 0, 2};  // tab, comma, space
    layout.separator = kCodes[ParseChoice(*v, "separator", {"tab", "comma", "space"})];
  }
  layout.saveTo = options.value("save");
  layout.append = options.has("append");
  return layout;
}

void WriteResults(const TArrayString& results, const Layout& layout) {
  if (layout.saveTo) {
    TsavetoText writer(
        TsaveTextPar{*layout.saveTo, layout.append, layout.oneLine, layout.perLine, layout.separator});
    writer.OpenText();
    writer.WriteRandoms(results);
    writer.CloseText();
    return;
  }
  std::string buffer;
  buffer.reserve(1 << 17);
  LayOutLines(results, layout.oneLine, layout.perLine, layout.separator, "\n",
              [&buffer](std::string_view piece) {
                buffer.append(piece);
                if (buffer.size() >= (1 << 16)) {
                  std::fwrite(buffer.data(), 1, buffer.size(), stdout);
                  buffer.clear();
                }
              });
  std::fwrite(buffer.data(), 1, buffer.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) throw EInOutError("Cannot write to standard output.");
}

namespace {

std::string Lines(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r') c = '\n';
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

}  // namespace

void Refuse(std::string message) { throw UsageError(Lines(message)); }

int32_t TakeSeed(const ParsedOptions& options) {
  if (auto v = options.value("seed"))
    return static_cast<int32_t>(ParseInteger(*v, "seed", -kMaxInt, kMaxInt));
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

std::string ExecutableFolder() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return ".";
  std::string exe(path, static_cast<size_t>(n));
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

TerminalNotifier::TerminalNotifier() { SetNotifier(this); }
TerminalNotifier::~TerminalNotifier() { SetNotifier(nullptr); }

void TerminalNotifier::error(std::string_view message) {
  ++errors;
  PrintLine(Lines(message));
}

void TerminalNotifier::warning(std::string_view message) { PrintLine(Lines(message)); }

bool TerminalNotifier::confirm(std::string_view) { return false; }

void PrintLine(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace quenvar::cli
