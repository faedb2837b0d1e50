// Writing and reading the backup archive.
#include "admin/archive.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <limits>
#include <zlib.h>

#include "store/codepage.h"
#include "store/error.h"

namespace admin {

namespace {

constexpr qint64 kChunk = 256 * 1024;
// Deflate cannot do better than about 1032 to 1, so a declared size beyond
// that many times the bytes left in the archive cannot be true.
constexpr qint64 kMaxInflateRatio = 1032;
constexpr qint64 kMaxNameLength = 4096;

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

QByteArray int32Bytes(qint32 value) {
  auto u = static_cast<quint32>(value);
  QByteArray bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
  return bytes;
}

void writeOrThrow(QSaveFile& out, const char* data, qint64 length, const QString& archivePath) {
  if (out.write(data, length) != length)
    throw store::StoreError("cannot write the archive " + shown(archivePath) + ": " + out.errorString().toStdString());
}

// Compresses `length` bytes of `in` into `out` as one zlib stream at level 9.
void deflateFile(QFile& in, qint64 length, QSaveFile& out, const QString& archivePath) {
  z_stream stream{};
  if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK) throw store::StoreError("zlib cannot start compressing");
  QByteArray input, output(kChunk, '\0');
  qint64 left = length;
  try {
    int flush = Z_NO_FLUSH;
    do {
      if (stream.avail_in == 0 && flush != Z_FINISH) {
        input = in.read(std::min(left, kChunk));
        if (input.size() != std::min(left, kChunk))
          throw store::StoreError("cannot read " + shown(in.fileName()) + ": " + in.errorString().toStdString());
        left -= input.size();
        stream.next_in = reinterpret_cast<Bytef*>(input.data());
        stream.avail_in = static_cast<uInt>(input.size());
        if (left == 0) flush = Z_FINISH;
      }
      stream.next_out = reinterpret_cast<Bytef*>(output.data());
      stream.avail_out = static_cast<uInt>(output.size());
      int result = deflate(&stream, flush);
      if (result == Z_STREAM_ERROR) throw store::StoreError("zlib failed while compressing " + shown(in.fileName()));
      writeOrThrow(out, output.constData(), output.size() - stream.avail_out, archivePath);
      if (result == Z_STREAM_END) break;
    } while (true);
  } catch (...) {
    deflateEnd(&stream);
    throw;
  }
  deflateEnd(&stream);
}

// Reads the archive from its mapped bytes, record by record.
class Reader {
 public:
  Reader(const uchar* data, qint64 size, QString path) : data_(data), size_(size), path_(std::move(path)) {}

  qint64 left() const { return size_ - position_; }

  qint32 int32(const char* what) {
    if (left() < 4) damaged(std::string("it ends inside ") + what);
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[position_ + i];
    position_ += 4;
    return static_cast<qint32>(value);
  }

  QByteArray bytes(qint64 length, const char* what) {
    if (left() < length) damaged(std::string("it ends inside ") + what);
    QByteArray result(reinterpret_cast<const char*>(data_ + position_), length);
    position_ += length;
    return result;
  }

  // Inflates one zlib stream into `out`, which must receive exactly `size` bytes.
  void inflateInto(QFile& out, qint64 size, const QString& name) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) throw store::StoreError("zlib cannot start decompressing");
    QByteArray output(kChunk, '\0');
    qint64 written = 0;
    stream.next_in = const_cast<Bytef*>(data_ + position_);
    stream.avail_in = static_cast<uInt>(std::min<qint64>(left(), std::numeric_limits<uInt>::max()));
    const uInt offered = stream.avail_in;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
      stream.next_out = reinterpret_cast<Bytef*>(output.data());
      stream.avail_out = static_cast<uInt>(output.size());
      result = inflate(&stream, Z_NO_FLUSH);
      qint64 produced = output.size() - stream.avail_out;
      if (result != Z_OK && result != Z_STREAM_END) {
        inflateEnd(&stream);
        damaged(result == Z_BUF_ERROR ? "the data of " + name.toStdString() + " is cut short"
                                      : "the data of " + name.toStdString() + " is corrupt (" +
                                            (stream.msg ? stream.msg : "zlib error") + ")");
      }
      if (written + produced > size) {
        inflateEnd(&stream);
        damaged(name.toStdString() + " holds more than its declared " + std::to_string(size) + " bytes");
      }
      if (out.write(output.constData(), produced) != produced) {
        inflateEnd(&stream);
        throw store::StoreError("cannot write " + shown(out.fileName()) + ": " + out.errorString().toStdString());
      }
      written += produced;
    }
    position_ += offered - stream.avail_in;
    inflateEnd(&stream);
    if (written != size)
      damaged(name.toStdString() + " holds " + std::to_string(written) + " bytes instead of its declared " +
              std::to_string(size));
  }

  [[noreturn]] void damaged(const std::string& why) const {
    throw ArchiveError("the archive " + shown(path_) + " is damaged at byte " + std::to_string(position_) + ": " + why);
  }

 private:
  const uchar* data_;
  qint64 size_;
  qint64 position_ = 0;
  QString path_;
};

