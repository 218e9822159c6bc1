#include "platform/ui/forms/FormLexer.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "platform/system/Conversions.h"

namespace qp {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  return (c | 0x20) - 'a' + 10;
}

constexpr std::string_view kSymbols = "=:.,+[]()<>";

}  // namespace

TFormLexer::TFormLexer(std::string_view text, std::string description)
    : text_(text), description_(std::move(description)) {}

void TFormLexer::Fail(TFormPosition position, const std::string& text) const {
  throw EFormError(description_, position, text);
}

char TFormLexer::Peek(std::size_t ahead) const {
  return offset_ + ahead < text_.size() ? text_[offset_ + ahead] : '\0';
}

char TFormLexer::Take() {
  const char c = text_[offset_++];
  if (c == '\n') {
    ++line_;
    column_ = 1;
  } else {
    ++column_;
  }
  return c;
}

void TFormLexer::SkipBlanks() {
  while (!AtEnd() && IsBlank(Peek()))
    Take();
}

TFormToken TFormLexer::Next() {
  SkipBlanks();
  TFormToken token;
  token.Position = Here();
  if (AtEnd()) return token;
  const char c = Peek();
  if (IsLetter(c)) {
    ReadIdentifier(token);
  } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
    ReadNumber(token);
  } else if (c == '\'' || c == '#') {
    ReadString(token);
  } else if (c == '{') {
    ReadBinary(token);
  } else if (kSymbols.find(c) != std::string_view::npos) {
    token.Kind = TFormTokenKind::Symbol;
    token.Text = std::string(1, Take());
  } else {
    Fail(token.Position, "Ung\xFCltiges Zeichen #" + std::to_string(static_cast<unsigned char>(c)));
  }
  return token;
}

void TFormLexer::ReadIdentifier(TFormToken& token) {
  token.Kind = TFormTokenKind::Identifier;
  while (!AtEnd() && (IsLetter(Peek()) || IsDigit(Peek())))
    token.Text += Take();
}

void TFormLexer::ReadNumber(TFormToken& token) {
  const std::size_t start = offset_;
  bool isFloat = false;
  if (Peek() == '-') Take();
  if (Peek() == '$') {
    Take();
    while (IsLetter(Peek()) || IsDigit(Peek()))
      Take();
  } else {
    while (IsDigit(Peek()))
      Take();
    if (Peek() == '.' && IsDigit(Peek(1))) {
      isFloat = true;
      Take();
      while (IsDigit(Peek()))
        Take();
    }
    const bool signedExponent = (Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2));
    if ((Peek() == 'e' || Peek() == 'E') && (IsDigit(Peek(1)) || signedExponent)) {
      isFloat = true;
      Take();
      if (signedExponent) Take();
      while (IsDigit(Peek()))
        Take();
    }
  }
  const std::string_view text = text_.substr(start, offset_ - start);
  if (IsLetter(Peek()) || IsDigit(Peek())) Fail(token.Position, "Ung\xFCltige Zahl");
  if (isFloat) {
    token.Kind = TFormTokenKind::Float;
    // from_chars reads "." whatever the locale.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), token.Float);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(token.Float)) {
      Fail(token.Position, "Ung\xFCltige Zahl " + std::string(text));
    }
  } else {
    token.Kind = TFormTokenKind::Integer;
    if (!TryStrToInt(text, token.Integer)) Fail(token.Position, "Ung\xFCltige Zahl");
  }
}

void TFormLexer::ReadString(TFormToken& token) {
  token.Kind = TFormTokenKind::String;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'') {
      ReadQuoted(token);
    } else {
      ReadCharCode(token);
    }
  }
}

void TFormLexer::ReadQuoted(TFormToken& token) {
  const TFormPosition start = Here();
  Take();
  for (;;) {
    if (AtEnd() || Peek() == '\n' || Peek() == '\r') Fail(start, "Unbeendete Zeichenkette");
    const char c = Take();
    if (c != '\'') {
      token.Text += c;
    } else if (Peek() == '\'') {
      token.Text += Take();
    } else {
      return;
    }
  }
}

void TFormLexer::ReadCharCode(TFormToken& token) {
  const TFormPosition start = Here();
  Take();
  if (!IsDigit(Peek())) Fail(start, "Zeichencode erwartet");
  int code = 0;
  while (IsDigit(Peek())) {
    code = code * 10 + (Take() - '0');
    if (code > 255) Fail(start, "Ung\xFCltiger Zeichencode");
  }
  token.Text += static_cast<char>(code);
}

void TFormLexer::ReadBinary(TFormToken& token) {
  token.Kind = TFormTokenKind::Binary;
  Take();
  for (;;) {
    SkipBlanks();
    if (AtEnd()) Fail(token.Position, "Unbeendete Bin\xE4rdaten");
    if (Peek() == '}') break;
    if (!IsHexDigit(Peek()) || !IsHexDigit(Peek(1))) {
      Fail(Here(), "Ung\xFCltige Bin\xE4rdaten");
    }
    const int high = HexValue(Take());
    token.Text += static_cast<char>(high * 16 + HexValue(Take()));
  }
  Take();
}

}  // namespace qp
