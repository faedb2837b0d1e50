// Reading, checking and writing a tag's header block.
#include "store/mdx/tag_header.h"

#include <algorithm>
#include <optional>

#include "store/error.h"
#include "store/mdx/mdx_layout.h"

namespace store::mdx {

namespace {

constexpr int kExpressionRoom = tagheader::kSingleField - tagheader::kExpression;

bool isKeyType(uint8_t byte) { return byte == 'C' || byte == 'N' || byte == 'D'; }

uint16_t secondaryTypeOf(KeyType type) { return type == KeyType::Date ? 1 : 0; }

}  // namespace

TagHeader TagHeader::parse(std::string_view block, KeyType entryKeyType, uint32_t pageCount,
                           const std::string& where) {
  const uint8_t keyTypeByte = getU8(block, tagheader::kKeyType);
  if (!isKeyType(keyTypeByte) || static_cast<KeyType>(keyTypeByte) != entryKeyType)
    throw StoreError(where + ": key type byte " + std::to_string(keyTypeByte) + " differs from the tag table's " +
                     std::string(1, static_cast<char>(entryKeyType)));
  const auto type = static_cast<KeyType>(keyTypeByte);
  const int keyLength = getU16(block, tagheader::kKeyLength);
  std::optional<KeyCodec> codec;
  try {
    codec.emplace(type, keyLength);
  } catch (const StoreError& error) {
    throw StoreError(where + ": " + error.what());
  }
  // Other readers place items by these two numbers; where they disagree with
  // the key length, no node of the tag can be read the same way by both.
  if (getU16(block, tagheader::kItemLength) != codec->itemLength() ||
      getU16(block, tagheader::kKeysPerBlock) != codec->keysPerBlock())
    throw StoreError(where + ": item length " + std::to_string(getU16(block, tagheader::kItemLength)) +
                     " or keys per block " + std::to_string(getU16(block, tagheader::kKeysPerBlock)) +
                     " does not match key length " + std::to_string(keyLength));

  const uint32_t root = getU32(block, tagheader::kRootPage);
  if (root < kFirstDataPage || root > pageCount - kPagesPerBlock)
    throw StoreError(where + ": root page " + std::to_string(root) + " lies outside the file's " +
                     std::to_string(pageCount) + " pages");

  // The expression names the field; the key type alone cannot tell which.
  const std::string_view expressionArea = block.substr(tagheader::kExpression, kExpressionRoom);
  const size_t end = expressionArea.find('\0');
  if (end == 0 || end == std::string_view::npos) throw StoreError(where + ": no key expression");

  return TagHeader{.rootPage = root,
                   .sizeInPages = getU32(block, tagheader::kSizeInPages),
                   .codec = *codec,
                   .expression = std::string(expressionArea.substr(0, end)),
                   .updateCounter = getU8(block, tagheader::kUpdateCounter)};
}

std::string TagHeader::serialize() const {
  std::string block(kBlockSize, '\0');
  putU32(block, tagheader::kRootPage, rootPage);
  putU32(block, tagheader::kSizeInPages, sizeInPages);
  putU8(block, tagheader::kKeyFormat, kKeyFormatValue);
  putU8(block, tagheader::kKeyType, static_cast<uint8_t>(codec.type()));
  putU8(block, tagheader::kMarker, kMarkerValue);
  putU16(block, tagheader::kKeyLength, static_cast<uint16_t>(codec.keyLength()));
  putU16(block, tagheader::kKeysPerBlock, static_cast<uint16_t>(codec.keysPerBlock()));
  putU16(block, tagheader::kSecondaryType, secondaryTypeOf(codec.type()));
  putU16(block, tagheader::kItemLength, static_cast<uint16_t>(codec.itemLength()));
  putU8(block, tagheader::kUpdateCounter, updateCounter);
  putU8(block, tagheader::kUnique, 0);
  const size_t kept = std::min<size_t>(expression.size(), kExpressionRoom - 1);
  block.replace(tagheader::kExpression, kept, expression.substr(0, kept));
  putU8(block, tagheader::kSingleField, 1);
  return block;
}

}  // namespace store::mdx
