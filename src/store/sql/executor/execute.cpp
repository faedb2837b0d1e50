// store::sql::execute: the statement text through lexer, parser, binder and
// the executor of its kind.
#include "store/sql/executor.h"

#include <mutex>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "store/sql/binder/binder.h"
#include "store/sql/executor/modify_executor.h"
#include "store/sql/executor/select_executor.h"
#include "store/sql/parser/parser.h"

namespace store::sql {

namespace {

// A statement allocates its selection vectors and result rows afresh and
// frees them when the result closes. With glibc's defaults, the large
// blocks are mapped and unmapped each time and the freed top of the heap
// goes back to the system, so every statement pays page faults on all of
// its memory again (several times the work itself on a large ledger). The
// process keeps its peak heap instead.
void keepFreedMemory() {
#if defined(__GLIBC__)
  static std::once_flag once;
  std::call_once(once, [] {
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
  });
#endif
}

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
  keepFreedMemory();
  ast::Statement statement = parseStatement(statementText);
  BoundStatement bound = bindStatement(catalog, statement);
  return std::visit(Dispatch{catalog}, bound);
}

}  // namespace store::sql
