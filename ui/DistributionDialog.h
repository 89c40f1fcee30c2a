#pragma once

#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "generators/Distribution.h"
#include "ui/HelpTopics.h"

namespace quenvar::ui {

// The chart of a run's results: one bar per bin, byte value or item, and
// under it the test against a uniform draw as text a screen reader reads.
class DistributionDialog : public QDialog {
  Q_OBJECT

 public:
  DistributionDialog(QWidget* parent, const Distribution& distribution, const QString& pageCaption);

  QChartView* chartView;
  QBarSet* counts;  // the bars, in the order of the categories
  QStringList categories;
  QLabel* summaryLabel;
  QLabel* warningLabel;  // shown when too few values are expected per bar for the test
  QPushButton* closeButton;
};

}  // namespace quenvar::ui
