// A deterministic generator of a realistic ledger for benchmarks.
//
// About 20 stock-keeping units and 5,000 products with skewed popularity,
// 15 years of working days; about 60 % receipt entries (with their Note and
// CapNote rows), 35 % consumption exits, 5 % transfer pairs, and about 1 %
// discount lines with negative values. Exits take a share of the stock at its
// average price, never more than there is. The same seed gives the same files.
#pragma once

#include <QString>
#include <cstdint>

namespace bench {

struct LedgerSize {
  int64_t ledgerRows = 0;
  int64_t noteRows = 0;
  int64_t headerRows = 0;
};

// Creates CapNote.dbf, Note.dbf and Gestiuni.dbf in `dataFolder` (which must
// not hold them yet) with about `ledgerRows` ledger rows.
LedgerSize generateLedger(const QString& dataFolder, int64_t ledgerRows, uint64_t seed = 20261210);

}  // namespace bench
