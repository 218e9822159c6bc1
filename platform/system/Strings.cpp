#include "platform/system/Strings.h"

#include <algorithm>

namespace qp {
namespace {

unsigned char AsciiUpper(unsigned char c) {
  return c >= 'a' && c <= 'z' ? c - 32 : c;
}
unsigned char AsciiLower(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Windows-1252 letters beyond ASCII: the small letters 0xE0 to 0xFE (but for the division sign
// 0xF7) pair with 0xC0 to 0xDE, and the three pairs in the 0x80 block.
unsigned char AnsiUpper(unsigned char c) {
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x9A:
      return 0x8A;  // s caron
    case 0x9C:
      return 0x8C;  // oe
    case 0x9E:
      return 0x8E;  // z caron
    case 0xFF:
      return 0x9F;  // y diaeresis
    default:
      return AsciiUpper(c);
  }
}

unsigned char AnsiLower(unsigned char c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return AsciiLower(c);
  }
}

template <unsigned char (*Fold)(unsigned char)>
std::string Map(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
  return result;
}

template <unsigned char (*Fold)(unsigned char)>
int Compare(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int x = Fold(static_cast<unsigned char>(a[i]));
    const int y = Fold(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace

std::string UpperCase(std::string_view text) {
  return Map<AsciiUpper>(text);
}
std::string LowerCase(std::string_view text) {
  return Map<AsciiLower>(text);
}
std::string AnsiUpperCase(std::string_view text) {
  return Map<AnsiUpper>(text);
}
std::string AnsiLowerCase(std::string_view text) {
  return Map<AnsiLower>(text);
}

int CompareText(std::string_view a, std::string_view b) {
  return Compare<AsciiUpper>(a, b);
}
int AnsiCompareText(std::string_view a, std::string_view b) {
  return Compare<AnsiUpper>(a, b);
}
bool SameText(std::string_view a, std::string_view b) {
  return CompareText(a, b) == 0;
}
bool AnsiSameText(std::string_view a, std::string_view b) {
  return AnsiCompareText(a, b) == 0;
}

}  // namespace qp
