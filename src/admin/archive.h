// The backup archive (.vrz): reader and writer.
//
// Layout (integers signed 32-bit little-endian): the file count N, then per
// file its stored name's length L, the L name bytes in Windows-1250
// ("Data\" or "Arhiva\" + the file name), its size S, and one complete zlib
// stream (level 9, default window) of exactly S bytes. No compressed length
// is stored: the next record starts right after the end of the stream.
// See docs/archive-format.md.
//
// Writing goes through a temporary file beside the archive, renamed into
// place only when complete. Reading unpacks every record into a staging
// folder and checks each one (name, sizes, stream, checksum) before the
// caller touches any data.
#pragma once

#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

namespace admin {

// A damaged, truncated or unsafe archive; the message says what and where.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const std::string& message) : std::runtime_error(message) {}
};

struct ArchiveSource {
  QString storedName;  // "Data\Gestiuni.dbf"
  QString path;        // the file to read
};

struct StagedFile {
  QString storedName;
  QString stagedPath;
};

// `progress` is called with 0 .. N-1 before each file. Throws
// store::StoreError naming the file that cannot be read or the archive that
// cannot be written; nothing is left at `archivePath` then.
void writeArchive(const QString& archivePath, const std::vector<ArchiveSource>& files,
                  const std::function<void(int index, int count)>& progress);

// Unpacks the archive's records into `stagingFolder`/Data and
// `stagingFolder`/Arhiva, calling `progress` with 1 .. N. Throws ArchiveError
// on any damage, and store::StoreError when a staged file cannot be written.
std::vector<StagedFile> unpackArchive(const QString& archivePath, const QString& stagingFolder,
                                      const std::function<void(int position, int count)>& progress);

}  // namespace admin
