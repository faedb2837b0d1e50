// The dialogs' checks that a value will fit its column before anything is
// written: amounts against a DECIMAL(precision, scale) column, texts against
// the tables' code page. Each answers with the Romanian words for the balloon.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace app {

// True when `tenThousandths`, rounded to `scale` places, fits a column
// created as DECIMAL(precision, scale) (sign and point included, as stored).
bool amountFits(int64_t tenThousandths, int precision, int scale);

// "Caracterul 'Ω' (U+03A9) nu poate fi memorat ..." for the first character
// of `text` the tables cannot hold (comma-below letters are held as their
// cedilla twins); nullopt when every character fits.
std::optional<QString> unstorableCharacter(const QString& text);

// The largest number a counter (a 32-bit integer) can hold.
inline constexpr int64_t kCounterMaximum = 2147483647;

}  // namespace app
