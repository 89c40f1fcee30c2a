#include "generators/Unit_file.h"

#include <sys/mman.h>

#include <algorithm>
#include <vector>

#include "core/Errors.h"
#include "core/Memory.h"
#include "core/OutputFile.h"

namespace quenvar {

namespace {
constexpr int64_t kBlock = 1 << 16;

// The seeded generator's state `steps` draws after `state`: the map of one
// draw, s -> kRandomMultiplier * s + 1, raised to the power by squaring.
uint32_t Advance(uint32_t state, uint64_t steps) {
  uint32_t mul = 1u, add = 0u;
  uint32_t powerMul = kRandomMultiplier, powerAdd = 1u;  // the map of 2^k draws
  for (; steps > 0; steps >>= 1) {
    if ((steps & 1u) != 0) {
      add = add * powerMul + powerAdd;
      mul *= powerMul;
    }
    powerAdd = powerAdd * powerMul + powerAdd;
    powerMul *= powerMul;
  }
  return mul * state + add;
}
}  // namespace

uint8_t* Trandom_file::MakeRoom(size_t n) {
  ReleaseBytes();
  CheckMemoryFor(n);
  // Left unwritten until drawn into, so making it costs nothing up front.
  GuardMemory([&] { bytes_ = std::make_unique_for_overwrite<uint8_t[]>(n); });
  // In pages of 2 MiB where the system allows it: drawing 100 MB into them
  // then takes some fifty page faults rather than 25,000 of 4 KiB.
  if (n >= (size_t{4} << 20)) {
    const uintptr_t huge = uintptr_t{2} << 20;
    const uintptr_t begin = (reinterpret_cast<uintptr_t>(bytes_.get()) + huge - 1) & ~(huge - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(bytes_.get()) + n) & ~(huge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }
  byteCount_ = n;
  return bytes_.get();
}

void Trandom_file::ReleaseBytes() {
  if (bytes_ != nullptr) ReleasePagesInSlices(bytes_.get(), byteCount_);
  bytes_.reset();
  byteCount_ = 0;
  slice_ = SIZE_MAX;
}

void Trandom_file::KeepSeeded(int32_t seed, size_t n) {
  ReleaseBytes();
  startState_ = RandomSource(seed).state;
  byteCount_ = n;
}

void Trandom_file::CopyBytes(size_t from, size_t n, uint8_t* out) const {
  if (bytes_ != nullptr) {
    std::copy_n(bytes_.get() + from, n, out);
    return;
  }
  // The state the draw of byte `from` starts from, then the same draws.
  RandomSource again;
  again.state = Advance(startState_, from);
  again.FillRandomBytes(out, n);
}

void Trandom_file::DrawSlice(size_t slice) const {
  const size_t from = slice * kSlice;
  CopyBytes(from, std::min(kSlice, byteCount_ - from), sliceBytes_);
  slice_ = slice;
}

std::vector<uint8_t> Trandom_file::Bytes() const {
  std::vector<uint8_t> all(byteCount_);
  CopyBytes(0, byteCount_, all.data());
  return all;
}

void Trandom_file::Generate(const TinputFilePar& par, const RunContext& run) {
  Input = par;
  bar_ = run.Progress;
  label_ = run.Status;
  stopped_ = false;
  written_ = 0;
  Results.clear();
  ReleaseBytes();  // the bytes of an earlier run are not this run's
  const int64_t count = Input.Count > 0 ? Input.Count : 0;
  uint8_t* bytes = MakeRoom(static_cast<size_t>(count));
  // The phase the engine shows for a draw; the bytes are those of RandomBelow(256)
  // drawn one by one, made a block at a time.
  const bool progress = bar_ != nullptr && label_ != nullptr;
  if (progress) {
    const auto b = static_cast<uint32_t>(count);
    const uint32_t sum = b + b / 30;
    const int64_t high = sum >= 2147483647u ? b : sum;
    bar_->start(high == 2147483647 ? high : high + 1);
    label_->setCaption(TR_NOOP("Core", "Calculating randoms..."));
  }
  int64_t drawn = 0;
  while (drawn < count && !stopped_) {
    const int64_t n = std::min(kBlock, count - drawn);
    run.Source.FillRandomBytes(bytes + drawn, static_cast<size_t>(n));
    drawn += n;
    CountWork(static_cast<uint64_t>(n));
    if (progress) bar_->advance(n);
    LetMessagesRun();
  }
  byteCount_ = static_cast<size_t>(drawn);  // a cancelled draw keeps what it drew
  generated_ = drawn;
  if (progress) {
    bar_->fill();
    label_->setCaption(TR_NOOP("Core", "Done"));
    bar_->hide();
  }
}

void Trandom_file::FormatResults(TformatPar options) {
  Tmake_random formatter;
  formatter.Radix = options.Radix;
  std::string texts[256];
  size_t widest = 0;
  for (int v = 0; v < 256; ++v) widest = std::max(widest, (texts[v] = formatter.FormatRandom(v)).size());
  CheckMemoryFor(TextListBytes(byteCount_, byteCount_ * widest));
  TArrayString list;
  GuardMemory([&] { list.reserve(byteCount_, byteCount_ * widest); });
  for (size_t i = 0; i < byteCount_ && !stopped_; ++i) {
    list.push_back(texts[ByteAt(i)]);
    if (i % kBlock == 0) LetMessagesRun();
  }
  list.resize(byteCount_);
  Results.swap(list);
}

void Trandom_file::SaveToFile() {
  if (const auto file = StageFile()) file->commit();
}

std::unique_ptr<OutputFile> Trandom_file::StageFile() {
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Write File ..."));
  if (bar_ != nullptr) bar_->start(static_cast<int64_t>(byteCount_));
  auto file = std::make_unique<OutputFile>(Input.FileName, OutputFile::Options{.append = Input.Append});
  file->reserve(static_cast<int64_t>(byteCount_));
  size_t done = 0;
  while (done < byteCount_ && !stopped_) {
    const size_t n = std::min<size_t>(kBlock, byteCount_ - done);
    file->write(std::string_view(reinterpret_cast<const char*>(bytes_.get() + done), n));
    done += n;
    if (bar_ != nullptr) bar_->advance(static_cast<int64_t>(n));
    LetMessagesRun();
  }
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Done"));
  if (bar_ != nullptr) bar_->hide();
  // Cancelled, the staged bytes go with the object: the file is as it was.
  if (stopped_) {
    file.reset();
  } else {
    file->flush();
  }
  written_ = file ? static_cast<int64_t>(done) : 0;
  return file;
}

void Trandom_file::ReleaseResults() {
  Results.releaseInSlices();
  ReleaseBytes();
}

void Trandom_file::GenerateStreamed(const TinputFilePar& par, const RunContext& run, bool keep) {
  Input = par;
  bar_ = run.Progress;
  label_ = run.Status;
  stopped_ = false;
  written_ = 0;
  generated_ = 0;
  Results.clear();
  ReleaseBytes();  // the bytes of an earlier shown run are not this run's
  const int64_t count = Input.Count > 0 ? Input.Count : 0;
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Write File ..."));
  if (bar_ != nullptr) bar_->start(count);
  OutputFile file(Input.FileName, OutputFile::Options{.append = Input.Append});
  file.reserve(count);
  const uint32_t startState = run.Source.state;
  // A System run's bytes cannot be drawn again: kept, they are drawn into
  // their place and written from there.
  uint8_t* held = keep && run.Source.secure() ? MakeRoom(static_cast<size_t>(count)) : nullptr;
  std::vector<uint8_t> block(held != nullptr ? 0 : kBlock);
  while (written_ < count && !stopped_) {
    const int64_t n = std::min(kBlock, count - written_);
    uint8_t* drawn = held != nullptr ? held + written_ : block.data();
    run.Source.FillRandomBytes(drawn, static_cast<size_t>(n));
    file.write(std::string_view(reinterpret_cast<const char*>(drawn), static_cast<size_t>(n)));
    written_ += n;
    if (bar_ != nullptr) bar_->advance(n);
    LetMessagesRun();
  }
  generated_ = written_;
  if (stopped_) {
    written_ = 0;  // the staged blocks go unnamed: the file is left as it was
    ReleaseBytes();
  } else {
    file.commit();
    if (keep && held == nullptr) {
      startState_ = startState;
      byteCount_ = static_cast<size_t>(written_);
    }
  }
  if (label_ != nullptr) label_->setCaption(TR_NOOP("Core", "Done"));
  if (bar_ != nullptr) bar_->hide();
}

}  // namespace quenvar
