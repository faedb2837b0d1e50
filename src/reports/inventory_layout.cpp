// The bands of the inventory: the heading with the unit and the date, the
// column captions, one numbered line per product with its stock, and the
// total value.
#include "reports/inventory_layout.h"

#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = heavyRuledBand(BandKind::Title, 28.3);
  band.elements = {
      withColumn(at(staticText("Institutie", "Institutie", arial(9)), 0, 0), 0, 153),  // date and time end the line
      at(staticText("QRLabel1", "QRLabel1", arial(10, true)), 0, 4.2),
      bandRight(staticText("Data10", "Data10", arial(9)), 0),
      centred(systemData(SystemValue::ReportTitle, {}, arial(14, true)), 11.6),
      centred(staticText("Detalii10", "Detalii10", arial(11, true)), 18.5),
  };
  return band;
}

// The product's name is cut before its unit of measure, whose three letters
// end before the quantities' column.
Band productBand() {
  std::vector<Element> fields{withColumn(at(fieldText("PRODUS", arial(9)), 16.9, 0), 0, 121.7 - kColumnGap),
                              withColumn(at(fieldText("UM", arial(9)), 121.7, 0), 0, 131.7)};
  for (Element& figure : sideBySide({rightEdgeAt(fieldText("TCANT", arial(9), "0.00"), 152.9, 0),
                                     bandRight(fieldText("TVAL", arial(9), "0.00"), 0)},
                                    131.7 + kColumnGap))
    fields.push_back(figure);
  return numberedDetail(std::move(fields));
}

}  // namespace

Layout inventoryLayout() {
  Layout layout;
  layout.name = "Invent26";
  layout.title = "LISTA DEBITELOR";
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = true;
  Band columnHeader =
      numberedColumnHeader(6.1, 0, {{"DENUMIRE PRODUS", 16.9}, {"U.M.", 120.7}, {"CANTITATE", 135.5}});
  columnHeader.elements.push_back(bandRight(staticText({}, "VALOARE", arial(10)), 0));
  layout.bands = {titleBand(),
                  columnHeader,
                  productBand(),
                  listingSummary(135.5, {withColumn(bandRight(sumOf("TVAL", arial(10, true), "0.00"), 0), 148.5, 0)}),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
