#pragma once

#include <string>

#include "core/Unit_base.h"
#include "core/Writers.h"

namespace quenvar {

struct TinputFilePar {
  std::string FileName;
  bool Append = false;
  int32_t Count = 100;
  int32_t Seed = 0;
  ProgressBarView* ProgressBar = nullptr;
  StatusLabelView* StatusLabel = nullptr;
};

// The Random File page's generator: bytes 0 .. 255 drawn with repeats,
// formatted for display on request, written as a raw byte file.
class Trandom_file {
 public:
  void Generate(const TinputFilePar& par);
  void FormatResults(TformatPar options) { Engine.FormatRandoms(Results, options); }
  // A cancelled write leaves the file as it was.
  void SaveToFile();
  // SaveToFile short of the commit (see tsavetoBin::StageBin).
  std::unique_ptr<OutputFile> StageFile();
  void Cancel();
  // Draws and writes in blocks, without holding every value: the same bytes
  // as Generate followed by SaveToFile. A cancel leaves the file as it was.
  void GenerateStreamed(const TinputFilePar& par);
  bool Stopped() const { return Engine.Stopped || BinWriter.Stopped || streamStopped_; }
  int64_t WrittenTotal() const { return written_; }

  Tmake_random Engine;
  tsavetoBin BinWriter;
  TinputFilePar Input;
  TArrayString Results;

 private:
  bool streamStopped_ = false;
  int64_t written_ = 0;
};

}  // namespace quenvar
