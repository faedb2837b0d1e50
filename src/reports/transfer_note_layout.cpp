// The bands of the transfer note: the heading with the number, the date,
// the giving and the receiving unit; one numbered line per product with its
// quantity, unit price and value; the total and the signatures of the
// giver, the receiver and the head of department.
#include "reports/transfer_note_layout.h"

#include "reports/document_bands.h"
#include "reports/listing_bands.h"

namespace reports {

namespace {

constexpr double kBandWidth = 180;
// The amounts' columns begin at the caption "Cantitatea"; the unit of
// measure ends before it.
constexpr double kAmountsLeft = 113;

Band titleBand() {
  Band band = documentTitle(42, "Cod 14-3-3A", "BON DE PREDARE, TRANSFER, RESTITUIRE", 163);  // the form's code ends the line
  band.elements.push_back(centredCaptionLine("NrData", arial(11, true), 19.5, kBandWidth));
  band.elements.push_back(captionLine("Predator", arial(10), 27, kBandWidth));
  band.elements.push_back(captionLine("Primitor", arial(10), 31.5, kBandWidth));
  band.elements.push_back(captionLine("Explicatie", arial(10), 36, kBandWidth));
  return band;
}

}  // namespace

Layout transferNoteLayout() {
  Layout layout;
  layout.name = "LBonTransfer";
  layout.title = "BON DE PREDARE, TRANSFER, RESTITUIRE";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = false;
  Band columnHeader =
      numberedColumnHeader(6.1, 0, {{"Denumirea produsului", 15}, {"U.M.", 100}, {"Cantitatea", kAmountsLeft}, {"Pret unitar", 137}});
  columnHeader.elements.push_back(bandRight(staticText({}, "Valoarea", arial(10)), 0));
  layout.bands = {titleBand(),
                  columnHeader,
                  goodsLine(100, kAmountsLeft,
                            {rightEdgeAt(fieldText("CANT", arial(9), "0.00"), 131, 0),
                             rightEdgeAt(fieldText("PRET", arial(9), "0.00"), 157, 0),
                             bandRight(fieldText("VALOARE", arial(9), "0.00"), 0)}),
                  documentSummary({"Predator", "Primitor", "Sef compartiment"}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
