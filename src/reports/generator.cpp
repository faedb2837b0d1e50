// The band walk and the placement of elements.
#include "reports/generator.h"

#include <map>

#include "reports/fonts.h"
#include "reports/masks.h"
#include "store/date.h"
#include "store/decimal.h"

namespace reports {

namespace {

using store::sql::ResultSet;

int64_t numberOf(const store::Value& value) {
  switch (value.kind()) {
    case store::Value::Kind::Number:
      return value.asNumber();
    case store::Value::Kind::Float:
      return store::decimal::fromDouble(value.asFloat()).value_or(0);
    default:
      return 0;
  }
}

// Splits `text` at blanks into lines no wider than `maxWidth`; a word wider
// than that stands on a line of its own. A text that fits keeps its blanks.
QStringList wrapped(const QString& text, const Font& font, double maxWidth) {
  if (textWidthMm(font, text) <= maxWidth) return {text};
  QStringList lines;
  QString current;
  for (const QString& word : text.split(' ')) {
    const QString candidate = current.isEmpty() ? word : current + ' ' + word;
    if (!current.isEmpty() && textWidthMm(font, candidate) > maxWidth) {
      lines << current;
      current = word;
    } else {
      current = candidate;
    }
  }
  lines << current;
  return lines;
}

class Generator {
 public:
  Generator(const Layout& layout, ResultSet& rows, const Progress& progress)
      : layout_(layout), rows_(rows), progress_(progress) {
    document_.title = layout.title;
    document_.pageWidth = layout.pageWidth();
    document_.pageHeight = layout.pageHeight();
    const Band* footer = layout.band(BandKind::PageFooter);
    footerTop_ = layout.pageHeight() - layout.margins.bottom - (footer ? footer->height : 0);
  }

  Document run() {
    startPage();
    print(BandKind::Title);
    print(BandKind::ColumnHeader);
    const bool grouped = layout_.band(BandKind::SubDetail) != nullptr;
    const Band* groupHeader = layout_.band(BandKind::GroupHeader);
    QString previousGroup;
    bool any = false;
    const int total = rows_.recordCount();
    report(0);
    for (rows_.first(); !rows_.eof(); rows_.next()) {
      if (grouped && groupHeader && !groupHeader->groupField.isEmpty()) {
        const QString group = rows_.asText(groupHeader->groupField.toStdString());
        if (!any || group != previousGroup) {
          if (any) print(BandKind::GroupFooter);
          print(BandKind::GroupHeader);
        }
        previousGroup = group;
      }
      any = true;
      ++recordNumber_;
      print(grouped ? BandKind::SubDetail : BandKind::Detail);
      feedSums();
      if (total > 0) report(static_cast<int>(int64_t(recordNumber_) * 100 / total));
    }
    if (grouped && any) print(BandKind::GroupFooter);
    print(BandKind::Summary);
    printFooter();
    report(100);
    return std::move(document_);
  }

 private:
  // Tells the listener each new whole percentage once.
  void report(int percent) {
    if (!progress_ || percent == reported_) return;
    reported_ = percent;
    progress_(percent);
  }

  void startPage() {
    document_.pages.emplace_back();
    y_ = layout_.margins.top;
  }

  void print(BandKind kind) {
    const Band* band = layout_.band(kind);
    if (!band) return;
    if (y_ + band->height > footerTop_ + 1e-9 && y_ > layout_.margins.top) {
      printFooter();
      startPage();
      print(BandKind::ColumnHeader);
    }
    place(*band, y_);
    y_ += band->height;
  }

  void printFooter() {
    if (const Band* footer = layout_.band(BandKind::PageFooter)) place(*footer, footerTop_);
  }

  void place(const Band& band, double top) {
    Page& page = document_.pages.back();
    const double left = layout_.margins.left, right = left + layout_.bandWidth();
    if (band.ruleTop) page.lines.push_back({left, top, right, top, band.ruleWidth});
    if (band.ruleBottom) page.lines.push_back({left, top + band.height, right, top + band.height, band.ruleWidth});
    for (const Element& element : band.elements) {
      if (!element.enabled) continue;
      if (element.kind == ElementKind::Picture) {
        page.pictures.push_back({left + element.left, top + element.top, element.width, element.height, element.picture});
        continue;
      }
      const QString text = textOf(element);
      if (element.kind == ElementKind::Expression && element.resetAfterPrint) sums_[&element] = 0;
      if (text.isEmpty()) continue;
      PlacedText placed = placedText(element, text);
      placed.x += left;
      placed.y += top;
      if (element.ruleBelow) {
        const double boxLeft = element.autoSize ? placed.x : left + element.left;
        const double boxWidth = element.autoSize ? placed.width : element.width;
        page.lines.push_back({boxLeft, placed.y + placed.height, boxLeft + boxWidth, placed.y + placed.height, 1});
      }
      page.texts.push_back(std::move(placed));
    }
  }

