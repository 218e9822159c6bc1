#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/forms/FormError.h"

namespace qp {

// The syntax tree of a form description:
//   object Name: TClass        ("object TClass" for a component without a name)
//     Path.To.Property = value
//     object Child: TClass ... end
//   end
// Properties come before the nested objects.

// Objects and collection items nest at most this deep, so that no input exhausts the stack.
constexpr int kMaxFormNesting = 32;

struct TFormProperty;

// One item of a collection value: item ... end.
struct TFormItem {
  TFormPosition Position;
  std::vector<TFormProperty> Properties;
};

enum class TFormValueKind { Integer, Float, String, Identifier, Set, List, Collection, Binary };

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  TFormPosition Position;
  std::int32_t Integer = 0;
  double Float = 0;
  // A string's or a binary block's bytes, or an identifier.
  std::string Text;
  // The member names of a set [a, b] or the strings of a list ('a' 'b').
  std::vector<std::string> Elements;
  // The items of a collection <item ... end>.
  std::vector<TFormItem> Items;
};

struct TFormProperty {
  TFormPosition Position;
  // The dotted path split at its dots: Font.Name is {"Font", "Name"}.
  std::vector<std::string> Path;
  TFormValue Value;
};

struct TFormObject {
  TFormPosition Position;
  std::string Name;  // empty for an unnamed component
  std::string ClassName;
  TFormPosition ClassPosition;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Parses a whole description; raises EFormError naming description, line and column for text
// that does not follow the format, nesting deeper than kMaxFormNesting, or text after the end.
TFormObject ParseFormDescription(std::string_view text, const std::string& description);

// The class of the root object from the description's first tokens; empty when they are not
// an object header. Never raises.
std::string ParseRootClassName(std::string_view text);

}  // namespace qp
