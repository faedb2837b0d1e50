// Splits a statement text into tokens.
//
// Blanks, tabs and line breaks separate tokens and are otherwise ignored, so
// statements may span lines and hold lines of blanks only. Identifiers are
// ASCII letters, digits and "_" starting with a letter or "_"; keywords are
// identifiers the parser recognizes case-insensitively.
#pragma once

#include <QString>
#include <vector>

#include "store/sql/lexer/token.h"

namespace store::sql {

// The tokens of `text`, ending with one End token. Throws StoreError naming
// the line and column of a character that starts no token or of a quoted text
// that is never closed.
std::vector<Token> tokenize(const QString& text);

}  // namespace store::sql
