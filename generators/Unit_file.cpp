#include "generators/Unit_file.h"

#include <vector>

#include "core/OutputFile.h"
#include "core/RandomSource.h"

namespace quenvar {

void Trandom_file::Generate(const TinputFilePar& par) {
  Input = par;
  streamStopped_ = false;
  written_ = 0;
  Results.clear();
  // The bytes of an earlier shown run are not this run's: they go too.
  TArrayInteger().swap(Engine.Randoms);
  Engine.SetSeed(Input.Seed);
  Tinputpar request;
  request.Lower = 0;
  request.Upper = 255;
  request.Count = Input.Count;
  request.Duplicate = true;
  request.ShowProgress = true;
  request.ProgressBar = Input.ProgressBar;
  request.StatusLabel = Input.StatusLabel;
  Engine.MakeRandoms(request);
}

void Trandom_file::SaveToFile() {
  if (const auto file = StageFile()) file->commit();
}

std::unique_ptr<OutputFile> Trandom_file::StageFile() {
  TsaveBinPar par;
  par.FileName = Input.FileName;
  par.Append = Input.Append;
  par.Randoms = &Engine.Randoms;
  par.StatusLabel = Input.StatusLabel;
  par.ProgressBar = Input.ProgressBar;
  auto file = BinWriter.StageBin(par);
  written_ = file ? static_cast<int64_t>(Engine.Randoms.size()) : 0;
  return file;
}

void Trandom_file::Cancel() {
  streamStopped_ = true;
  BinWriter.Cancel();
  Engine.Cancel();
}

void Trandom_file::GenerateStreamed(const TinputFilePar& par) {
  Input = par;
  streamStopped_ = false;
  BinWriter.Stopped = false;
  Engine.Stopped = false;
  written_ = 0;
  Results.clear();
  // The bytes of an earlier shown run are not this run's: they go too.
  TArrayInteger().swap(Engine.Randoms);
  Engine.SetSeed(Input.Seed);
  const int64_t count = Input.Count > 0 ? Input.Count : 0;
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Write File ...");
  if (Input.ProgressBar != nullptr) Input.ProgressBar->start(count);
  OutputFile file(Input.FileName, OutputFile::Options{.append = Input.Append});
  file.reserve(count);
  constexpr int64_t kBlock = 1 << 16;
  std::vector<uint8_t> block(kBlock);
  while (written_ < count && !streamStopped_) {
    const int64_t n = std::min(kBlock, count - written_);
    FillRandomBytes(block.data(), static_cast<size_t>(n));
    file.write(std::string_view(reinterpret_cast<const char*>(block.data()), static_cast<size_t>(n)));
    written_ += n;
    if (Input.ProgressBar != nullptr) Input.ProgressBar->advance(n);
    LetMessagesRun();
  }
  if (streamStopped_)
    written_ = 0;  // the staged blocks go unnamed: the file is left as it was
  else
    file.commit();
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Done");
  if (Input.ProgressBar != nullptr) Input.ProgressBar->hide();
}

}  // namespace quenvar
