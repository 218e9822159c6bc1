#include "platform/ui/Font.h"

#include <algorithm>
#include <limits>

#include "platform/core/Describe.h"

namespace qp {
namespace {

constexpr std::int32_t kPointsPerInch = 72;
constexpr std::int32_t kPixelsPerInch = 96;

// Sizes in points and heights in pixels have opposite signs: -value * numerator / denominator,
// rounded half away from zero and held within 32 bits.
std::int32_t ConvertNegated(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
  const std::int64_t product = -std::int64_t{value} * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t result =
      product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      result, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

const TTypeInfo& TypeInfoFor(TFontPitch*) {
  static const TTypeInfo type = MakeEnumType("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return type;
}

const TTypeInfo& TypeInfoFor(TFontStyle*) {
  static const TTypeInfo type =
      MakeEnumType("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return type;
}

const TTypeInfo& TypeInfoFor(TFontStyles*) {
  static const TTypeInfo type =
      MakeSetType("TFontStyles", TypeInfoFor(static_cast<TFontStyle*>(nullptr)));
  return type;
}

const TClass& TFont::ClassInfo() {
  static const TClass info{Describe<TFont, TPersistent>("TFont")
                               .Property("Charset", &TFont::Charset, &TFont::SetCharset)
                               .Property("Color", &TFont::Color, &TFont::SetColor)
                               .Property("Height", &TFont::Height, &TFont::SetHeight)
                               .Property("Name", &TFont::Name, &TFont::SetName)
                               .Property("Pitch", &TFont::Pitch, &TFont::SetPitch)
                               .Default(static_cast<std::int32_t>(fpDefault))
                               .Property("Size", &TFont::Size, &TFont::SetSize)
                               .Property("Style", &TFont::Style, &TFont::SetStyle)};
  return info;
}

template <class T>
void TFont::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  OnChange(this);
}

void TFont::SetCharset(std::int32_t charset) {
  Change(data_.Charset, charset);
}

void TFont::SetColor(TColor color) {
  Change(data_.Color, color);
}

void TFont::SetHeight(std::int32_t height) {
  Change(data_.Height, height);
}

void TFont::SetName(const std::string& name) {
  Change(data_.Name, name);
}

void TFont::SetPitch(TFontPitch pitch) {
  Change(data_.Pitch, pitch);
}

std::int32_t TFont::Size() const {
  return ConvertNegated(data_.Height, kPointsPerInch, kPixelsPerInch);
}

void TFont::SetSize(std::int32_t size) {
  SetHeight(ConvertNegated(size, kPixelsPerInch, kPointsPerInch));
}

void TFont::SetStyle(TFontStyles style) {
  Change(data_.Style, style);
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (font == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (data_ == font->data_) return;
  data_ = font->data_;
  OnChange(this);
}

}  // namespace qp
