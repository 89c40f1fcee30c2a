#include "ui/myabout.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/Version.h"
#include "ui/Accessible.h"
#include "ui/Colours.h"
#include "ui/DialogParts.h"
#include "ui/HelpTopics.h"
#include "ui/Platform.h"

namespace quenvar::ui {

const char kHomePageAddress[] = "https://www.quenvar.org/";
const char kSupportAddress[] = "support@quenvar.org";

namespace {

// Enter or Space on a link label opens it as a click does. On its own a
// label opens a link from the keyboard only after a second Tab has moved
// onto the link inside it, and Enter would press the box's Close button.
class LinkKeys : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
    auto* label = static_cast<QLabel*>(watched);
    emit label->linkActivated(label->property(kLinkTarget).toString());
    return true;
  }
};

// A label showing `shown` as a link to `target`, reached by Tab and opened
// by Enter, Space or a click. Qt does not open it itself: the label's
// linkActivated goes through the platform, as every address the program
// opens does.
QLabel* NewLink(const QString& shown, const QString& target, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setProperty(kLinkTarget, target);  // first: it makes the label a link to assistive technology
  label->setText(QString("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), shown.toHtmlEscaped()));
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  label->setOpenExternalLinks(false);
  label->setFocusPolicy(Qt::StrongFocus);
  label->setAccessibleName(shown);
  label->installEventFilter(new LinkKeys(label));
  QFont font("Arial");
  font.setPixelSize(13);
  label->setFont(font);
  return label;
}

}  // namespace

Taboutform::Taboutform(QWidget* parent) : QDialog(parent) {
  setObjectName("Taboutform");
  setWindowTitle(tr("About Quenvar Random Number Generator "));
  setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
  CentreOnDesktop(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 8);
  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Raised);
  frame->setMinimumHeight(179);
  auto* inside = new QVBoxLayout(frame);
  inside->setContentsMargins(4, 8, 4, 8);

  RxLabel1 = new QLabel(tr("Quenvar Random Number Generator %1").arg(QUENVAR_VERSION_TEXT), frame);
  RxLabel1->setObjectName("RxLabel1");
  QFont title("Arial");
  title.setPixelSize(13);
  title.setUnderline(true);
  RxLabel1->setFont(title);
  RxLabel1->setAlignment(Qt::AlignCenter);
  RxLabel1->setWordWrap(true);
  Label3 = new QLabel(tr("Free software (MIT licence): random data you can repeat from a seed."), frame);
  Label3->setObjectName("Label3");
  QFont notice("Arial");
  notice.setPixelSize(12);
  Label3->setFont(notice);
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setWordWrap(true);

  auto* links = new QGridLayout;
  Label5 = new QLabel(tr("Homepage Site: "), frame);
  Label6 = NewLink(kHomePageAddress, kHomePageAddress, frame);
  Label6->setObjectName("Label6");
  Label1 = new QLabel(tr("Technology Support: "), frame);
  Label4 = NewLink(kSupportAddress, QString("mailto:") + kSupportAddress, frame);
  Label4->setObjectName("Label4");
  links->addWidget(Label5, 0, 0);
  links->addWidget(Label6, 0, 1);
  links->addWidget(Label1, 1, 0);
  links->addWidget(Label4, 1, 1);
  inside->addWidget(RxLabel1);
  inside->addWidget(Label3);
  inside->addStretch(1);
  inside->addLayout(links);
  inside->addStretch(1);
  layout->addWidget(frame);

  auto* buttons = new QHBoxLayout;
  Button1 = new QPushButton(tr("Cl&ose"), this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  // 341 x 232 at the usual font; larger when a larger font needs it.
  resize(QSize(341, 232).expandedTo(minimumSizeHint()));
  colourLinks();
  connect(Label6, &QLabel::linkActivated, this, [this] { Label6Click(); });
  connect(Label4, &QLabel::linkActivated, this, [this] { Label4Click(); });
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);
  AddHelpKey(this, [] { return kAboutHelp; });
}

void Taboutform::Label6Click() { OpenUrl(this, QUrl(QString::fromLatin1(kHomePageAddress))); }

void Taboutform::Label4Click() { OpenUrl(this, QUrl(QString("mailto:") + kSupportAddress)); }

// The links in navy, picked again from a new palette of the desktop.
void Taboutform::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) colourLinks();
}

void Taboutform::colourLinks() {
  for (QLabel* link : {Label6, Label4}) {
    if (link == nullptr) continue;  // not made yet
    QPalette p = link->palette();
    p.setColor(QPalette::Link, NoticeText(palette(), QPalette::Window));
    link->setPalette(p);
  }
}

}  // namespace quenvar::ui
