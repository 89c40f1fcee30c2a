#include "core/Printing.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/Feedback.h"
#include "core/InputFile.h"
#include "core/TextLines.h"

namespace quenvar {

namespace {

PrinterService*& InstalledPrinterService() {
  static PrinterService* service = nullptr;
  return service;
}

class PageWriter {
 public:
  explicit PageWriter(PrintCanvas& canvas, int y = 0) : canvas_(canvas), y_(y) {}
  int y() const { return y_; }

  // Prints one line of the file (without its line break).
  void line(std::string_view text) {
    x_ = 0;
    lineHeight_ = 0;
    size_t runStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
      const char c = i < text.size() ? text[i] : '\n';
      if (c != '\t' && c != '\f' && c != '\n') continue;
      run(text.substr(runStart, i - runStart));
      runStart = i + 1;
      if (c == '\t') {
        const int stop = 8 * std::max(1, canvas_.averageCharWidth());
        const int next = stop * ((x_ + 1) / stop + 1);
        if (next > canvas_.pageWidth()) {
          breakLine();
        } else {
          x_ = next;
        }
      } else if (c == '\f') {
        canvas_.newPage();
        y_ = 0;
        x_ = 0;
        lineHeight_ = 0;
      }
    }
    breakLine();
  }

 private:
  // Draws text at x, breaking it after the last character that still fits.
  // Widths are summed character by character (a UTF-8 sequence is one
  // character), so a long line costs linear time.
  void run(std::string_view text) {
    size_t start = 0;
    int width = 0;
    for (size_t i = 0; i < text.size();) {
      const size_t length = CharacterLength(text, i);
      const int w = canvas_.textWidth(text.substr(i, length));
      if (x_ + width + w > canvas_.pageWidth() && (i > start || x_ > 0)) {
        draw(text.substr(start, i - start), width);
        breakLine();
        start = i;
        width = 0;
      }
      width += w;
      i += length;
    }
    draw(text.substr(start), width);
  }

  // The bytes of the UTF-8 character at text[i]; a byte that starts no
  // well-formed sequence counts alone.
  static size_t CharacterLength(std::string_view text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (i + length > text.size()) return 1;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    return length;
  }

  void draw(std::string_view part, int width) {
    if (part.empty()) return;
    canvas_.drawText(x_, y_, part);
    x_ += width;
    lineHeight_ = std::max(lineHeight_, canvas_.textHeight(part) + 2);
  }

  void breakLine() {
    const int height = lineHeight_ > 0 ? lineHeight_ : canvas_.charHeight();
    y_ += height;
    if (y_ > canvas_.pageHeight() - 2 * height) {
      canvas_.newPage();
      y_ = 0;
    }
    x_ = 0;
    lineHeight_ = 0;
  }

  PrintCanvas& canvas_;
  int x_ = 0;
  int y_;
  int lineHeight_ = 0;
};

// Lays the pages out on another canvas's measures without drawing, counting them.
class PageCounter : public MeasuredCanvas {
 public:
  explicit PageCounter(const PrintCanvas& measures) : MeasuredCanvas(measures) {}
  void drawText(int, int, std::string_view) override {}
  void newPage() override { ++pages; }
  void endDoc() override {}
  int64_t pages = 1;
};

// Every line of the text on the canvas, messages running after each; false
// when the feedback's stop flag ended it.
bool PutLines(PrintCanvas& canvas, std::string_view text, const PrintFeedback& feedback) {
  PageWriter writer(canvas);
  bool stopped = false;
  ForEachLine(text, [&](std::string_view line) {
    if (stopped) return;
    writer.line(line);
    CountWork(1);
    if (feedback.ProgressBar != nullptr) feedback.ProgressBar->step();
    LetMessagesRun();
    stopped = feedback.Stop != nullptr && *feedback.Stop;
  });
  return !stopped;
}

// Lets one page of a listing through to a canvas: drawing before and after
// it goes nowhere.
class OnePage : public MeasuredCanvas {
 public:
  OnePage(PrintCanvas& target, int64_t page, int64_t wanted)
      : MeasuredCanvas(target), page(page), target_(target), wanted_(wanted) {}
  void drawText(int x, int y, std::string_view text) override {
    if (page == wanted_) target_.drawText(x, y, text);
  }
  void newPage() override { ++page; }
  void endDoc() override {}
  int64_t page;

 private:
  PrintCanvas& target_;
  int64_t wanted_;
};

}  // namespace

bool PrintLayout::Measure(const PrintCanvas& measures, std::string_view text, const bool* stop) {
  starts_.assign(1, Start{0, 0, 0});
  PageCounter counter(measures);
  PageWriter writer(counter);
  bool stopped = false;
  ForEachLine(text, [&](std::string_view line) {
    if (stopped) return;
    const Start here{static_cast<size_t>(line.data() - text.data()), writer.y(), counter.pages - 1};
    writer.line(line);
    while (Pages() < counter.pages) starts_.push_back(here);
    LetMessagesRun();
    stopped = stop != nullptr && *stop;
  });
  return !stopped;
}

void PrintLayout::DrawPage(PrintCanvas& canvas, std::string_view text, int64_t page) const {
  if (page < 0 || page >= Pages()) return;
  const Start& start = starts_[static_cast<size_t>(page)];
  OnePage one(canvas, start.page, page);
  PageWriter writer(one, start.y);
  bool past = false;
  ForEachLine(text.substr(start.offset), [&](std::string_view line) {
    if (past) return;
    writer.line(line);
    past = one.page > page;
  });
}

void SetPrinterService(PrinterService* service) { InstalledPrinterService() = service; }
PrinterService* CurrentPrinterService() { return InstalledPrinterService(); }

void TprinterText::PrintLines(PrintCanvas& canvas, std::string_view text) { PutLines(canvas, text, {}); }

bool TprinterText::PrintFile(const std::string& path, const PrintFeedback& feedback) {
  const std::string text = ReadWholeFile(path);
  PrinterService* service = CurrentPrinterService();
  if (service == nullptr) throw EInOutError(Text(TR_NOOP("Core", "No printer is available.")));
  std::unique_ptr<PrintCanvas> canvas = service->beginDoc();
  const auto lines = static_cast<int64_t>(std::count(text.begin(), text.end(), '\n')) +
                     (text.empty() || text.back() == '\n' ? 0 : 1);
  auto phase = [&](const char* caption) {
    if (feedback.StatusLabel != nullptr) feedback.StatusLabel->setCaption(caption);
    if (feedback.ProgressBar != nullptr) feedback.ProgressBar->start(lines);
  };
  // Laid out first, nothing drawn: the pages are counted before a job starts.
  phase(TR_NOOP("Core", "Laying out pages..."));
  PageCounter counter(*canvas);
  bool go = PutLines(counter, text, feedback);
  if (go && counter.pages > kPagesAsked)
    go = AskYesNo(Text(TR_NOOP("Core", "The print job has %1 pages.\rDo you want to print them all?"))
                      .arg(counter.pages));
  if (go) {
    phase(TR_NOOP("Core", "Printing pages..."));
    go = PutLines(*canvas, text, feedback);
  }
  if (feedback.ProgressBar != nullptr) feedback.ProgressBar->hide();
  if (!go) {
    canvas->abandonDoc();
    return false;
  }
  canvas->endDoc();
  return true;
}

}  // namespace quenvar
