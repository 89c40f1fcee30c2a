#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/Codes.h"
#include "core/Feedback.h"
#include "core/OutputFile.h"
#include "core/StringArray.h"

namespace quenvar {

// What the save and print dialogs ask for.
struct TsaveTextPar {
  std::string FileName;
  bool Append = false;
  bool OneLine = false;  // wins over PerLine
  int32_t PerLine = 1;
  TSeparator Separator = SeparatorTab;
};

std::string_view SeparatorText(TSeparator separator);

// Lays the items out in lines (all on one line, one per line, or rows of
// PerLine) and hands the text to `sink` piece by piece, each line ending in
// `lineEnd`.
template <typename Emit>
void LayOutLines(const TArrayString& items, bool oneLine, int32_t perLine, TSeparator separator,
                 std::string_view lineEnd, Emit sink) {
  const size_t n = items.size();
  if (n == 0) return;
  const std::string_view sep = SeparatorText(separator);
  const size_t row = oneLine ? n : static_cast<size_t>(perLine < 1 ? 1 : perLine);
  for (size_t first = 0; first < n; first += row) {
    const size_t last = first + row < n ? first + row : n;
    // All on one line: a separator before every item but the first. In rows,
    // an item is joined by the separator except while the row is still empty
    // (so an empty first item is followed by none).
    bool lineEmpty = true;
    for (size_t i = first; i < last; ++i) {
      const std::string_view item = items[i];
      if (oneLine ? i > first : !lineEmpty) sink(sep);
      sink(item);
      if (!item.empty()) lineEmpty = false;
    }
    sink(lineEnd);
  }
}

// Writes result lines to a text file, every line ending in CR LF.
class TsavetoText {
 public:
  // `stopRequested`, when given, is asked while the text is written; when it
  // says yes, WriteRandoms throws OutputFile::Stopped and CloseText is not
  // to be called: the file is left as it was.
  explicit TsavetoText(TsaveTextPar par, std::function<bool()> stopRequested = {});
  void OpenText();
  void WriteRandoms(const TArrayString& items);
  void CloseText();
  // The items handed to the file so far.
  int64_t itemsWritten() const { return items_; }

 private:
  int64_t items_ = 0;
  TsaveTextPar par_;
  std::function<bool()> stopRequested_;
  std::unique_ptr<OutputFile> file_;
};

struct TsaveBinPar {
  std::string FileName;
  bool Append = false;
  const TArrayInteger* Randoms = nullptr;
  StatusLabelView* StatusLabel = nullptr;
  ProgressBarView* ProgressBar = nullptr;
};

// Writes drawn values as a raw byte file, one byte (the low 8 bits) each. A
// cancelled write leaves the file as it was (a new file is not made).
class tsavetoBin {
 public:
  void SaveBin(const TsaveBinPar& par);
  // The same, short of the commit: the bytes staged, the file not yet
  // touched; nullptr when cancelled. The caller commits, or drops it to
  // leave the file as it was.
  std::unique_ptr<OutputFile> StageBin(const TsaveBinPar& par);
  void Cancel() { Stopped = true; }
  bool Stopped = false;
};

}  // namespace quenvar
