#include "platform/ui/forms/FormWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <set>
#include <string_view>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Colors.h"
#include "platform/core/MemoryStream.h"
#include "platform/core/Rtti.h"
#include "platform/core/StringList.h"
#include "platform/system/Conversions.h"
#include "platform/system/Strings.h"
#include "platform/ui/forms/ColorProperty.h"
#include "platform/ui/forms/FormParser.h"

namespace qp {
namespace {

constexpr std::size_t kBytesPerLine = 32;
constexpr std::size_t kStringPieceLength = 64;

// Printable ASCII in quotes, every other byte as #nnn, so the text stays 7-bit.
std::string Quoted(std::string_view text) {
  std::string result;
  bool quoting = false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool printable = byte >= 0x20 && byte < 0x7F;
    if (printable != quoting) {
      if (printable || !result.empty()) result += '\'';
      quoting = printable;
    }
    if (printable) {
      result += c;
      if (c == '\'') result += '\'';
    } else {
      result += '#' + std::to_string(byte);
    }
  }
  if (quoting) result += '\'';
  return result.empty() ? "''" : result;
}

// A long string as pieces joined with "+", one per line.
std::vector<std::string> StringLines(std::string_view text) {
  std::vector<std::string> lines;
  do {
    lines.push_back(Quoted(text.substr(0, kStringPieceLength)));
    text.remove_prefix(std::min(text.size(), kStringPieceLength));
    if (!text.empty()) lines.back() += " +";
  } while (!text.empty());
  return lines;
}

std::string HexText(std::string_view bytes) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::string BigEndian(std::uint32_t value) {
  std::string bytes;
  for (int shift = 24; shift >= 0; shift -= 8)
    bytes += static_cast<char>((value >> shift) & 0xFF);
  return bytes;
}

// The shortest text that reads back to the same double, always with "." and never with the
// locale's separator.
std::string FloatText(double value) {
  char buffer[32];
  const auto written = std::to_chars(std::begin(buffer), std::end(buffer), value);
  std::string text(buffer, written.ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

class TFormWriter : public TFiler {
 public:
  explicit TFormWriter(TComponent& root) : root_(root) {}

  std::string Write() {
    stored_.insert(&root_);
    std::vector<TComponent*> children;
    for (int i = 0; i < root_.ComponentCount(); ++i) {
      if (!root_.Components(i)->HasParent()) children.push_back(root_.Components(i));
    }
    root_.GetChildren([&](TComponent* child) { children.push_back(child); }, &root_);
    const TStoredComponent tree = Collect(root_, children, 1);
    WriteComponent(tree, 1);
    return std::move(text_);
  }

  void DefineBinaryProperty(const std::string& name, TStreamProc /*reader*/, TStreamProc writer,
                            bool hasData) override {
    if (!hasData || !writer) return;
    TMemoryStream stream;
    writer(stream);
    WriteBinary(prefix_ + name, {static_cast<const char*>(stream.Memory()),
                                 static_cast<std::size_t>(stream.GetSize())});
  }

 private:
  struct TStoredComponent {
    TComponent* Component;
    std::vector<TStoredComponent> Children;
  };

  [[noreturn]] static void Fail(const std::string& text) { throw EFormError(text); }

  static void CheckDepth(int depth) {
    if (depth > kMaxFormNesting) Fail("Verschachtelung zu tief zum Speichern");
  }

  static std::string ComponentLabel(const TComponent& component) {
    return component.Name().empty() ? std::string(component.ClassName()) : component.Name();
  }

  // Walks the children first, so that references can be checked against everything written.
  TStoredComponent Collect(TComponent& component, const std::vector<TComponent*>& children,
                           int depth) {
    CheckDepth(depth);
    TStoredComponent node{&component, {}};
    for (TComponent* child : children) {
      if (!stored_.insert(child).second) Fail(ComponentLabel(*child) + " wird doppelt gespeichert");
      std::vector<TComponent*> nested;
      child->GetChildren([&](TComponent* grandchild) { nested.push_back(grandchild); }, &root_);
      node.Children.push_back(Collect(*child, nested, depth + 1));
    }
    return node;
  }

  void Line(const std::string& text) {
    text_.append(static_cast<std::size_t>(indent_) * 2, ' ');
    text_ += text;
    text_ += '\n';
  }

  // Appends a closing bracket to the line just written.
  void CloseLine(char bracket) { text_.insert(text_.size() - 1, 1, bracket); }

  void WriteComponent(const TStoredComponent& node, int depth) {
    TComponent& component = *node.Component;
    const std::string className(component.ClassName());
    Line("object " + (component.Name().empty() ? className : component.Name() + ": " + className));
    ++indent_;
    WriteProperties(component, "", depth);
    for (const TStoredComponent& child : node.Children)
      WriteComponent(child, depth + 1);
    --indent_;
    Line("end");
  }

  void WriteProperties(TObject& object, const std::string& prefix, int depth) {
    const bool isComponent = dynamic_cast<TComponent*>(&object) != nullptr;
    for (const TPropInfo* property : object.ClassType().DeclaredProperties()) {
      // A component's name stands in its object line.
      if (!property->IsWritable() || (isComponent && SameText(property->Name(), "Name"))) continue;
      WriteProperty(object, *property, prefix + property->Name(), depth);
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(&object)) {
      prefix_ = prefix;
      persistent->DefineProperties(*this);
    }
  }

  void WriteProperty(TObject& object, const TPropInfo& property, const std::string& path,
                     int depth) {
    switch (property.Kind()) {
      case TTypeKind::tkInteger:
      case TTypeKind::tkChar:
      case TTypeKind::tkWChar:
      case TTypeKind::tkEnumeration:
      case TTypeKind::tkSet: {
        const std::int32_t ordinal = GetOrdProp(object, property);
        if (property.Default() != ordinal) Line(path + " = " + OrdinalText(property, ordinal));
        break;
      }
      case TTypeKind::tkFloat: {
        const double value = GetFloatProp(object, property);
        if (!std::isfinite(value)) Fail(path + " ist keine endliche Zahl");
        Line(path + " = " + FloatText(value));
        break;
      }
      case TTypeKind::tkString:
      case TTypeKind::tkLString:
      case TTypeKind::tkWString:
        WriteLines(path + " = ", StringLines(GetStrProp(object, property)));
        break;
      case TTypeKind::tkMethod: {
        const TMethod method = GetMethodProp(object, property);
        if (method && method.Data == &root_) Line(path + " = " + method.Code->Name());
        break;
      }
      case TTypeKind::tkClass:
        WriteObject(GetObjectProp(object, property), path, depth);
        break;
      default:
        break;
    }
  }

  std::string OrdinalText(const TPropInfo& property, std::int32_t ordinal) const {
    const TTypeInfo& type = property.PropType();
    switch (property.Kind()) {
      case TTypeKind::tkInteger:
        if (!IsColorProperty(property)) return IntToStr(ordinal);
        if (auto ident = ColorToIdent(ordinal)) return *ident;
        return "$" + HexText(BigEndian(static_cast<std::uint32_t>(ordinal)));
      case TTypeKind::tkEnumeration:
        return EnumText(property, type, ordinal);
      case TTypeKind::tkSet:
        return SetText(property, type, static_cast<std::uint32_t>(ordinal));
      default:
        return Quoted(std::string(1, static_cast<char>(ordinal)));
    }
  }

  std::string EnumText(const TPropInfo& property, const TTypeInfo& type, int ordinal) const {
    std::string name = type.EnumName(ordinal);
    if (name.empty())
      Fail("Wert " + IntToStr(ordinal) + " von " + property.Name() + " hat keinen Namen");
    return name;
  }

  std::string SetText(const TPropInfo& property, const TTypeInfo& type, std::uint32_t mask) const {
    std::string text;
    for (int member = 0; member < 32; ++member) {
      if ((mask & (std::uint32_t{1} << member)) == 0) continue;
      if (!text.empty()) text += ", ";
      text += EnumText(property, *type.CompType, member);
    }
    return "[" + text + "]";
  }

  void WriteLines(const std::string& head, const std::vector<std::string>& lines) {
    Line(head + lines.front());
    ++indent_;
    for (std::size_t i = 1; i < lines.size(); ++i)
      Line(lines[i]);
    --indent_;
  }

  void WriteObject(TObject* value, const std::string& path, int depth) {
    if (value == nullptr) return;
    if (auto* component = dynamic_cast<TComponent*>(value)) {
      Line(path + " = " + ReferenceName(*component, path));
    } else if (auto* strings = dynamic_cast<TStrings*>(value)) {
      if (strings->Count() > 0) WriteStrings(path + ".Strings", *strings);
    } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
      if (collection->Count() > 0) WriteCollection(path, *collection, depth + 1);
    } else {
      CheckDepth(depth + 1);
      WriteProperties(*value, path + ".", depth + 1);
    }
  }

  std::string ReferenceName(const TComponent& component, const std::string& path) const {
    if (component.Name().empty()) Fail(path + " verweist auf eine Komponente ohne Namen");
    if (!stored_.contains(&component)) {
      Fail(path + " verweist auf " + component.Name() + ", das nicht gespeichert wird");
    }
    return component.Name();
  }

  void WriteStrings(const std::string& path, const TStrings& strings) {
    Line(path + " = (");
    ++indent_;
    for (int i = 0; i < strings.Count(); ++i)
      WriteLines("", StringLines(strings.Strings(i)));
    CloseLine(')');
    --indent_;
  }

  void WriteCollection(const std::string& path, const TCollection& collection, int depth) {
    CheckDepth(depth);
    Line(path + " = <");
    ++indent_;
    for (int i = 0; i < collection.Count(); ++i) {
      Line("item");
      ++indent_;
      WriteProperties(*collection.Items(i), "", depth);
      --indent_;
      Line("end");
    }
    CloseLine('>');
    --indent_;
  }

  void WriteBinary(const std::string& path, std::string_view bytes) {
    if (bytes.size() <= kBytesPerLine) {
      Line(path + " = {" + HexText(bytes) + "}");
      return;
    }
    Line(path + " = {");
    ++indent_;
    for (std::size_t start = 0; start < bytes.size(); start += kBytesPerLine)
      Line(HexText(bytes.substr(start, kBytesPerLine)));
    CloseLine('}');
    --indent_;
  }

  TComponent& root_;
  std::set<const TComponent*> stored_;
  std::string text_;
  int indent_ = 0;
  // The path of the object whose definition hook is running: Icon.Data.
  std::string prefix_;
};

}  // namespace

std::string WriteComponentDescription(TComponent& root) {
  return TFormWriter(root).Write();
}

}  // namespace qp