  // The element's box relative to the band, its text wrapped, cut or its
  // font made smaller to fit its column.
  PlacedText placedText(const Element& e, const QString& text) const {
    const double bandWidth = layout_.bandWidth();
    PlacedText placed;
    placed.text = text;
    placed.font = e.font;
    placed.align = e.align;
    placed.y = e.top;
    if (!e.autoSize) {
      placed.x = e.left;
      placed.width = e.width;
      if (e.wordWrap) placed.text = wrapped(text, e.font, e.width).join('\n');
    } else {
      // The fixed edge, and the room from it to the column's edges.
      const double columnLeft = e.columnLeft, columnRight = e.columnRight > 0 ? e.columnRight : bandWidth;
      double anchor = 0, room = bandWidth;
      switch (e.align) {
        case Align::Left:
          anchor = e.alignToBand ? 0 : e.left;
          room = columnRight - anchor;
          break;
        case Align::Right:
          anchor = e.alignToBand ? bandWidth : e.left + e.width;
          room = anchor - columnLeft;
          break;
        case Align::Centre:
          anchor = e.alignToBand ? bandWidth / 2 : e.left + e.width / 2;
          room = 2 * std::min(anchor - columnLeft, columnRight - anchor);
          break;
      }
      QStringList lines = fitted(e, text, room, placed.font);
      double width = 0;
      for (const QString& line : lines) width = std::max(width, textWidthMm(placed.font, line));
      placed.text = lines.join('\n');
      placed.width = width;
      placed.x = e.align == Align::Left ? anchor : e.align == Align::Right ? anchor - width : anchor - width / 2;
      // A figure in a smaller font keeps the baseline of its line.
      if (placed.font != e.font) placed.y += ascentMm(e.font) - ascentMm(placed.font);
    }
    placed.height = std::max<double>(1, placed.text.count('\n') + 1) * lineHeightMm(placed.font);
    return placed;
  }

  // The lines of an auto-sized element's text within `room` mm: a figure
  // whole, in the largest font size (in half points, down to a floor) that
  // fits; a text in a column of its own cut at the column's edge; any other
  // text wrapped when the element wraps.
  static QStringList fitted(const Element& e, const QString& text, double room, Font& font) {
    if (textWidthMm(font, text) <= room) return {text};
    if (isFigure(e)) {
      constexpr double kSmallestFigurePoints = 5;
      while (font.points - 0.5 >= kSmallestFigurePoints && textWidthMm(font, text) > room) font.points -= 0.5;
      return {text};
    }
    if (e.columnLeft > 0 || e.columnRight > 0) return {elidedToWidth(font, text, room)};
    return e.wordWrap ? wrapped(text, font, room) : QStringList{text};
  }

  static bool isFigure(const Element& e) {
    return e.kind == ElementKind::Expression || (e.kind == ElementKind::FieldText && !e.mask.isEmpty());
  }

  QString textOf(const Element& e) const {
    switch (e.kind) {
      case ElementKind::StaticText:
        return e.text;
      case ElementKind::FieldText:
        return fieldText(e);
      case ElementKind::Expression: {
        auto it = sums_.find(&e);
        return formatNumber(it == sums_.end() ? 0 : it->second, e.mask);
      }
      case ElementKind::Picture:
        break;
      case ElementKind::SystemData:
        switch (e.system) {
          case SystemValue::ReportTitle:
            return e.text + layout_.title;
          case SystemValue::PageNumber:
            return e.text + QString::number(document_.pages.size());
          case SystemValue::RecordNumber:
            return e.text + QString::number(recordNumber_);
        }
    }
    return {};
  }

  QString fieldText(const Element& e) const {
    const std::string field = e.text.toStdString();
    // Past the last record (the summary, the footer) a field prints nothing.
    if (rows_.eof()) return {};
    const store::Value& value = rows_.value(field);
    if (!e.mask.isEmpty()) {
      switch (value.kind()) {
        case store::Value::Kind::Number:
        case store::Value::Kind::Float:
          return formatNumber(numberOf(value), e.mask);
        case store::Value::Kind::Date: {
          const store::date::Ymd d = store::date::fromJulianDay(value.asDate());
          return formatDate(QDate(d.year, d.month, d.day), e.mask);
        }
        default:
          break;
      }
    }
    return rows_.asText(field);
  }

  void feedSums() {
    for (const Band& band : layout_.bands)
      for (const Element& e : band.elements)
        if (e.kind == ElementKind::Expression) sums_[&e] += numberOf(rows_.value(e.text.toStdString()));
  }

  const Layout& layout_;
  ResultSet& rows_;
  const Progress& progress_;
  int reported_ = -1;
  Document document_;
  double footerTop_ = 0;
  double y_ = 0;
  int recordNumber_ = 0;
  std::map<const Element*, int64_t> sums_;
};

// Puts the cursor back on the record it stood on.
class CursorKeeper {
 public:
  explicit CursorKeeper(ResultSet& rows) : rows_(rows), record_(rows.recordNumber()) {}
  ~CursorKeeper() {
    rows_.first();
    for (int i = 1; i < record_; ++i) rows_.next();
  }

 private:
  ResultSet& rows_;
  int record_;
};

}  // namespace

Document generate(const Layout& layout, store::sql::ResultSet& rows, const Progress& progress) {
  CursorKeeper keeper(rows);
  return Generator(layout, rows, progress).run();
}

}  // namespace reports
