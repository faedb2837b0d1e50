// The bands of the transfer note: the heading with the number, the date,
// the giving and the receiving unit; one numbered line per product with its
// quantity, unit price and value; the total and the signatures of the
// giver, the receiver and the head of department.
#include "reports/transfer_note_layout.h"

#include "reports/document_bands.h"
#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = documentTitle(42, "Cod 14-3-3A", "BON DE PREDARE, TRANSFER, RESTITUIRE");
  band.elements.push_back(centred(staticText("NrData", "NrData", arial(11, true)), 19.5));
  band.elements.push_back(at(staticText("Predator", "Predator", arial(10)), 0, 27));
  band.elements.push_back(at(staticText("Primitor", "Primitor", arial(10)), 0, 31.5));
  band.elements.push_back(at(staticText("Explicatie", "Explicatie", arial(10)), 0, 36));
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
      numberedColumnHeader(6.1, 0, {{"Denumirea produsului", 15}, {"U.M.", 100}, {"Cantitatea", 113}, {"Pret unitar", 137}});
  columnHeader.elements.push_back(bandRight(staticText({}, "Valoarea", arial(10)), 0));
  layout.bands = {titleBand(),
                  columnHeader,
                  numberedDetail({at(fieldText("PRODUS", arial(9)), 15, 0), at(fieldText("UM", arial(9)), 100, 0),
                                  rightEdgeAt(fieldText("CANT", arial(9), "0.00"), 131, 0),
                                  rightEdgeAt(fieldText("PRET", arial(9), "0.00"), 157, 0),
                                  bandRight(fieldText("VALOARE", arial(9), "0.00"), 0)}),
                  documentSummary({"Predator", "Primitor", "Sef compartiment"}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
