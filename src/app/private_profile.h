// Settings files with the semantics of Windows private profiles.
//
// A file of "[section]" headers followed by "key=value" lines, read and
// written one value per call: each call opens the file, does its work and
// closes it, nothing is cached. Section and key names match without regard
// to letter case; the first matching section and the first matching key
// win; values read back exactly as they were written, blanks included: one
// that begins or ends with a blank, or begins with a double quote, is kept
// between double quotes in the file (no list or other escape processing). Writing one value keeps every other line
// byte for byte and goes through a temporary file renamed into place. Text
// is Windows-1250 in the file; a character it cannot hold is an error.
#pragma once

#include <QString>

namespace app {

class PrivateProfile {
 public:
  explicit PrivateProfile(QString path) : path_(std::move(path)) {}

  const QString& path() const { return path_; }

  // A missing file, section or key reads as "".
  QString read(const QString& section, const QString& key) const;

  // Creates the file, the section (at the end of the file) or the key (after
  // the section's last line) when missing. Throws store::StoreError naming the
  // file when it cannot be written or the text cannot be stored.
  void write(const QString& section, const QString& key, const QString& value) const;

 private:
  QString path_;
};

}  // namespace app