// "Data\X" or "Arhiva\X" with X a plain file name; anything else could write
// outside the program's folders.
bool isSafeName(const QString& name, QString& folder, QString& file) {
  for (const char* prefix : {"Data\\", "Arhiva\\"}) {
    if (!name.startsWith(QLatin1String(prefix))) continue;
    folder = QString(prefix).chopped(1);
    file = name.mid(static_cast<qsizetype>(std::strlen(prefix)));
    return !file.isEmpty() && file != "." && file != ".." && !file.contains('\\') && !file.contains('/') &&
           !file.contains(':') && !file.contains(QChar(0));
  }
  return false;
}

}  // namespace

void writeArchive(const QString& archivePath, const std::vector<ArchiveSource>& files,
                  const std::function<void(int, int)>& progress) {
  QSaveFile out(archivePath);
  if (!out.open(QIODevice::WriteOnly))
    throw store::StoreError("cannot write the archive " + shown(archivePath) + ": " + out.errorString().toStdString());
  const int count = static_cast<int>(files.size());
  writeOrThrow(out, int32Bytes(count).constData(), 4, archivePath);
  for (int i = 0; i < count; ++i) {
    const ArchiveSource& source = files[static_cast<size_t>(i)];
    QFile in(source.path);
    if (!in.open(QIODevice::ReadOnly))
      throw store::StoreError("cannot read " + shown(source.path) + ": " + in.errorString().toStdString());
    progress(i, count);
    std::string name = store::encode(source.storedName);
    qint64 size = in.size();
    if (size > std::numeric_limits<qint32>::max())
      throw store::StoreError(shown(source.path) + " is too large for the archive (2 GiB at most)");
    QByteArray header = int32Bytes(static_cast<qint32>(name.size())) + QByteArray(name.data(), static_cast<qsizetype>(name.size())) +
                        int32Bytes(static_cast<qint32>(size));
    writeOrThrow(out, header.constData(), header.size(), archivePath);
    deflateFile(in, size, out, archivePath);
  }
  if (!out.commit())
    throw store::StoreError("cannot write the archive " + shown(archivePath) + ": " + out.errorString().toStdString());
}

std::vector<StagedFile> unpackArchive(const QString& archivePath, const QString& stagingFolder,
                                      const std::function<void(int, int)>& progress) {
  QFile archive(archivePath);
  if (!archive.open(QIODevice::ReadOnly))
    throw store::StoreError("cannot read the archive " + shown(archivePath) + ": " + archive.errorString().toStdString());
  const qint64 size = archive.size();
  const uchar* data = size > 0 ? archive.map(0, size) : nullptr;
  if (size > 0 && !data)
    throw store::StoreError("cannot read the archive " + shown(archivePath) + ": " + archive.errorString().toStdString());
  static const uchar kEmpty = 0;
  Reader reader(data ? data : &kEmpty, size, archivePath);

  const qint32 count = reader.int32("the file count");
  if (count < 0) reader.damaged("its file count is negative");
  std::vector<StagedFile> staged;
  for (const char* folder : {"Data", "Arhiva"}) QDir().mkpath(stagingFolder + "/" + folder);
  for (qint32 position = 1; position <= count; ++position) {
    progress(position, count);
    const qint32 nameLength = reader.int32("a name's length");
    if (nameLength <= 0 || nameLength > kMaxNameLength) reader.damaged("a name's length is " + std::to_string(nameLength));
    QByteArray nameBytes = reader.bytes(nameLength, "a name");
    QString name = store::decode(std::string_view(nameBytes.constData(), static_cast<size_t>(nameBytes.size())));
    QString folder, file;
    if (!isSafeName(name, folder, file))
      reader.damaged("the stored name \"" + name.toStdString() + "\" is not a file of Data or Arhiva");
    const qint32 fileSize = reader.int32("a file size");
    if (fileSize < 0) reader.damaged("the size of " + name.toStdString() + " is negative");
    if (fileSize > reader.left() * kMaxInflateRatio)
      reader.damaged("the size of " + name.toStdString() + " (" + std::to_string(fileSize) +
                     " bytes) is more than the rest of the archive can hold");
    QString target = stagingFolder + "/" + folder + "/" + file;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
      throw store::StoreError("cannot write " + shown(target) + ": " + out.errorString().toStdString());
    reader.inflateInto(out, fileSize, name);
    out.close();
    // A name stored twice: the later record wins, as it would on disk.
    std::erase_if(staged, [&name](const StagedFile& earlier) { return earlier.storedName == name; });
    staged.push_back({name, target});
  }
  return staged;
}

}  // namespace admin
