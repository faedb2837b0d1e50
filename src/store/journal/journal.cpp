// Undo journal: record layout, recovery and the journaled file.
//
// The journal file starts with a magic line and holds records appended in
// the order the changes were made:
//   [kind u8][path length u32][path UTF-8][payload length u32][payload][crc32 u32]
// kind 'L': payload = the file's length (int64) before the transaction grew it;
// kind 'R': payload = offset (int64) + the saved bytes;
// kind 'C': the file did not exist; kind 'W': payload = the backup copy's path.
// The CRC covers everything before it. A torn last record (a crash while it
// was being written) fails its CRC; the change it announced was never made,
// because the journal is synced before each change, so it is ignored.
#include "store/journal/journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <unistd.h>
#include <vector>
#include <zlib.h>

#include "store/error.h"

namespace store::journal {

namespace {

constexpr char kMagic[] = "VARNELA UNDO JOURNAL 1\n";
constexpr size_t kMagicLength = sizeof kMagic - 1;
const char* const kJournalName = "varnela.jnl";

std::string systemError(const QString& what, const QString& path) {
  return (what + " " + QDir::toNativeSeparators(path) + ": " + QString::fromLocal8Bit(std::strerror(errno)))
      .toStdString();
}

void appendU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void appendI64(std::string& out, int64_t v) {
  auto u = static_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}
uint32_t readU32(const char* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}
int64_t readI64(const char* p) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return static_cast<int64_t>(v);
}

// Reads exactly `length` bytes at `offset`; a file shorter than that is an error.
void readAll(int fd, char* data, size_t length, int64_t offset, const QString& path) {
  size_t done = 0;
  while (done < length) {
    ssize_t got = ::pread(fd, data + done, length - done, offset + static_cast<int64_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw StoreError(systemError("cannot read", path));
    if (got == 0)
      throw StoreError((QDir::toNativeSeparators(path) + ": unexpected end of file at byte " +
                        QString::number(offset + static_cast<int64_t>(done)))
                           .toStdString());
    done += static_cast<size_t>(got);
  }
}

void writeAll(int fd, const char* data, size_t length, int64_t offset, const QString& path) {
  while (length > 0) {
    ssize_t written = ::pwrite(fd, data, length, offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw StoreError(systemError("cannot write", path));
    }
    data += written;
    length -= static_cast<size_t>(written);
    offset += written;
  }
}

void syncDirectoryOf(const QString& path) {
  int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

void syncFile(const QString& path) {
  int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
  if (fd >= 0) {
    ::fdatasync(fd);
    ::close(fd);
  }
}

struct Record {
  char kind;
  QString path;
  std::string payload;
};

// Reads the intact records of a journal file; stops at the first torn one.
std::vector<Record> readRecords(const QString& journalPath, int64_t from = 0) {
  QFile file(journalPath);
  std::vector<Record> records;
  if (!file.open(QIODevice::ReadOnly)) return records;
  QByteArray all = file.readAll();
  if (all.size() < static_cast<qsizetype>(kMagicLength) || std::memcmp(all.constData(), kMagic, kMagicLength) != 0)
    return records;
  const char* p = all.constData() + std::max<int64_t>(static_cast<int64_t>(kMagicLength), from);
  const char* end = all.constData() + all.size();
  while (end - p >= 9) {
    const char* start = p;
    char kind = *p++;
    uint32_t pathLength = readU32(p);
    p += 4;
    if (static_cast<size_t>(end - p) < static_cast<size_t>(pathLength) + 4) break;
    QString path = QString::fromUtf8(p, pathLength);
    p += pathLength;
    uint32_t payloadLength = readU32(p);
    p += 4;
    if (static_cast<size_t>(end - p) < static_cast<size_t>(payloadLength) + 4) break;
    std::string payload(p, payloadLength);
    p += payloadLength;
    uint32_t stored = readU32(p);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(start), static_cast<uInt>(p - start));
    p += 4;
    if (stored != static_cast<uint32_t>(crc)) break;
    records.push_back({kind, path, std::move(payload)});
  }
  return records;
}

// Undoes the records, last first, and syncs what it touched.
void applyUndo(const std::vector<Record>& records) {
  std::set<QString> touched;
  for (auto it = records.rbegin(); it != records.rend(); ++it) {
    const Record& record = *it;
    QByteArray native = QFile::encodeName(record.path);
    switch (record.kind) {
      case 'R': {
        if (record.payload.size() < 8) break;
        int fd = ::open(native.constData(), O_WRONLY);
        if (fd < 0) throw StoreError(systemError("cannot roll back", record.path));
        int64_t offset = readI64(record.payload.data());
        try {
          writeAll(fd, record.payload.data() + 8, record.payload.size() - 8, offset, record.path);
        } catch (...) {
          ::close(fd);
          throw;
        }
        ::close(fd);
        touched.insert(record.path);
        break;
      }
      case 'L': {
        if (record.payload.size() < 8) break;
        if (::truncate(native.constData(), readI64(record.payload.data())) != 0 && errno != ENOENT)
          throw StoreError(systemError("cannot roll back", record.path));
        touched.insert(record.path);
        break;
      }
      case 'C':
        QFile::remove(record.path);
        syncDirectoryOf(record.path);
        touched.erase(record.path);
        break;
      case 'W': {
        QString backup = QString::fromUtf8(record.payload);
        if (QFileInfo::exists(backup)) {
          if (::rename(QFile::encodeName(backup).constData(), native.constData()) != 0)
            throw StoreError(systemError("cannot roll back", record.path));
          syncDirectoryOf(record.path);
        }
        touched.erase(record.path);
        break;
      }
      default: break;
    }
  }
  for (const QString& path : touched) syncFile(path);
}

void removeBackups(const std::vector<Record>& records) {
  for (const Record& record : records)
    if (record.kind == 'W') QFile::remove(QString::fromUtf8(record.payload));
}

}  // namespace

struct Journal::State {
  QString path;
  int fd = -1;
  int64_t size = 0;
  bool dirty = false;  // records appended but not yet synced
  std::set<QString> lengthSaved;
  std::set<QString> created;
  std::set<QString> wholeSaved;
  std::set<std::tuple<QString, int64_t, int64_t>> rangesSaved;
  std::set<QString> changedFiles;
  std::set<QString> derivedFiles;  // kept across transactions
  bool durable = true;
  int backups = 0;

