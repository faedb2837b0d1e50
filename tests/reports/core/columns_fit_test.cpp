// Texts kept in their columns: a text wider than its column is cut at the
// column's edge, a figure prints whole in a smaller font on its line's
// baseline. Every layout filled with the longest texts its fields hold and
// the largest amounts: no two printed items (texts, pictures) overlap and
// none leaves the band,
// and in the PDF every figure reads back whole, as a word of its own, at its
// place.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "report_fixtures.h"
#include "reports/chart_layout.h"
#include "reports/fonts.h"
#include "reports/generator.h"
#include "reports/listari.h"
#include "reports/renderer.h"

namespace reports {
namespace {

// The characters each text field holds in the tables the reports read (a
// finding of the data check is printed in lines of 95).
const std::map<QString, int> kTextFieldWidths = {{"PRODUS", 50}, {"GESTIUNE", 32}, {"UM", 3},        {"DOCJUS", 50},
                                                 {"TIPUL", 18},  {"TIP", 18},      {"PROBLEMA", 95}};
// Text fields that hold numbers, at their widest.
const std::map<QString, QString> kNumberTexts = {{"NR", "99999"}};

// The widest eight-digit amount (a column's total over many rows).
constexpr const char* kLargestAmount = "-99999999.99";

bool isDateMask(const QString& mask) { return mask.contains("dd"); }

// A record of every field the layout prints: texts of the widest letter
// as long as their fields allow, amounts as wide as a total gets, dates.
store::sql::ResultSet widestRows(const Layout& layout) {
  std::vector<std::string> fields;
  std::vector<store::Value> values;
  for (const Band& band : layout.bands)
    for (const Element& e : band.elements) {
      if (e.kind != ElementKind::FieldText && e.kind != ElementKind::Expression) continue;
      const std::string field = e.text.toStdString();
      if (std::find(fields.begin(), fields.end(), field) != fields.end()) continue;
      fields.push_back(field);
      const auto width = kTextFieldWidths.find(e.text);
      if (width != kTextFieldWidths.end())
        values.push_back(testing::text(std::string(width->second, 'W')));
      else if (kNumberTexts.contains(e.text))
        values.push_back(testing::text(kNumberTexts.at(e.text).toStdString()));
      else if (e.text == "DATA" || isDateMask(e.mask))
        values.push_back(testing::day(2024, 12, 28));
      else
        values.push_back(testing::amount(kLargestAmount));
    }
  return store::sql::ResultSet(fields, {values});
}

bool overlap(double from1, double to1, double from2, double to2) {
  constexpr double kTolerance = 1e-6;
  return from1 < to2 - kTolerance && from2 < to1 - kTolerance;
}

bool isFigure(const QString& text) {
  static const QRegularExpression figure("^-?[0-9,]+\\.[0-9]{2}$");
  return figure.match(text).hasMatch();
}

// A layout with its run-time captions: the institution's name longer than
// any line, the dates and numbers beside it as wide as they get; or a
// layout made for one printing (a chart's page).
struct LayoutCase {
  const char* layout;
  std::vector<std::pair<QString, QString>> captions;
  Layout (*made)() = nullptr;
};

const QString kLongName(60, 'W');
const QString kLongUnit(32, 'W');
const QString kLongDocument(50, 'W');

// The chart's page of a product and a unit with the longest names.
Layout widestChartPage() {
  QImage chart(900, 500, QImage::Format_RGB32);
  chart.fill(Qt::white);
  return chartLayout("GRAFIC FISA", "Produsul : " + QString(50, 'W') + "    Gestiunea : " + kLongUnit,
                     "Stoc pentru aprox. 99999999,9 luni", kLongName, chart);
}

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.layout; }

// One printed item's box in mm: a text or a picture.
struct Box {
  QString what;
  double x, y, width, height;
};

std::vector<Box> printedBoxes(const Page& page) {
  std::vector<Box> boxes;
  for (const PlacedText& t : page.texts) boxes.push_back({'"' + t.text + '"', t.x, t.y, t.width, t.height});
  for (const PlacedPicture& p : page.pictures) boxes.push_back({"a picture", p.x, p.y, p.width, p.height});
  return boxes;
}

bool printsFigures(const Layout& layout) {
  for (const Band& band : layout.bands)
    for (const Element& e : band.elements)
      if (e.kind == ElementKind::Expression || (e.kind == ElementKind::FieldText && !e.mask.isEmpty())) return true;
  return false;
}

class ColumnsFitTest : public ::testing::TestWithParam<LayoutCase> {
 protected:
  void SetUp() override {
    if (GetParam().made) {
      layout = GetParam().made();
      return;
    }
    for (const auto& [element, caption] : GetParam().captions) listari.setCaption(GetParam().layout, element, caption);
    layout = listari.layout(GetParam().layout);
  }
  Document widestPages() {
    store::sql::ResultSet rows = widestRows(layout);
    return generate(layout, rows);
  }

