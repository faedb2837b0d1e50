// The count list window: its choices, one list per unit in one preview, and
// the balloon when nothing is to be listed.
#include "report_window_fixture.h"
#include "reports/listings/count_list.h"
#include "reports/windows/count_list_window.h"

namespace reports::testing {
namespace {

class CountListWindowTest : public SingleWindowFixture<CountListWindow> {
 protected:
  void open(const std::function<void()>& steps) {
    whileOpen([this] { window->ArataInventariere(); }, steps);
  }
};

TEST_F(CountListWindowTest, EveryUnitPrintsOneListEachWithItsOwnPages) {
  addLedger({{QDate(2024, 3, 1), "MAGAZIE", "HARTIE", "TOP", "10", "250"},
             {QDate(2024, 3, 1), "SALA", "CRETA", "CUT", "4", "10"},
             {QDate(2024, 3, 1), "SALA", "GUMA", "BUC", "1", "1", "1", "1"}});
  addReceiptLines({{"MAGAZIE", "HARTIE", "CONSUMABIL"}});
  Document shown;
  open([&] {
    QStringList units;
    for (int i = 0; i < window->unitBox()->count(); ++i) units << window->unitBox()->itemText(i);
    EXPECT_EQ(units, (QStringList{CountListWindow::kEveryUnit, "MAGAZIE", "SALA"}));
    EXPECT_EQ(window->datePicker()->date(), QDate::currentDate());
    EXPECT_FALSE(window->withoutStockBox()->isChecked());
    script.answerPreview([&](QDialog& dialog) { shown = dynamic_cast<PreviewWindow&>(dialog).document(); });
    window->button("ConvexBtn2")->click();
  });
  ASSERT_EQ(shown.pages.size(), 2u);
  EXPECT_TRUE(shown.texts(0).contains("Gestiunea: MAGAZIE"));
  EXPECT_TRUE(shown.texts(0).contains("HARTIE"));
  EXPECT_TRUE(shown.texts(1).contains("Gestiunea: SALA"));
  EXPECT_TRUE(shown.texts(1).contains("CRETA"));
  EXPECT_FALSE(shown.texts(1).contains("GUMA"));
  EXPECT_TRUE(shown.texts(1).contains("Pag.1"));
  EXPECT_TRUE(shown.texts(1).contains("Unitatea: " + QString(kInstitution)));
}

TEST_F(CountListWindowTest, OneUnitWithoutStockOnRequestOrTheBalloon) {
  addLedger({{QDate(2024, 3, 1), "SALA", "GUMA", "BUC", "1", "1", "1", "1"}});
  open([&] {
    window->unitBox()->setCurrentText("SALA");
    window->button("ConvexBtn2")->click();
    EXPECT_EQ(balloon(), "Nu aveti ce lista !");
    window->withoutStockBox()->setChecked(true);
    const QStringList texts = printed(window->button("ConvexBtn2"));
    EXPECT_TRUE(texts.contains("GUMA")) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts.contains(QString(kUnknownKind)));
  });
}

}  // namespace
}  // namespace reports::testing
