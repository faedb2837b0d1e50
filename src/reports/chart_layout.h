// LGrafic: a chart on an A4 page, printed and saved like any report.
//
// A heading (the institution, the printing date, the chart's title and a
// line saying what it shows) above the chart's picture, a note under it
// (empty prints nothing), and the page number at the bottom. The picture fills the band's width; its height
// keeps the image's proportions.
#pragma once

#include <QImage>
#include <QString>

#include "reports/layout.h"

namespace reports {

// The width in mm a chart's picture is printed at.
inline constexpr double kChartWidthMm = 180;

Layout chartLayout(const QString& title, const QString& subject, const QString& note, const QString& institution,
                   const QImage& chart);

}  // namespace reports
