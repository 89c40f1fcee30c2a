#pragma once

#include <QPrinter>

#include "core/Printing.h"

namespace quenvar::ui {

// The program's printer: the one chosen in Print Setup (at first the
// system's default), with the orientation last set; it keeps both for as
// long as the program runs.
QPrinter& CurrentPrinter();

// Print jobs through Qt Print Support on CurrentPrinter().
class QtPrinterService : public PrinterService {
 public:
  QtPrinterService();
  ~QtPrinterService() override;
  std::unique_ptr<PrintCanvas> beginDoc() override;
};

}  // namespace quenvar::ui
