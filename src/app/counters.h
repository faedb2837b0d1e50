// Identifier and document-number counters, kept in the INI section "INDEX".
//
// A counter holds the next number to hand out as decimal text; a missing or
// empty value counts as "1". There is no sequence in the tables: these
// counters are the only source of new identifiers.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace app {

// Hands out the counter's text unchanged (a stored "007" gives "007") and
// writes the next number. A text that is not a 32-bit integer throws
// store::StoreError "'<text>' is not a valid integer value", counter unchanged;
// at 2147483647, the largest, it throws a StoreError saying the counter has
// reached its end, counter unchanged.
QString CodNou(const QString& key);
// The counter's current text, nothing written; a bad text is handed out as is.
QString CodExistent(const QString& key);
void SetCod(const QString& key, const QString& value);

// The integer of a counter text: optional blanks before an optional sign and
// digits; nullopt for anything else or beyond 32 bits.
std::optional<int32_t> counterValue(const QString& text);

}  // namespace app
