// The bands of the inventory objects list: the heading with the stock date,
// the column captions, a line per unit and product with its stock and type,
// the value total and the page number.
#include "reports/inventory_objects_layout.h"

#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = heavyRuledBand(BandKind::Title, 28.3);
  band.elements = {
      at(staticText("QRLabel83", "QRLabel83", arial(9)), 0, 0),
      centred(staticText({}, "MIJLOACE FIXE SI OBIECTE DE INVENTAR", arial(14, true)), 12.2),
      centred(staticText("QRLabel85", "QRLabel85", arial(12, true)), 20.6),
  };
  return band;
}

Band columnHeaderBand() {
  Band band = heavyRuledBand(BandKind::ColumnHeader, 6.3);
  band.elements = {
      at(staticText({}, "GESTIUNEA", arial(10)), 0, 0),   at(staticText({}, "PRODUSUL", arial(10)), 44.5, 0),
      at(staticText({}, "U.M.", arial(10)), 97.4, 0),     at(staticText({}, "CANTITATE", arial(10)), 108.0, 0),
      at(staticText({}, "VALOARE", arial(10)), 129.1, 0), at(staticText({}, "TIP", arial(10)), 149.0, 0),
  };
  return band;
}

Band objectBand() {
  Band band = makeBand(BandKind::Detail, 4.8, false, true);
  // Each text is cut before the next column's caption.
  band.elements = {
      withColumn(at(fieldText("GESTIUNE", arial(9)), 0, 0), 0, 44.5 - kColumnGap),
      withColumn(at(fieldText("PRODUS", arial(9)), 44.5, 0), 0, 97.4 - kColumnGap),
      withColumn(at(fieldText("UM", arial(9)), 97.4, 0), 0, 108.0 - kColumnGap),
  };
  for (Element& figure : sideBySide({rightEdgeAt(fieldText("CF", arial(9), "0.00"), 125.4, 0),
                                     rightEdgeAt(fieldText("VF", arial(9), "0.00"), 144.5, 0)},
                                    108.0))
    band.elements.push_back(figure);
  band.elements.push_back(withColumn(at(fieldText("TIPUL", arial(9)), 149.0, 0), 0, 185));
  return band;
}


}  // namespace

Layout inventoryObjectsLayout() {
  Layout layout;
  layout.name = "LMJF";
  layout.title = "LISTA DEBITELOR";
  layout.margins = {10, 10, 15, 10};
  layout.zoom = PreviewZoom::Actual;
  layout.sidePanes = false;
  layout.bands = {titleBand(), columnHeaderBand(), objectBand(),
                  listingSummary(93.1, {withColumn(rightEdgeAt(sumOf("VF", arial(10, true), "0.00"), 144.5, 0), 106.0, 0)}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
