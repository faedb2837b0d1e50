// Reading and restoring a set of counters.
#include "app/counter_snapshot.h"

#include "app/settings.h"

namespace app {

namespace {
const char* const kSection = "INDEX";
}

CounterSnapshot::CounterSnapshot(const QStringList& keys) {
  for (const QString& key : keys) kept_.emplace_back(key, CitesteStr_din_Ini(kSection, key));
}

void CounterSnapshot::restore() const {
  for (const auto& [key, text] : kept_)
    if (CitesteStr_din_Ini(kSection, key) != text) ScrieStr_in_Ini(kSection, key, text);
}

}  // namespace app
