// The folder work of backup and restore: which files a backup stores, and
// how a checked archive replaces the Data folder.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "admin/archive.h"

namespace admin {

// The files directly in `programFolder`/Data and `programFolder`/Arhiva, in
// the order the file system lists them; sub-folders are neither stored nor
// entered, a missing folder adds nothing.
std::vector<ArchiveSource> ListFileDir(const QString& programFolder);

// Whether `archivePath` lies in `programFolder`/Data or below it: a backup
// there would store a half-written copy of itself, and its restore would
// delete it.
bool insideDataFolder(const QString& archivePath, const QString& programFolder);

// Deletes every file directly in `folder`; one that cannot be deleted stays.
void GolesteDir(const QString& folder);

// Writes the archive of `files` (see writeArchive).
void CompressFiles(const QString& archivePath, const std::vector<ArchiveSource>& files,
                   const std::function<void(int index, int count)>& progress);

// The staging folders of restores are named this prefix and six characters.
inline constexpr const char* kStagingPrefix = "restaurare-";

// Restores `archivePath` into `programFolder`: the whole archive is unpacked
// and checked in a staging folder first; then the plan of every move is
// written there, the Data folder is emptied and the restored files are moved
// into Data and Arhiva (created when missing). A damaged archive
// (ArchiveError) or a failed move leaves the folders as they were. An
// archive holding no file is refused. `afterMove` runs after each move (the
// crash tests stop the process there).
void DecompressFiles(const QString& archivePath, const QString& programFolder,
                     const std::function<void(int position, int count)>& progress,
                     const std::function<void(int move)>& afterMove = {});

// What the start found of restores a crash or power cut interrupted.
struct RestoreRecovery {
  QStringList messages;     // one per interrupted restore, to be shown
  bool unresolved = false;  // files left in a staging folder: Data must not be filled with new tables
};

// Finishes each interrupted restore of `programFolder` whose moves can all
// be done, puts the old files back otherwise, and removes its staging
// folder once Data is whole again; one that can be neither is left as it is
// and its message says where the files are. Nothing that may be the only
// copy of a file is deleted.
RestoreRecovery recoverInterruptedRestore(const QString& programFolder);

}  // namespace admin
