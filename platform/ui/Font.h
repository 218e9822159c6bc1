#pragma once

#include <cstdint>
#include <string>

#include "platform/core/Colors.h"
#include "platform/core/Event.h"
#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"

namespace qp {

enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using enum TFontPitch;

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;

const TTypeInfo& TypeInfoFor(TFontPitch*);
const TTypeInfo& TypeInfoFor(TFontStyle*);
const TTypeInfo& TypeInfoFor(TFontStyles*);

// What selects a font. Height is the character height in pixels (negative) or the cell height
// (positive).
struct TFontData {
  std::int32_t Charset = 1;
  TColor Color = clWindowText;
  std::int32_t Height = -11;
  std::string Name = "MS Sans Serif";
  TFontPitch Pitch = fpDefault;
  TFontStyles Style;
  friend bool operator==(const TFontData&, const TFontData&) = default;
};

// A font as controls and canvases use it. Size is Height in points at 96 pixels per inch.
class TFont : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  const TFontData& Data() const { return data_; }

  std::int32_t Charset() const { return data_.Charset; }
  void SetCharset(std::int32_t charset);
  TColor Color() const { return data_.Color; }
  void SetColor(TColor color);
  std::int32_t Height() const { return data_.Height; }
  void SetHeight(std::int32_t height);
  const std::string& Name() const { return data_.Name; }
  void SetName(const std::string& name);
  TFontPitch Pitch() const { return data_.Pitch; }
  void SetPitch(TFontPitch pitch);
  std::int32_t Size() const;
  void SetSize(std::int32_t size);
  TFontStyles Style() const { return data_.Style; }
  void SetStyle(TFontStyles style);

  // Copies another font's description; other sources raise EConvertError.
  void Assign(const TPersistent& source) override;

  // Raised with the font as sender after every change of its description.
  TNotifyEvent OnChange;

 private:
  template <class T>
  void Change(T& field, const T& value);

  TFontData data_;
};

}  // namespace qp
