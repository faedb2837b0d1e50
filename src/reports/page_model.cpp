// Searching the generated pages.
#include "reports/page_model.h"

namespace reports {

std::vector<int> Document::pagesContaining(const QString& needle) const {
  std::vector<int> found;
  if (needle.isEmpty()) return found;
  for (int p = 0; p < static_cast<int>(pages.size()); ++p)
    for (const PlacedText& t : pages[p].texts)
      if (t.text.contains(needle, Qt::CaseInsensitive)) {
        found.push_back(p);
        break;
      }
  return found;
}

QStringList Document::texts(int page) const {
  QStringList out;
  for (const PlacedText& t : pages.at(page).texts) out << t.text;
  return out;
}

}  // namespace reports
