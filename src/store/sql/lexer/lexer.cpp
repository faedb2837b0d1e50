// The statement lexer: one pass over the text, tracking line and column.
#include "store/sql/lexer/lexer.h"

#include "store/error.h"

namespace store::sql {

std::string describePosition(SourcePos pos) {
  return " at line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column);
}

namespace {

bool isIdentifierStart(QChar c) {
  char16_t u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

bool isIdentifierPart(QChar c) {
  return isIdentifierStart(c) || (c.unicode() >= '0' && c.unicode() <= '9');
}

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

class Lexer {
 public:
  explicit Lexer(const QString& text) : text_(text) {}

  std::vector<Token> run() {
    std::vector<Token> tokens;
    for (;;) {
      skipBlanks();
      Token token;
      token.pos = pos_;
      token.begin = index_;
      if (index_ >= text_.size()) {
        token.kind = TokenKind::End;
        token.end = index_;
        tokens.push_back(std::move(token));
        return tokens;
      }
      readToken(token);
      token.end = index_;
      tokens.push_back(std::move(token));
    }
  }

 private:
  QChar peek(int ahead = 0) const {
    int at = index_ + ahead;
    return at < text_.size() ? text_[at] : QChar();
  }

  void advance() {
    if (text_[index_] == u'\n') {
      ++pos_.line;
      pos_.column = 1;
    } else {
      ++pos_.column;
    }
    ++index_;
  }

  void skipBlanks() {
    while (index_ < text_.size()) {
      char16_t u = text_[index_].unicode();
      if (u != ' ' && u != '\t' && u != '\r' && u != '\n') break;
      advance();
    }
  }

  void readToken(Token& token) {
    QChar c = peek();
    if (isIdentifierStart(c)) {
      while (index_ < text_.size() && isIdentifierPart(peek())) advance();
      token.kind = TokenKind::Identifier;
      token.text = text_.mid(token.begin, index_ - token.begin);
      return;
    }
    if (isDigit(c) || (c == u'.' && isDigit(peek(1)))) {
      while (isDigit(peek())) advance();
      if (peek() == u'.') {
        advance();
        while (isDigit(peek())) advance();
      }
      token.kind = TokenKind::Number;
      token.text = text_.mid(token.begin, index_ - token.begin);
      return;
    }
    if (c == u'"' || c == u'\'') {
      readQuoted(token, c);
      return;
    }
    advance();
    token.text = c;
    switch (c.unicode()) {
      case '(': token.kind = TokenKind::LeftParen; return;
      case ')': token.kind = TokenKind::RightParen; return;
      case ',': token.kind = TokenKind::Comma; return;
      case '.': token.kind = TokenKind::Dot; return;
      case '*': token.kind = TokenKind::Star; return;
      case '+': token.kind = TokenKind::Plus; return;
      case '-': token.kind = TokenKind::Minus; return;
      case '/': token.kind = TokenKind::Slash; return;
      case ';': token.kind = TokenKind::Semicolon; return;
      case '=': token.kind = TokenKind::Equal; return;
      case '<':
        if (peek() == u'>' || peek() == u'=') {
          token.kind = peek() == u'>' ? TokenKind::NotEqual : TokenKind::LessEqual;
          token.text += peek();
          advance();
        } else {
          token.kind = TokenKind::Less;
        }
        return;
      case '>':
        if (peek() == u'=') {
          token.kind = TokenKind::GreaterEqual;
          token.text += peek();
          advance();
        } else {
          token.kind = TokenKind::Greater;
        }
        return;
      case '!':
        if (peek() == u'=') {
          token.kind = TokenKind::NotEqual;
          token.text += peek();
          advance();
          return;
        }
        break;
      default:
        break;
    }
    throw StoreError("syntax error near \"" + token.text.toStdString() + "\"" +
                     describePosition(token.pos));
  }

  // A doubled quote inside stands for one quote character.
  void readQuoted(Token& token, QChar quote) {
    token.kind = quote == u'"' ? TokenKind::DoubleQuoted : TokenKind::SingleQuoted;
    advance();
    for (;;) {
      if (index_ >= text_.size())
        throw StoreError("unterminated quoted text starting" + describePosition(token.pos));
      QChar c = peek();
      advance();
      if (c == quote) {
        if (peek() != quote) return;
        advance();
      }
      token.text += c;
    }
  }

  const QString& text_;
  int index_ = 0;
  SourcePos pos_;
};

}  // namespace

std::vector<Token> tokenize(const QString& text) { return Lexer(text).run(); }

}  // namespace store::sql
