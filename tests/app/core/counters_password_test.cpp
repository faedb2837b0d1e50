// Counters in the INI file and the password transformation.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/counters.h"
#include "admin/password.h"
#include "app/private_profile.h"
#include "app/settings.h"
#include "store/codepage.h"
#include "store/error.h"

namespace app {
namespace {

class CountersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("VARNELA_HOME", dir.path().toUtf8());
    QDir().mkpath(dataFolder());
  }
  void TearDown() override { qunsetenv("VARNELA_HOME"); }
  QTemporaryDir dir;
};

TEST_F(CountersTest, FreshCounterStartsAtOne) {
  EXPECT_EQ(CodNou("IDGEST"), "1");
  EXPECT_EQ(CitesteStr_din_Ini("INDEX", "IDGEST"), "2");
  EXPECT_EQ(CodExistent("IDGEST"), "2");
  EXPECT_EQ(CitesteStr_din_Ini("INDEX", "IDGEST"), "2");
}

TEST_F(CountersTest, SavedNumberAdvances) {
  SetCod("NRNOTA", "15");
  EXPECT_EQ(CodNou("NRNOTA"), "15");
  EXPECT_EQ(CodExistent("NRNOTA"), "16");
  SetCod("IDCAP", "007");
  EXPECT_EQ(CodNou("IDCAP"), "007");
  EXPECT_EQ(CodExistent("IDCAP"), "8");
}

TEST_F(CountersTest, BadCounterTextFailsAndStays) {
  for (const char* bad : {"12a", "abc", "2147483648", "1.5", "-"}) {
    SetCod("IDNOTA", bad);
    try {
      CodNou("IDNOTA");
      FAIL() << bad;
    } catch (const store::StoreError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
    EXPECT_EQ(CodExistent("IDNOTA"), bad);
  }
}

// The largest number is handed out by no one: the message says the counter is at its end.
TEST_F(CountersTest, CounterAtTheLargestNumberSaysItHasReachedItsEnd) {
  SetCod("IDGEST", "2147483647");
  try {
    CodNou("IDGEST");
    FAIL();
  } catch (const store::StoreError& e) {
    EXPECT_EQ(std::string(e.what()), "Contorul IDGEST a ajuns la 2147483647, cel mai mare numar pe care il poate da; "
                                     "nu se mai pot da numere noi.");
  }
  EXPECT_EQ(CodExistent("IDGEST"), "2147483647");
}

// Expected bytes (hex) computed independently from the rules: seed = sum of
// the bytes; each draw seed := seed * 134775813 + 1 (mod 2^32) and gives the
// high half of seed * n; inserts, a leading blank, then the swaps.
TEST(Password, KnownVectors) {
  struct Case {
    const char* password;
    const char* hex;
  } cases[] = {
      {"", ""},
      {"abc", "4895602c734861413c5c93708d626b63"},
      {"ABC", "89488935414e5041683e429fae457843"},
      {"a", "962e968b733bb4ae61"},
      {"admin2024", "8565a6776a3d87266eb5a74d302f8732493280276761506496697c856d629a359134"},
      {"\xC5\x9E" "coala", "af219a613b6caa2e896c836395afb1555c386f447ba03f4f61"},  // Şcoala
  };
  for (const auto& c : cases) {
    std::string bytes = store::encode(admin::CodeazaStr(QString::fromUtf8(c.password)));
    EXPECT_EQ(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex(), QByteArray(c.hex))
        << c.password;
  }
}

// A three-letter password gives 10 to 39 characters; other letter case, another result.
TEST(Password, LengthAndCase) {
  QString stored = admin::CodeazaStr("abc");
  EXPECT_GE(stored.size(), 10);
  EXPECT_LE(stored.size(), 39);
  EXPECT_NE(stored, admin::CodeazaStr("ABC"));
  EXPECT_EQ(stored, admin::CodeazaStr("abc"));
}

}  // namespace
}  // namespace app
