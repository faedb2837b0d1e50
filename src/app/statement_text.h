// Pieces of the statement texts the working windows build.
#pragma once

#include <QString>
#include <cstdint>

namespace app {

// `value` between double quotes, each double quote inside doubled, so that a
// supplier such as ABC "NORD" SRL reaches the table as typed.
QString quoted(const QString& value);

// An amount in its shortest decimal text ("12", "4.9599", "-2.4").
QString amountText(int64_t tenThousandths);

// A typed number in ten-thousandths; throws store::StoreError naming `what`
// when the text is not a number.
int64_t amountOf(const QString& text, const QString& what);

}  // namespace app
