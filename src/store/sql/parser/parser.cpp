// The parser: a token cursor and one function per grammar rule.
#include "store/sql/parser/parser.h"

#include <algorithm>
#include <array>

#include "store/error.h"
#include "store/sql/lexer/lexer.h"

namespace store::sql {

namespace {

using namespace ast;

// Deeper trees are refused: evaluation, binding and destruction recurse
// over them, and no statement the program writes comes near this.
constexpr int kMaxExpressionHeight = 200;

constexpr std::array kReservedWords = {
    "AND",   "AS",    "ASC",   "BY",     "CAST",   "CREATE", "DELETE", "DESC",  "DISTINCT",
    "FROM",  "GROUP", "INDEX", "INNER",  "INSERT", "INTO",   "IS",     "JOIN",  "NOT",
    "NULL",  "ON",    "OR",    "ORDER",  "SELECT", "SET",    "TABLE",  "UPDATE", "VALUES",
    "WHERE",
};

class Parser {
 public:
  explicit Parser(const QString& text) : text_(text), tokens_(tokenize(text)) {}

  Statement parseStatement() {
    Statement statement = parseOneStatement();
    accept(TokenKind::Semicolon);
    if (peek().kind != TokenKind::End) fail(peek());
    return statement;
  }

 private:
  // --- token cursor -------------------------------------------------------

  const Token& peek(int ahead = 0) const {
    size_t at = std::min(index_ + ahead, tokens_.size() - 1);
    return tokens_[at];
  }
  const Token& take() {
    const Token& token = tokens_[index_];
    if (index_ + 1 < tokens_.size()) ++index_;
    return token;
  }
  bool isKeyword(const Token& token, const char* word) const {
    return token.kind == TokenKind::Identifier && token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
  }
  bool acceptKeyword(const char* word) {
    if (!isKeyword(peek(), word)) return false;
    take();
    return true;
  }
  void expectKeyword(const char* word) {
    if (!acceptKeyword(word)) fail(peek());
  }
  bool accept(TokenKind kind) {
    if (peek().kind != kind) return false;
    take();
    return true;
  }
  const Token& expect(TokenKind kind) {
    if (peek().kind != kind) fail(peek());
    return take();
  }
  bool isReserved(const Token& token) const {
    return std::any_of(kReservedWords.begin(), kReservedWords.end(),
                       [&](const char* word) { return isKeyword(token, word); });
  }
  Name expectName() {
    const Token& token = peek();
    if (token.kind != TokenKind::Identifier || isReserved(token)) fail(token);
    take();
    return Name{token.text, token.pos};
  }

  [[noreturn]] void fail(const Token& token) const {
    if (token.kind == TokenKind::End)
      throw StoreError("syntax error near the end of the statement" + describePosition(token.pos));
    QString shown = token.kind == TokenKind::DoubleQuoted || token.kind == TokenKind::SingleQuoted
                        ? text_.mid(token.begin, token.end - token.begin)
                        : token.text;
    throw StoreError("syntax error near \"" + shown.toStdString() + "\"" + describePosition(token.pos));
  }

  // --- statements -----------------------------------------------------------

  Statement parseOneStatement() {
    const Token& first = peek();
    if (isKeyword(first, "SELECT")) return parseSelect();
    if (isKeyword(first, "INSERT")) return parseInsert();
    if (isKeyword(first, "UPDATE")) return parseUpdate();
    if (isKeyword(first, "DELETE")) return parseDelete();
    if (isKeyword(first, "CREATE")) {
      take();
      if (isKeyword(peek(), "TABLE")) return parseCreateTable();
      if (isKeyword(peek(), "INDEX")) return parseCreateIndex();
    }
    fail(peek());
  }

  TableRef parseTablePath() {
    const Token& token = expect(TokenKind::DoubleQuoted);
    TableRef table;
    table.path = token.text;
    table.pos = token.pos;
    return table;
  }

  TableRef parseTableWithAlias() {
    TableRef table = parseTablePath();
    acceptKeyword("AS");
    if (peek().kind == TokenKind::Identifier && !isReserved(peek())) table.alias = take().text;
    return table;
  }