  TLISTARI listari;
  Layout layout;
};

TEST_P(ColumnsFitTest, NoTwoItemsOverlapAndNoneLeavesTheBand) {
  const Document pages = widestPages();
  ASSERT_FALSE(pages.pages.empty());
  const double bandLeft = layout.margins.left, bandRight = layout.pageWidth() - layout.margins.right;
  const std::vector<Box> boxes = printedBoxes(pages.pages[0]);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const Box& a = boxes[i];
    EXPECT_GE(a.x, bandLeft - 1e-6) << a.what.toStdString();
    EXPECT_LE(a.x + a.width, bandRight + 1e-6) << a.what.toStdString();
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      const Box& b = boxes[j];
      EXPECT_FALSE(overlap(a.y, a.y + a.height, b.y, b.y + b.height) && overlap(a.x, a.x + a.width, b.x, b.x + b.width))
          << a.what.toStdString() << " at " << a.x << ".." << a.x + a.width << " x " << a.y << ".." << a.y + a.height
          << " mm overlaps " << b.what.toStdString() << " at " << b.x << ".." << b.x + b.width << " x " << b.y << ".."
          << b.y + b.height << " mm";
    }
  }
}

TEST_P(ColumnsFitTest, LongTextsAreCutAndFiguresPrintWhole) {
  int cut = 0, figures = 0;
  for (const QString& text : widestPages().texts(0)) {
    if (text.startsWith("WWW")) {
      EXPECT_FALSE(text.contains('\n')) << "wrapped onto the next row: " << text.toStdString();
      cut += text.endsWith(QChar(0x2026)) ? 1 : 0;
    }
    if (isFigure(text)) {
      EXPECT_EQ(QString(text).remove(','), kLargestAmount);
      ++figures;
    }
  }
  EXPECT_GT(cut, 0) << "the 50-letter texts fit no column whole";
  EXPECT_EQ(figures > 0, printsFigures(layout));
}

// The figures of the PDF's first page: each word's text with its right edge in mm.
std::multimap<QString, double> figuresInPdf(const QString& pdf) {
  QProcess process;
  process.start("pdftotext", {"-f", "1", "-l", "1", "-bbox", pdf, "-"});
  std::multimap<QString, double> figures;
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return figures;
  static const QRegularExpression word("xMax=\"([0-9.]+)\"[^>]*>([^<]*)<");
  const QString boxes = QString::fromUtf8(process.readAllStandardOutput());
  for (auto match = word.globalMatch(boxes); match.hasNext();) {
    const QRegularExpressionMatch m = match.next();
    if (isFigure(m.captured(2))) figures.emplace(m.captured(2), m.captured(1).toDouble() * 25.4 / 72);
  }
  return figures;
}

TEST_P(ColumnsFitTest, EveryFigureReadsBackWholeFromThePdf) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const Document pages = widestPages();
  const QString pdf = folder.filePath("widest.pdf");
  writePdf(pages, pdf);
  std::multimap<QString, double> read = figuresInPdf(pdf);
  int expected = 0;
  for (const PlacedText& t : pages.pages[0].texts) {
    if (!isFigure(t.text)) {  // a caption's words, such as a printing time
      for (const QString& word : t.text.split(' ', Qt::SkipEmptyParts))
        if (auto it = read.find(word); it != read.end()) read.erase(it);
      continue;
    }
    ++expected;
    // The word with this text that ends nearest the figure's right edge.
    auto best = read.end();
    const auto [from, to] = read.equal_range(t.text);
    for (auto it = from; it != to; ++it)
      if (best == read.end() || std::abs(it->second - (t.x + t.width)) < std::abs(best->second - (t.x + t.width)))
        best = it;
    if (best == read.end()) {
      ADD_FAILURE() << t.text.toStdString() << " ending at " << t.x + t.width << " mm is not a word of the PDF";
      continue;
    }
    EXPECT_NEAR(best->second, t.x + t.width, 0.5) << t.text.toStdString();
    read.erase(best);
  }
  EXPECT_EQ(expected > 0, printsFigures(layout));
  EXPECT_TRUE(read.empty()) << read.size() << " figures in the PDF the pages do not hold, such as "
                            << read.begin()->first.toStdString();
}

