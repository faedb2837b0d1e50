// The charts drawn off screen: the stock card's sheet and the monthly
// report's, of the size asked for, with their lines, markers and bars in
// the entries' and exits' colours; and the chart window's printout, saved
// from the preview as a PNG picture.
#include <QTemporaryDir>

#include "charts/chart_window.h"
#include "charts/stock_chart.h"
#include "charts/unit_chart.h"
#include "reports/preview_window.h"
#include "store/decimal.h"
#include "ui/scripted_interaction.h"

#include <gtest/gtest.h>

namespace charts {
namespace {

constexpr int64_t k = store::decimal::kScale;

std::vector<movements::CardRow> smallCard() {
  std::vector<movements::CardRow> rows;
  int64_t stock = 0;
  const QDate today = QDate::currentDate();
  for (int month = 12; month >= 0; --month) {
    movements::CardRow row;
    row.date = today.addMonths(-month);
    (month % 3 == 0 ? row.quantityIn : row.quantityOut) = (month % 3 == 0 ? 30 : 8) * k;
    stock += row.quantityIn - row.quantityOut;
    row.finalQuantity = stock;
    rows.push_back(row);
  }
  return rows;
}

// Pixels near `colour` (antialiased edges aside).
int pixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (qAbs(p.red() - colour.red()) + qAbs(p.green() - colour.green()) + qAbs(p.blue() - colour.blue()) < 30)
        ++count;
    }
  return count;
}

TEST(ChartPictureTest, StockSheetIsDrawnAtTheSizeAskedWithItsMarkersAndBars) {
  const ChartSheet sheet = stockSheet(smallCard(), "MAGAZIE", "CAIET", QDate::currentDate());
  EXPECT_EQ(sheet.subject, "Produsul : CAIET    Gestiunea : MAGAZIE");
  EXPECT_TRUE(sheet.note.startsWith("Stoc pentru aprox. ")) << sheet.note.toStdString();
  const QImage picture = chartPicture(sheet, 680, 430, 2);
  EXPECT_EQ(picture.size(), QSize(1360, 1720));  // two charts of 430, twice the pixels
  const int area = picture.width() * picture.height();
  EXPECT_LT(pixelsOf(picture, Qt::white), area * 95 / 100);  // not an empty sheet
  EXPECT_GT(pixelsOf(picture, kEntryColour), 100);            // the receipts' markers
  EXPECT_GT(pixelsOf(picture, kExitColour), 1000);            // the exits' markers and monthly bars
}

TEST(ChartPictureTest, UnitSheetShowsEachUnitsEntriesAndExits) {
  const ChartSheet sheet = unitSheet({{"MAGAZIE", 325000, 80000}, {"ATELIER", 75000, 0}}, "luna Martie.2024");
  const QImage picture = chartPicture(sheet, 680, 430, 1);
  EXPECT_EQ(picture.size(), QSize(680, 430));
  EXPECT_GT(pixelsOf(picture, kEntryColour), 2000);
  EXPECT_GT(pixelsOf(picture, kExitColour), 500);
}

// "Listeaza" previews the sheet as a page: the heading, the picture, the note.
TEST(ChartPictureTest, ChartWindowPrintsItsSheetThroughThePreview) {
  ui::ScriptedInteraction script;
  ChartWindow window([] { return QString("SCOALA NR. 1"); }, nullptr);
  window.setSheet(stockSheet(smallCard(), "MAGAZIE", "CAIET", QDate::currentDate()));
  EXPECT_EQ(window.windowTitle(), "GRAFIC FISA");
  EXPECT_EQ(window.note()->text(), window.sheet().note);
  reports::Document printed;
  QTemporaryDir folder;
  const QString png = folder.filePath("grafic.png");
  script.answerPreview([&](QDialog& dialog) {
    auto& preview = dynamic_cast<reports::PreviewWindow&>(dialog);
    printed = preview.document();
    preview.save();  // "Salveaza raportul" as a PNG picture
  });
  script.answerSaveFile(png);
  window.button("Listeaza")->click();
  EXPECT_EQ(QImage(png).size(), QSize(1240, 1754));
  EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString();
  ASSERT_EQ(printed.pages.size(), 1u);
  const QStringList texts = printed.texts(0);
  for (const QString& text : {QString("SCOALA NR. 1"), QString("GRAFIC FISA"), window.sheet().subject, window.sheet().note})
    EXPECT_TRUE(texts.contains(text)) << text.toStdString();
  ASSERT_EQ(printed.pages[0].pictures.size(), 1u);
  EXPECT_EQ(printed.pages[0].pictures[0].image.size(), QSize(1360, 1720));
}

}  // namespace
}  // namespace charts
