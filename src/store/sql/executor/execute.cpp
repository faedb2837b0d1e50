// store::sql::execute: the statement text through lexer, parser, binder and
// the executor of its kind.
#include "store/sql/executor.h"

#include <mutex>
#include <type_traits>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "store/sql/binder/binder.h"
#include "store/sql/executor/modify_executor.h"
#include "store/sql/executor/select_executor.h"
#include "store/sql/executor/table_view.h"
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

}  // namespace

std::unique_ptr<ResultSet> execute(Catalog& catalog, const QString& statementText) {
  keepFreedMemory();
  ast::Statement statement = parseStatement(statementText);
  BoundStatement bound = bindStatement(catalog, statement);
  return std::visit(
      [&catalog](auto& statementOfKind) -> std::unique_ptr<ResultSet> {
        if constexpr (std::is_same_v<std::decay_t<decltype(statementOfKind)>, BoundSelect>) {
          if (std::shared_ptr<const TableView> view = TableView::of(statementOfKind)) {
            std::vector<std::string> names;
            for (const BoundOutput& output : statementOfKind.outputs) names.push_back(output.name);
            return std::make_unique<ResultSet>(std::move(view), std::move(names));
          }
          SelectResult result = runSelect(statementOfKind);
          return std::make_unique<ResultSet>(std::move(result.rows), std::move(result.names));
        } else {
          run(catalog, statementOfKind);
          return nullptr;
        }
      },
      bound);
}

}  // namespace store::sql
