// The bands of the cumulative value report: the heading with the month, the
// column captions, a numbered line per unit with its values, the totals and
// the page number.
#include "reports/cumulative_layout.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = makeBand(BandKind::Title, 28.3, false, true);
  band.ruleWidth = 2;
  band.elements = {
      at(staticText("QRLabel64", "QRLabel64", arial(9)), 0, 0),
      bandRight(staticText("QRLabel65", "QRLabel65", arial(9)), 0),
      centred(staticText({}, "RAPORT VALORIC CUMULATIV,", arial(14, true)), 7.9),
      centred(staticText("QRLabel69", "QRLabel69", arial(12, true)), 16.9),
  };
  return band;
}

Band columnHeaderBand() {
  Band band = makeBand(BandKind::ColumnHeader, 6.1, false, true);
  band.ruleWidth = 2;
  band.elements = {
      rightEdgeAt(staticText({}, "Nr.crt.", arial(10)), 12.4, 0),
      at(staticText({}, "GESTIUNEA", arial(10)), 14.8, 0),
      at(staticText({}, "INITIAL", arial(10)), 93.1, 0),
      at(staticText({}, "INTRARI", arial(10)), 114.3, 0),
      at(staticText({}, "IESIRI", arial(10)), 139.7, 0),
      bandRight(staticText({}, "STOC FINAL", arial(10)), 0),
  };
  return band;
}

// VINI, VI and VO at their right edges, VFIN on the band's right edge:
// the fields themselves on a line, their sums in the summary.
std::vector<Element> valueColumns(Element (*make)(const QString&, Font, const QString&), Font font) {
  return {rightEdgeAt(make("VINI", font, "0.00"), 104.0, 0), rightEdgeAt(make("VI", font, "0.00"), 127.3, 0),
          rightEdgeAt(make("VO", font, "0.00"), 148.4, 0), bandRight(make("VFIN", font, "0.00"), 0)};
}

Band unitBand() {
  Band band = makeBand(BandKind::Detail, 4.8, false, true);
  band.elements = {rightEdgeAt(systemData(SystemValue::RecordNumber, {}, arial(9)), 11.1, 0),
                   at(fieldText("GESTIUNE", arial(9)), 14.8, 0)};
  for (Element& value : valueColumns(fieldText, arial(9))) band.elements.push_back(value);
  return band;
}

Band summaryBand() {
  Band band = makeBand(BandKind::Summary, 16.9);
  band.elements = {at(staticText({}, "TOTAL", arial(10, true)), 63.5, 0)};
  for (Element& sum : valueColumns(sumOf, arial(10, true))) band.elements.push_back(sum);
  band.elements.push_back(at(staticText({}, "INTOCMIT,", arial(10, true)), 120.7, 9.5));
  return band;
}

}  // namespace

Layout cumulativeLayout() {
  Layout layout;
  layout.name = "LRVC";
  layout.title = "LISTA DEBITELOR";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = true;
  layout.bands = {titleBand(), columnHeaderBand(), unitBand(), summaryBand(),
                  pageNumberFooter(6.1, "Pag.", arial(9))};
  return layout;
}

}  // namespace reports
