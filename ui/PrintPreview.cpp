#include "ui/PrintPreview.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <utility>

#include "ui/QtPrinting.h"

namespace quenvar::ui {

namespace {

// Draws a page's text on a picture of the page: the printer's measures,
// the painter scaled from printer units.
class PictureCanvas : public MeasuredCanvas {
 public:
  PictureCanvas(const PrintCanvas& measures, QPainter& painter, int ascent)
      : MeasuredCanvas(measures), painter_(painter), ascent_(ascent) {}
  void drawText(int x, int y, std::string_view text) override {
    painter_.drawText(QPoint(x, y + ascent_), QString::fromUtf8(text));
  }
  void newPage() override {}
  void endDoc() override {}

 private:
  QPainter& painter_;
  int ascent_;
};

}  // namespace

TPrintPreview::TPrintPreview(QWidget* parent, std::string text)
    : QDialog(parent), text_(std::move(text)), measures_(PrinterMeasures()) {
  setObjectName("TPrintPreview");
  setWindowTitle(tr("Print Preview"));
  resize(620, 760);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* pageLabel = new QLabel(tr("&Page"), this);
  pageBox = new QSpinBox(this);
  pageBox->setObjectName("pageBox");
  pageBox->setRange(1, 1);
  pageLabel->setBuddy(pageBox);
  countLabel = new QLabel(this);
  countLabel->setObjectName("countLabel");
  auto* close = new QPushButton(tr("Cl&ose"), this);
  bar->addWidget(pageLabel);
  bar->addWidget(pageBox);
  bar->addWidget(countLabel, 1);
  bar->addWidget(close);
  layout->addLayout(bar);
  pageView = new QLabel(this);
  pageView->setObjectName("pageView");
  pageView->setAlignment(Qt::AlignCenter);
  pageView->setMinimumSize(200, 200);
  pageView->setAccessibleName(tr("Page"));
  layout->addWidget(pageView, 1);
  connect(pageBox, &QSpinBox::valueChanged, this, [this](int page) { showPage(page); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  showCount();
  QTimer::singleShot(0, this, [this] { count(); });
}

TPrintPreview::~TPrintPreview() = default;

void TPrintPreview::count() {
  // The count shown grows a few times a second while the pages are laid out.
  QTimer ticker;
  ticker.setInterval(250);
  bool shown = false;
  connect(&ticker, &QTimer::timeout, this, [this, &shown] {
    showCount();
    if (!std::exchange(shown, true)) showPage(pageBox->value());
  });
  ticker.start();
  counted_ = layout_.Measure(*measures_, text_, &stop_);
  ticker.stop();
  if (stop_) return;
  showCount();
  showPage(pageBox->value());
}

void TPrintPreview::showCount() {
  const int found = static_cast<int>(std::min<int64_t>(std::max<int64_t>(layout_.Pages(), 1), INT_MAX));
  pageBox->setMaximum(found);
  countLabel->setText(counted_ ? tr("of %1 pages").arg(QLocale().toString(found))
                               : tr("of %1 pages so far, counting\u2026").arg(QLocale().toString(found)));
}

void TPrintPreview::showPage(int page) {
  if (page < 1 || page > layout_.Pages()) return;
  // The paper, the text in its printable area, scaled to the view.
  QPrinter& printer = CurrentPrinter();
  const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSize room = pageView->size() - QSize(8, 8);
  const double scale = std::min(room.width() / double(std::max(paper.width(), 1)),
                                room.height() / double(std::max(paper.height(), 1)));
  QImage image(std::max(1, int(paper.width() * scale)), std::max(1, int(paper.height() * scale)),
               QImage::Format_RGB32);
  // Fonts sized for the printer's resolution, then scaled with the rest.
  const int dotsPerMeter = static_cast<int>(printer.resolution() / 0.0254);
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  painter.translate(area.topLeft() - paper.topLeft());
  painter.setFont(QFont());
  painter.setPen(Qt::black);
  PictureCanvas canvas(*measures_, painter, QFontMetrics(QFont(), &printer).ascent());
  layout_.DrawPage(canvas, text_, page - 1);
  painter.end();
  pageView->setPixmap(QPixmap::fromImage(image));
}

void TPrintPreview::done(int result) {
  stop_ = true;  // a count under way ends
  QDialog::done(result);
}

void TPrintPreview::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (layout_.Pages() > 0) showPage(pageBox->value());
}

}  // namespace quenvar::ui