  Select parseSelect() {
    expectKeyword("SELECT");
    Select select;
    select.distinct = acceptKeyword("DISTINCT");
    do {
      select.items.push_back(parseSelectItem());
    } while (accept(TokenKind::Comma));
    expectKeyword("FROM");
    select.from = parseTableWithAlias();
    for (;;) {
      bool inner = acceptKeyword("INNER");
      if (!inner && !isKeyword(peek(), "JOIN")) break;
      expectKeyword("JOIN");
      Join join;
      join.table = parseTableWithAlias();
      expectKeyword("ON");
      join.on = parseExpression();
      select.joins.push_back(std::move(join));
    }
    if (acceptKeyword("WHERE")) select.where = parseExpression();
    if (acceptKeyword("GROUP")) {
      expectKeyword("BY");
      do {
        select.groupBy.push_back(parseExpression());
      } while (accept(TokenKind::Comma));
    }
    if (acceptKeyword("ORDER")) {
      expectKeyword("BY");
      do {
        OrderItem item;
        item.expr = parseExpression();
        if (acceptKeyword("DESC")) item.descending = true;
        else acceptKeyword("ASC");
        select.orderBy.push_back(std::move(item));
      } while (accept(TokenKind::Comma));
    }
    return select;
  }

  SelectItem parseSelectItem() {
    SelectItem item;
    const Token& first = peek();
    if (first.kind == TokenKind::Star) {
      take();
      return item;
    }
    if (first.kind == TokenKind::Identifier && peek(1).kind == TokenKind::Dot && peek(2).kind == TokenKind::Star) {
      item.starQualifier = take().text;
      take();
      take();
      return item;
    }
    int begin = first.begin;
    item.expr = parseExpression();
    int end = tokens_[index_ - 1].end;
    item.sourceText = text_.mid(begin, end - begin).simplified();
    if (acceptKeyword("AS")) item.alias = expectName().text;
    return item;
  }

  Insert parseInsert() {
    expectKeyword("INSERT");
    expectKeyword("INTO");
    Insert insert;
    insert.table = parseTablePath();
    if (accept(TokenKind::LeftParen)) {
      do {
        insert.columns.push_back(expectName());
      } while (accept(TokenKind::Comma));
      expect(TokenKind::RightParen);
    }
    expectKeyword("VALUES");
    do {
      expect(TokenKind::LeftParen);
      std::vector<ExprPtr> row;
      do {
        row.push_back(parseExpression());
      } while (accept(TokenKind::Comma));
      expect(TokenKind::RightParen);
      insert.rows.push_back(std::move(row));
    } while (accept(TokenKind::Comma));
    return insert;
  }

  Update parseUpdate() {
    expectKeyword("UPDATE");
    Update update;
    update.table = parseTablePath();
    expectKeyword("SET");
    do {
      Assignment assignment;
      assignment.column = expectName();
      expect(TokenKind::Equal);
      assignment.value = parseExpression();
      update.assignments.push_back(std::move(assignment));
    } while (accept(TokenKind::Comma));
    if (acceptKeyword("WHERE")) update.where = parseExpression();
    return update;
  }

  Delete parseDelete() {
    expectKeyword("DELETE");
    expectKeyword("FROM");
    Delete del;
    del.table = parseTablePath();
    if (acceptKeyword("WHERE")) del.where = parseExpression();
    return del;
  }

  // A small whole number inside a type, such as the 50 of CHAR(50).
  int expectTypeSize(int minimum, int maximum) {
    const Token& token = peek();
    bool ok = false;
    int value = token.kind == TokenKind::Number ? token.text.toInt(&ok) : 0;
    if (!ok || value < minimum || value > maximum) fail(token);
    take();
    return value;
  }

