#include "ui/QtPrinting.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinterInfo>
#include <array>

#include "core/Errors.h"

namespace quenvar::ui {

QPrinter& CurrentPrinter() {
  static QPrinter* printer = [] {
    auto* p = new QPrinter(QPrinter::PrinterResolution);
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (!fallback.isNull()) p->setPrinterName(fallback.printerName());
    return p;
  }();
  return *printer;
}

namespace {

class QtCanvas : public PrintCanvas {
 public:
  // The job starts with the first page drawn: a job laid out and then
  // declined or stopped never reaches the printer. The measures are the
  // painter's own (its font is the default font on the printer).
  explicit QtCanvas(QPrinter& printer) : printer_(printer), metrics_(QFont(), &printer) {
    printer_.setDocName("");
    if (printer_.printerName().isEmpty() && printer_.outputFileName().isEmpty()) {
      const QStringList names = QPrinterInfo::availablePrinterNames();
      if (names.isEmpty())
        throw EInOutError(Message(QT_TRANSLATE_NOOP("QtPrinting", "No printer in your system!")));
      printer_.setPrinterName(names.first());
    }
    area_ = printer_.pageLayout().paintRectPixels(printer_.resolution());
    widths_.fill(-1);
  }
  ~QtCanvas() override {
    if (painter_.isActive()) painter_.end();
  }
  int pageWidth() const override { return area_.width(); }
  int pageHeight() const override { return area_.height(); }
  int textWidth(std::string_view text) const override {
    // Text is measured a character at a time: those of one byte are kept.
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < widths_.size()) {
      int& width = widths_[static_cast<unsigned char>(text[0])];
      if (width < 0) width = metrics_.horizontalAdvance(Text(text));
      return width;
    }
    return metrics_.horizontalAdvance(Text(text));
  }
  int textHeight(std::string_view) const override { return metrics_.height(); }
  int charHeight() const override { return metrics_.height(); }
  int averageCharWidth() const override { return metrics_.averageCharWidth(); }
  void drawText(int x, int y, std::string_view text) override {
    begin();
    painter_.drawText(QPoint(x, y + metrics_.ascent()), Text(text));
  }
  void newPage() override {
    begin();
    if (!printer_.newPage())
      throw EInOutError(Message(QT_TRANSLATE_NOOP("QtPrinting", "The printer could not start a new page.")));
  }
  void endDoc() override {
    begin();
    if (!painter_.end())
      throw EInOutError(
          Message(QT_TRANSLATE_NOOP("QtPrinting", "The print job could not be sent to the printer.")));
  }
  void abandonDoc() override {
    if (!painter_.isActive()) return;
    // A print service takes the pages drawn when the job ends; a PDF file
    // of a stopped job is removed.
    painter_.end();
    if (!printer_.outputFileName().isEmpty()) QFile::remove(printer_.outputFileName());
  }

 private:
  // A message of the printer's in the user's language.
  static std::string Message(const char* text) {
    return QCoreApplication::translate("QtPrinting", text).toStdString();
  }
  static QString Text(std::string_view text) { return QString::fromUtf8(text); }
  void begin() {
    if (painter_.isActive()) return;
    if (!painter_.begin(&printer_))
      throw EInOutError(QCoreApplication::translate("QtPrinting", "The printer \"%1\" cannot start a job.")
                            .arg(printer_.printerName())
                            .toStdString());
  }

  QPrinter& printer_;
  QPainter painter_;
  QFontMetrics metrics_;
  QRect area_;
  mutable std::array<int, 128> widths_{};
};

}  // namespace

QtPrinterService::QtPrinterService() { SetPrinterService(this); }
QtPrinterService::~QtPrinterService() { SetPrinterService(nullptr); }

std::unique_ptr<PrintCanvas> PrinterMeasures() { return std::make_unique<QtCanvas>(CurrentPrinter()); }

std::unique_ptr<PrintCanvas> QtPrinterService::beginDoc() {
  return std::make_unique<QtCanvas>(CurrentPrinter());
}

}  // namespace quenvar::ui
