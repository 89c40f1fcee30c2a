#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/Feedback.h"

namespace quenvar {

// A page being printed, in device units: the printable area starts at
// (0, 0); text is drawn with its top at y.
class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;
  virtual int pageWidth() const = 0;
  virtual int pageHeight() const = 0;
  virtual int textWidth(std::string_view text) const = 0;
  virtual int textHeight(std::string_view text) const = 0;
  virtual int charHeight() const = 0;        // the font's character height
  virtual int averageCharWidth() const = 0;  // the font's average character width
  virtual void drawText(int x, int y, std::string_view text) = 0;
  virtual void newPage() = 0;
  // Sends the document to the printer.
  virtual void endDoc() = 0;
  // Ends a job that was stopped or declined, sending as little as the
  // printing service allows: nothing when no page was drawn yet.
  virtual void abandonDoc() {}
};

// A canvas that takes its measures from another one and draws in its own way.
class MeasuredCanvas : public PrintCanvas {
 public:
  explicit MeasuredCanvas(const PrintCanvas& measures) : measures_(measures) {}
  int pageWidth() const override { return measures_.pageWidth(); }
  int pageHeight() const override { return measures_.pageHeight(); }
  int textWidth(std::string_view text) const override { return measures_.textWidth(text); }
  int textHeight(std::string_view text) const override { return measures_.textHeight(text); }
  int charHeight() const override { return measures_.charHeight(); }
  int averageCharWidth() const override { return measures_.averageCharWidth(); }

 private:
  const PrintCanvas& measures_;
};

// The printing service: starts a job on the currently selected printer, with
// its orientation and an empty document title.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual std::unique_ptr<PrintCanvas> beginDoc() = 0;
};

// The pages of a listing laid out once, so that a preview draws any page
// alone: where the layout of each page resumes.
class PrintLayout {
 public:
  // Lays the text out on the canvas's measures (nothing is drawn), letting
  // messages run a line at a time; false when *stop ended it, the pages
  // found so far kept.
  bool Measure(const PrintCanvas& measures, std::string_view text, const bool* stop = nullptr);
  int64_t Pages() const { return static_cast<int64_t>(starts_.size()); }
  // Draws page `page` (0 for the first, below Pages()) as printing would,
  // on a canvas whose newPage() is never called.
  void DrawPage(PrintCanvas& canvas, std::string_view text, int64_t page) const;

 private:
  struct Start {
    size_t offset;  // the line in which the page begins
    int y;          // where that line begins on its page
    int64_t page;   // and that page
  };
  std::vector<Start> starts_;
};

void SetPrinterService(PrinterService* service);
PrinterService* CurrentPrinterService();

// How a long print shows its progress and is stopped: the text is laid out
// once to count its pages, then drawn, each line letting messages run.
struct PrintFeedback {
  ProgressBarView* ProgressBar = nullptr;
  StatusLabelView* StatusLabel = nullptr;
  const bool* Stop = nullptr;  // set while messages run: the job ends at the next line
};

// Prints a text file line by line as one print job.
class TprinterText {
 public:
  // A job of more pages is printed only when the user says yes.
  static constexpr int64_t kPagesAsked = 50;

  // A missing or unreadable file throws EInOutError; so does having no
  // printing service. False when the job was stopped or declined.
  bool PrintFile(const std::string& path, const PrintFeedback& feedback = {});
  // The page layout, on any canvas: a line is as high as its text plus 2 (an
  // empty line as high as a character); a new page begins when y passes the
  // page height less twice the last line's height, and at a form feed; a
  // line wider than the page breaks after the last character that fits; a
  // tab moves x to the next stop of 8 average characters, or to a new line
  // past the right edge.
  static void PrintLines(PrintCanvas& canvas, std::string_view text);
};

}  // namespace quenvar
