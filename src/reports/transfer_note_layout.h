// LBonTransfer: the printed transfer note over the lines of one note.
#pragma once

#include "reports/layout.h"

namespace reports {

Layout transferNoteLayout();

}  // namespace reports
