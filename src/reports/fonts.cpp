// Font mapping and measuring.
#include "reports/fonts.h"

#include <QFontMetricsF>
#include <QImage>

namespace reports {

namespace {

// Text is measured on an image of a fixed high resolution.
constexpr double kMeasureDpi = 720;

const QImage& measuringDevice() {
  static const QImage image = [] {
    QImage i(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
    i.setDotsPerMeterX(dotsPerMetre);
    i.setDotsPerMeterY(dotsPerMetre);
    return i;
  }();
  return image;
}

}  // namespace

QFont qtFont(const Font& font) {
  QFont f(font.family.compare("Arial", Qt::CaseInsensitive) == 0 ? QString("Liberation Sans") : font.family);
  f.setPointSizeF(font.points);
  f.setBold(font.bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

double textWidthMm(const Font& font, const QString& text) {
  return QFontMetricsF(qtFont(font), &measuringDevice()).horizontalAdvance(text) * 25.4 / kMeasureDpi;
}

QString elidedToWidth(const Font& font, const QString& text, double widthMm) {
  return QFontMetricsF(qtFont(font), &measuringDevice()).elidedText(text, Qt::ElideRight, widthMm * kMeasureDpi / 25.4);
}

double lineHeightMm(const Font& font) {
  return QFontMetricsF(qtFont(font), &measuringDevice()).height() * 25.4 / kMeasureDpi;
}

double ascentMm(const Font& font) {
  return QFontMetricsF(qtFont(font), &measuringDevice()).ascent() * 25.4 / kMeasureDpi;
}

}  // namespace reports
