// TableFile: the header read and checked, then records read by slices.
#include "store/dbase/table_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "store/error.h"

namespace store::dbase {

namespace {

// The longest header a dBase table can have: its length is 16 bits.
constexpr int64_t kLongestHeader = 65535;

}  // namespace

TableFile::TableFile(const QString& path) : fileName_(QFileInfo(path).fileName()) {
  descriptor_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (descriptor_ < 0)
    throw StoreError(fileName_.toStdString() + ": cannot open: " + std::strerror(errno));
  if (::fstat(descriptor_, &status_) != 0) {
    const int error = errno;
    ::close(descriptor_);
    throw StoreError(fileName_.toStdString() + ": cannot read its size and time: " + std::strerror(error));
  }
  try {
    const int64_t size = status_.st_size;
    std::string head, last;
    bytes(0, std::min(size, kLongestHeader), head);
    const char lastByte = size > 0 ? bytes(size - 1, 1, last)[0] : '\0';
    layout_ = layout::parse(head, size, lastByte, fileName_);
  } catch (...) {
    ::close(descriptor_);
    throw;
  }
}

TableFile::~TableFile() { ::close(descriptor_); }

std::string_view TableFile::records(uint32_t first, uint32_t count, std::string& buffer) const {
  const int64_t length = layout_.header.recordLength;
  return bytes(layout_.header.headerLength + first * length, count * length, buffer);
}

std::string_view TableFile::bytes(int64_t at, int64_t length, std::string& buffer) const {
  buffer.resize(static_cast<size_t>(length));
  int64_t done = 0;
  while (done < length) {
    const ssize_t got = ::pread(descriptor_, buffer.data() + done, static_cast<size_t>(length - done), at + done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0)
      throw StoreError(fileName_.toStdString() + ": cannot read " + std::to_string(length) + " bytes at " +
                       std::to_string(at) + (got < 0 ? std::string(": ") + std::strerror(errno) : ": the file ended"));
    done += got;
  }
  return buffer;
}

}  // namespace store::dbase
