// The bands of the consumption voucher: the heading with the unit, the
// number, the date and the place of consumption; one numbered line per
// product with the quantity requested and released, the unit price and the
// value; the total and the signatures of the head of department, the
// storekeeper and the receiver.
#include "reports/consumption_voucher_layout.h"

#include "reports/document_bands.h"
#include "reports/listing_bands.h"

namespace reports {

namespace {

constexpr double kBandWidth = 180;
// The amounts' columns begin at the box of "Cantitatea"; the unit of
// measure ends before it.
constexpr double kAmountsLeft = 102;

Band titleBand() {
  Band band = documentTitle(37, "Cod 14-3-4A", "BON DE CONSUM", 163);  // the form's code ends the line
  band.elements.push_back(captionLine("Gestiunea", arial(10, true), 4.5, kBandWidth));
  band.elements.push_back(centredCaptionLine("NrData", arial(11, true), 19.5, kBandWidth));
  band.elements.push_back(captionLine("Explicatie", arial(10), 27, kBandWidth));
  return band;
}

Band columnHeader() {
  Band band = numberedColumnHeader(10, 4.5, {{"Denumirea produsului", 15}, {"U.M.", 92}, {"Pret unitar", 137}});
  Element quantity = centredIn(staticText({}, "Cantitatea", arial(10)), kAmountsLeft, 134, 0);
  quantity.ruleBelow = true;
  band.elements.push_back(quantity);
  band.elements.push_back(rightEdgeAt(staticText({}, "necesara", arial(9)), 117, 4.5));
  band.elements.push_back(rightEdgeAt(staticText({}, "eliberata", arial(9)), 134, 4.5));
  band.elements.push_back(bandRight(staticText({}, "Valoarea", arial(10)), 4.5));
  return band;
}

}  // namespace

Layout consumptionVoucherLayout() {
  Layout layout;
  layout.name = "LBonConsum";
  layout.title = "BON DE CONSUM";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = false;
  layout.bands = {titleBand(),
                  columnHeader(),
                  goodsLine(92, kAmountsLeft,
                            {rightEdgeAt(fieldText("CANTNEC", arial(9), "0.00"), 117, 0),
                             rightEdgeAt(fieldText("CANTELIB", arial(9), "0.00"), 134, 0),
                             rightEdgeAt(fieldText("PRET", arial(9), "0.00"), 157, 0),
                             bandRight(fieldText("VALOARE", arial(9), "0.00"), 0)}),
                  documentSummary({"Sef compartiment", "Gestionar", "Primitor"}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
