// The bands of the cumulative value report: the heading with the month, the
// column captions, a numbered line per unit with its values, the totals and
// the page number.
#include "reports/cumulative_layout.h"

#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = heavyRuledBand(BandKind::Title, 28.3);
  band.elements = {
      withColumn(at(staticText("QRLabel64", "QRLabel64", arial(9)), 0, 0), 0, 163),  // the date ends the line
      bandRight(staticText("QRLabel65", "QRLabel65", arial(9)), 0),
      centred(staticText({}, "RAPORT VALORIC CUMULATIV,", arial(14, true)), 7.9),
      centred(staticText("QRLabel69", "QRLabel69", arial(12, true)), 16.9),
  };
  return band;
}

Band columnHeaderBand() {
  Band band = numberedColumnHeader(6.1, 0,
                                   {{"GESTIUNEA", 14.8}, {"INITIAL", 93.1}, {"INTRARI", 114.3}, {"IESIRI", 139.7}});
  band.elements.push_back(bandRight(staticText({}, "STOC FINAL", arial(10)), 0));
  return band;
}

// VINI, VI and VO at their right edges, VFIN on the band's right edge,
// the first filling the room from `left`: the fields themselves on a line,
// their sums in the summary.
std::vector<Element> valueColumns(Element (*make)(const QString&, Font, const QString&), Font font, double left) {
  return sideBySide({rightEdgeAt(make("VINI", font, "0.00"), 104.0, 0), rightEdgeAt(make("VI", font, "0.00"), 127.3, 0),
                     rightEdgeAt(make("VO", font, "0.00"), 148.4, 0), bandRight(make("VFIN", font, "0.00"), 0)},
                    left);
}

// The unit's name is cut where the values' column begins.
constexpr double kValuesLeft = 86.0;

Band unitBand() {
  std::vector<Element> fields = {withColumn(at(fieldText("GESTIUNE", arial(9)), 14.8, 0), 0, kValuesLeft - kColumnGap)};
  for (Element& value : valueColumns(fieldText, arial(9), kValuesLeft)) fields.push_back(value);
  return numberedDetail(std::move(fields));
}

}  // namespace

Layout cumulativeLayout() {
  Layout layout;
  layout.name = "LRVC";
  layout.title = "LISTA DEBITELOR";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = true;
  layout.bands = {titleBand(), columnHeaderBand(), unitBand(),
                  listingSummary(63.5, valueColumns(sumOf, arial(10, true), 76.5), 120.7), listingPageFooter()};
  return layout;
}

}  // namespace reports
