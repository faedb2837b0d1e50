// CodeazaStr: the generator and the order of its draws.
#include "admin/password.h"

#include <cstdint>
#include <string>

#include "store/codepage.h"

namespace admin {

namespace {

// seed := seed * 134775813 + 1 (mod 2^32), then the high half of seed * n.
class Generator {
 public:
  explicit Generator(uint32_t seed) : seed_(seed) {}
  uint32_t next(uint32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
  }

 private:
  uint32_t seed_;
};

}  // namespace

QString CodeazaStr(const QString& text) {
  if (text.isEmpty()) return QString();
  std::string bytes = store::encode(text);  // one byte per character, as the stored values were made
  uint32_t seed = 0;
  for (char c : bytes) seed += static_cast<unsigned char>(c);
  Generator random(seed);

  uint32_t inserts = random.next(30) + 6;
  for (uint32_t i = 0; i < inserts; ++i) {
    uint32_t position = random.next(static_cast<uint32_t>(bytes.size()));  // 0-based: before character position+1
    char inserted = static_cast<char>(random.next(150) + 32);
    bytes.insert(bytes.begin() + position, inserted);
  }

  uint32_t swaps = random.next(50) + 50;
  bytes.insert(bytes.begin(), ' ');
  const auto length = static_cast<uint32_t>(bytes.size());
  for (uint32_t i = 0; i < swaps; ++i) {
    // 1-based positions 2 .. length-1; byte 1, the blank put in front, is the swap's spare place.
    uint32_t a = random.next(length - 2) + 2;
    uint32_t b = random.next(length - 2) + 2;
    bytes[0] = bytes[a - 1];
    bytes[a - 1] = bytes[b - 1];
    bytes[b - 1] = bytes[0];
  }
  return store::decode(bytes);
}

}  // namespace admin
