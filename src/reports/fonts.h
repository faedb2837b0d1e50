// Layout fonts as Qt fonts, and text measured in millimetres.
//
// "Arial" maps to Liberation Sans, which has Arial's metrics, so widths and
// word wrapping come out as the layouts were designed. Hinting is off so the
// measured widths hold at every resolution the pages are painted at.
// REQUIRES: a QGuiApplication exists.
#pragma once

#include <QFont>
#include <QString>

#include "reports/layout.h"

namespace reports {

QFont qtFont(const Font& font);
double textWidthMm(const Font& font, const QString& text);
double lineHeightMm(const Font& font);
double ascentMm(const Font& font);  // from a line's top to its baseline
// `text` cut to at most `widthMm`, an ellipsis marking the cut.
QString elidedToWidth(const Font& font, const QString& text, double widthMm);

}  // namespace reports
