#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/forms/FormError.h"

namespace qp {

enum class TFormTokenKind { End, Identifier, Integer, Float, String, Binary, Symbol };

struct TFormToken {
  TFormTokenKind Kind = TFormTokenKind::End;
  TFormPosition Position;
  // The identifier, the string's bytes (quotes and #nnn resolved), the binary block's bytes, or
  // the symbol's one character.
  std::string Text;
  std::int32_t Integer = 0;
  double Float = 0;
};

// Splits a form description into tokens. Blanks, tabs and line ends separate them; symbols are
// = : . , + [ ] ( ) < >. Numbers are decimal with an optional "-", "$" and hexadecimal digits, or
// floats with "." and an optional exponent. A string joins quoted runs ('' for a quote) and #nnn
// byte codes that follow each other without a gap. {...} holds hexadecimal byte pairs with blanks
// and line ends anywhere between them.
class TFormLexer {
 public:
  // description names the text in error messages.
  TFormLexer(std::string_view text, std::string description);

  // The next token, or End at the end of the text; raises EFormError at a character or literal
  // that the format does not know.
  TFormToken Next();
  const std::string& Description() const { return description_; }
  [[noreturn]] void Fail(TFormPosition position, const std::string& text) const;

 private:
  bool AtEnd() const { return offset_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const;
  char Take();
  TFormPosition Here() const { return {line_, column_}; }
  void SkipBlanks();

  void ReadIdentifier(TFormToken& token);
  void ReadNumber(TFormToken& token);
  void ReadString(TFormToken& token);
  void ReadQuoted(TFormToken& token);
  void ReadCharCode(TFormToken& token);
  void ReadBinary(TFormToken& token);

  std::string_view text_;
  std::string description_;
  std::size_t offset_ = 0;
  int line_ = 1;
  int column_ = 1;
};

}  // namespace qp
