// Listing, emptying, and the staged replacement of the Data folder.
#include "admin/backup_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <optional>

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

namespace {

// One rename of a restore, paths relative to the program folder.
struct Step {
  QString from, to;
};

const char* const kPlanFile = "restaurare.plan";
const char* const kDoneFile = "restaurare.gata";

// The plan: one step a line, "from<TAB>to", UTF-8, written whole (temporary
// file renamed into place) before the first move.
void writePlan(const QString& path, const std::vector<Step>& steps) {
  QSaveFile file(path);
  QByteArray text;
  for (const Step& step : steps) text += step.from.toUtf8() + '\t' + step.to.toUtf8() + '\n';
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
    throw store::StoreError("cannot write the restore plan " + shown(path) + ": " + file.errorString().toStdString());
}

std::optional<std::vector<Step>> readPlan(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  std::vector<Step> steps;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.isEmpty()) continue;
    const QList<QByteArray> parts = line.split('\t');
    if (parts.size() != 2) return std::nullopt;
    steps.push_back({QString::fromUtf8(parts[0]), QString::fromUtf8(parts[1])});
  }
  return steps;
}

// Whether a step has been made. Every step has one side in the staging
// folder, named there by no other step (a Data name may be left by one step
// and taken by a later one): a move aside is made when its file is in the
// staging folder, a move in when its file has left it and stands at its
// place (its place is free until then: the old file went aside before).
bool made(const QString& programFolder, const Step& step) {
  const QString from = programFolder + "/" + step.from, to = programFolder + "/" + step.to;
  if (step.to.startsWith(kStagingPrefix)) return QFileInfo::exists(to);
  return !QFileInfo::exists(from) && QFileInfo::exists(to);
}

// Undoes the steps that were made, last first. False when one could not be
// put back; nothing is deleted either way.
bool putBack(const QString& programFolder, const std::vector<Step>& steps) {
  bool whole = true;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it)
    if (made(programFolder, *it) && !QFile::rename(programFolder + "/" + it->to, programFolder + "/" + it->from))
      whole = false;
  return whole;
}

}  // namespace

void DecompressFiles(const QString& archivePath, const QString& programFolder,
                     const std::function<void(int, int)>& progress, const std::function<void(int)>& afterMove) {
  // The staging folder sits in the program folder, so every move below is a
  // rename inside one file system.
  QTemporaryDir staging(programFolder + "/" + kStagingPrefix + "XXXXXX");
  if (!staging.isValid()) throw store::StoreError("cannot create a staging folder in " + shown(programFolder));
  std::vector<StagedFile> staged = unpackArchive(archivePath, staging.path(), progress);
  if (staged.empty())
    throw ArchiveError("the archive " + shown(archivePath) + " holds no file; nothing was restored");

  const QString data = programFolder + "/Data", arhiva = programFolder + "/Arhiva";
  QDir().mkpath(data);
  QDir().mkpath(arhiva);
  const QString stagingName = QFileInfo(staging.path()).fileName();
  QDir().mkpath(staging.path() + "/kept/Data");
  QDir().mkpath(staging.path() + "/kept/Arhiva");

  // The current Data files go aside (emptying the folder), Arhiva files
  // about to be overwritten too, then the restored files move in. The plan
  // is on disk before the first move, so that a start after a crash can
  // finish or undo it (recoverInterruptedRestore).
  std::vector<Step> steps;
  for (const QFileInfo& file : filesIn(data))
    steps.push_back({"Data/" + file.fileName(), stagingName + "/kept/Data/" + file.fileName()});
  for (const StagedFile& file : staged) {
    const bool toData = file.storedName.startsWith("Data\\");
    const QString name = QFileInfo(file.stagedPath).fileName();
    const QString target = QString(toData ? "Data/" : "Arhiva/") + name;
    if (!toData && QFileInfo::exists(programFolder + "/" + target))
      steps.push_back({target, stagingName + "/kept/Arhiva/" + name});
    steps.push_back({QDir(programFolder).relativeFilePath(file.stagedPath), target});
  }
  const QString plan = staging.path() + "/" + kPlanFile;
  writePlan(plan, steps);

  for (size_t i = 0; i < steps.size(); ++i) {
    const QString from = programFolder + "/" + steps[i].from, to = programFolder + "/" + steps[i].to;
    if (!QFile::rename(from, to)) {
      // Any failure puts everything back; the staging folder, which may hold
      // the only copy of a file, goes only when that worked.
      if (!putBack(programFolder, steps)) {
        staging.setAutoRemove(false);
        throw store::StoreError("cannot move " + shown(from) + " to " + shown(to) +
                                ", and not every file could be put back: the files are in " + shown(staging.path()) +
                                " and " + shown(data));
      }
      QFile::remove(plan);
      throw store::StoreError("cannot move " + shown(from) + " to " + shown(to));
    }
    if (afterMove) afterMove(static_cast<int>(i));
  }
  // Finished: marked so before the staging folder (the old files) goes.
  QFile::rename(plan, staging.path() + "/" + kDoneFile);
}

RestoreRecovery recoverInterruptedRestore(const QString& programFolder) {
  RestoreRecovery recovery;
  const QDir program(programFolder);
  for (const QString& name : program.entryList({QString(kStagingPrefix) + "*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString staging = programFolder + "/" + name;
    const std::optional<std::vector<Step>> steps = readPlan(staging + "/" + kPlanFile);
    if (!steps) {
      // No plan: the restore stopped before its first move (or after its
      // last, with the "done" mark): Data is whole and the folder is spare.
      if (!QFileInfo::exists(staging + "/" + kDoneFile))
        recovery.messages << "O restaurare intrerupta inainte sa schimbe ceva a fost lasata deoparte; datele au "
                             "ramas neschimbate.";
      QDir(staging).removeRecursively();
      continue;
    }
    // Finish it when every step not made yet can still be made, in order.
    bool forward = true;
    for (const Step& step : *steps) {
      if (made(programFolder, step)) continue;
      if (!QFile::rename(programFolder + "/" + step.from, programFolder + "/" + step.to)) {
        forward = false;
        break;
      }
    }
    if (forward) {
      QFile::rename(staging + "/" + kPlanFile, staging + "/" + kDoneFile);
      QDir(staging).removeRecursively();
      recovery.messages << "O restaurare intrerupta a fost terminata acum: in Data sunt datele restaurate.";
    } else if (putBack(programFolder, *steps)) {
      QDir(staging).removeRecursively();
      recovery.messages << "O restaurare intrerupta a fost anulata: in Data sunt datele de dinainte de restaurare.";
    } else {
      recovery.unresolved = true;
      recovery.messages << "O restaurare intrerupta nu a putut fi nici terminata, nici anulata. Nu stergeti nimic: "
                           "fisierele sunt in " + QDir::toNativeSeparators(staging) + " si in " +
                               QDir::toNativeSeparators(programFolder + "/Data") + ".";
    }
  }
  return recovery;
}

}  // namespace admin
