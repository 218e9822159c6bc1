#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qp {

// A colour as 0x00BBGGRR, or 0x80000000 plus a Windows system-colour index.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clBtnHighlight = SystemColor(20);

// The colour identifiers: the sixteen fixed colours, the system colours in index order, clNone.
// Identifiers compare without regard to ASCII letter case; a value takes its first identifier.
std::optional<std::string> ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(std::string_view ident);

}  // namespace qp
