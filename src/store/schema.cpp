// CreazaBaze: the CREATE TABLE texts of the permanent tables, line by line.
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "store/database.h"

namespace store {

namespace {

struct TableText {
  const char* file;
  QStringList lines;
};

// {Data} stands for the Data folder; every other character is sent as is.
const TableText kTables[] = {
    {"CapNote.dbf",
     {R"(CREATE TABLE "{Data}\CapNote.dbf")",
      "( IDCAP     DECIMAL(12,0),",
      "  NRNOTA    DECIMAL(8,0),",
      "  DATANOTA  DATE,",
      "  FURNIZOR  CHAR(50),",
      "  NRFACT    CHAR(12),",
      "  DATAFACT  DATE,",
      "  TVA       DECIMAL(4,2),",
      "  DELEGAT   CHAR(50),",
      "  BISERIA   CHAR(5),",
      "  BINR      CHAR(10),",
      "  BIPOL     CHAR(24),",
      "  RECEPTIO  CHAR(24),",
      "  GESTIONAR CHAR(24),",
      "  V1        DECIMAL (8,2) )"}},
    {"Note.dbf",
     {R"(CREATE TABLE "{Data}\Note.dbf")",
      "( IDNOTA    DECIMAL(12,0),",
      "  IDCAP     DECIMAL(12,0),",
      "  NRNOTA    DECIMAL(8,0),",
      "  DATANOTA  DATE,",
      "  PRODUS    CHAR(50),",
      "  UM        CHAR(3),",
      "  C2        DECIMAL(8,2),",
      "  C3        DECIMAL(8,2),",
      "  C4        DECIMAL(8,2),",
      "  C5        DECIMAL(8,2),",
      "  C6        DECIMAL(8,2),",
      "  C7        DECIMAL(8,2),",
      "  TIP       CHAR(18),",
      "  OBS       CHAR(150),",
      "  GESTIUNE  CHAR(32),",
      "  NRINV     DECIMAL(8,0) )"}},
    {"Gestiuni.dbf",
     {R"(CREATE TABLE "{Data}\Gestiuni.dbf")",
      "( IDGEST    DECIMAL(12,0),",
      "  IDCAP     DECIMAL(12,0),",
      "  IDNOTA    DECIMAL(12,0),",
      "  DATA      DATE,",
      "  PRODUS    CHAR(50),",
      "  UM        CHAR(3),",
      "  DOCJUS    CHAR(50),",
      "  EXPLIC    CHAR(100),",
      "  CANTIN    DECIMAL(8,2),",
      "  VALIN     DECIMAL(8,2),",
      "  CANTOUT   DECIMAL(8,2),",
      "  VALOUT    DECIMAL(8,2),",
      "  GESTIUNE  CHAR(32) )"}},
};

}  // namespace

void CreazaBaze(Query& sx, const QString& dataFolder) {
  // The statements name files with the native separator; the engine accepts both.
  const QString data = QDir::toNativeSeparators(dataFolder);
  const QString separator = QDir::separator();
  for (const TableText& table : kTables) {
    // The engine finds a table whatever the letter case of its file name; so does this check.
    if (QFileInfo::exists(Database::resolvePath(dataFolder + "/" + table.file))) continue;
    sx.close();
    sx.sql().clear();
    for (QString line : table.lines) {
      line.replace("{Data}\\", data + separator);
      sx.add(line);
    }
    sx.execSQL();
    QCoreApplication::processEvents();
  }
}

}  // namespace store