  // One record whose payload is `head` followed by `body`; the body (a
  // before-image of up to a megabyte) goes to the file as it is, not copied
  // into the record first.
  void append(char kind, const QString& file, std::string_view head, std::string_view body = {}) {
    std::string header;
    header.push_back(kind);
    QByteArray utf8 = file.toUtf8();
    appendU32(header, static_cast<uint32_t>(utf8.size()));
    header.append(utf8.constData(), static_cast<size_t>(utf8.size()));
    appendU32(header, static_cast<uint32_t>(head.size() + body.size()));
    header.append(head);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(header.data()), static_cast<uInt>(header.size()));
    // (Not with an empty body: zlib takes a null buffer as asking for the initial value.)
    if (!body.empty()) crc = crc32(crc, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
    std::string trailer;
    appendU32(trailer, static_cast<uint32_t>(crc));
    for (std::string_view part : {std::string_view(header), body, std::string_view(trailer)}) {
      writeAll(fd, part.data(), part.size(), size, path);
      size += static_cast<int64_t>(part.size());
    }
    dirty = true;
  }

  // Forgets which before-images were saved, so the next change of any range
  // is saved again (needed after a savepoint: its rollback may only use
  // records written after it).
  void forgetSaved() {
    lengthSaved.clear();
    created.clear();
    wholeSaved.clear();
    rangesSaved.clear();
  }

  // Back to no open transaction; the journal's path and the derived files stay.
  void endTransaction() {
    fd = -1;
    size = 0;
    dirty = false;
    forgetSaved();
    changedFiles.clear();
    backups = 0;
    durable = true;
  }

