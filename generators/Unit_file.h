#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/OutputFile.h"
#include "core/RunOptions.h"
#include "core/Unit_base.h"

namespace quenvar {

struct TinputFilePar {
  std::string FileName;
  bool Append = false;
  int32_t Count = runs::file::kSize.fallback;
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
  // Draws and writes in blocks, each written as it is drawn: the same bytes
  // as Generate followed by SaveToFile. A cancel leaves the file as it was.
  // With `keep`, the run's bytes stay at hand for display: a seeded run's
  // as the state it started from (drawn again when asked for, at no cost in
  // memory), a System run's held a byte each.
  void GenerateStreamed(const TinputFilePar& par, const RunContext& run, bool keep = false);
  // The bytes the last run drew (a stopped one: as far as it came).
  int64_t GeneratedTotal() const { return generated_; }
  // A byte takes one of 256 values, as a number page's range of 0 .. 255
  // counts them.
  int64_t PossibleTotal() const { return 256; }
  int64_t WrittenTotal() const { return written_; }
  // The number of bytes of the last run at hand (none after a run that kept
  // nothing).
  size_t ByteCount() const { return byteCount_; }
  // Byte `entry` of them, in drawing order. A seeded run's are drawn again
  // a slice at a time, so that reading them in order costs a draw each.
  uint8_t ByteAt(size_t entry) const {
    if (bytes_ != nullptr) return bytes_[entry];
    if (entry / kSlice != slice_) DrawSlice(entry / kSlice);
    return sliceBytes_[entry % kSlice];
  }
  // n of them from `from` on, into `out`.
  void CopyBytes(size_t from, size_t n, uint8_t* out) const;
  // A copy of all of them.
  std::vector<uint8_t> Bytes() const;
  // The bytes of a seeded run of n bytes drawn from `seed`, drawn again when
  // asked for; the bytes held before go first.
  void KeepSeeded(int32_t seed, size_t n);
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
  static constexpr size_t kSlice = 4096;
  void DrawSlice(size_t slice) const;

  bool stopped_ = false;
  ProgressBarView* bar_ = nullptr;  // the last run's views
  StatusLabelView* label_ = nullptr;
  int64_t generated_ = 0;
  int64_t written_ = 0;
  std::unique_ptr<uint8_t[]> bytes_;  // held bytes, or none for a seeded run's
  size_t byteCount_ = 0;
  uint32_t startState_ = 0;  // a seeded run's state before its first draw
  // The last slice of a seeded run's bytes drawn again.
  mutable size_t slice_ = SIZE_MAX;
  mutable uint8_t sliceBytes_[kSlice];
};

static_assert(RandomGenerator<Trandom_file, TinputFilePar>);

}  // namespace quenvar
