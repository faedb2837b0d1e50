// The bands of the entries and exits listing: the heading with the period
// and the unit and product, the two-row column captions, one numbered line
// per movement and the totals entered and issued.
#include "reports/entries_exits_layout.h"

#include "reports/listing_bands.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = heavyRuledBand(BandKind::Title, 34.7);
  band.elements = {
      withColumn(at(staticText("QRLabel13", "QRLabel13", arial(9)), 0, 0), 0, 250),  // the date ends the line
      bandRight(staticText("QRLabel14", "QRLabel14", arial(9)), 0),
      centred(staticText({}, "RAPORT,", arial(14, true)), 12.2),
      centred(staticText("QRLabel15", "QRLabel15", arial(12, true)), 18.5),
      centred(staticText("QRLabel16", "QRLabel16", arial(12, true)), 25.4),
  };
  return band;
}

Band columnHeaderBand() {
  Band band = numberedColumnHeader(10.6, 4.8,
                                   {{"DATA", 21.2},
                                    {"DOCUMENT JUSTIFICATIV", 36.0},
                                    {"PRODUSUL", 93.1},
                                    {"U.M.", 139.7},
                                    {"INTRAT", 152.4},
                                    {"IESIT", 173.6},
                                    {"INTRAT", 190.5},
                                    {"IESIT", 211.7},
                                    {"GESTIUNE", 224.4}});
  // The two captions over the amounts' columns, each with a rule under it.
  Element quantity = at(staticText({}, QString(5, ' ') + "CANTITATE" + QString(5, ' '), arial(10)), 152.4, 0.5);
  Element value = rightEdgeAt(staticText({}, QString(6, ' ') + "VALOARE" + QString(6, ' '), arial(10)), 219.9, 0.5);
  quantity.ruleBelow = value.ruleBelow = true;
  band.elements.push_back(quantity);
  band.elements.push_back(value);
  return band;
}

// An auto-sized element whose centre stays at `centre` mm.
Element centredOn(Element element, double centre, double top) {
  element = rightEdgeAt(std::move(element), centre, top);
  element.align = Align::Centre;
  return element;
}

// The amounts' columns begin after the unit of measure's three letters.
constexpr double kAmountsLeft = 150.4;

Band detailBand() {
  std::vector<Element> fields{
      centredOn(fieldText("DATA", arial(9), "dd.MM.yyyy"), 25.3, 0),
      withColumn(at(fieldText("DOCJUS", arial(9)), 36.0, 0), 0, 93.1 - kColumnGap),
      withColumn(at(fieldText("PRODUS", arial(9)), 93.1, 0), 0, 140.2 - kColumnGap),
      withColumn(at(fieldText("UM", arial(9)), 140.2, 0), 0, kAmountsLeft - kColumnGap),
  };
  const std::pair<const char*, double> amounts[] = {
      {"CANTIN", 163.5}, {"CANTOUT", 182.6}, {"VALIN", 201.6}, {"VALOUT", 220.7}};
  std::vector<Element> figures;
  for (const auto& [field, right] : amounts) figures.push_back(rightEdgeAt(fieldText(field, arial(9), "0.00"), right, 0));
  for (Element& figure : sideBySide(std::move(figures), kAmountsLeft)) fields.push_back(figure);
  fields.push_back(withColumn(at(fieldText("GESTIUNE", arial(9)), 224.4, 0), 0, 267));
  return numberedDetail(std::move(fields));
}

}  // namespace

Layout entriesExitsLayout() {
  Layout layout;
  layout.name = "LInOut";
  layout.title = "LISTA DEBITELOR";
  layout.landscape = true;
  layout.margins = {10, 10, 20, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = true;
  layout.bands = {titleBand(), columnHeaderBand(), detailBand(),
                  listingSummary(93.1, sideBySide({rightEdgeAt(sumOf("VALIN", arial(10, true), "0.00"), 201.6, 0),
                                                   rightEdgeAt(sumOf("VALOUT", arial(10, true), "0.00"), 220.7, 0)},
                                                  106.0)),
                  listingPageFooter()};
  return layout;
}

}  // namespace reports
