// The ledger fixture with every statement text a work query sends.
#pragma once

#include <QStringList>

#include "app/statements.h"
#include "ledger_fixture.h"
#include "listings/report_rows.h"

namespace reports::testing {

class ListingFixture : public LedgerFixture {
 protected:
  // The ledger as statements name it: "{Data}\Gestiuni.dbf" in double quotes.
  QString ledgerTable() const { return "\"" + data() + "\\Gestiuni.dbf\""; }

  // Records every statement `sx` sends into `sent`.
  void watch(app::Statements& sx) {
    sx.setObserver([this](const QString& text) { sent << text; });
  }

  QStringList sent;
};

}  // namespace reports::testing
