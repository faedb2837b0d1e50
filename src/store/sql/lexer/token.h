// Tokens of a statement text, with the position each starts at.
//
// Positions are 1-based lines and columns of the statement text, counted in
// UTF-16 units of the QString, so error messages point at what the caller
// wrote.
#pragma once

#include <QString>
#include <string>

namespace store::sql {

struct SourcePos {
  int line = 1;
  int column = 1;
};

// " at line L, column C", the tail of every positioned error message.
std::string describePosition(SourcePos pos);

enum class TokenKind {
  Identifier,    // keywords too; the parser tells them apart
  Number,        // digits with an optional point: "12", "0.01", ".5"
  DoubleQuoted,  // "text" or "path"; "" inside stands for one "
  SingleQuoted,  // 'text'; '' inside stands for one '
  LeftParen,
  RightParen,
  Comma,
  Dot,
  Star,
  Plus,
  Minus,
  Slash,
  Equal,
  NotEqual,  // <> or !=
  Less,
  LessEqual,
  Greater,
  GreaterEqual,
  Semicolon,
  End,
};

struct Token {
  TokenKind kind = TokenKind::End;
  QString text;     // as written; for quoted texts the content, quotes undone
  SourcePos pos;
  int begin = 0;    // offsets into the statement text: [begin, end)
  int end = 0;
};

}  // namespace store::sql
