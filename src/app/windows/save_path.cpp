#include "app/windows/save_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/interaction.h"

namespace app {

QString askSavePath(const QString& caption, const QString& proposedName, const QString& filter,
                    const QStringList& suffixes) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString proposed = QDir(folder).filePath(proposedName + "." + suffixes.first());
  QString path = ui::interaction().saveFileName(caption, proposed, filter, suffixes.first());
  if (path.isEmpty()) return QString();
  if (!suffixes.contains(QFileInfo(path).suffix().toLower())) path += "." + suffixes.first();
  if (QFileInfo::exists(path) &&
      ui::interaction().message("Fisierul " + QDir::toNativeSeparators(path) + " exista deja.\r\nIl inlocuim?",
                                "Warning", 1) != "DA")
    return QString();
  return path;
}

}  // namespace app
