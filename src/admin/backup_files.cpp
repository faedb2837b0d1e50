// Listing, emptying, and the staged replacement of the Data folder.
#include "admin/backup_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/error.h"

namespace admin {

namespace {

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

QFileInfoList filesIn(const QString& folder) {
  return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
}

}  // namespace

std::vector<ArchiveSource> ListFileDir(const QString& programFolder) {
  std::vector<ArchiveSource> files;
  for (const char* folder : {"Data", "Arhiva"})
    for (const QFileInfo& file : filesIn(programFolder + "/" + folder))
      files.push_back({QString(folder) + "\\" + file.fileName(), file.absoluteFilePath()});
  return files;
}

bool insideDataFolder(const QString& archivePath, const QString& programFolder) {
  // Compared as the file system resolves them: links and "..", and names in
  // another letter case where the file system ignores case.
  const QString data = QDir(programFolder + "/Data").canonicalPath();
  if (data.isEmpty()) return false;
  const QString folder = QFileInfo(archivePath).absoluteDir().canonicalPath();
  if (folder.isEmpty()) return false;
  return folder == data || folder.startsWith(data + "/");
}

void GolesteDir(const QString& folder) {
  for (const QFileInfo& file : filesIn(folder)) QFile::remove(file.absoluteFilePath());
}

void CompressFiles(const QString& archivePath, const std::vector<ArchiveSource>& files,
                   const std::function<void(int, int)>& progress) {
  writeArchive(archivePath, files, progress);
}

void DecompressFiles(const QString& archivePath, const QString& programFolder,
                     const std::function<void(int, int)>& progress) {
  // The staging folder sits in the program folder, so every move below is a
  // rename inside one file system.
  QTemporaryDir staging(programFolder + "/restaurare-XXXXXX");
  if (!staging.isValid()) throw store::StoreError("cannot create a staging folder in " + shown(programFolder));
  std::vector<StagedFile> staged = unpackArchive(archivePath, staging.path(), progress);
  if (staged.empty())
    throw ArchiveError("the archive " + shown(archivePath) + " holds no file; nothing was restored");

  const QString data = programFolder + "/Data", arhiva = programFolder + "/Arhiva";
  QDir().mkpath(data);
  QDir().mkpath(arhiva);
  const QString kept = staging.path() + "/kept";
  QDir().mkpath(kept + "/Data");
  QDir().mkpath(kept + "/Arhiva");

  // Each step is a rename recorded for undoing: the current Data files go
  // aside (emptying the folder), Arhiva files about to be overwritten too,
  // then the restored files move in. Any failure puts everything back.
  struct Step {
    QString from, to;
  };
  std::vector<Step> done;
  auto move = [&done](const QString& from, const QString& to) {
    if (!QFile::rename(from, to)) throw store::StoreError("cannot move " + shown(from) + " to " + shown(to));
    done.push_back({from, to});
  };
  try {
    for (const QFileInfo& file : filesIn(data)) move(file.absoluteFilePath(), kept + "/Data/" + file.fileName());
    for (const StagedFile& file : staged) {
      bool toData = file.storedName.startsWith("Data\\");
      QString name = QFileInfo(file.stagedPath).fileName();
      QString target = (toData ? data : arhiva) + "/" + name;
      if (!toData && QFileInfo::exists(target)) move(target, kept + "/Arhiva/" + name);
      move(file.stagedPath, target);
    }
  } catch (...) {
    for (auto it = done.rbegin(); it != done.rend(); ++it) QFile::rename(it->to, it->from);
    throw;
  }
}

}  // namespace admin
