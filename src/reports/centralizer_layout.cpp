// The bands of the receipts centralizer: the heading with the month, the
// column captions, one numbered line per day, unit and document, and the
// month's total with thousands separators.
#include "reports/centralizer_layout.h"

#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = heavyRuledBand(BandKind::Title, 28.3);
  band.elements = {
      withColumn(at(staticText("QRLabel37", "QRLabel37", arial(9)), 0, 0), 0, 163),  // the date ends the line
      bandRight(staticText("QRLabel38", "QRLabel38", arial(9)), 0),
      centred(staticText({}, "CENTRALIZATOR NOTE DE RECEPTIE,", arial(14, true)), 7.9),
      centred(staticText("QRLabel48", "QRLabel48", arial(12, true)), 16.9),
  };
  return band;
}

// The document's text is cut where the value's column begins, room for an
// eight-digit value.
constexpr double kValueLeft = 160.0;

}  // namespace

Layout centralizerLayout() {
  Layout layout;
  layout.name = "LNIR";
  layout.title = "LISTA DEBITELOR";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::Actual;
  layout.sidePanes = false;
  Band columnHeader =
      numberedColumnHeader(6.1, 0, {{"DATA", 23.3}, {"GESTIUNEA", 40.2}, {"DOCUMENT JUSTIFICATIV", 88.9}});
  columnHeader.elements.push_back(bandRight(staticText({}, "VALOARE", arial(10)), 0));
  layout.bands = {titleBand(),
                  columnHeader,
                  numberedDetail({rightEdgeAt(fieldText("DATA", arial(9), "dd.MM.yyyy"), 35.7, 0),
                                  withColumn(at(fieldText("GESTIUNE", arial(9)), 40.2, 0), 0, 88.9 - kColumnGap),
                                  withColumn(at(fieldText("DOCJUS", arial(9)), 89.4, 0), 0, kValueLeft - kColumnGap),
                                  withColumn(bandRight(fieldText("TOT", arial(9), "0.00"), 0), kValueLeft, 0)}),
                  listingSummary(135.5, {withColumn(bandRight(sumOf("TOT", arial(10, true), "#,##0.00"), 0), 148.5, 0)}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
