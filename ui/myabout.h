#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quenvar::ui {

// A label that behaves as a link: navy, red and underlined under the
// mouse, with the pointing hand.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& text, QWidget* parent);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void paintAs(bool hot);
  bool hot_ = false;
  bool picking_ = false;  // setting our own palette is a palette change too
};

// The about box: the product, its version, the home page and support links.
class Taboutform : public QDialog {
  Q_OBJECT

 public:
  explicit Taboutform(QWidget* parent);
  void Label6Click();
  void Label4Click();

  QLabel *RxLabel1, *Label3, *Label5, *Label1;
  LinkLabel *Label6, *Label4;
  QPushButton* Button1;
};

extern const char kHomePageAddress[];
extern const char kSupportAddress[];

}  // namespace quenvar::ui
