// The preview's own file format for generated pages.
//
// A QDataStream of a magic word, a version and the Document, so a saved
// report loads back exactly as it was generated (its pictures as PNG).
// Files written before pictures existed load as pages without them.
#pragma once

#include <QString>

#include "reports/page_model.h"

namespace reports {

// Throw std::runtime_error naming the file when it cannot be written or read,
// or is not a saved report.
void savePages(const Document& document, const QString& path);
Document loadPages(const QString& path);

}  // namespace reports
