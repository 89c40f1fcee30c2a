#pragma once

#include <QDialog>
#include <QLabel>
#include <QSpinBox>
#include <memory>
#include <string>

#include "core/Printing.h"

namespace quenvar::ui {

// The pages of a listing as the program's printer will print them, with
// its paper, orientation and font: one page at a time, drawn when looked
// at. The pages are counted with messages running, so a long listing never
// freezes the window; until the count is done the pages found so far can
// be looked at.
class TPrintPreview : public QDialog {
  Q_OBJECT

 public:
  TPrintPreview(QWidget* parent, std::string text);
  ~TPrintPreview() override;
  // Shows page `page`, counted from 1.
  void showPage(int page);
  bool counted() const { return counted_; }
  int64_t pages() const { return layout_.Pages(); }

  QSpinBox* pageBox;
  QLabel* countLabel;
  QLabel* pageView;

 protected:
  void done(int result) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void count();
  void showCount();

  std::string text_;
  std::unique_ptr<PrintCanvas> measures_;
  PrintLayout layout_;
  bool counted_ = false;
  bool stop_ = false;
};

}  // namespace quenvar::ui
