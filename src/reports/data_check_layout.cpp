// The bands of the data check's listing: the heading with the date and the
// outcome ("Nicio problema gasita." or the number of findings), then the
// numbered findings.
#include "reports/data_check_layout.h"

#include "reports/document_bands.h"
#include "reports/fonts.h"
#include "reports/listing_bands.h"

namespace reports {

namespace {

constexpr double kBandWidth = 180;
// The findings' column: from its left edge to the band's right.
constexpr double kFindingLeft = 15;
const Font kFindingFont = arial(9);

}  // namespace

bool fitsFindingLine(const QString& line) { return textWidthMm(kFindingFont, line) <= kBandWidth - kFindingLeft; }

Layout dataCheckLayout() {
  Layout layout;
  layout.name = "LVerificare";
  layout.title = "VERIFICARE DATE";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = false;
  Band title = documentTitle(26, {}, "VERIFICARE DATE", 153);  // the date and time end the line
  title.elements.push_back(bandRight(staticText("Data", "Data", arial(9)), 0));
  title.elements.push_back(centredCaptionLine("Rezultat", arial(11, true), 19, kBandWidth));
  // A finding too long for one line goes on over the next rows, without a number.
  Band line = makeBand(BandKind::Detail, 4.2);
  line.elements = {withColumn(rightEdgeAt(fieldText("NR", arial(9)), 11.1, 0), 0, 11.1),
                   withColumn(at(fieldText("PROBLEMA", kFindingFont), kFindingLeft, 0), 0, kBandWidth)};
  layout.bands = {title, numberedColumnHeader(6.1, 0, {{"Problema gasita", 15}}), line, listingPageFooter()};
  return layout;
}

}  // namespace reports
