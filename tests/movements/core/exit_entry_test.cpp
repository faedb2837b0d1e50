// The entry dialog's proposed value, its checks in order and its counters.
#include "app/counters.h"
#include "app/settings.h"
#include "movements/exit_entry.h"
#include "movements_fixture.h"

namespace movements::testing {
namespace {

TEST(ProposedValue, QuantityTimesShownPrice) {
  EXPECT_EQ(proposedValue("2.50", "4"), "10.00");
  EXPECT_EQ(proposedValue("3.33", "3"), "9.99");
  EXPECT_EQ(proposedValue("3.33", "-3"), "0");
  EXPECT_EQ(proposedValue("x", "3"), "0");
  EXPECT_EQ(proposedValue("2.50", ""), "0");
}

TEST(OldDate, ThirtyOneDaysPassThirtyTwoAsk) {
  const QDate today(2006, 4, 10);
  EXPECT_FALSE(isOldDate(today.addDays(-31), today));
  EXPECT_TRUE(isOldDate(today.addDays(-32), today));
  EXPECT_FALSE(isOldDate(today, today));
}

struct CheckCase {
  const char* name;
  ExitEntry entry;
  bool transfer;
  const char* message;  // "" when every check passes
  EntryField field;
};

class CheckExitTest : public ::testing::TestWithParam<CheckCase> {};

ExitEntry entry(QString quantity, QString value, QString name = "Bon Consum", QString number = "15",
                QString explanation = "", QString target = "B") {
  ExitEntry e;
  e.documentName = name;
  e.number = number;
  e.explanation = explanation;
  e.quantity = quantity;
  e.value = value;
  e.target = target;
  e.date = QDate(2006, 3, 5);
  return e;
}

TEST_P(CheckExitTest, RefusesAtTheFirstFailedCheck) {
  const CheckCase& c = GetParam();
  ExitEntry e = c.entry;
  // Stock 10 for 25.00 on the whole card, 4 of them up to the document date.
  const ShownCard card{"MAGAZIE", "CEAI", "KG", "10.00", "2.50", "25.00"};
  const std::optional<Refusal> refusal = checkExit(e, card, c.transfer, [](const QDate& date) {
    EXPECT_EQ(date, QDate(2006, 3, 5));
    return int64_t{40000};
  });
  if (std::string(c.message).empty()) {
    EXPECT_FALSE(refusal) << refusal->message.toStdString();
    return;
  }
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message.toStdString(), c.message);
  EXPECT_EQ(refusal->field, c.field);
}

const QString k41(41, QLatin1Char('N'));
const QString k60(60, QLatin1Char('E'));

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckExitTest,
    ::testing::Values(
        CheckCase{"blank_name", entry("1", "2.50", "   "), false, "Documentul Justificativ este incorect!",
                  EntryField::Document},
        CheckCase{"quantity_not_a_number", entry("1.2.3", "2"), false, "Cantitatea este incorecta!",
                  EntryField::Quantity},
        CheckCase{"negative_quantity", entry("-1", "0"), false, "Cantitatea este incorecta!", EntryField::Quantity},
        CheckCase{"negative_value", entry("1", "-2.50"), false, "Valoarea totala este incorecta!", EntryField::Value},
        CheckCase{"value_not_a_number", entry("1", ""), false, "Valoarea totala este incorecta!", EntryField::Value},
        CheckCase{"no_target", entry("1", "2.50", "Nota", "1", "", ""), true, "Alegeti un Beneficiar!",
                  EntryField::Target},
        CheckCase{"no_target_in_consumption_is_fine", entry("1", "2.50", "Bon", "1", "", ""), false, "",
                  EntryField::Target},
        CheckCase{"document_too_long", entry("1", "2.50", k41.left(40), "1234567890"), false,
                  "Documentul Justificativ este prea lung!", EntryField::Document},
        CheckCase{"document_of_fifty_fits", entry("1", "2.50", k41.left(36), "1234567890"), false, "",
                  EntryField::Document},
        CheckCase{"transfer_explanation_too_long", entry("1", "2.50", "Nota", "1", k60, QString(32, 'T')), true,
                  "Explicatia este prea lunga!", EntryField::Explanation},
        CheckCase{"more_than_in_stock", entry("11", "2.50"), false, "Nu aveti aceasta cantitate in stoc!",
                  EntryField::Quantity},
        CheckCase{"more_value_than_in_stock", entry("5", "30"), false, "Nu aveti aceasta valoare in stoc!",
                  EntryField::Value},
        CheckCase{"whole_quantity_not_whole_value", entry("10", "24.99"), false, "Valoare incorecta!",
                  EntryField::Value},
        CheckCase{"stock_at_the_date", entry("5", "12.50"), false,
                  "La data 05.03.2006 stocul era doar de 4.00 KG!", EntryField::Quantity},
        CheckCase{"zero_quantity_passes", entry("0", "0"), false, "", EntryField::Quantity},
        CheckCase{"four_decimals_compared", entry("4", "10.0001"), false, "", EntryField::Value},
        CheckCase{"quantity_too_large_for_its_column", entry("10000000", "2"), false, "Cantitatea este prea mare!",
                  EntryField::Quantity},
        CheckCase{"value_too_large_for_its_column", entry("1", "10000000"), false, "Valoarea totala este prea mare!",
                  EntryField::Value},
        CheckCase{"name_the_tables_cannot_hold", entry("1", "2.50", QString::fromUtf8("Bon Ω")), false,
                  "Caracterul 'Ω' (U+03A9) nu poate fi memorat. Folositi doar litere romanesti sau latine!",
                  EntryField::Document},
        CheckCase{"explanation_the_tables_cannot_hold", entry("1", "2.50", "Bon", "1", QString::fromUtf8("a → b")),
                  false, "Caracterul '→' (U+2192) nu poate fi memorat. Folositi doar litere romanesti sau latine!",
                  EntryField::Explanation},
        CheckCase{"romanian_letters_pass", entry("1", "2.50", "Bon", "1", QString::fromUtf8("pentru școală")), false,
                  "", EntryField::Explanation},
        CheckCase{"number_beyond_the_counter", entry("1", "2.50", "Bon", "2147483647"), false,
                  "Numarul documentului este prea mare!", EntryField::Number}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(CheckExit, TrimsTheNameCleansTheExplanationAndFocusesTheDate) {
  ExitEntry e = entry("5", "12.50", "  Bon  ", "", "  doua   vorbe ");
  const std::optional<Refusal> refusal =
      checkExit(e, ShownCard{"A", "P", "KG", "10.00", "2.50", "25.00"}, false, [](const QDate&) { return 0; });
  EXPECT_EQ(e.documentName, "Bon");
  EXPECT_EQ(e.explanation, "doua vorbe");
  EXPECT_EQ(e.documentText(), "Bon");
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->focus, EntryField::Date);
  EXPECT_EQ(refusal->message, "La data 05.03.2006 stocul era doar de 0.00 KG!");
}

using CountersTest = MovementsFixture;

TEST_F(CountersTest, AcceptedExitsAdvanceTheirCounterAndRememberTheName) {
  EXPECT_EQ(proposedConsumptionName(), "Bon Consum");
  advanceCounters(entry("1", "1", "Bon Sectie", "15"), false);
  EXPECT_EQ(app::CodExistent("BonConsum"), "16");
  EXPECT_EQ(proposedConsumptionName(), "Bon Sectie");
  advanceCounters(entry("1", "1", "Nota de Transfer", "3"), true);
  EXPECT_EQ(app::CodExistent("TRANSFER"), "4");
  advanceCounters(entry("1", "1", "Alt Bon", ""), false);
  EXPECT_EQ(app::CodExistent("BonConsum"), "16");
  EXPECT_EQ(proposedConsumptionName(), "Bon Sectie");
}

}  // namespace
}  // namespace movements::testing
