// Saving and loading generated pages.
#include "reports/page_file.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <cmath>
#include <stdexcept>

namespace reports {

namespace {

constexpr quint32 kMagic = 0x56524e50;  // "VRNP"
// Version 2 added the pictures of each page; files of version 1 still load.
constexpr quint32 kVersion = 2;
constexpr quint32 kFirstVersion = 1;
// A page of a saved report is at most this long either way (an A0 sheet).
constexpr double kLargestPageMm = 1189;
// The fewest bytes a page (its two counts) and a placed text or line (its
// coordinates) take in the file.
constexpr qint64 kSmallestPageBytes = 2 * sizeof(quint32);
constexpr qint64 kSmallestItemBytes = 4 * sizeof(double);

const char* const kDamaged = "Raportul salvat este deteriorat si nu poate fi incarcat";

QDataStream& operator<<(QDataStream& s, const Font& f) { return s << f.family << f.points << f.bold; }
QDataStream& operator>>(QDataStream& s, Font& f) { return s >> f.family >> f.points >> f.bold; }

[[noreturn]] void fail(const QString& what, const QString& path) {
  throw std::runtime_error((what + ": " + path).toStdString());
}

}  // namespace

void savePages(const Document& document, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) fail("Cannot write the report file", path);
  QDataStream s(&file);
  s << kMagic << kVersion << document.title << document.pageWidth << document.pageHeight
    << quint32(document.pages.size());
  for (const Page& page : document.pages) {
    s << quint32(page.texts.size());
    for (const PlacedText& t : page.texts) s << t.x << t.y << t.width << t.height << t.text << t.font << qint32(t.align);
    s << quint32(page.lines.size());
    for (const PlacedLine& l : page.lines) s << l.x1 << l.y1 << l.x2 << l.y2 << l.width;
    s << quint32(page.pictures.size());
    for (const PlacedPicture& p : page.pictures) s << p.x << p.y << p.width << p.height << p.image;
  }
  if (s.status() != QDataStream::Ok || !file.commit()) fail("Cannot write the report file", path);
}

Document loadPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) fail("Cannot open the report file", path);
  QDataStream s(&file);
  quint32 magic = 0, version = 0, pageCount = 0;
  s >> magic >> version;
  if (magic != kMagic || version < kFirstVersion || version > kVersion) fail("Not a saved report", path);
  Document document;
  s >> document.title >> document.pageWidth >> document.pageHeight >> pageCount;
  const auto plausibleSize = [](double mm) { return std::isfinite(mm) && mm >= 1 && mm <= kLargestPageMm; };
  if (s.status() != QDataStream::Ok || !plausibleSize(document.pageWidth) || !plausibleSize(document.pageHeight))
    fail(kDamaged, path);
  // A count the rest of the file cannot hold is damage, not a reason to allocate.
  const auto checkCount = [&](quint32 count, qint64 smallestBytes) {
    if (s.status() != QDataStream::Ok || qint64(count) * smallestBytes > file.bytesAvailable()) fail(kDamaged, path);
  };
  checkCount(pageCount, kSmallestPageBytes);
  for (quint32 p = 0; p < pageCount && s.status() == QDataStream::Ok; ++p) {
    Page page;
    quint32 count = 0;
    s >> count;
    checkCount(count, kSmallestItemBytes);
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
      PlacedText t;
      qint32 align = 0;
      s >> t.x >> t.y >> t.width >> t.height >> t.text >> t.font >> align;
      if (align < int(Align::Left) || align > int(Align::Centre)) fail(kDamaged, path);
      t.align = static_cast<Align>(align);
      page.texts.push_back(t);
    }
    s >> count;
    checkCount(count, kSmallestItemBytes);
    for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
      PlacedLine l;
      s >> l.x1 >> l.y1 >> l.x2 >> l.y2 >> l.width;
      page.lines.push_back(l);
    }
    if (version >= 2) {
      s >> count;
      checkCount(count, kSmallestItemBytes);
      for (quint32 i = 0; i < count && s.status() == QDataStream::Ok; ++i) {
        PlacedPicture picture;
        s >> picture.x >> picture.y >> picture.width >> picture.height >> picture.image;
        page.pictures.push_back(std::move(picture));
      }
    }
    document.pages.push_back(std::move(page));
  }
  if (s.status() != QDataStream::Ok) fail(kDamaged, path);
  return document;
}

}  // namespace reports
