// Reading and writing single values of a private-profile file.
#include "app/private_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>
#include <vector>

#include "store/codepage.h"
#include "store/error.h"

namespace app {

namespace {

// One line of the file as its bytes, without the line break.
struct Line {
  QByteArray text;
  QByteArray lineBreak;  // "\r\n", "\n" or "" for a last line without one
};

std::vector<Line> splitLines(const QByteArray& bytes) {
  std::vector<Line> lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype newline = bytes.indexOf('\n', start);
    if (newline < 0) {
      lines.push_back({bytes.mid(start), {}});
      break;
    }
    bool crlf = newline > start && bytes[newline - 1] == '\r';
    lines.push_back({bytes.mid(start, newline - start - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
    start = newline + 1;
  }
  return lines;
}

QString decoded(const QByteArray& bytes) { return store::decode(std::string_view(bytes.constData(), bytes.size())); }

// The section a line opens, or nullopt when it is not a section header.
std::optional<QString> sectionOf(const Line& line) {
  QByteArray trimmed = line.text.trimmed();
  if (!trimmed.startsWith('[')) return std::nullopt;
  qsizetype close = trimmed.indexOf(']');
  if (close < 0) return std::nullopt;
  return decoded(trimmed.mid(1, close - 1)).trimmed();
}

// The key and value of a "key=value" line.
std::optional<std::pair<QString, QString>> entryOf(const Line& line) {
  qsizetype equals = line.text.indexOf('=');
  if (equals < 0) return std::nullopt;
  return std::make_pair(decoded(line.text.left(equals)).trimmed(), decoded(line.text.mid(equals + 1)).trimmed());
}

// Values keep their edge blanks through a pair of double quotes around them:
// the reader would otherwise trim them. A value that itself begins with a
// quote is wrapped too, so that reading never strips a quote it did not add.
// A bare value between quotes, as files hold it from before the wrapping,
// reads as it is.
bool isQuoted(const QString& text) { return text.size() >= 2 && text.startsWith('"') && text.endsWith('"'); }

bool needsQuotes(const QString& value) {
  return !value.isEmpty() && (value.front().isSpace() || value.back().isSpace() || value.startsWith('"'));
}

QString unquoted(const QString& stored) {
  if (!isQuoted(stored)) return stored;
  QString inner = stored.mid(1, stored.size() - 2);
  return needsQuotes(inner) ? inner : stored;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Where a key of a section stands: the line of the section header, of the
// key, and of the section's last non-blank line.
struct Location {
  std::optional<size_t> section, key, lastOfSection;
};

Location locate(const std::vector<Line>& lines, const QString& section, const QString& key) {
  Location where;
  bool inside = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (auto name = sectionOf(lines[i])) {
      if (inside) break;  // only the first matching section counts
      inside = sameName(*name, section);
      if (inside) where.section = where.lastOfSection = i;
      continue;
    }
    if (!inside) continue;
    if (!lines[i].text.trimmed().isEmpty()) where.lastOfSection = i;
    if (!where.key) {
      auto entry = entryOf(lines[i]);
      if (entry && sameName(entry->first, key)) where.key = i;
    }
  }
  return where;
}

std::vector<Line> readLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return splitLines(file.readAll());
}

}  // namespace

QString PrivateProfile::read(const QString& section, const QString& key) const {
  std::vector<Line> lines = readLines(path_);
  Location where = locate(lines, section, key);
  if (!where.key) return QString();
  return unquoted(entryOf(lines[*where.key])->second);
}

void PrivateProfile::write(const QString& section, const QString& key, const QString& value) const {
  auto bytes = [](const QString& text) {
    std::string encoded = store::encode(text);
    return QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size()));
  };
  std::vector<Line> lines = readLines(path_);
  // New lines follow the file's own line breaks; a new file gets CRLF.
  QByteArray lineBreak = "\r\n";
  for (const Line& line : lines)
    if (!line.lineBreak.isEmpty()) {
      lineBreak = line.lineBreak;
      break;
    }
  Line entry{bytes(key) + "=" + bytes(needsQuotes(value) ? '"' + value + '"' : value), lineBreak};
  Location where = locate(lines, section, key);
  if (where.key) {
    lines[*where.key].text = entry.text;
  } else if (where.section) {
    Line& last = lines[*where.lastOfSection];
    if (last.lineBreak.isEmpty()) last.lineBreak = lineBreak;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*where.lastOfSection) + 1, entry);
  } else {
    if (!lines.empty() && lines.back().lineBreak.isEmpty()) lines.back().lineBreak = lineBreak;
    lines.push_back({"[" + bytes(section) + "]", lineBreak});
    lines.push_back(entry);
  }
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly))
    throw store::StoreError("cannot write " + QDir::toNativeSeparators(path_).toStdString() + ": " +
                            file.errorString().toStdString());
  for (const Line& line : lines) file.write(line.text + line.lineBreak);
  if (!file.commit())
    throw store::StoreError("cannot write " + QDir::toNativeSeparators(path_).toStdString() + ": " +
                            file.errorString().toStdString());
}

}  // namespace app
