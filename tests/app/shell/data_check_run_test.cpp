// "Verificare date" in the administrator window: the listing in the
// preview, and the offer to raise the counters behind the numbers in use.
#include <QPushButton>

#include "admin/admin_window.h"
#include "admin/data_check_run.h"
#include "app/counters.h"
#include "app/windows/progress_counter.h"
#include "reports/preview_window.h"
#include "shell_fixture.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

namespace app::testing {
namespace {

class DataCheckRunTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    QDir().mkpath(dataFolder());
    database = std::make_unique<store::Database>(dataFolder());
    store::Query sx(*database);
    store::CreazaBaze(sx, dataFolder());
    admin.setDataCheck([this] { admin::runDataCheck(&admin, *database, listari, "SCOALA NR. 1", counter); });
  }
  void TearDown() override {
    database.reset();
    ShellFixture::TearDown();
  }
  // Presses "Verificare date" with `answers` queued after the preview; the
  // first page of the listing it previews.
  QStringList check(const QStringList& answers = {}) {
    QStringList texts;
    script.answerPreview([&](QDialog& dialog) { texts = dynamic_cast<reports::PreviewWindow&>(dialog).document().texts(0); });
    for (const QString& answer : answers) script.answerMessage(answer);
    admin.findChild<QPushButton*>("BitBtn2")->click();
    return texts;
  }
  admin::AdminWindow admin;
  ProgressCounter counter;
  reports::TLISTARI listari;
  std::unique_ptr<store::Database> database;
};

TEST_F(DataCheckRunTest, CleanDataSaysSoAndAsksNothing) {
  const QStringList texts = check();
  EXPECT_TRUE(texts.contains("Nicio problema gasita.")) << texts.join(" | ").toStdString();
  EXPECT_TRUE(texts.contains("SCOALA NR. 1"));
  EXPECT_TRUE(counter.isHidden());
}

TEST_F(DataCheckRunTest, ACounterBehindIsListedAndRaisedOnDa) {
  store::Query insert(*database);
  insert.sql() = QStringList{"INSERT INTO \"" + dataFolder() + "/Gestiuni.dbf\" (IDGEST,IDCAP,IDNOTA,CANTIN,VALIN)",
                             "VALUES (7,-1,-1,1,1)"};
  insert.execSQL();
  const QStringList texts = check({"DA", "OK"});
  EXPECT_TRUE(texts.contains("Probleme gasite: 1")) << texts.join(" | ").toStdString();
  EXPECT_TRUE(texts.contains("Contorul INDEX/IDGEST este \"1\", dar cel mai mare IDGEST folosit este 7."));
  EXPECT_EQ(script.shown().at(1).text, admin::kRaiseCountersQuestion);
  EXPECT_EQ(script.shown().back().text, "Contoarele au fost ridicate.");
  EXPECT_EQ(CodExistent("IDGEST"), "8");
  EXPECT_EQ(CodExistent("IDCAP"), "1");
}

TEST_F(DataCheckRunTest, NuLeavesTheCountersAsTheyAre) {
  SetCod("NRNOTA", "0");
  check({"NU"});
  EXPECT_EQ(CodExistent("NRNOTA"), "0");
}

}  // namespace
}  // namespace app::testing
