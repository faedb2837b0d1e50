// The three permanent tables of the Data folder and their creation.
#pragma once

#include <QString>

#include "store/query.h"

namespace store {

// Creates "CapNote.dbf", "Note.dbf" and "Gestiuni.dbf" in `dataFolder`, in
// that order, each only when its file is missing (an existing file is left
// alone whatever its layout), with the CREATE TABLE texts sent through `sx`.
// An engine error stops it; tables created before stay.
void CreazaBaze(Query& sx, const QString& dataFolder);

}  // namespace store
