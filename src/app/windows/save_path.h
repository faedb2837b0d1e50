// Asking where a file goes: the save dialog with a proposed name in the
// user's documents folder, the extension added when none of the allowed ones
// was typed, and the question before an existing file is replaced.
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The chosen path, or an empty text when the user cancelled or chose not to
// replace an existing file. `suffixes` are the allowed extensions, the first
// one added when the name has none of them.
QString askSavePath(const QString& caption, const QString& proposedName, const QString& filter,
                    const QStringList& suffixes);

}  // namespace app
