// store::sql::execute: the statement text through lexer, parser, binder and
// the executor of its kind.
#include "store/sql/executor.h"

#include "store/sql/binder/binder.h"
#include "store/sql/executor/modify_executor.h"
#include "store/sql/executor/select_executor.h"
#include "store/sql/parser/parser.h"

namespace store::sql {

namespace {

struct Dispatch {
  Catalog& catalog;

  std::unique_ptr<ResultSet> operator()(BoundSelect& select) const {
    SelectResult result = runSelect(select);
    return std::make_unique<ResultSet>(std::move(result.names), std::move(result.rows));
  }
  std::unique_ptr<ResultSet> operator()(BoundInsert& insert) const {
    runInsert(catalog, insert);
    return nullptr;
  }
  std::unique_ptr<ResultSet> operator()(BoundUpdate& update) const {
    runUpdate(catalog, update);
    return nullptr;
  }
  std::unique_ptr<ResultSet> operator()(BoundDelete& del) const {
    runDelete(catalog, del);
    return nullptr;
  }
  std::unique_ptr<ResultSet> operator()(BoundCreateTable& create) const {
    runCreateTable(catalog, create);
    return nullptr;
  }
  std::unique_ptr<ResultSet> operator()(BoundCreateIndex& create) const {
    runCreateIndex(catalog, create);
    return nullptr;
  }
};

}  // namespace

std::unique_ptr<ResultSet> execute(Catalog& catalog, const QString& statementText) {
  ast::Statement statement = parseStatement(statementText);
  BoundStatement bound = bindStatement(catalog, statement);
  return std::visit(Dispatch{catalog}, bound);
}

}  // namespace store::sql
