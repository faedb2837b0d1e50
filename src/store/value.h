// A single SQL value as the engine and its callers see it.
//
// Numbers are exact ten-thousandths (see decimal.h); CAST(... AS FLOAT) makes
// a Float. Text is held as Windows-1250 bytes, the code page of the tables,
// without pad blanks; a blank CHAR field reads as the empty Text, which also
// counts as NULL (IS NULL is true for it). A blank N or D field is Null.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <utility>

namespace store {

class Value {
 public:
  enum class Kind : uint8_t { Null, Number, Float, Text, Date, Bool };

  Value() = default;
  // Only a Text carries its bytes: the others copy and move as the plain
  // numbers they are, without touching the empty string.
  Value(const Value& other) : kind_(other.kind_), integer_(other.integer_) {
    if (kind_ == Kind::Text) text_ = other.text_;
  }
  Value(Value&& other) noexcept : kind_(other.kind_), integer_(other.integer_) {
    if (kind_ == Kind::Text) text_ = std::move(other.text_);
  }
  Value& operator=(const Value& other) {
    if (this == &other) return *this;
    kind_ = other.kind_;
    integer_ = other.integer_;
    if (kind_ == Kind::Text) text_ = other.text_;
    else text_.clear();
    return *this;
  }
  Value& operator=(Value&& other) noexcept {
    kind_ = other.kind_;
    integer_ = other.integer_;
    if (kind_ == Kind::Text) text_ = std::move(other.text_);
    else text_.clear();
    return *this;
  }
  ~Value() = default;

  static Value null() { return Value(); }
  static Value number(int64_t tenThousandths) { Value v(Kind::Number); v.integer_ = tenThousandths; return v; }
  static Value real(double value) { Value v(Kind::Float); v.integer_ = std::bit_cast<int64_t>(value); return v; }
  static Value text(std::string cp1250Bytes) { Value v(Kind::Text); v.text_ = std::move(cp1250Bytes); return v; }
  static Value date(int32_t julianDay) { Value v(Kind::Date); v.integer_ = julianDay; return v; }
  static Value boolean(bool value) { Value v(Kind::Bool); v.integer_ = value ? 1 : 0; return v; }

  Kind kind() const { return kind_; }
  bool isNull() const { return kind_ == Kind::Null; }
  // NULL in the SQL sense: a Null, or a blank text.
  bool isSqlNull() const { return kind_ == Kind::Null || (kind_ == Kind::Text && text_.empty()); }

  int64_t asNumber() const { return integer_; }        // REQUIRES: kind() == Number
  double asFloat() const { return std::bit_cast<double>(integer_); }  // REQUIRES: kind() == Float
  const std::string& asText() const { return text_; }  // REQUIRES: kind() == Text
  int32_t asDate() const { return static_cast<int32_t>(integer_); }  // REQUIRES: kind() == Date
  bool asBool() const { return integer_ != 0; }        // REQUIRES: kind() == Bool

  // Floats compare as numbers (0.0 equals -0.0, NaN equals nothing).
  friend bool operator==(const Value& a, const Value& b) {
    if (a.kind_ != b.kind_) return false;
    if (a.kind_ == Kind::Float) return a.asFloat() == b.asFloat();
    return a.integer_ == b.integer_ && a.text_ == b.text_;
  }

 private:
  explicit Value(Kind kind) : kind_(kind) {}
  Kind kind_ = Kind::Null;
  // A Number's, Date's or Bool's value, or a Float's bits: one word for
  // either keeps a Value a word smaller, and results hold millions of them.
  int64_t integer_ = 0;
  std::string text_;
};

}  // namespace store
