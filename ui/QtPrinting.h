#pragma once

#include <QPrinter>

#include "core/Printing.h"

namespace quenvar::ui {

// The program's printer: the one chosen in Print Setup (at first the
// system's default), with the orientation last set; it keeps both for as
// long as the program runs.
QPrinter& CurrentPrinter();

// The measures of the program's printer, as a job there lays text out; no
// job starts unless something is drawn on it.
std::unique_ptr<PrintCanvas> PrinterMeasures();

// Print jobs through Qt Print Support on CurrentPrinter().
class QtPrinterService : public PrinterService {
 public:
  QtPrinterService();
  ~QtPrinterService() override;
  std::unique_ptr<PrintCanvas> beginDoc() override;
};

}  // namespace quenvar::ui