  void sync() {
    if (!dirty) return;
    if (!durable) {
      dirty = false;
      return;
    }
    if (::fdatasync(fd) != 0) throw StoreError(systemError("cannot sync", path));
    dirty = false;
  }
};

Journal::Journal(const QString& directory) : state_(std::make_unique<State>()) {
  state_->path = QDir(directory).absoluteFilePath(kJournalName);
}

Journal::~Journal() {
  if (active()) {
    try {
      rollback();
    } catch (...) {
      // The journal stays on disk; the next open of the folder recovers it.
    }
  }
}

QString Journal::path() const { return state_->path; }

bool Journal::recover(const QString& directory) {
  QString path = QDir(directory).absoluteFilePath(kJournalName);
  if (!QFileInfo::exists(path)) return false;
  std::vector<Record> records = readRecords(path);
  applyUndo(records);
  removeBackups(records);
  QFile::remove(path);
  syncDirectoryOf(path);
  return true;
}

bool Journal::active() const { return state_->fd >= 0; }

void Journal::begin(bool durable) {
  State& s = *state_;
  s.durable = durable;
  s.fd = ::open(QFile::encodeName(s.path).constData(), O_RDWR | O_CREAT | O_TRUNC, 0644);
  if (s.fd < 0) throw StoreError(systemError("cannot create the journal", s.path));
  writeAll(s.fd, kMagic, kMagicLength, 0, s.path);
  s.size = static_cast<int64_t>(kMagicLength);
  s.dirty = true;
  s.sync();
  if (s.durable) syncDirectoryOf(s.path);
}

void Journal::commit() {
  State& s = *state_;
  if (s.durable) {
    for (const QString& file : s.changedFiles)
      if (!s.derivedFiles.count(file)) syncFile(file);
    for (const QString& file : s.created) syncDirectoryOf(file);
  }
  ::close(s.fd);
  s.fd = -1;
  // Only whole-file copies need the records read back (to delete the
  // copies); a transaction that made none skips reading what may be
  // megabytes of before-images.
  std::vector<Record> records;
  if (s.backups > 0) records = readRecords(s.path);
  if (::unlink(QFile::encodeName(s.path).constData()) != 0)
    throw StoreError(systemError("cannot remove the journal", s.path));
  if (s.durable) syncDirectoryOf(s.path);
  removeBackups(records);
  s.endTransaction();
}

void Journal::rollback() {
  State& s = *state_;
  s.sync();
  ::close(s.fd);
  s.fd = -1;
  std::vector<Record> records = readRecords(s.path);
  applyUndo(records);
  removeBackups(records);
  QFile::remove(s.path);
  syncDirectoryOf(s.path);
  s.endTransaction();
}

int64_t Journal::savepoint() {
  State& s = *state_;
  s.sync();
  s.forgetSaved();
  return s.size;
}

void Journal::rollbackTo(int64_t savepoint) {
  State& s = *state_;
  s.sync();
  std::vector<Record> records = readRecords(s.path, savepoint);
  applyUndo(records);
  removeBackups(records);
  if (::ftruncate(s.fd, savepoint) != 0) throw StoreError(systemError("cannot shorten", s.path));
  s.size = savepoint;
  s.dirty = true;
  s.sync();
  s.forgetSaved();
}

void Journal::noteDerived(const QString& path) { state_->derivedFiles.insert(QFileInfo(path).absoluteFilePath()); }

void Journal::saveLength(const QString& path) {
  State& s = *state_;
  QString absolute = QFileInfo(path).absoluteFilePath();
  if (s.created.count(absolute) || s.wholeSaved.count(absolute) || !s.lengthSaved.insert(absolute).second)
    return;
  std::string payload;
  appendI64(payload, QFileInfo(absolute).size());
  s.append('L', absolute, payload);
  s.changedFiles.insert(absolute);
  s.sync();
}

void Journal::saveRange(const QString& path, int64_t offset, int64_t length) {
  saveRanges(path, {{offset, length}});
}

void Journal::saveRanges(const QString& path, const std::vector<std::pair<int64_t, int64_t>>& ranges) {
  State& s = *state_;
  QString absolute = QFileInfo(path).absoluteFilePath();
  saveLength(absolute);
  if (s.created.count(absolute) || s.wholeSaved.count(absolute)) return;
  const int fd = ::open(QFile::encodeName(absolute).constData(), O_RDONLY);
  if (fd < 0) throw StoreError(systemError("cannot read", absolute));
  const auto closeFile = qScopeGuard([fd] { ::close(fd); });
  const off_t fileSize = ::lseek(fd, 0, SEEK_END);
  if (fileSize < 0) throw StoreError(systemError("cannot read", absolute));
  std::string before;  // one buffer for every range's bytes
  for (auto [offset, length] : ranges) {
    if (offset >= fileSize || length <= 0) continue;
    length = std::min<int64_t>(length, fileSize - offset);
    if (!s.rangesSaved.emplace(absolute, offset, length).second) continue;
    before.resize(static_cast<size_t>(length));
    readAll(fd, before.data(), before.size(), offset, absolute);
    std::string head;
    appendI64(head, offset);
    s.append('R', absolute, head, before);
  }
  s.changedFiles.insert(absolute);
  s.sync();
}

void Journal::noteCreated(const QString& path) {
  State& s = *state_;
  QString absolute = QFileInfo(path).absoluteFilePath();
  if (!s.created.insert(absolute).second) return;
  s.append('C', absolute, std::string());
  s.sync();
}

void Journal::saveWholeFile(const QString& path) {
  State& s = *state_;
  QString absolute = QFileInfo(path).absoluteFilePath();
  if (s.created.count(absolute) || s.wholeSaved.count(absolute)) return;
  if (!QFileInfo::exists(absolute)) {
    noteCreated(absolute);
    return;
  }
  QString backup = s.path + ".bak" + QString::number(s.backups++);
  QFile::remove(backup);
  if (!QFile::copy(absolute, backup)) throw StoreError(systemError("cannot keep a copy of", absolute));
  syncFile(backup);
  syncDirectoryOf(backup);
  s.wholeSaved.insert(absolute);
  s.append('W', absolute, backup.toStdString());
  s.sync();
}

JournaledFile::JournaledFile(Journal& journal, const QString& path)
    : journal_(journal), path_(QFileInfo(path).absoluteFilePath()) {
  fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR);
  if (fd_ < 0) throw StoreError(systemError("cannot open", path_));
}

