// The folder work of backup and restore: which files a backup stores, and
// how a checked archive replaces the Data folder.
#pragma once

#include <QString>
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

// Restores `archivePath` into `programFolder`: the whole archive is unpacked
// and checked in a staging folder first; only then is the Data folder
// emptied and the restored files moved into Data and Arhiva (created when
// missing). A damaged archive (ArchiveError) or a failed move leaves the
// folders as they were. An archive holding no file is refused.
void DecompressFiles(const QString& archivePath, const QString& programFolder,
                     const std::function<void(int position, int count)>& progress);

}  // namespace admin
