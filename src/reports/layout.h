// A banded report layout described as data.
//
// A layout is a list of bands (title, column header, detail, group header,
// sub-detail, group footer, summary, page footer), each of a fixed height in
// millimetres with optional rules on its edges, holding the printed elements:
// static texts, field texts, SUM(field) expressions, system data and
// pictures (a chart drawn beforehand). The
// generator (generator.h) walks a result set through it to produce pages.
#pragma once

#include <QImage>
#include <QString>
#include <stdexcept>
#include <vector>

namespace reports {

enum class Align { Left, Right, Centre };

enum class BandKind { Title, ColumnHeader, Detail, GroupHeader, SubDetail, GroupFooter, Summary, PageFooter };

enum class ElementKind { StaticText, FieldText, Expression, SystemData, Picture };

enum class SystemValue { ReportTitle, PageNumber, RecordNumber };

enum class PreviewZoom { WholePage, PageWidth, Actual };

struct Font {
  QString family = "Arial";
  double points = 8;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

inline Font arial(double points, bool bold = false) { return Font{"Arial", points, bold}; }

struct Element {
  QString name;
  ElementKind kind = ElementKind::StaticText;
  // The caption of a static text, the field of a field text or an expression,
  // the prefix of system data.
  QString text;
  QString mask;  // "0.00", "#,##0.00", "dd.MM.yyyy" or empty
  SystemValue system = SystemValue::PageNumber;
  bool resetAfterPrint = false;
  // Box in mm from the band's top-left corner; its height follows the text's
  // lines. With auto-size the box takes the text's width and keeps the edge
  // its alignment names fixed.
  double left = 0, top = 0, width = 0;
  Align align = Align::Left;
  bool alignToBand = false;
  bool autoSize = true;
  bool wordWrap = true;
  Font font;
  bool ruleBelow = false;  // a thin rule under the element's own box
  bool enabled = true;
  // A picture fills its box of `width` by `height` mm, at `left`, `top`.
  QImage picture;
  double height = 0;
  // The column an auto-sized element may fill, in mm from the band's left
  // edge; a right of 0 is the band's right edge. A text wider than its
  // column is cut at the column's edge; a figure (a masked field or a sum)
  // prints whole in a smaller font instead.
  double columnLeft = 0, columnRight = 0;
};

// The room kept free between neighbouring columns, in mm.
constexpr double kColumnGap = 1;

struct Band {
  BandKind kind = BandKind::Detail;
  double height = 5;
  bool ruleTop = false, ruleBottom = false;
  double ruleWidth = 1;  // 1 thin, 2 heavy
  QString groupField;    // the group header's expression: a field name
  std::vector<Element> elements;
};

struct Margins {
  double top = 10, bottom = 10, left = 20, right = 10;
};

class LayoutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Layout {
  QString name;
  QString title;
  bool landscape = false;
  Margins margins;
  PreviewZoom zoom = PreviewZoom::WholePage;
  bool sidePanes = true;
  std::vector<Band> bands;

  double pageWidth() const { return landscape ? 297 : 210; }
  double pageHeight() const { return landscape ? 210 : 297; }
  double bandWidth() const { return pageWidth() - margins.left - margins.right; }

  // The band of a kind, or nullptr when the layout has none.
  const Band* band(BandKind kind) const;
  // The element called `name`; throws LayoutError naming the layout when absent.
  Element& element(const QString& elementName);
  const Element& element(const QString& elementName) const;
};

Band makeBand(BandKind kind, double height, bool ruleTop = false, bool ruleBottom = false);

// Builders for the layout tables: each names the edge that stays fixed.
Element staticText(const QString& name, const QString& caption, Font font);
Element fieldText(const QString& field, Font font, const QString& mask = {});
Element sumOf(const QString& field, Font font, const QString& mask = {});
Element systemData(SystemValue value, const QString& prefix, Font font);
// `image` scaled into the box of `width` by `height` mm at `left`, `top`.
Element picture(const QString& name, const QImage& image, double left, double top, double width, double height);
Element at(Element element, double left, double top);           // its left edge at `left`
Element rightEdgeAt(Element element, double right, double top);  // right-aligned, ending at `right`
Element bandRight(Element element, double top);                  // right-aligned to the band
Element centred(Element element, double top);                    // centred on the band
Element centredIn(Element element, double from, double to, double top);  // centred in a box
Element withColumn(Element element, double columnLeft, double columnRight);  // kept inside a column
// Right-aligned figures standing side by side (each placed with rightEdgeAt,
// the last possibly on the band's right): the first fills the room from
// `firstLeft`, each next one from just after its left neighbour's right edge.
std::vector<Element> sideBySide(std::vector<Element> figures, double firstLeft);

// A page footer of `height` mm with the page number right on the band, after `prefix`.
Band pageNumberFooter(double height, const QString& prefix, Font font);

}  // namespace reports
