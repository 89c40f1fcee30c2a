#include "ui/QtPrinting.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinterInfo>

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
  explicit QtCanvas(QPrinter& printer) : printer_(printer) {
    printer_.setDocName("");
    if (printer_.printerName().isEmpty()) {
      const QStringList names = QPrinterInfo::availablePrinterNames();
      if (names.isEmpty())
        throw EInOutError(
            QCoreApplication::translate("QtPrinting", "No printer in your system!").toStdString());
      printer_.setPrinterName(names.first());
    }
    if (!painter_.begin(&printer_))
      throw EInOutError(QCoreApplication::translate("QtPrinting", "The printer \"%1\" cannot start a job.")
                            .arg(printer_.printerName())
                            .toStdString());
    metrics_ = std::make_unique<QFontMetrics>(painter_.font(), &printer_);
    area_ = printer_.pageLayout().paintRectPixels(printer_.resolution());
  }
  int pageWidth() const override { return area_.width(); }
  int pageHeight() const override { return area_.height(); }
  int textWidth(std::string_view text) const override { return metrics_->horizontalAdvance(Text(text)); }
  int textHeight(std::string_view) const override { return metrics_->height(); }
  int charHeight() const override { return metrics_->height(); }
  int averageCharWidth() const override { return metrics_->averageCharWidth(); }
  void drawText(int x, int y, std::string_view text) override {
    painter_.drawText(QPoint(x, y + metrics_->ascent()), Text(text));
  }
  void newPage() override {
    if (!printer_.newPage())
      throw EInOutError(
          QCoreApplication::translate("QtPrinting", "The printer could not start a new page.").toStdString());
  }
  void endDoc() override {
    if (!painter_.end())
      throw EInOutError(
          QCoreApplication::translate("QtPrinting", "The print job could not be sent to the printer.")
              .toStdString());
  }

 private:
  static QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  }

  QPrinter& printer_;
  QPainter painter_;
  std::unique_ptr<QFontMetrics> metrics_;
  QRect area_;
};

}  // namespace

QtPrinterService::QtPrinterService() { SetPrinterService(this); }
QtPrinterService::~QtPrinterService() { SetPrinterService(nullptr); }

std::unique_ptr<PrintCanvas> QtPrinterService::beginDoc() {
  return std::make_unique<QtCanvas>(CurrentPrinter());
}

}  // namespace quenvar::ui