  CreateTable parseCreateTable() {
    expectKeyword("TABLE");
    CreateTable create;
    create.table = parseTablePath();
    expect(TokenKind::LeftParen);
    do {
      ColumnDefinition column;
      column.name = expectName();
      const Token& type = peek();
      if (acceptKeyword("CHAR") || acceptKeyword("CHARACTER")) {
        column.type = ColumnType::Char;
        expect(TokenKind::LeftParen);
        column.length = expectTypeSize(1, 254);
        expect(TokenKind::RightParen);
      } else if (acceptKeyword("DECIMAL") || acceptKeyword("NUMERIC")) {
        column.type = ColumnType::Decimal;
        expect(TokenKind::LeftParen);
        column.precision = expectTypeSize(1, 18);
        if (accept(TokenKind::Comma)) column.scale = expectTypeSize(0, 4);
        expect(TokenKind::RightParen);
        if (column.scale > column.precision) fail(type);
      } else if (acceptKeyword("DATE")) {
        column.type = ColumnType::Date;
      } else {
        fail(type);
      }
      create.columns.push_back(std::move(column));
    } while (accept(TokenKind::Comma));
    expect(TokenKind::RightParen);
    return create;
  }

  CreateIndex parseCreateIndex() {
    expectKeyword("INDEX");
    CreateIndex create;
    create.tag = expectName();
    expectKeyword("ON");
    create.table = parseTablePath();
    expect(TokenKind::LeftParen);
    create.column = expectName();
    expect(TokenKind::RightParen);
    return create;
  }

  // --- expressions ----------------------------------------------------------

  // Counts the parser's own recursion (parentheses, NOT and unary chains).
  struct DepthGuard {
    DepthGuard(Parser& parser, const Token& at) : parser_(parser) {
      if (++parser_.depth_ > kMaxExpressionHeight)
        throw StoreError("expression nested too deeply" + describePosition(at.pos));
    }
    ~DepthGuard() { --parser_.depth_; }
    Parser& parser_;
  };

  ExprPtr makeNode(ExprKind kind, SourcePos pos, ExprPtr left = nullptr, ExprPtr right = nullptr) {
    auto node = std::make_unique<Expr>();
    node->kind = kind;
    node->pos = pos;
    int height = std::max(left ? left->height : 0, right ? right->height : 0) + 1;
    if (height > kMaxExpressionHeight)
      throw StoreError("expression nested too deeply" + describePosition(pos));
    node->height = height;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
  }

  ExprPtr makeBinary(BinaryOp op, SourcePos pos, ExprPtr left, ExprPtr right) {
    ExprPtr node = makeNode(ExprKind::Binary, pos, std::move(left), std::move(right));
    node->binaryOp = op;
    return node;
  }

  ExprPtr parseExpression() { return parseOr(); }

  ExprPtr parseOr() {
    ExprPtr left = parseAnd();
    while (isKeyword(peek(), "OR")) {
      SourcePos pos = take().pos;
      left = makeBinary(BinaryOp::Or, pos, std::move(left), parseAnd());
    }
    return left;
  }

  ExprPtr parseAnd() {
    ExprPtr left = parseNot();
    while (isKeyword(peek(), "AND")) {
      SourcePos pos = take().pos;
      left = makeBinary(BinaryOp::And, pos, std::move(left), parseNot());
    }
    return left;
  }

  ExprPtr parseNot() {
    if (!isKeyword(peek(), "NOT")) return parseComparison();
    DepthGuard guard(*this, peek());
    SourcePos pos = take().pos;
    ExprPtr node = makeNode(ExprKind::Unary, pos, parseNot());
    node->unaryOp = UnaryOp::Not;
    return node;
  }

  ExprPtr parseComparison() {
    ExprPtr left = parseAdditive();
    const Token& token = peek();
    if (isKeyword(token, "IS")) {
      take();
      ExprPtr node = makeNode(ExprKind::IsNull, token.pos, std::move(left));
      node->negated = acceptKeyword("NOT");
      expectKeyword("NULL");
      return node;
    }
    BinaryOp op;
    switch (token.kind) {
      case TokenKind::Equal: op = BinaryOp::Equal; break;
      case TokenKind::NotEqual: op = BinaryOp::NotEqual; break;
      case TokenKind::Less: op = BinaryOp::Less; break;
      case TokenKind::LessEqual: op = BinaryOp::LessEqual; break;
      case TokenKind::Greater: op = BinaryOp::Greater; break;
      case TokenKind::GreaterEqual: op = BinaryOp::GreaterEqual; break;
      default: return left;
    }
    take();
    return makeBinary(op, token.pos, std::move(left), parseAdditive());
  }

