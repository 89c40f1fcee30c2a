#include "core/Printing.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/Errors.h"
#include "core/TextLines.h"

namespace quenvar {

namespace {

PrinterService* g_service = nullptr;

class PageWriter {
 public:
  explicit PageWriter(PrintCanvas& canvas) : canvas_(canvas) {}

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
  int y_ = 0;
  int lineHeight_ = 0;
};

}  // namespace

void SetPrinterService(PrinterService* service) { g_service = service; }
PrinterService* CurrentPrinterService() { return g_service; }

void TprinterText::PrintLines(PrintCanvas& canvas, std::string_view text) {
  PageWriter writer(canvas);
  ForEachLine(text, [&writer](std::string_view line) { writer.line(line); });
}

void TprinterText::PrintFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw EInOutError(
        Text(TR_NOOP("Core", "Cannot open file \"%1\". %2")).arg(path).arg(std::strerror(errno)));
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (g_service == nullptr) throw EInOutError(Text(TR_NOOP("Core", "No printer is available.")));
  std::unique_ptr<PrintCanvas> canvas = g_service->beginDoc();
  PrintLines(*canvas, text);
  canvas->endDoc();
}

}  // namespace quenvar
