// ReceptiiPRN: the printed receipt note over the lines of one note.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout receiptNoteLayout();

}  // namespace reports