  ExprPtr parseAdditive() {
    ExprPtr left = parseMultiplicative();
    for (;;) {
      const Token& token = peek();
      if (token.kind != TokenKind::Plus && token.kind != TokenKind::Minus) return left;
      take();
      BinaryOp op = token.kind == TokenKind::Plus ? BinaryOp::Add : BinaryOp::Subtract;
      left = makeBinary(op, token.pos, std::move(left), parseMultiplicative());
    }
  }

  ExprPtr parseMultiplicative() {
    ExprPtr left = parseUnary();
    for (;;) {
      const Token& token = peek();
      if (token.kind != TokenKind::Star && token.kind != TokenKind::Slash) return left;
      take();
      BinaryOp op = token.kind == TokenKind::Star ? BinaryOp::Multiply : BinaryOp::Divide;
      left = makeBinary(op, token.pos, std::move(left), parseUnary());
    }
  }

  ExprPtr parseUnary() {
    const Token& token = peek();
    DepthGuard guard(*this, token);
    if (token.kind == TokenKind::Minus) {
      take();
      ExprPtr node = makeNode(ExprKind::Unary, token.pos, parseUnary());
      node->unaryOp = UnaryOp::Negate;
      return node;
    }
    if (token.kind == TokenKind::Plus) {
      take();
      return parseUnary();
    }
    return parsePrimary();
  }

  ExprPtr parsePrimary() {
    const Token& token = peek();
    switch (token.kind) {
      case TokenKind::Number: {
        take();
        ExprPtr node = makeNode(ExprKind::Number, token.pos);
        node->text = token.text;
        return node;
      }
      case TokenKind::DoubleQuoted:
      case TokenKind::SingleQuoted: {
        take();
        ExprPtr node = makeNode(ExprKind::Text, token.pos);
        node->text = token.text;
        return node;
      }
      case TokenKind::LeftParen: {
        take();
        ExprPtr node;
        if (isKeyword(peek(), "SELECT")) {
          node = makeNode(ExprKind::Subquery, token.pos);
          node->subquery = std::make_unique<Select>(parseSelect());
        } else {
          node = parseExpression();
        }
        expect(TokenKind::RightParen);
        return node;
      }
      case TokenKind::Identifier:
        return parseNamedPrimary();
      default:
        fail(token);
    }
  }

  // NULL, CAST(...), an aggregate call, or a column reference.
  ExprPtr parseNamedPrimary() {
    const Token& token = take();
    if (isKeyword(token, "NULL")) return makeNode(ExprKind::Null, token.pos);
    if (isKeyword(token, "CAST")) {
      expect(TokenKind::LeftParen);
      ExprPtr node = makeNode(ExprKind::Cast, token.pos, parseExpression());
      expectKeyword("AS");
      node->text = expectName().text;
      expect(TokenKind::RightParen);
      return node;
    }
    if (peek().kind == TokenKind::LeftParen) {
      static const std::pair<const char*, AggregateFunction> kAggregates[] = {
          {"SUM", AggregateFunction::Sum}, {"COUNT", AggregateFunction::Count}, {"MAX", AggregateFunction::Max},
          {"MIN", AggregateFunction::Min}, {"AVG", AggregateFunction::Avg}};
      for (const auto& [name, function] : kAggregates) {
        if (!isKeyword(token, name)) continue;
        take();
        ExprPtr argument;
        if (function == AggregateFunction::Count && peek().kind == TokenKind::Star) take();
        else argument = parseExpression();
        expect(TokenKind::RightParen);
        ExprPtr node = makeNode(ExprKind::Aggregate, token.pos, std::move(argument));
        node->aggregate = function;
        return node;
      }
      fail(token);
    }
    if (isReserved(token)) fail(token);
    ExprPtr node = makeNode(ExprKind::Column, token.pos);
    if (accept(TokenKind::Dot)) {
      node->qualifier = token.text;
      node->text = expectName().text;
    } else {
      node->text = token.text;
    }
    return node;
  }

  const QString& text_;
  std::vector<Token> tokens_;
  size_t index_ = 0;
  int depth_ = 0;
};

}  // namespace

ast::Statement parseStatement(const QString& text) { return Parser(text).parseStatement(); }

}  // namespace store::sql