// One line: a text in a column to 20 mm, a figure ending at 40 mm whose
// column begins at 21 mm.
TEST(ColumnFit, TextIsCutAndFigureShrinksOnItsBaselineWhileWhatFitsStaysAsLaidOut) {
  Layout layout;
  Band line = makeBand(BandKind::Detail, 5);
  line.elements = {withColumn(at(fieldText("PRODUS", arial(9)), 0, 0), 0, 20),
                   withColumn(rightEdgeAt(fieldText("VAL", arial(9), "0.00"), 40, 0), 21, 40)};
  layout.bands = {line};
  const double left = layout.margins.left, top = layout.margins.top;
  struct Case {
    const char *product, *value;
    bool fits;
  };
  for (const Case& c : {Case{"CAIET", "12.50", true}, Case{"HALAT DE PROTECTIE NR 44", "-99999999.99", false}}) {
    store::sql::ResultSet rows({"PRODUS", "VAL"}, {{testing::text(c.product), testing::amount(c.value)}});
    const Document pages = generate(layout, rows);
    ASSERT_EQ(pages.pages.at(0).texts.size(), 2u);
    const PlacedText &text = pages.pages[0].texts[0], &figure = pages.pages[0].texts[1];
    EXPECT_EQ(text.text == c.product, c.fits) << text.text.toStdString();
    EXPECT_EQ(text.text.endsWith(QChar(0x2026)), !c.fits) << text.text.toStdString();
    EXPECT_LE(text.x + text.width, left + 20 + 1e-6);
    EXPECT_EQ(figure.text, c.value);
    EXPECT_EQ(figure.font.points == 9, c.fits);
    EXPECT_NEAR(figure.x + figure.width, left + 40, 1e-6);
    EXPECT_GE(figure.x, left + 21 - 1e-6);
    EXPECT_NEAR(figure.y + ascentMm(figure.font), top + ascentMm(arial(9)), 1e-6) << "the line's baseline";
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryLayout, ColumnsFitTest,
    ::testing::Values(LayoutCase{"Invent26", {{"Institutie", kLongName}, {"Data10", "28.12.2024  23.59"}}},
                      LayoutCase{"LInOut", {{"QRLabel13", kLongName}, {"QRLabel14", "28.12.2024"}}},
                      LayoutCase{"LNIR", {{"QRLabel37", kLongName}, {"QRLabel38", "28.12.2024"}}},
                      LayoutCase{"LRapLunVar", {{"QRLabel39", kLongName}, {"OraR", "28.12.2024"}}},
                      LayoutCase{"LRVC", {{"QRLabel64", kLongName}, {"QRLabel65", "28.12.2024"}}},
                      LayoutCase{"LMJF", {{"QRLabel83", kLongName}}},
                      LayoutCase{"ReceptiiPRN", {{"FirmP", kLongName}, {"NumaP", "Nr. 99999999 din 28.Dec.2024"}}},
                      LayoutCase{"LFisaProd",
                                 {{"QRLabel18", kLongName},
                                  {"QRLabel12", "Gestiunea : " + QString(32, 'W')},
                                  {"QRLabel19", "28.12.2024"}}},
                      LayoutCase{"LBonConsum",
                                 {{"Institutie", "Unitatea: " + kLongName},
                                  {"NrData", kLongDocument + " din 28.12.2024"},
                                  {"Gestiunea", "Gestiunea: " + kLongUnit},
                                  {"Explicatie", "Locul de consum / explicatii: " + kLongName + "; " + kLongName}}},
                      LayoutCase{"LBonTransfer",
                                 {{"Institutie", "Unitatea: " + kLongName},
                                  {"NrData", kLongDocument + " din 28.12.2024"},
                                  {"Predator", "Gestiunea predatoare: " + kLongUnit},
                                  {"Primitor", "Gestiunea primitoare: " + kLongUnit},
                                  {"Explicatie", "Explicatii: " + kLongName + "; " + kLongName}}},
                      LayoutCase{"LInventariere",
                                 {{"Institutie", "Unitatea: " + kLongName},
                                  {"Gestiunea", "Gestiunea: " + kLongUnit},
                                  {"Data", "Stocuri la data de 28.12.2024"}}},
                      LayoutCase{"LVerificare",
                                 {{"Institutie", kLongName},
                                  {"Data", "28.12.2024  23.59"},
                                  {"Rezultat", "Probleme gasite: 99999"}}},
                      LayoutCase{"LGrafic", {}, widestChartPage}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.layout); });

}  // namespace
}  // namespace reports
