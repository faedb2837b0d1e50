// The calls the windows make on the layout container.
#include <gtest/gtest.h>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports {
namespace {

TEST(ListariTest, CaptionsAndTitleStayUntilSetAgain) {
  TLISTARI listari;
  listari.setCaption("ReceptiiPRN", "FurnP", "FURNIZOR : ABC SRL");
  EXPECT_EQ(listari.caption("receptiiprn", "FurnP"), "FURNIZOR : ABC SRL");
  listari.setTitle("LFisaProd", "Fisa");
  EXPECT_EQ(listari.layout("LFisaProd").title, "Fisa");
  EXPECT_EQ(listari.layout("ReceptiiPRN").title, "Listare Nota de receptie");
}

TEST(ListariTest, EmptyCaptionAndDisabledElementPrintNothing) {
  TLISTARI listari;
  listari.setCaption("ReceptiiPRN", "FurnP", "");
  listari.setEnabled("ReceptiiPRN", "QRLabel1", false);
  store::sql::ResultSet rows = testing::receiptLines({});
  const Document pages = generate(listari.layout("ReceptiiPRN"), rows);
  EXPECT_FALSE(pages.texts(0).contains("NOTA DE RECEPTIE"));
  EXPECT_FALSE(pages.texts(0).contains("FurnP"));
  EXPECT_TRUE(pages.texts(0).contains("FactP"));
}

TEST(ListariTest, UnknownNamesAreErrorsThatSayWhich) {
  TLISTARI listari;
  struct Case {
    std::function<void()> call;
    const char* message;
  };
  const Case cases[] = {
      {[&] { listari.setCaption("LNope", "X", ""); }, "There is no print layout LNope"},
      {[&] { listari.caption("ReceptiiPRN", "Nope"); }, "Layout ReceptiiPRN has no element Nope"},
      {[&] { listari.setEnabled("LFisaProd", "Nope", false); }, "Layout LFisaProd has no element Nope"},
      {[&] { listari.setCaption("ReceptiiPRN", "SUM(C7)", "x"); }, "SUM(C7) of layout ReceptiiPRN is not a static text"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const LayoutError& error) {
      EXPECT_STREQ(error.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace reports
