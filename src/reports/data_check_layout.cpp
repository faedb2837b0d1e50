// The bands of the data check's listing: the heading with the date and the
// outcome ("Nicio problema gasita." or the number of findings), then the
// numbered findings.
#include "reports/data_check_layout.h"

#include "reports/document_bands.h"
#include "reports/listing_bands.h"

namespace reports {

Layout dataCheckLayout() {
  Layout layout;
  layout.name = "LVerificare";
  layout.title = "VERIFICARE DATE";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = false;
  constexpr double kBandWidth = 180;
  Band title = documentTitle(26, {}, "VERIFICARE DATE", 153);  // the date and time end the line
  title.elements.push_back(bandRight(staticText("Data", "Data", arial(9)), 0));
  title.elements.push_back(centredCaptionLine("Rezultat", arial(11, true), 19, kBandWidth));
  // A finding too long for one line goes on over the next rows, without a number.
  Band line = makeBand(BandKind::Detail, 4.2);
  line.elements = {withColumn(rightEdgeAt(fieldText("NR", arial(9)), 11.1, 0), 0, 11.1),
                   withColumn(at(fieldText("PROBLEMA", arial(9)), 15, 0), 0, kBandWidth)};
  layout.bands = {title, numberedColumnHeader(6.1, 0, {{"Problema gasita", 15}}), line, listingPageFooter()};
  return layout;
}

}  // namespace reports
