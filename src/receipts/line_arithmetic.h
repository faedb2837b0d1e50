// The money arithmetic of a receipt line and of the unit price with VAT.
//
// Everything is held in 64-bit ten-thousandths (store/decimal.h); every step
// that divides rounds to the nearest ten-thousandth, ties to the even
// neighbour, as the stored values of earlier notes were computed.
#pragma once

#include <cstdint>

namespace receipts {

struct LineAmounts {
  int64_t quantityInvoice = 0;   // C2
  int64_t quantityReceived = 0;  // C3
  int64_t value = 0;             // v: quantity received x price, without VAT
  int64_t vatTimesRate = 0;      // t1: rate x v, before the division by 100
  int64_t vat = 0;               // t: the VAT of the line, C6
  int64_t total = 0;             // v + t: C7 and the ledger's VALIN
  int64_t valueCut = 0;          // C5: v cut (not rounded) to whole hundredths
};

// `rate` is the note's VAT rate in percent and every argument is in
// ten-thousandths (24 % is 240000). Throws store::StoreError when a value
// leaves the range of 64 bits.
LineAmounts computeLine(int64_t rate, int64_t quantityInvoice, int64_t quantityReceived, int64_t price);

// The unit price with VAT as the line dialog shows it: rounded to whole
// hundredths, returned in ten-thousandths (1.65 is 16500).
int64_t priceWithVat(int64_t rate, int64_t price);

}  // namespace receipts
