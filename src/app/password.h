// The administrator password transformation, CodeazaStr.
//
// A deterministic scramble: the same text always gives the same result, and
// the result, not the password, is what the registry keeps. It inserts 6 to
// 35 characters drawn from a 32-bit linear congruential generator seeded by
// the sum of the text's byte values, prefixes a blank, and swaps characters
// 50 to 99 times, in a fixed order of draws that stored values depend on.
#pragma once

#include <QString>

namespace app {

QString CodeazaStr(const QString& text);

}  // namespace app
