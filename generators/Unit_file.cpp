#include "generators/Unit_file.h"

#include <vector>

#include "core/OutputFile.h"

namespace quenvar {

void Trandom_file::Generate(const TinputFilePar& par, RandomSource& source) {
  Input = par;
  streamStopped_ = false;
  written_ = 0;
  Results.clear();
  // The bytes of an earlier shown run are not this run's: they go too.
  TArrayInteger().swap(Engine.Randoms);
  Tinputpar request;
  request.Lower = 0;
  request.Upper = 255;
  request.Count = Input.Count;
  request.Duplicate = true;
  request.ShowProgress = true;
  request.ProgressBar = Input.ProgressBar;
  request.StatusLabel = Input.StatusLabel;
  Engine.MakeRandoms(request, source);
}

void Trandom_file::SaveToFile() {
  TsaveBinPar par;
  par.FileName = Input.FileName;
  par.Append = Input.Append;
  par.Randoms = &Engine.Randoms;
  par.StatusLabel = Input.StatusLabel;
  par.ProgressBar = Input.ProgressBar;
  BinWriter.SaveBin(par);
  written_ = BinWriter.Stopped ? written_ : static_cast<int64_t>(Engine.Randoms.size());
}

void Trandom_file::Cancel() {
  streamStopped_ = true;
  BinWriter.Cancel();
  Engine.Cancel();
}

void Trandom_file::GenerateStreamed(const TinputFilePar& par, RandomSource& source) {
  Input = par;
  streamStopped_ = false;
  BinWriter.Stopped = false;
  Engine.Stopped = false;
  written_ = 0;
  Results.clear();
  // The bytes of an earlier shown run are not this run's: they go too.
  TArrayInteger().swap(Engine.Randoms);
  const int64_t count = Input.Count > 0 ? Input.Count : 0;
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Write File ...");
  if (Input.ProgressBar != nullptr) Input.ProgressBar->start(count);
  OutputFile file(Input.FileName, OutputFile::Options{.append = Input.Append});
  file.reserve(count);
  constexpr int64_t kBlock = 1 << 16;
  std::vector<uint8_t> block(kBlock);
  while (written_ < count && !streamStopped_) {
    const int64_t n = std::min(kBlock, count - written_);
    source.FillRandomBytes(block.data(), static_cast<size_t>(n));
    file.write(std::string_view(reinterpret_cast<const char*>(block.data()), static_cast<size_t>(n)));
    written_ += n;
    if (Input.ProgressBar != nullptr) Input.ProgressBar->advance(n);
    LetMessagesRun();
  }
  file.commit();
  if (Input.StatusLabel != nullptr) Input.StatusLabel->setCaption("Done");
  if (Input.ProgressBar != nullptr) Input.ProgressBar->hide();
}

}  // namespace quenvar
