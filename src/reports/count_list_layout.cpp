// The bands of the count list: the heading with the unit and the date; the
// column captions of the stock by the records and of the counted stock and
// the differences (left empty, filled in by hand); each kind of goods under
// its name with its lines and its total; the total of every page with the
// page number; the grand total and the signature places of the counting
// committee, the storekeeper and the accountant at the end.
#include "reports/count_list_layout.h"

#include "reports/document_bands.h"
#include "reports/listing_bands.h"

namespace reports {

namespace {

// Right edges of the amount columns, in mm from the band's left.
constexpr double kQuantity = 142, kPrice = 168, kValue = 194, kCounted = 218, kDifferenceQuantity = 244;
constexpr double kBandWidth = 272;
// The amounts' columns begin at the box of "Stoc scriptic"; the unit of
// measure ends before it.
constexpr double kAmountsLeft = 120;

Band titleBand() {
  Band band = documentTitle(26, "Cod 14-3-12", "LISTA DE INVENTARIERE", 255);  // the form's code ends the line
  band.elements.push_back(captionLine("Gestiunea", arial(10, true), 4.5, kBandWidth));
  band.elements.push_back(centredCaptionLine("Data", arial(11, true), 19, kBandWidth));
  return band;
}

Band columnHeader() {
  Band band = numberedColumnHeader(10, 4.5, {{"Denumirea produsului", 15}, {"U.M.", 112}});
  const std::pair<const char*, std::pair<double, double>> groups[] = {
      {"Stoc scriptic", {kAmountsLeft, kValue}}, {"Stoc faptic", {198, kCounted}}, {"Diferente", {222, 272}}};
  for (const auto& [caption, span] : groups) {
    Element group = centredIn(staticText({}, caption, arial(9)), span.first, span.second, 0);
    group.ruleBelow = true;
    band.elements.push_back(group);
  }
  const std::pair<const char*, double> columns[] = {{"Cantitatea", kQuantity},  {"Pret unitar", kPrice},
                                                    {"Valoarea", kValue},       {"Cantitatea", kCounted},
                                                    {"Cantitatea", kDifferenceQuantity}};
  for (const auto& [caption, right] : columns)
    band.elements.push_back(rightEdgeAt(staticText({}, caption, arial(9)), right, 4.5));
  band.elements.push_back(bandRight(staticText({}, "Valoarea", arial(9)), 4.5));
  return band;
}

Band kindHeader() {
  Band band = makeBand(BandKind::GroupHeader, 6);
  band.groupField = "TIP";
  band.elements = {withColumn(at(fieldText("TIP", arial(10, true)), 15, 1), 0, kBandWidth)};
  return band;
}

Band line() {
  Band band = goodsLine(112, kAmountsLeft,
                        {rightEdgeAt(fieldText("CANT", arial(9), "0.00"), kQuantity, 0),
                         rightEdgeAt(fieldText("PRET", arial(9), "0.00"), kPrice, 0),
                         rightEdgeAt(fieldText("VALOARE", arial(9), "0.00"), kValue, 0)});
  band.kind = BandKind::SubDetail;
  return band;
}

// A total of the values at `top` after its bold caption at the amounts'
// left edge, whose right edge is at `captionRight`; reset after each print
// when `perGroup`.
std::vector<Element> valueTotal(const QString& caption, Font font, double captionRight, double top, bool perGroup) {
  Element sum = withColumn(rightEdgeAt(sumOf("VALOARE", font, "0.00"), kValue, top), captionRight + kColumnGap, 0);
  sum.resetAfterPrint = perGroup;
  return {at(staticText({}, caption, font), kAmountsLeft, top), sum};
}

Band kindFooter() {
  Band band = makeBand(BandKind::GroupFooter, 6);
  band.elements = valueTotal("Total grupa", arial(9, true), 138, 1, true);
  return band;
}

Band summaryBand() {
  Band band = makeBand(BandKind::Summary, 44, true, false);
  band.elements = valueTotal("TOTAL GENERAL", arial(10, true), 150.5, 1.5, false);
  band.elements.push_back(at(staticText({}, "Comisia de inventariere", arial(10, true)), 0, 9));
  for (Element& e : signaturePlaces({"Presedinte", "Membru", "Membru", "Gestionar", "Contabil"}, 15, 0, 272))
    band.elements.push_back(std::move(e));
  return band;
}

Band pageFooter() {
  Band band = makeBand(BandKind::PageFooter, 10, true, false);
  band.elements = valueTotal("Total pagina", arial(9, true), 139, 1, true);
  band.elements.push_back(bandRight(systemData(SystemValue::PageNumber, "Pag.", arial(9)), 5));
  return band;
}

}  // namespace

Layout countListLayout() {
  Layout layout;
  layout.name = "LInventariere";
  layout.title = "LISTA DE INVENTARIERE";
  layout.landscape = true;
  layout.margins = {10, 10, 15, 10};
  layout.zoom = PreviewZoom::PageWidth;
  layout.sidePanes = false;
  layout.bands = {titleBand(), columnHeader(), kindHeader(), line(), kindFooter(), summaryBand(), pageFooter()};
  return layout;
}

}  // namespace reports
