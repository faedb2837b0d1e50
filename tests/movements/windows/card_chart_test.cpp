// The movements window's "Grafic": the chart of the card shown, which
// follows the card while it stays open and goes when the window closes.
#include "charts/chart_window.h"
#include "movements/movements_window.h"
#include "movements_fixture.h"
#include "ui/balloon.h"
#include "ui/scripted_interaction.h"

namespace movements::testing {
namespace {

class CardChartTest : public MovementsFixture {
 protected:
  void SetUp() override {
    MovementsFixture::SetUp();
    window = std::make_unique<MovementsWindow>([this]() -> store::Database& { return *database; });
    window->attachPrintout(listari, [] { return QString("SCOALA NR. 1"); });
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString();
    window.reset();
    MovementsFixture::TearDown();
  }

  ui::ScriptedInteraction script;
  reports::TLISTARI listari;
  std::unique_ptr<MovementsWindow> window;
};

TEST_F(CardChartTest, ChartShowsTheCardAndFollowsIt) {
  const QDate today = QDate::currentDate();
  const auto daysAgo = [&](int days) { return today.addDays(-days).toString("dd.MM.yyyy"); };
  ledger(1, daysAgo(200), "MAGAZIE", "CAIET", "20", "40", "0", "0", 1);
  ledger(2, daysAgo(100), "MAGAZIE", "CAIET", "0", "0", "6", "12");
  ledger(3, daysAgo(50), "MAGAZIE", "TUS", "5", "10", "0", "0", 1);
  script.answerDialog([&](QDialog&) {
    window->button("GraficBtn")->click();  // no card yet
    EXPECT_EQ(ui::Balloon::current() ? ui::Balloon::current()->message() : QString(), "Alegeti mai intai un produs!");
    window->productBox()->setEditText("CAIET");
    window->button("GraficBtn")->click();
    charts::ChartWindow& chart = window->chartWindow();
    EXPECT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.windowTitle(), "GRAFIC FISA");
    EXPECT_EQ(chart.sheet().subject, "Produsul : CAIET    Gestiunea : MAGAZIE");
    EXPECT_TRUE(chart.note()->text().startsWith("Stoc pentru aprox. ")) << chart.note()->text().toStdString();
    // Another card: the chart follows it.
    window->productBox()->setEditText("TUS");
    EXPECT_EQ(chart.sheet().subject, "Produsul : TUS    Gestiunea : MAGAZIE");
    EXPECT_EQ(chart.note()->text(), "Fara iesiri in ultimele 24 de luni");
    return false;
  });
  window->ArataBonuri();
  EXPECT_FALSE(window->chartWindow().isVisible());
}

}  // namespace
}  // namespace movements::testing
