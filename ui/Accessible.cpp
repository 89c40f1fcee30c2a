#include "ui/Accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace quenvar::ui {

const char kWindowClass[] = "org.quenvar.Quenvar";
const char kExclusiveGroup[] = "exclusiveGroup";
const char kLinkTarget[] = "linkTarget";

namespace {

// A toggle of an exclusive group: a radio button, pressed by its action.
class RadioToolButton : public QAccessibleWidget {
 public:
  explicit RadioToolButton(QToolButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = button()->isChecked();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && !widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    if (t == QAccessible::Name) return button()->defaultAction()->iconText();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && button()->isEnabled()) button()->click();
  }

 private:
  QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
};

// A drop-down list read as "name, combo box, value".
class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->currentText();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = box()->view()->isVisible();
    s.collapsed = !s.expanded;
    return s;
  }
  QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
  void doAction(const QString&) override { box()->showPopup(); }

 private:
  QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A label that is a link: named by its accessible name, pressed as a click
// on its link would be.
class Link : public QAccessibleWidget {
 public:
  explicit Link(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& name) override {
    auto* label = static_cast<QLabel*>(widget());
    if (name == pressAction())
      emit label->linkActivated(label->property(kLinkTarget).toString());
    else
      QAccessibleWidget::doAction(name);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == "QToolButton") {
    auto* button = static_cast<QToolButton*>(object);
    const QAction* action = button->defaultAction();
    if (action != nullptr && action->actionGroup() != nullptr && action->actionGroup()->isExclusive())
      return new RadioToolButton(button);
  } else if (className == "QComboBox") {
    auto* box = static_cast<QComboBox*>(object);
    if (!box->isEditable() && !box->accessibleName().isEmpty()) return new NamedComboBox(box);
  } else if (className == "QLabel" && object->property(kLinkTarget).isValid()) {
    return new Link(static_cast<QLabel*>(object));
  } else if (className == "QWidget" && object->property(kExclusiveGroup).toBool()) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
  } else if (className == "quenvar::ui::TFormRandom") {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

}  // namespace quenvar::ui
