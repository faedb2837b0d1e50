// The undo journal that makes statements and transactions all-or-nothing.
//
// Before any byte of a table or index file is changed in place, the journal
// saves the bytes about to be overwritten and the file's length, and syncs
// itself to disk; only then is the file written. Commit syncs the changed
// files and deletes the journal; rollback writes the saved bytes back in
// reverse order, truncates each file to its saved length, deletes files the
// transaction created and restores files it replaced. Opening a Data folder
// first rolls back a journal that a crash left behind (recover()).
//
// Files are named by absolute path in the journal. One Journal belongs to one
// Database; it is not thread-safe (the program has one thread).
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace store::journal {

class Journal {
 public:
  // The journal file is `directory`/"varnela.jnl".
  explicit Journal(const QString& directory);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Rolls back a journal left by a crash, if any. Returns true when one was
  // found and applied.
  static bool recover(const QString& directory);

  bool active() const;
  // A transaction that is not `durable` is undone the same way while the
  // process runs, but nothing waits for the disk: for scratch tables that
  // are made anew on every use.
  void begin(bool durable = true);  // REQUIRES: !active()
  void commit();    // REQUIRES: active()
  void rollback();  // REQUIRES: active()

  // A point inside the open transaction that rollbackTo() returns the files
  // to, undoing only what was changed after it (one failed statement of a
  // longer transaction). REQUIRES: active().
  int64_t savepoint();
  void rollbackTo(int64_t savepoint);

  // REQUIRES: active(). Each is synced before it returns.
  // Saves the bytes [offset, offset + length) of the file as they are now
  // (only the part inside the file's current length) and the file's length.
  void saveRange(const QString& path, int64_t offset, int64_t length);
  // The same for several ranges of one file, synced once.
  void saveRanges(const QString& path, const std::vector<std::pair<int64_t, int64_t>>& ranges);
  // Saves the file's length, so bytes appended later are cut on rollback.
  void saveLength(const QString& path);
  // The file does not exist yet and is about to be created: rollback deletes it.
  void noteCreated(const QString& path);
  // The whole file is about to be replaced or deleted: a copy is kept beside
  // the journal and put back on rollback.
  void saveWholeFile(const QString& path);

  // `path` is rebuilt from other files at every start (an index): commit
  // does not wait for its changes to reach the disk. Its changes are still
  // journaled, so a rollback undoes them like any other.
  void noteDerived(const QString& path);

  QString path() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// A file opened for in-place changes. While the journal is active, each
// write's before-image is saved in it first; outside a transaction writes go
// straight to the file.
class JournaledFile {
 public:
  // Opens an existing file for reading and writing; throws StoreError.
  JournaledFile(Journal& journal, const QString& path);
  ~JournaledFile();
  JournaledFile(const JournaledFile&) = delete;
  JournaledFile& operator=(const JournaledFile&) = delete;

  int64_t size() const;
  std::string read(int64_t offset, int64_t length) const;  // throws StoreError
  void write(int64_t offset, std::string_view bytes);      // throws StoreError
  // Several writes whose before-images are journaled with one sync, applied
  // in their order. Writes lying close together go to the file as one run
  // (the bytes between them rewritten as they are), so changing a field in
  // every record costs a few large writes instead of one per record.
  void writeMany(const std::vector<std::pair<int64_t, std::string>>& writes);
  void truncate(int64_t length);                           // throws StoreError
  const QString& path() const { return path_; }

 private:
  Journal& journal_;
  QString path_;
  int fd_ = -1;
};

}  // namespace store::journal
