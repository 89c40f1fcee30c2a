#include "ui/Colours.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace quenvar::ui {

namespace {

double Luminance(const QColor& c) {
  auto channel = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  const QColor rgb = c.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Readable(const QColor& wanted, const QColor& background) {
  constexpr double kEnough = 4.6;  // 4.5 with a margin for rounding to 8 bits
  if (Contrast(wanted, background) >= kEnough) return wanted;
  // Towards black on a light background, towards white on a dark one, the
  // hue and saturation kept.
  const bool lightBackground = Luminance(background) > 0.18;
  const QColor hsl = wanted.toHsl();
  for (int step = 1; step <= 100; ++step) {
    const double t = step / 100.0;
    const double l =
        lightBackground ? hsl.lightnessF() * (1 - t) : hsl.lightnessF() + (1 - hsl.lightnessF()) * t;
    const QColor c = QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), l).toRgb();
    if (Contrast(c, background) >= kEnough) return c;
  }
  return lightBackground ? QColor(Qt::black) : QColor(Qt::white);
}

QColor AlertText(const QPalette& palette, QPalette::ColorRole background) {
  return Readable(QColor(0xb0, 0, 0), palette.color(background));
}

QColor NoticeText(const QPalette& palette, QPalette::ColorRole background) {
  // Navy on a light background; a light blue on a dark one.
  const QColor back = palette.color(background);
  return Readable(back.lightnessF() > 0.5 ? QColor(0, 0, 0x80) : QColor(0x60, 0x90, 0xff), back);
}

QIcon TextIcon(const QString& text, const QFont& font, const QPalette& palette) {
  QPixmap pixmap(40, 20);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QFont bold = font;
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(palette.color(QPalette::ButtonText));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, text);
  return QIcon(pixmap);
}

}  // namespace quenvar::ui
