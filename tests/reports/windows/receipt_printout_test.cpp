// "LISTEAZA" of the receipt notes window: the run-time texts of the receipt
// note, then its preview over the note's lines.
#include <QLocale>
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/listari.h"
#include "reports/preview_window.h"
#include "windows/window_fixture.h"

namespace receipts::testing {
namespace {

class ReceiptPrintoutTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    window->attachPrintout(listari, [this] { return institution; });
  }

  // Prints the current note; the preview's first page texts, empty when it did not open.
  QStringList printed() {
    QStringList texts;
    script.answerPreview([&](QDialog& dialog) {
      texts = dynamic_cast<reports::PreviewWindow&>(dialog).document().texts(0);
    });
    window->button("BitBtn7")->click();
    return texts;
  }
  QString caption(const char* element) { return listari.caption("ReceptiiPRN", element); }

  reports::TLISTARI listari;
  QString institution = "SCOALA GIMNAZIALA NR. 1";
};

TEST_F(ReceiptPrintoutTest, ListeazaFillsTheNoteTextsAndPreviewsItsLines) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("HARTIE A4", "BUC", "3", "2");
    window->BitBtn4Click();
    answerLine("CAIET", "BUC", "1", "1.5");
    window->BitBtn4Click();
    const QStringList texts = printed();
    EXPECT_EQ(script.shown().back().what, "preview");
    EXPECT_EQ(script.shown().back().kind, "Vizualizare : Listare Nota de receptie");
    EXPECT_EQ(caption("FirmP"), "SCOALA GIMNAZIALA NR. 1");
    EXPECT_EQ(caption("NumaP"), "Nr. 12 din 05." + QLocale().toString(QDate(2006, 3, 5), "MMM") + ".2006");
    EXPECT_EQ(caption("FurnP"), "FURNIZOR : ABC SRL");
    EXPECT_EQ(caption("FactP"), "FACTURA  : F1 / " + QDate::currentDate().toString("dd.MM.yyyy"));
    EXPECT_EQ(caption("DeleP"), "DELEGAT  : ION BI Seria AB Nr.123 Politia SECTIA 1");
    EXPECT_EQ(caption("Rec1"), "POPA");
    // Lines in product order, then the total of C7.
    const int caiet = texts.indexOf("CAIET"), hartie = texts.indexOf("HARTIE A4");
    ASSERT_GE(caiet, 0);
    EXPECT_LT(caiet, hartie);
    EXPECT_TRUE(texts.contains("Valoarea marfii furnizor"));
    EXPECT_TRUE(texts.contains(window->totalText()->text())) << texts.join("|").toStdString();
  });
}

TEST_F(ReceiptPrintoutTest, CustodianNameAndDotsOnlyWhenThereIsOne) {
  open([this] {
    answerHeader("12");
    window->BitBtn1Click();
    answerLine("HARTIE A4", "BUC", "3", "2");
    window->BitBtn4Click();
    const QString dots(45, '.');
    QStringList texts = printed();
    EXPECT_EQ(texts.count(dots), 1);
    EXPECT_TRUE(texts.contains("Gestionar"));
    EXPECT_TRUE(texts.contains("POPA"));

    script.answerDialog([this](QDialog&) {
      header.edit(13)->setText("IONESCU");
      header.BitBtn1Click();
      return true;
    });
    window->BitBtn2Click();
    ASSERT_EQ(window->notes().currentHeader().custodian, "IONESCU");
    texts = printed();
    EXPECT_EQ(texts.count(dots), 2);
    EXPECT_TRUE(texts.contains("IONESCU"));
  });
}

}  // namespace
}  // namespace receipts::testing
