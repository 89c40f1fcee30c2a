#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quenvar::ui {

// The about box: the product, its version, the home page and support links.
class Taboutform : public QDialog {
  Q_OBJECT

 public:
  explicit Taboutform(QWidget* parent);
  void Label6Click();
  void Label4Click();

  QLabel *RxLabel1, *Label3, *Label5, *Label1;
  QLabel *Label6 = nullptr, *Label4 = nullptr;  // the links
  QPushButton* Button1;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void colourLinks();
};

extern const char kHomePageAddress[];
extern const char kSupportAddress[];

}  // namespace quenvar::ui
