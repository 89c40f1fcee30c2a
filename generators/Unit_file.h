#pragma once

#include <memory>
#include <span>
#include <string>

#include "core/OutputFile.h"
#include "core/Unit_base.h"

namespace quenvar {

struct TinputFilePar {
  std::string FileName;
  bool Append = false;
  int32_t Count = 100;
};

// The Random File page's generator: bytes 0 .. 255 drawn with repeats,
// formatted for display on request, written as a raw byte file.
class Trandom_file {
 public:
  // Draws every byte and keeps them (a byte each) for display and writing.
  void Generate(const TinputFilePar& par, const RunContext& run);
  // The held bytes as text in the radix asked for, in drawing order (the
  // sort order and separators are not used).
  void FormatResults(TformatPar options);
  // A cancelled write leaves the file as it was.
  void SaveToFile();
  // SaveToFile short of the commit; nothing when the run was stopped.
  std::unique_ptr<OutputFile> StageFile();
  // Stops the draw, the formatting or the write under way, and whatever of
  // the run comes after it.
  void Cancel() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  // Draws and writes in blocks, without holding every value: the same bytes
  // as Generate followed by SaveToFile. A cancel leaves the file as it was.
  void GenerateStreamed(const TinputFilePar& par, const RunContext& run);
  // The bytes the last run drew (a stopped one: as far as it came).
  int64_t GeneratedTotal() const { return generated_; }
  // A byte takes one of 256 values, as a number page's range of 0 .. 255
  // counts them.
  int64_t PossibleTotal() const { return 256; }
  int64_t WrittenTotal() const { return written_; }
  // The bytes of the last run drawn by Generate, in drawing order.
  std::span<const uint8_t> Bytes() const { return {bytes_.get(), byteCount_}; }
  // Room for n bytes, weighed first (EOutOfMemory when it cannot be had);
  // the bytes held before go first.
  uint8_t* MakeRoom(size_t n);
  // Frees the held bytes, letting messages run while a large block goes.
  void ReleaseBytes();
  // Frees the held bytes and their texts.
  void ReleaseResults();

  TinputFilePar Input;
  TArrayString Results;

 private:
  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
  int64_t generated_ = 0;
  int64_t written_ = 0;
  std::unique_ptr<uint8_t[]> bytes_;
  size_t byteCount_ = 0;
};

static_assert(RandomGenerator<Trandom_file, TinputFilePar>);

}  // namespace quenvar
