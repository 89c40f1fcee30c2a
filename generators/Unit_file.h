#pragma once

#include <memory>
#include <span>
#include <string>

#include "core/RunOptions.h"
#include "core/Unit_base.h"
#include "core/Writers.h"

namespace quenvar {

struct TinputFilePar {
  std::string FileName;
  bool Append = false;
  int32_t Count = runs::file::kSize.fallback;
  ProgressBarView* ProgressBar = nullptr;
  StatusLabelView* StatusLabel = nullptr;
};

// The Random File page's generator: bytes 0 .. 255 drawn with repeats,
// formatted for display on request, written as a raw byte file.
class Trandom_file {
 public:
  // Draws every byte and keeps them (a byte each) for display and writing.
  void Generate(const TinputFilePar& par, RandomSource& source);
  // The held bytes as text, in drawing order (the sort order is not used).
  void FormatResults(TformatPar options);
  // A cancelled write leaves the file as it was.
  void SaveToFile();
  // SaveToFile short of the commit (see tsavetoBin::StageBin).
  std::unique_ptr<OutputFile> StageFile();
  void Cancel();
  // Draws and writes in blocks, without holding every value: the same bytes
  // as Generate followed by SaveToFile. A cancel leaves the file as it was.
  void GenerateStreamed(const TinputFilePar& par, RandomSource& source);
  bool Stopped() const { return Engine.Stopped || BinWriter.Stopped || streamStopped_; }
  int64_t WrittenTotal() const { return written_; }
  // The bytes of the last run drawn by Generate, in drawing order.
  std::span<const uint8_t> Bytes() const { return {bytes_.get(), byteCount_}; }
  // Room for n bytes, weighed first (EOutOfMemory when it cannot be had);
  // the bytes held before go first.
  uint8_t* MakeRoom(size_t n);
  // Frees the held bytes, letting messages run while a large block goes.
  void ReleaseBytes();

  Tmake_random Engine;
  tsavetoBin BinWriter;
  TinputFilePar Input;
  TArrayString Results;

 private:
  bool streamStopped_ = false;
  int64_t written_ = 0;
  std::unique_ptr<uint8_t[]> bytes_;
  size_t byteCount_ = 0;
};

}  // namespace quenvar
