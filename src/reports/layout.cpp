// Element lookup and the builders of the layout tables.
#include "reports/layout.h"

namespace reports {

const Band* Layout::band(BandKind kind) const {
  for (const Band& b : bands)
    if (b.kind == kind) return &b;
  return nullptr;
}

Element& Layout::element(const QString& elementName) {
  return const_cast<Element&>(static_cast<const Layout*>(this)->element(elementName));
}

const Element& Layout::element(const QString& elementName) const {
  for (const Band& b : bands)
    for (const Element& e : b.elements)
      if (e.name.compare(elementName, Qt::CaseInsensitive) == 0) return e;
  throw LayoutError(QString("Layout %1 has no element %2").arg(name, elementName).toStdString());
}

Band makeBand(BandKind kind, double height, bool ruleTop, bool ruleBottom) {
  Band band;
  band.kind = kind;
  band.height = height;
  band.ruleTop = ruleTop;
  band.ruleBottom = ruleBottom;
  return band;
}

Element staticText(const QString& name, const QString& caption, Font font) {
  Element e;
  e.name = name;
  e.text = caption;
  e.font = std::move(font);
  return e;
}

Element fieldText(const QString& field, Font font, const QString& mask) {
  Element e = staticText(field, field, std::move(font));
  e.kind = ElementKind::FieldText;
  e.mask = mask;
  return e;
}

Element sumOf(const QString& field, Font font, const QString& mask) {
  Element e = fieldText(field, std::move(font), mask);
  e.name = "SUM(" + field + ")";
  e.kind = ElementKind::Expression;
  return e;
}

Element systemData(SystemValue value, const QString& prefix, Font font) {
  Element e = staticText({}, prefix, std::move(font));
  e.kind = ElementKind::SystemData;
  e.system = value;
  return e;
}

Element picture(const QString& name, const QImage& image, double left, double top, double width, double height) {
  Element e;
  e.name = name;
  e.kind = ElementKind::Picture;
  e.picture = image;
  e.left = left;
  e.top = top;
  e.width = width;
  e.height = height;
  e.autoSize = false;
  return e;
}

Element at(Element element, double left, double top) {
  element.left = left;
  element.top = top;
  element.align = Align::Left;
  return element;
}

Element rightEdgeAt(Element element, double right, double top) {
  element.left = right;
  element.width = 0;
  element.top = top;
  element.align = Align::Right;
  return element;
}

Element bandRight(Element element, double top) {
  element.top = top;
  element.align = Align::Right;
  element.alignToBand = true;
  return element;
}

Element centred(Element element, double top) {
  element.top = top;
  element.align = Align::Centre;
  element.alignToBand = true;
  return element;
}

Element centredIn(Element element, double from, double to, double top) {
  element.left = from;
  element.width = to - from;
  element.top = top;
  element.align = Align::Centre;
  // A boxed caption keeps its box (and the rule under it); a caption a little
  // wider than the box spills evenly on both sides instead of wrapping.
  element.autoSize = false;
  element.wordWrap = false;
  return element;
}

Element withColumn(Element element, double columnLeft, double columnRight) {
  element.columnLeft = columnLeft;
  element.columnRight = columnRight;
  return element;
}

std::vector<Element> sideBySide(std::vector<Element> figures, double firstLeft) {
  double left = firstLeft;
  for (Element& figure : figures) {
    figure.columnLeft = left;
    left = figure.left + figure.width + kColumnGap;  // the right edge rightEdgeAt fixed
  }
  return figures;
}

Band pageNumberFooter(double height, const QString& prefix, Font font) {
  Band band = makeBand(BandKind::PageFooter, height);
  band.elements = {bandRight(systemData(SystemValue::PageNumber, prefix, std::move(font)), 0)};
  return band;
}

}  // namespace reports
