#include "ui/PrinterSetup.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace quenvar::ui {

QIcon PageIcon(bool landscape) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const QRect page = landscape ? QRect(2, 8, 28, 20) : QRect(8, 2, 20, 28);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::white);
  painter.drawRect(page);
  painter.setPen(QPen(Qt::gray, 1));  // lines of text
  for (int y = page.top() + 4; y < page.bottom() - 2; y += 3)
    painter.drawLine(page.left() + 3, y, page.right() - 3, y);
  return QIcon(pixmap);
}

TPrinterSetupDialog::TPrinterSetupDialog(QWidget* parent, QPrinter& printer)
    : QDialog(parent), printer_(printer) {
  setObjectName("PrinterSetupDialog1");
  setWindowTitle(tr("Print Setup"));
  auto* layout = new QVBoxLayout(this);

  auto* printerGroup = new QGroupBox(tr("Printer"), this);
  auto* printerForm = new QFormLayout(printerGroup);
  printerBox = new QComboBox(printerGroup);
  printerBox->setObjectName("printerBox");
  printerBox->addItems(QPrinterInfo::availablePrinterNames());
  printerBox->setCurrentText(printer.printerName());
  printerForm->addRow(tr("&Name:"), printerBox);
  layout->addWidget(printerGroup);

  auto* row = new QHBoxLayout;
  auto* paperGroup = new QGroupBox(tr("Paper"), this);
  auto* paperForm = new QFormLayout(paperGroup);
  paperBox = new QComboBox(paperGroup);
  paperBox->setObjectName("paperBox");
  for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3,
                                   QPageSize::A5, QPageSize::B5, QPageSize::Executive})
    paperBox->addItem(QPageSize::name(id), int(id));
  paperBox->setCurrentIndex(std::max(0, paperBox->findData(int(printer.pageLayout().pageSize().id()))));
  paperForm->addRow(tr("Si&ze:"), paperBox);
  row->addWidget(paperGroup, 1);
  auto* orientationGroup = new QGroupBox(tr("Orientation"), this);
  auto* orientationColumn = new QVBoxLayout(orientationGroup);
  portrait = new QRadioButton(tr("P&ortrait"), orientationGroup);
  portrait->setIcon(PageIcon(false));
  landscape = new QRadioButton(tr("L&andscape"), orientationGroup);
  landscape->setIcon(PageIcon(true));
  for (QRadioButton* r : {portrait, landscape}) {
    r->setIconSize(QSize(24, 24));
    orientationColumn->addWidget(r);
  }
  (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscape : portrait)->setChecked(true);
  row->addWidget(orientationGroup);
  layout->addLayout(row);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    apply();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void TPrinterSetupDialog::apply() {
  if (!printerBox->currentText().isEmpty()) printer_.setPrinterName(printerBox->currentText());
  printer_.setPageSize(QPageSize(QPageSize::PageSizeId(paperBox->currentData().toInt())));
  printer_.setPageOrientation(landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace quenvar::ui
