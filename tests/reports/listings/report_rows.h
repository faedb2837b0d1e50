// A report's rows as texts, for comparing with hand-computed rows (the rows
// that pass the filter, the named columns joined by "|", numbers with two
// decimals, NULL as ""), and the temporary tables as statements name them.
#pragma once

#include <QFile>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "app/settings.h"
#include "store/decimal.h"
#include "store/sql/result_set.h"

namespace reports::testing {

inline QStringList rowTexts(store::sql::ResultSet& rows, const QStringList& columns) {
  QStringList out;
  for (rows.first(); !rows.eof(); rows.next()) {
    QStringList row;
    for (const QString& column : columns) {
      const store::Value& value = rows.value(column.toStdString());
      const bool number = value.kind() == store::Value::Kind::Number || value.kind() == store::Value::Kind::Float;
      row << (number ? QString::fromStdString(store::decimal::format(rows.asNumber(column.toStdString()), 2))
                     : rows.asText(column.toStdString()));
    }
    out << row.join("|");
  }
  return out;
}

// Whether the temporary table `fileName` exists in the program folder.
inline bool scratchExists(const QString& fileName) { return QFile::exists(app::programFolder() + "/" + fileName); }

// "{Program}\<file>" and "{Data}\<file>" as the statements write them.
inline QString programTable(const QString& fileName) { return "\"" + app::programFolder() + "\\" + fileName + "\""; }
inline QString dataTable(const QString& fileName) { return "\"" + app::dataFolder() + "\\" + fileName + "\""; }

// Runs `compute`, which must fail with an error whose text holds `message`.
inline void expectFailure(const std::function<void()>& compute, const std::string& message) {
  try {
    compute();
    ADD_FAILURE() << "no error, expected " << message;
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
  }
}

}  // namespace reports::testing