JournaledFile::~JournaledFile() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t JournaledFile::size() const {
  off_t end = ::lseek(fd_, 0, SEEK_END);
  if (end < 0) throw StoreError(systemError("cannot read", path_));
  return end;
}

std::string JournaledFile::read(int64_t offset, int64_t length) const {
  std::string bytes(static_cast<size_t>(length), '\0');
  readAll(fd_, bytes.data(), bytes.size(), offset, path_);
  return bytes;
}

void JournaledFile::write(int64_t offset, std::string_view bytes) { writeMany({{offset, std::string(bytes)}}); }

void JournaledFile::writeMany(const std::vector<std::pair<int64_t, std::string>>& writes) {
  // Runs of writes no further apart than this become one write, unless the
  // run would grow past kLargestRun: a large block (a whole index tag) goes
  // out by itself rather than being copied into a run first. Writes that
  // overlap always share a run, so that the later one wins.
  constexpr int64_t kLargestGap = 512;
  constexpr int64_t kLargestRun = 1 << 20;
  std::vector<size_t> order(writes.size());
  std::iota(order.begin(), order.end(), size_t{0});
  const auto byOffset = [&](size_t a, size_t b) { return writes[a].first < writes[b].first; };
  // A batch of changed records usually comes in file order already.
  if (!std::is_sorted(order.begin(), order.end(), byOffset)) std::stable_sort(order.begin(), order.end(), byOffset);
  struct Run {
    int64_t offset, end;
    std::vector<size_t> members;
  };
  std::vector<Run> runs;
  for (size_t i : order) {
    const int64_t offset = writes[i].first, end = offset + static_cast<int64_t>(writes[i].second.size());
    const bool joins = !runs.empty() && (offset < runs.back().end || (offset - runs.back().end <= kLargestGap &&
                                                                         end - runs.back().offset <= kLargestRun));
    if (joins) {
      runs.back().end = std::max(runs.back().end, end);
      runs.back().members.push_back(i);
    } else {
      runs.push_back({offset, end, {i}});
    }
  }
  if (journal_.active()) {
    std::vector<std::pair<int64_t, int64_t>> ranges;
    ranges.reserve(runs.size());
    for (const Run& run : runs) ranges.emplace_back(run.offset, run.end - run.offset);
    journal_.saveRanges(path_, ranges);
  }
  std::optional<int64_t> fileSize;  // read once, for the first run of several writes
  for (Run& run : runs) {
    if (run.members.size() == 1) {
      const std::string& bytes = writes[run.members.front()].second;
      writeAll(fd_, bytes.data(), bytes.size(), run.offset, path_);
      continue;
    }
    // The run as the file holds it (zeros past its end), then every write
    // laid over it in the order given, so a later write to the same bytes wins.
    if (!fileSize) fileSize = size();
    std::string bytes = read(run.offset, std::clamp<int64_t>(*fileSize - run.offset, 0, run.end - run.offset));
    bytes.resize(static_cast<size_t>(run.end - run.offset), '\0');
    if (!std::is_sorted(run.members.begin(), run.members.end())) std::sort(run.members.begin(), run.members.end());
    for (size_t i : run.members)
      bytes.replace(static_cast<size_t>(writes[i].first - run.offset), writes[i].second.size(), writes[i].second);
    writeAll(fd_, bytes.data(), bytes.size(), run.offset, path_);
  }
}

void JournaledFile::truncate(int64_t length) {
  if (journal_.active()) journal_.saveRange(path_, length, size() - length);
  if (::ftruncate(fd_, length) != 0) throw StoreError(systemError("cannot truncate", path_));
}

}  // namespace store::journal
