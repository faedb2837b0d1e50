// The pages of the printed documents: the consumption voucher, the transfer
// note, the count list and the data check's listing, over result sets shaped
// like the ones their windows bind.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/data_check_layout.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports {
namespace {

using testing::amount;
using testing::countText;
using testing::findText;
using testing::text;

// Bands are 180 mm wide from a left margin of 20 mm (portrait documents).
constexpr double kLeft = 20, kRight = 200;

// `count` voucher lines of one product each: 2 requested and released at 1.50.
store::sql::ResultSet voucherLines(int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({text("PRODUS " + std::to_string(i + 1)), text("BUC"), amount("2"), amount("2"), amount("1.5"),
                    amount("3")});
  return store::sql::ResultSet({"PRODUS", "UM", "CANTNEC", "CANTELIB", "PRET", "VALOARE"}, std::move(rows));
}

// The texts whose right edge is at `rightEdge` mm from the band's left, top to bottom.
QStringList rightAligned(const Document& pages, int page, double rightEdge) {
  QStringList texts;
  for (const PlacedText& t : pages.pages.at(page).texts)
    if (std::abs(t.x + t.width - (kLeft + rightEdge)) < 1e-6) texts << t.text;
  return texts;
}

class DocumentPagesTest : public ::testing::Test {
 protected:
  TLISTARI listari;
};

TEST_F(DocumentPagesTest, VoucherPrintsItsHeadingLinesTotalAndSignatures) {
  listari.setCaption("LBonConsum", "Institutie", "Unitatea: SCOALA NR. 1");
  listari.setCaption("LBonConsum", "Gestiunea", "Gestiunea: MAGAZIE");
  listari.setCaption("LBonConsum", "NrData", "Nr. 7 din 02.03.2006");
  listari.setCaption("LBonConsum", "Explicatie", "Locul de consum / explicatii: sala 12");
  store::sql::ResultSet rows = voucherLines(2);
  const Document pages = generate(listari.layout("LBonConsum"), rows);
  ASSERT_EQ(pages.pages.size(), 1u);
  for (const char* caption : {"Unitatea: SCOALA NR. 1", "Gestiunea: MAGAZIE", "BON DE CONSUM", "Cod 14-3-4A",
                              "Nr. 7 din 02.03.2006", "Locul de consum / explicatii: sala 12", "PRODUS 1", "PRODUS 2",
                              "Sef compartiment", "Gestionar", "Primitor", "Pag.1"})
    EXPECT_TRUE(findText(pages, 0, caption)) << caption;
  // Requested and released quantities, price, values and the total in their columns.
  EXPECT_EQ(rightAligned(pages, 0, 117), (QStringList{"necesara", "2.00", "2.00"}));
  EXPECT_EQ(rightAligned(pages, 0, 134), (QStringList{"Cantitatea", "eliberata", "2.00", "2.00"}));  // "Cantitatea" spans both columns
  EXPECT_EQ(rightAligned(pages, 0, 157), (QStringList{"1.50", "1.50"}));
  EXPECT_EQ(rightAligned(pages, 0, 180), (QStringList{"Cod 14-3-4A", "Valoarea", "3.00", "3.00", "6.00", "Pag.1"}));
  const PlacedText* heading = findText(pages, 0, "BON DE CONSUM");
  EXPECT_NEAR(heading->x + heading->width / 2, (kLeft + kRight) / 2, 1e-6);
}

TEST_F(DocumentPagesTest, LongVoucherRepeatsItsColumnsAndTotalsOnTheLastPage) {
  store::sql::ResultSet rows = voucherLines(90);
  const Document pages = generate(listari.layout("LBonConsum"), rows);
  ASSERT_EQ(pages.pages.size(), 2u);
  for (int page = 0; page < 2; ++page) {
    EXPECT_EQ(countText(pages, page, "Denumirea produsului"), 1) << page;
    EXPECT_EQ(countText(pages, page, "BON DE CONSUM"), page == 0 ? 1 : 0) << page;
    EXPECT_TRUE(findText(pages, page, "Pag." + QString::number(page + 1))) << page;
  }
  EXPECT_TRUE(findText(pages, 1, "PRODUS 90"));
  EXPECT_FALSE(findText(pages, 0, "TOTAL"));
  EXPECT_TRUE(findText(pages, 1, "270.00"));  // 90 lines of 3.00
  EXPECT_TRUE(findText(pages, 1, "Primitor"));
  // The page footer stays at the bottom: 297 - 10 - 6.1.
  EXPECT_NEAR(findText(pages, 0, "Pag.1")->y, 280.9, 1e-6);
}

TEST_F(DocumentPagesTest, TransferNoteNamesBothUnitsAndItsSignatures) {
  listari.setCaption("LBonTransfer", "NrData", "Nr. 3 din 05.03.2006");
  listari.setCaption("LBonTransfer", "Predator", "Gestiunea predatoare: MAGAZIE");
  listari.setCaption("LBonTransfer", "Primitor", "Gestiunea primitoare: SALA MARE");
  store::sql::ResultSet rows({"PRODUS", "UM", "CANT", "PRET", "VALOARE"},
                             {{text("CRETA"), text("CUT"), amount("6"), amount("2.5"), amount("15")},
                              {text("BURETE"), text("BUC"), amount("1"), amount("4"), amount("4")}});
  const Document pages = generate(listari.layout("LBonTransfer"), rows);
  ASSERT_EQ(pages.pages.size(), 1u);
  for (const char* caption : {"BON DE PREDARE, TRANSFER, RESTITUIRE", "Cod 14-3-3A", "Nr. 3 din 05.03.2006",
                              "Gestiunea predatoare: MAGAZIE", "Gestiunea primitoare: SALA MARE", "CRETA", "BURETE",
                              "Predator", "Primitor", "Sef compartiment"})
    EXPECT_TRUE(findText(pages, 0, caption)) << caption;
  EXPECT_EQ(rightAligned(pages, 0, 131), (QStringList{"6.00", "1.00"}));
  EXPECT_EQ(rightAligned(pages, 0, 157), (QStringList{"2.50", "4.00"}));
  EXPECT_TRUE(findText(pages, 0, "19.00"));
}

// `count` lines of one kind: 1 piece at 2.00 each.
std::vector<std::vector<store::Value>> countLines(const std::string& kind, int count) {
  std::vector<std::vector<store::Value>> rows;
  for (int i = 0; i < count; ++i)
    rows.push_back({text(kind), text(kind.substr(0, 3) + " " + std::to_string(i + 1)), text("BUC"), amount("1"),
                    amount("2"), amount("2")});
  return rows;
}

TEST_F(DocumentPagesTest, CountListGroupsByKindWithPageAndGrandTotals) {
  listari.setCaption("LInventariere", "Gestiunea", "Gestiunea: MAGAZIE");
  listari.setCaption("LInventariere", "Data", "Stocuri la data de 31.12.2006");
  std::vector<std::vector<store::Value>> lines = countLines("CONSUMABIL", 40);
  for (auto& line : countLines("OBIECT DE INVENTAR", 5)) lines.push_back(line);
  store::sql::ResultSet rows({"TIP", "PRODUS", "UM", "CANT", "PRET", "VALOARE"}, std::move(lines));
  const Document pages = generate(listari.layout("LInventariere"), rows);
  ASSERT_EQ(pages.pages.size(), 2u);
  EXPECT_EQ(pages.pageWidth, 297);
  EXPECT_TRUE(findText(pages, 0, "LISTA DE INVENTARIERE"));
  EXPECT_TRUE(findText(pages, 0, "Stocuri la data de 31.12.2006"));
  EXPECT_EQ(countText(pages, 0, "Stoc faptic"), 1);
  EXPECT_EQ(countText(pages, 1, "Diferente"), 1);
  EXPECT_TRUE(findText(pages, 0, "CONSUMABIL"));
  EXPECT_TRUE(findText(pages, 1, "OBIECT DE INVENTAR"));
  // Each page's footer totals the lines on it; the group and grand totals follow the groups.
  int onFirst = 0;
  for (const PlacedText& t : pages.pages[0].texts) onFirst += t.text.startsWith("CON ") ? 1 : 0;
  ASSERT_GT(onFirst, 0);
  const double kValueRight = 15 + 194;
  QStringList firstSums, lastSums;
  for (const PlacedText& t : pages.pages[0].texts)
    if (std::abs(t.x + t.width - kValueRight) < 1e-6 && t.font.bold) firstSums << t.text;
  for (const PlacedText& t : pages.pages[1].texts)
    if (std::abs(t.x + t.width - kValueRight) < 1e-6 && t.font.bold) lastSums << t.text;
  EXPECT_EQ(firstSums, QStringList{QString::number(onFirst * 2) + ".00"});
  const int onLast = 45 - onFirst;
  EXPECT_EQ(lastSums.mid(lastSums.size() - 2), (QStringList{"90.00", QString::number(onLast * 2) + ".00"}));
  EXPECT_TRUE(lastSums.contains("10.00"));  // the five objects' group
  for (const char* role : {"Comisia de inventariere", "Presedinte", "Membru", "Gestionar", "Contabil"})
    EXPECT_TRUE(findText(pages, 1, role)) << role;
  EXPECT_FALSE(findText(pages, 0, "Contabil"));
}

TEST_F(DocumentPagesTest, DataCheckListsItsNumberedFindings) {
  listari.setCaption("LVerificare", "Rezultat", "Probleme gasite: 2");
  store::sql::ResultSet rows({"NR", "PROBLEMA"}, {{text("1"), text("Prima problema.")},
                                                  {text("2"), text("A doua problema,")},
                                                  {text(""), text("pe doua randuri.")}});
  const Document pages = generate(listari.layout("LVerificare"), rows);
  ASSERT_EQ(pages.pages.size(), 1u);
  for (const char* caption : {"VERIFICARE DATE", "Probleme gasite: 2", "Prima problema.", "A doua problema,",
                              "pe doua randuri.", "1", "2"})
    EXPECT_TRUE(findText(pages, 0, caption)) << caption;
  EXPECT_NEAR(findText(pages, 0, "pe doua randuri.")->y - findText(pages, 0, "A doua problema,")->y, 4.2, 1e-6);
}

// The data check breaks its findings into lines that fitsFindingLine
// accepts: such a line prints whole, a wider one would be cut. Ninety-five
// capitals (a product's name in a finding) are too wide for the column.
TEST_F(DocumentPagesTest, DataCheckLinesThatFitPrintWhole) {
  const QString capitals = "PRODUSUL " + QString(85, 'M') + ".";
  const QString lowercase = QString("produsul are stocul negativ in gestiune ").repeated(2) + QString(15, 'x');
  EXPECT_FALSE(fitsFindingLine(capitals));
  EXPECT_TRUE(fitsFindingLine(lowercase));
  for (const QString& line : {capitals, lowercase}) {
    store::sql::ResultSet rows({"NR", "PROBLEMA"}, {{text("1"), text(line.toStdString())}});
    const Document pages = generate(listari.layout("LVerificare"), rows);
    EXPECT_EQ(findText(pages, 0, line) != nullptr, fitsFindingLine(line)) << line.toStdString();
  }
}

}  // namespace
}  // namespace reports
