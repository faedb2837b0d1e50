// The single-byte code pages of dBase tables, keyed by the language driver
// id in byte 29 of a .dbf header.
//
// Inside the store, text is Windows-1250 bytes. Tables written with another
// driver are transcoded on read and on write; text from the program (QString)
// is encoded at the store's edge. A character the target code page cannot
// hold is an error, never a substituted byte.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace store {

enum class CodePage : uint8_t { Win1250, Win1252, Cp852, Cp437, Cp850 };

inline constexpr uint8_t kDriverWin1250 = 0xC8;

// 0xC8 and 0 (unset) give Windows-1250; 0x03 and 0x57 Windows-1252; 0x64
// code page 852; 0x01 code page 437; 0x02 code page 850. Any other id is
// read as Windows-1250 as well.
CodePage codePageOfDriver(uint8_t driverId);
const char* codePageName(CodePage page);

QString decode(std::string_view bytes, CodePage page = CodePage::Win1250);

// The comma-below letters U+0218..U+021B (Ș ș Ț ț) as the cedilla letters
// U+015E, U+015F, U+0162, U+0163 (Ş ş Ţ ţ) that the code pages hold; a
// Romanian keyboard types the former, the tables store the latter.
char16_t cedillaLetter(char16_t unit);
QString withCedillaLetters(QString text);

// A character of a text that a code page cannot hold: where it starts, the
// character itself (both halves of a surrogate pair) and its "U+XXXX" name.
struct UnencodableCharacter {
  qsizetype position = 0;
  QString character;
  QString codePoint;
};

// The first character of `text` that `page` cannot hold once the
// comma-below letters are folded; nullopt when every character fits.
std::optional<UnencodableCharacter> firstUnencodable(QStringView text, CodePage page = CodePage::Win1250);

// Throws StoreError naming the character and the code page when one of
// `text`'s characters has no byte in `page`. The comma-below letters are
// stored as their cedilla twins.

std::string encode(QStringView text, CodePage page = CodePage::Win1250);

// Bytes of one code page as bytes of another; throws like encode().
std::string transcode(std::string_view bytes, CodePage from, CodePage to);

}  // namespace store
