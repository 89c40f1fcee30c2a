#include "ui/DialogParts.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/Folders.h"
#include "ui/Guard.h"
#include "ui/HelpWindow.h"
#include "ui/Platform.h"

namespace quenvar::ui {

QSpinBox* ColumnsSpin(QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName("RxSpinEdit1");
  spin->setAccessibleName(QCoreApplication::translate(
      "DialogParts", "No. Columns per Line"));  // the radio button beside it names it
  spin->setRange(2, 100);
  spin->setValue(4);
  spin->findChild<QLineEdit*>()->setReadOnly(true);
  spin->setMinimumWidth(std::max(56, spin->minimumSizeHint().width()));
  spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);  // its own width, wider with the font
  return spin;
}

SeparatorGroup::SeparatorGroup(QWidget* parent, const char* tabName, const char* commaName,
                               const char* spaceName) {
  group = new QGroupBox(QCoreApplication::translate("DialogParts", "Out Format"), parent);
  auto* column = new QVBoxLayout(group);
  tab = new QRadioButton(QCoreApplication::translate("DialogParts", "&Tab Delimited"), group);
  tab->setObjectName(tabName);
  tab->setChecked(true);
  comma = new QRadioButton(QCoreApplication::translate("DialogParts", "Co&mma Separated"), group);
  comma->setObjectName(commaName);
  space = new QRadioButton(QCoreApplication::translate("DialogParts", "Sp&ace Separated"), group);
  space->setObjectName(spaceName);
  for (QRadioButton* r : {tab, comma, space}) column->addWidget(r);
}

QLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) {
    b->setAutoDefault(false);
    row->addWidget(b);
  }
  return row;
}

namespace {

class Centring : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* dialog = static_cast<QWidget*>(watched);
      if (const QScreen* screen = dialog->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize frame = dialog->frameGeometry().size();
        dialog->move(area.left() + (area.width() - frame.width()) / 2,
                     area.top() + (area.height() - frame.height()) / 2);
      }
    }
    return false;
  }
};

}  // namespace

void CentreOnDesktop(QDialog* dialog) { dialog->installEventFilter(new Centring(dialog)); }

void AddHelpKey(QDialog* dialog, std::function<int()> context) {
  auto* help = new QAction(dialog);
  help->setShortcut(Qt::Key_F1);
  QObject::connect(help, &QAction::triggered, dialog, [context] { ShowHelp(context()); });
  dialog->addAction(help);
}

}  // namespace quenvar::ui
