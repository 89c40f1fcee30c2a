#include "ui/DistributionDialog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "ui/DialogParts.h"
#include "ui/WidgetFeedback.h"

namespace quenvar::ui {

namespace {
// The most bars named on the axis; past this many, every few are named.
constexpr int kNamedBars = 12;
}  // namespace

DistributionDialog::DistributionDialog(QWidget* parent, const Distribution& distribution,
                                       const QString& pageCaption)
    : QDialog(parent) {
  setObjectName("DistributionDialog");
  setWindowTitle(tr("Distribution - %1").arg(pageCaption));
  resize(760, 480);

  counts = new QBarSet(tr("Count"));
  QList<qreal> values;
  values.reserve(static_cast<qsizetype>(distribution.counts.size()));
  int64_t highest = 0;
  for (const int64_t c : distribution.counts) {
    values << static_cast<qreal>(c);
    highest = std::max(highest, c);
  }
  counts->append(values);
  for (const std::string& label : distribution.labels) categories << QString::fromStdString(label);

  auto* series = new QBarSeries;
  series->setBarWidth(0.9);
  series->append(counts);
  auto* chart = new QChart;
  chart->addSeries(series);
  chart->legend()->hide();
  chart->setTitle(
      distribution.categories > static_cast<int64_t>(categories.size())
          ? tr("The %1 most frequent of %2 items").arg(categories.size()).arg(distribution.categories)
          : tr("Counts of the last run's results"));
  if (categories.size() <= kNamedBars) {
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    int longest = 0;
    for (const QString& name : categories) longest = std::max(longest, static_cast<int>(name.size()));
    names->setLabelsAngle(longest * categories.size() > 60 ? -60 : 0);
    names->setTruncateLabels(false);  // a bar's name whole, turned when they are long
    chart->addAxis(names, Qt::AlignBottom);
    series->attachAxis(names);
  } else {
    // Too many bars for a name under each: every few bars are named, at the
    // bar's place.
    auto* names = new QCategoryAxis;
    names->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    names->setRange(-0.5, static_cast<qreal>(categories.size()) - 0.5);
    qsizetype step = (categories.size() + kNamedBars - 1) / kNamedBars;
    for (const qsizetype nice : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000})
      if (nice >= step) {
        step = nice;
        break;
      }
    int longest = 0;
    for (qsizetype k = 0; k < categories.size(); k += step) {
      names->append(categories[k], static_cast<qreal>(k));
      longest = std::max(longest, static_cast<int>(categories[k].size()));
    }
    names->setLabelsAngle(longest > 3 ? -60 : 0);
    names->setTruncateLabels(false);
    chart->addAxis(names, Qt::AlignBottom);
    series->attachAxis(names);
  }
  auto* height = new QValueAxis;
  height->setRange(0, static_cast<qreal>(std::max<int64_t>(highest, 1)) * 1.05);
  height->applyNiceNumbers();
  height->setLabelFormat("%.0f");
  height->setTitleText(tr("Count"));
  chart->addAxis(height, Qt::AlignLeft);
  series->attachAxis(height);

  const QString summary = Translated(DistributionSummary(distribution));
  chartView = new QChartView(chart, this);
  chartView->setObjectName("chartView");
  chartView->setRenderHint(QPainter::Antialiasing);
  chartView->setAccessibleName(tr("Distribution chart"));
  chartView->setAccessibleDescription(chart->title() + ". " + summary);

  summaryLabel = new QLabel(summary, this);
  summaryLabel->setObjectName("summaryLabel");
  summaryLabel->setWordWrap(true);
  summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  summaryLabel->setFocusPolicy(Qt::StrongFocus);  // reachable by Tab, so a screen reader reads it
  summaryLabel->setAccessibleName(tr("Summary"));
  summaryLabel->setAccessibleDescription(summary);

  // Pearson's test is trusted only with at least 5 values expected in each
  // category.
  double fewest = 0;
  for (const double e : distribution.expected)
    if (e > 0 && (fewest == 0 || e < fewest)) fewest = e;
  warningLabel = new QLabel(this);
  warningLabel->setObjectName("warningLabel");
  warningLabel->setWordWrap(true);
  if (distribution.test && fewest < 5) {
    warningLabel->setText(
        tr("Fewer than 5 values are expected per bar (%1): the chi-square test is unreliable. "
           "Draw more values for a sound test.")
            .arg(fewest, 0, 'f', 2));
    chartView->setAccessibleDescription(chartView->accessibleDescription() + " " + warningLabel->text());
  } else {
    warningLabel->hide();
  }

  closeButton = new QPushButton(tr("Close"), this);
  closeButton->setObjectName("closeButton");
  closeButton->setDefault(true);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(chartView, 1);
  layout->addWidget(warningLabel);
  auto* row = new QHBoxLayout;
  row->addWidget(summaryLabel, 1);
  row->addWidget(closeButton);
  layout->addLayout(row);
  summaryLabel->setFocus();
  AddHelpKey(this, [] { return kDistributionHelp; });  // F1: the chart's own topic
}

}  // namespace quenvar::ui
