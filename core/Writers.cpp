#include "core/Writers.h"

namespace quenvar {

std::string_view SeparatorText(TSeparator separator) {
  switch (separator) {
    case SeparatorComma:
      return ",";
    case SeparatorTab:
      return "\t";
    case SeparatorSpace:
      return " ";
    default:
      return "";
  }
}

TsavetoText::TsavetoText(TsaveTextPar par, std::function<bool()> stopRequested)
    : par_(std::move(par)), stopRequested_(std::move(stopRequested)) {}

void TsavetoText::OpenText() {
  file_ = std::make_unique<OutputFile>(
      par_.FileName,
      OutputFile::Options{.append = par_.Append, .cutEndOfTextMark = true, .stopRequested = stopRequested_});
}

void TsavetoText::WriteRandoms(const TArrayString& items) {
  const std::string_view separator = SeparatorText(par_.Separator);
  constexpr std::string_view kLineEnd = "\r\n";
  LayOutLines(items, par_.OneLine, par_.PerLine, par_.Separator, kLineEnd, [&](std::string_view piece) {
    // Separators and line ends come as these very texts; every other piece
    // is an item.
    if (piece.data() != separator.data() && piece.data() != kLineEnd.data()) ++items_;
    file_->write(piece);
  });
  file_->flush();
}

void TsavetoText::CloseText() {
  if (!file_) return;
  file_->commit();
  file_.reset();
}

void tsavetoBin::SaveBin(const TsaveBinPar& par) {
  if (const auto file = StageBin(par)) file->commit();
}

std::unique_ptr<OutputFile> tsavetoBin::StageBin(const TsaveBinPar& par) {
  Stopped = false;
  const TArrayInteger empty;
  const TArrayInteger& values = par.Randoms != nullptr ? *par.Randoms : empty;
  if (par.StatusLabel != nullptr) par.StatusLabel->setCaption(TR_NOOP("Core", "Write File ..."));
  if (par.ProgressBar != nullptr) par.ProgressBar->start(static_cast<int64_t>(values.size()));
  auto file = std::make_unique<OutputFile>(par.FileName, OutputFile::Options{.append = par.Append});
  file->reserve(static_cast<int64_t>(values.size()));
  for (int32_t v : values) {
    if (Stopped) break;
    LetMessagesRun();
    if (par.ProgressBar != nullptr) par.ProgressBar->step();
    file->put(static_cast<char>(v & 0xFF));
  }
  if (par.StatusLabel != nullptr) par.StatusLabel->setCaption(TR_NOOP("Core", "Done"));
  if (par.ProgressBar != nullptr) par.ProgressBar->hide();
  // Cancelled, the staged bytes go with the object: the file is as it was.
  if (Stopped)
    file.reset();
  else
    file->flush();
  return file;
}

}  // namespace quenvar
