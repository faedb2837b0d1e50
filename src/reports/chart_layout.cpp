// The bands of a printed chart.
#include "reports/chart_layout.h"

#include <QDate>

namespace reports {

Layout chartLayout(const QString& title, const QString& subject, const QString& note, const QString& institution,
                   const QImage& chart) {
  Layout layout;
  layout.name = "LGrafic";
  layout.title = title;
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::WholePage;
  layout.sidePanes = false;
  const double chartHeight = chart.isNull() ? 0 : kChartWidthMm * chart.height() / chart.width();
  Band heading = makeBand(BandKind::Title, 30 + chartHeight);
  // Each text keeps to its line, cut at the band's edges: the title and the
  // subject above the picture, the note at the band's foot.
  const double bandWidth = layout.bandWidth();
  const auto line = [bandWidth](Element text) { return withColumn(std::move(text), 0, bandWidth); };
  heading.elements = {
      withColumn(at(staticText("Institutie", institution, arial(10)), 0, 1), 0, 161),  // the date ends the line
      bandRight(staticText("DataListare", QDate::currentDate().toString("dd.MM.yyyy"), arial(10)), 1),
      line(centred(staticText("Titlu", title, arial(14, true)), 7)),
      line(centred(staticText("Subiect", subject, arial(11, true)), 14)),
      picture("Grafic", chart, 0, 22, kChartWidthMm, chartHeight),
      line(centred(staticText("Nota", note, arial(11, true)), 24 + chartHeight)),
  };
  layout.bands = {heading, pageNumberFooter(6.3, "pag. ", arial(10))};
  return layout;
}

}  // namespace reports
