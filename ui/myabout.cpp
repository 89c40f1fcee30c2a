#include "ui/myabout.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/Version.h"
#include "ui/Colours.h"
#include "ui/DialogParts.h"
#include "ui/HelpTopics.h"
#include "ui/Platform.h"

namespace quenvar::ui {

const char kHomePageAddress[] = "https://www.quenvar.org/";
const char kSupportAddress[] = "support@quenvar.org";

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::StrongFocus);  // reached by Tab, opened by Enter or Space
  paintAs(false);
}

void LinkLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  // A new palette of the desktop: the link's colours picked again from it.
  if (event->type() == QEvent::PaletteChange && !picking_) {
    picking_ = true;
    paintAs(hot_);
    picking_ = false;
  }
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void LinkLabel::paintAs(bool hot) {
  QFont f("Arial");
  f.setPixelSize(13);
  f.setUnderline(hot);
  setFont(f);
  hot_ = hot;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, hot ? HotLinkText(p, QPalette::Window) : NoticeText(p, QPalette::Window));
  setPalette(p);
  setCursor(hot ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  paintAs(true);
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  paintAs(false);
  QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

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
  Label6 = new LinkLabel(kHomePageAddress, frame);
  Label6->setObjectName("Label6");
  Label1 = new QLabel(tr("Technology Support: "), frame);
  Label4 = new LinkLabel(kSupportAddress, frame);
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
  connect(Label6, &LinkLabel::clicked, this, [this] { Label6Click(); });
  connect(Label4, &LinkLabel::clicked, this, [this] { Label4Click(); });
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);
  AddHelpKey(this, [] { return kAboutHelp; });
}

void Taboutform::Label6Click() { OpenUrl(this, QUrl(QString::fromLatin1(kHomePageAddress))); }

void Taboutform::Label4Click() { OpenUrl(this, QUrl("mailto:" + Label4->text())); }

}  // namespace quenvar::ui
