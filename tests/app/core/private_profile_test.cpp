// Private-profile files: reading odd files, writing one value in place.
#include "app/private_profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "admin/password.h"
#include "store/error.h"

namespace app {
namespace {

class PrivateProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { path = dir.filePath("Varnela2.ini"); }
  void put(const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray contents() {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QTemporaryDir dir;
  QString path;
};

TEST_F(PrivateProfileTest, ReadsLikeAPrivateProfileReader) {
  put("top=ignored\r\n[Index]\r\nIDCAP = 15 \r\nidcap=99\r\nnoequals\r\n[SETARI]\nDENUMIRE=Scoala, nr. 1\n"
      "DENUMREC=\n[index]\nIDNOTA=7\n[TEMP]\nBONCON=Bon \xBA" "coala");
  PrivateProfile ini(path);
  struct Case {
    const char *section, *key, *expected;
  } cases[] = {
      {"INDEX", "IDCAP", "15"},                    // case-insensitive, blanks trimmed, first key wins
      {"index", "IDNOTA", ""},                     // only the first matching section counts
      {"SETARI", "denumire", "Scoala, nr. 1"},     // commas stay: no list processing
      {"SETARI", "DENUMREC", ""},
      {"CONST", "DEBUG", ""},                      // missing section
      {"", "top", ""},                             // keys before any section belong to none
  };
  for (const auto& c : cases) EXPECT_EQ(ini.read(c.section, c.key), QString(c.expected)) << c.section << "/" << c.key;
  EXPECT_EQ(ini.read("TEMP", "BONCON"), QString::fromUtf8("Bon şcoala"));  // Windows-1250 in the file
  EXPECT_EQ(PrivateProfile(dir.filePath("none.ini")).read("A", "B"), "");
}

TEST_F(PrivateProfileTest, WritingOneValueKeepsEveryOtherLine) {
  put("; note\n[INDEX]\nIDCAP=15\n\n[SETARI]\nDENUMIRE=X\n");
  PrivateProfile ini(path);
  ini.write("index", "idcap", "16");
  ini.write("INDEX", "IDNOTA", "1");
  ini.write("CONST", "DEBUG", "0");
  EXPECT_EQ(contents(), "; note\n[INDEX]\nidcap=16\nIDNOTA=1\n\n[SETARI]\nDENUMIRE=X\n[CONST]\nDEBUG=0\n");
}

TEST_F(PrivateProfileTest, NewFileUsesCrLfAndWindows1250) {
  PrivateProfile ini(path);
  ini.write("SETARI", "DENUMIRE", QString::fromUtf8("Şcoala Gimnazială"));
  EXPECT_EQ(contents(), "[SETARI]\r\nDENUMIRE=\xAA" "coala Gimnazial\xE3\r\n");
  EXPECT_EQ(ini.read("SETARI", "DENUMIRE"), QString::fromUtf8("Şcoala Gimnazială"));
  // A last line without a line break gets one before the new line.
  put("[A]\r\nx=1");
  ini.write("A", "y", "2");
  EXPECT_EQ(contents(), "[A]\r\nx=1\r\ny=2\r\n");
}

TEST_F(PrivateProfileTest, ValuesReadBackByteForByte) {
  PrivateProfile registry(path);
  // Edge blanks and quotes, as a scrambled password may hold them.
  for (const char* value : {" B", "gjyN5 ", " ", "  a  b  ", "\"", "\"x\"", "\" y \"", "\"\"", "a\"b", "plain"}) {
    registry.write("K", "P", QString::fromLatin1(value));
    EXPECT_EQ(registry.read("K", "P"), QString::fromLatin1(value)) << "[" << value << "] stored as " << contents().constData();
  }
  for (const char* password : {"B", "gjyN5Smk"}) {  // scrambles that begin or end with a blank
    registry.write("K", "P", admin::CodeazaStr(password));
    EXPECT_EQ(registry.read("K", "P"), admin::CodeazaStr(password)) << password;
  }
  // Files written before values were quoted still read as they did.
  put("[K]\r\nP=\"abc\"\r\nQ= x \r\n");
  EXPECT_EQ(registry.read("K", "P"), "\"abc\"");
  EXPECT_EQ(registry.read("K", "Q"), "x");
}

TEST_F(PrivateProfileTest, ErrorsNameTheProblemAndWriteNothing) {
  put("[A]\nx=1\n");
  PrivateProfile ini(path);
  EXPECT_THROW(ini.write("A", "x", QString::fromUtf8("Ω")), store::StoreError);  // not in Windows-1250
  EXPECT_EQ(contents(), "[A]\nx=1\n");
  PrivateProfile unwritable(dir.filePath("missing-folder/Varnela2.ini"));
  try {
    unwritable.write("A", "x", "1");
    FAIL();
  } catch (const store::StoreError& e) {
    EXPECT_NE(std::string(e.what()).find("missing-folder"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace app
