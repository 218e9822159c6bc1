#include "platform/ui/forms/FormParser.h"

#include "platform/system/Strings.h"
#include "platform/ui/forms/FormLexer.h"

namespace qp {
namespace {

bool IsKeyword(const TFormToken& token, std::string_view word) {
  return token.Kind == TFormTokenKind::Identifier && SameText(token.Text, word);
}

bool IsSymbol(const TFormToken& token, char symbol) {
  return token.Kind == TFormTokenKind::Symbol && token.Text[0] == symbol;
}

class TFormParser {
 public:
  TFormParser(std::string_view text, const std::string& description) : lexer_(text, description) {
    Advance();
  }

  TFormObject ParseDescription() {
    TFormObject root = ParseObject(1);
    if (token_.Kind != TFormTokenKind::End) Fail("Text nach dem Ende der Beschreibung");
    return root;
  }

  TFormObject ParseHeader() {
    TFormObject object;
    object.Position = token_.Position;
    if (!IsKeyword(token_, "object")) Fail("object erwartet");
    Advance();
    object.ClassPosition = token_.Position;
    std::string first = ExpectIdentifier();
    if (IsSymbol(token_, ':')) {
      Advance();
      object.Name = std::move(first);
      object.ClassPosition = token_.Position;
      object.ClassName = ExpectIdentifier();
    } else {
      object.ClassName = std::move(first);
    }
    return object;
  }

 private:
  void Advance() { token_ = lexer_.Next(); }

  [[noreturn]] void Fail(const std::string& text) const {
    lexer_.Fail(token_.Position,
                token_.Kind == TFormTokenKind::End ? "Unerwartetes Ende der Beschreibung" : text);
  }

  std::string ExpectIdentifier() {
    if (token_.Kind != TFormTokenKind::Identifier) Fail("Bezeichner erwartet");
    std::string name = std::move(token_.Text);
    Advance();
    return name;
  }

  void ExpectSymbol(char symbol) {
    if (!IsSymbol(token_, symbol)) Fail("'" + std::string(1, symbol) + "' erwartet");
    Advance();
  }

  void ExpectKeyword(std::string_view word) {
    if (!IsKeyword(token_, word)) Fail(std::string(word) + " erwartet");
    Advance();
  }

  TFormObject ParseObject(int depth) {
    if (depth > kMaxFormNesting) Fail("Verschachtelung zu tief");
    TFormObject object = ParseHeader();
    while (!IsKeyword(token_, "object") && !IsKeyword(token_, "end")) {
      object.Properties.push_back(ParseProperty(depth));
    }
    while (IsKeyword(token_, "object"))
      object.Children.push_back(ParseObject(depth + 1));
    ExpectKeyword("end");
    return object;
  }

  TFormProperty ParseProperty(int depth) {
    TFormProperty property;
    property.Position = token_.Position;
    property.Path.push_back(ExpectIdentifier());
    while (IsSymbol(token_, '.')) {
      Advance();
      property.Path.push_back(ExpectIdentifier());
    }
    ExpectSymbol('=');
    property.Value = ParseValue(depth);
    return property;
  }

  TFormValue ParseValue(int depth) {
    TFormValue value;
    value.Position = token_.Position;
    switch (token_.Kind) {
      case TFormTokenKind::Integer:
        value.Kind = TFormValueKind::Integer;
        value.Integer = token_.Integer;
        Advance();
        break;
      case TFormTokenKind::Float:
        value.Kind = TFormValueKind::Float;
        value.Float = token_.Float;
        Advance();
        break;
      case TFormTokenKind::String:
        value.Kind = TFormValueKind::String;
        value.Text = ParseString();
        break;
      case TFormTokenKind::Identifier:
      case TFormTokenKind::Binary:
        value.Kind = token_.Kind == TFormTokenKind::Identifier ? TFormValueKind::Identifier
                                                               : TFormValueKind::Binary;
        value.Text = std::move(token_.Text);
        Advance();
        break;
      case TFormTokenKind::Symbol:
      case TFormTokenKind::End:
        ParseBracketed(value, depth);
        break;
    }
    return value;
  }

  void ParseBracketed(TFormValue& value, int depth) {
    if (IsSymbol(token_, '[')) {
      value.Kind = TFormValueKind::Set;
      ParseSet(value);
    } else if (IsSymbol(token_, '(')) {
      value.Kind = TFormValueKind::List;
      ParseList(value);
    } else if (IsSymbol(token_, '<')) {
      value.Kind = TFormValueKind::Collection;
      ParseItems(value, depth + 1);
    } else {
      Fail("Wert erwartet");
    }
  }

  // Strings joined with "+", which may stand on the next line.
  std::string ParseString() {
    std::string text = std::move(token_.Text);
    Advance();
    while (IsSymbol(token_, '+')) {
      Advance();
      if (token_.Kind != TFormTokenKind::String) Fail("Zeichenkette erwartet");
      text += token_.Text;
      Advance();
    }
    return text;
  }

  void ParseSet(TFormValue& value) {
    Advance();
    if (!IsSymbol(token_, ']')) {
      value.Elements.push_back(ExpectIdentifier());
      while (IsSymbol(token_, ',')) {
        Advance();
        value.Elements.push_back(ExpectIdentifier());
      }
    }
    ExpectSymbol(']');
  }

  void ParseList(TFormValue& value) {
    Advance();
    while (!IsSymbol(token_, ')')) {
      if (token_.Kind != TFormTokenKind::String) Fail("Zeichenkette erwartet");
      value.Elements.push_back(ParseString());
    }
    Advance();
  }

  void ParseItems(TFormValue& value, int depth) {
    if (depth > kMaxFormNesting) Fail("Verschachtelung zu tief");
    Advance();
    while (!IsSymbol(token_, '>')) {
      TFormItem item;
      item.Position = token_.Position;
      ExpectKeyword("item");
      while (!IsKeyword(token_, "end"))
        item.Properties.push_back(ParseProperty(depth));
      Advance();
      value.Items.push_back(std::move(item));
    }
    Advance();
  }

  TFormLexer lexer_;
  TFormToken token_;
};

}  // namespace

TFormObject ParseFormDescription(std::string_view text, const std::string& description) {
  return TFormParser(text, description).ParseDescription();
}

std::string ParseRootClassName(std::string_view text) {
  try {
    return TFormParser(text, {}).ParseHeader().ClassName;
  } catch (const EFormError&) {
    return {};
  }
}

}  // namespace qp
