#include "platform/ui/forms/FormReader.h"

#include <algorithm>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Colors.h"
#include "platform/core/MemoryStream.h"
#include "platform/core/Rtti.h"
#include "platform/core/StringList.h"
#include "platform/system/Strings.h"
#include "platform/ui/forms/ColorProperty.h"
#include "platform/ui/forms/FormParser.h"

namespace qp {
namespace {

std::string PathText(const TFormProperty& property) {
  std::string text = property.Path.front();
  for (std::size_t i = 1; i < property.Path.size(); ++i)
    text += "." + property.Path[i];
  return text;
}

// The reader's side of the definition hook: hands the bytes to the hook that defines the name.
class TBinaryPropertyReader : public TFiler {
 public:
  TBinaryPropertyReader(std::string_view name, const std::string& bytes)
      : name_(name), bytes_(bytes) {}

  void DefineBinaryProperty(const std::string& name, TStreamProc reader, TStreamProc /*writer*/,
                            bool /*hasData*/) override {
    if (found_ || !SameText(name, name_)) return;
    found_ = true;
    TMemoryStream stream;
    stream.WriteBuffer(bytes_.data(), bytes_.size());
    stream.SetPosition(0);
    if (reader) reader(stream);
  }

  bool Found() const { return found_; }

 private:
  std::string_view name_;
  const std::string& bytes_;
  bool found_ = false;
};

class TFormBinder {
 public:
  TFormBinder(TComponent& root, const std::string& description)
      : root_(root), description_(description) {}

  void Read(const TFormObject& tree) {
    CheckRootClass(tree);
    root_.BeginLoading();
    root_.BeginReading();
    try {
      Guard(tree.Position, [&] {
        if (!tree.Name.empty()) root_.SetName(tree.Name);
      });
      ReadContents(root_, tree);
      for (const TFixup& fixup : fixups_)
        Guard(fixup.Position, [&] { Bind(fixup); });
    } catch (...) {
      EndReading();
      throw;
    }
    EndReading();
    for (TComponent* component : components_)
      component->Loaded();
    root_.Loaded();
  }

 private:
  // A reference or event, bound when the whole description is read.
  struct TFixup {
    TObject* Target;
    const TPropInfo* Property;
    std::string Name;
    TFormPosition Position;
    // The collection items being read when it was made: it goes with them.
    std::vector<const TCollectionItem*> Items;
  };

  [[noreturn]] void Fail(TFormPosition position, const std::string& text) const {
    throw EFormError(description_, position, text);
  }

  // The platform's own errors from setters and constructors, placed in the description.
  template <class Action>
  void Guard(TFormPosition position, Action action) {
    try {
      action();
    } catch (const EFormError&) {
      throw;
    } catch (const Exception& error) {
      Fail(position, error.what());
    }
  }

  [[noreturn]] void FailWrongKind(const TFormProperty& property) const {
    Fail(property.Value.Position, "Falsche Art von Wert f\xFCr " + PathText(property));
  }

  [[noreturn]] void FailBadValue(const TFormProperty& property) const {
    Fail(property.Value.Position, "Ung\xFCltiger Wert f\xFCr " + PathText(property));
  }

  [[noreturn]] void FailUnknown(const TFormProperty& property) const {
    Fail(property.Position, "Eigenschaft " + PathText(property) + " existiert nicht");
  }

  void CheckRootClass(const TFormObject& tree) const {
    for (const TClass* type = &root_.ClassType(); type != nullptr; type = type->ClassParent()) {
      if (SameText(type->ClassName(), tree.ClassName)) return;
    }
    Fail(tree.ClassPosition, "Die Beschreibung geh\xF6rt zu " + tree.ClassName + ", nicht zu " +
                                 std::string(root_.ClassName()));
  }

  void EndReading() {
    for (TComponent* component : components_)
      component->EndReading();
    root_.EndReading();
  }

  void ReadContents(TComponent& component, const TFormObject& object) {
    ReadProperties(component, object.Properties);
    for (const TFormObject& child : object.Children)
      ReadChild(component, child);
  }

  void ReadChild(TComponent& parent, const TFormObject& object) {
    const TClass* type = FindClass(object.ClassName);
    if (type == nullptr)
      Fail(object.ClassPosition, "Klasse " + object.ClassName + " nicht gefunden");
    if (!type->InheritsFrom(TComponent::ClassInfo()) || !type->CanConstruct()) {
      Fail(object.ClassPosition, object.ClassName + " ist keine Komponentenklasse");
    }
    TComponent* component = nullptr;
    Guard(object.Position, [&] { component = dynamic_cast<TComponent*>(type->Construct(&root_)); });
    components_.push_back(component);
    component->BeginLoading();
    component->BeginReading();
    Guard(object.Position, [&] {
      if (!object.Name.empty()) component->SetName(object.Name);
      component->SetParentComponent(&parent);
    });
    ReadContents(*component, object);
  }

  void ReadProperties(TObject& object, const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& property : properties)
      Guard(property.Position, [&] { ReadProperty(object, property); });
  }

  void ReadProperty(TObject& object, const TFormProperty& property) {
    TObject& target = ResolvePath(object, property);
    const std::string& name = property.Path.back();
    switch (property.Value.Kind) {
      case TFormValueKind::Binary:
        ReadBinary(target, name, property);
        break;
      case TFormValueKind::List:
        ReadStrings(target, name, property);
        break;
      default: {
        const TPropInfo* info = target.ClassType().FindProperty(name);
        if (info == nullptr) FailUnknown(property);
        ReadValue(target, *info, property);
      }
    }
  }

  // The object that holds the path's last property: Font.Name is set on the object in Font.
  TObject& ResolvePath(TObject& object, const TFormProperty& property) {
    TObject* current = &object;
    for (std::size_t i = 0; i + 1 < property.Path.size(); ++i) {
      const TPropInfo* info = current->ClassType().FindProperty(property.Path[i]);
      if (info == nullptr) FailUnknown(property);
      if (info->Kind() != TTypeKind::tkClass) {
        Fail(property.Position, "Eigenschaft " + property.Path[i] + " ist kein Objekt");
      }
      current = GetObjectProp(*current, *info);
      if (current == nullptr) {
        Fail(property.Position, "Eigenschaft " + property.Path[i] + " enth\xE4lt kein Objekt");
      }
    }
    return *current;
  }

  // A value that only a definition hook or a string list takes.
  [[noreturn]] void FailUnsupported(TObject& target, const std::string& name,
                                    const TFormProperty& property) const {
    if (target.ClassType().FindProperty(name) != nullptr) FailWrongKind(property);
    FailUnknown(property);
  }

  void ReadBinary(TObject& target, const std::string& name, const TFormProperty& property) {
    if (auto* persistent = dynamic_cast<TPersistent*>(&target)) {
      TBinaryPropertyReader filer(name, property.Value.Text);
      persistent->DefineProperties(filer);
      if (filer.Found()) return;
    }
    FailUnsupported(target, name, property);
  }

  // Items.Strings = (...) fills the string list that Items holds.
  void ReadStrings(TObject& target, const std::string& name, const TFormProperty& property) {
    auto* strings = dynamic_cast<TStrings*>(&target);
    if (strings == nullptr || !SameText(name, "Strings")) FailUnsupported(target, name, property);
    strings->BeginUpdate();
    strings->Clear();
    for (const std::string& line : property.Value.Elements)
      strings->Add(line);
    strings->EndUpdate();
  }

  void ReadValue(TObject& target, const TPropInfo& info, const TFormProperty& property) {
    const TFormValue& value = property.Value;
    switch (info.Kind()) {
      case TTypeKind::tkInteger:
      case TTypeKind::tkChar:
      case TTypeKind::tkWChar:
      case TTypeKind::tkEnumeration:
      case TTypeKind::tkSet:
        SetOrdProp(target, info, Ordinal(info, property));
        break;
      case TTypeKind::tkFloat:
        if (value.Kind == TFormValueKind::Float) {
          SetFloatProp(target, info, value.Float);
        } else if (value.Kind == TFormValueKind::Integer) {
          SetFloatProp(target, info, value.Integer);
        } else {
          FailWrongKind(property);
        }
        break;
      case TTypeKind::tkString:
      case TTypeKind::tkLString:
      case TTypeKind::tkWString:
        if (value.Kind != TFormValueKind::String) FailWrongKind(property);
        SetStrProp(target, info, value.Text);
        break;
      case TTypeKind::tkMethod:
        if (value.Kind != TFormValueKind::Identifier) FailWrongKind(property);
        fixups_.push_back({&target, &info, value.Text, value.Position, items_});
        break;
      case TTypeKind::tkClass:
        ReadObjectValue(target, info, property);
        break;
      default:
        FailWrongKind(property);
    }
  }

  std::int32_t Ordinal(const TPropInfo& info, const TFormProperty& property) const {
    const TFormValue& value = property.Value;
    const TTypeInfo& type = info.PropType();
    switch (info.Kind()) {
      case TTypeKind::tkInteger:
        if (value.Kind == TFormValueKind::Integer) {
          if (&type == &ByteType() && (value.Integer < 0 || value.Integer > 255)) {
            FailBadValue(property);
          }
          return value.Integer;
        }
        if (value.Kind == TFormValueKind::Identifier && IsColorProperty(info)) {
          if (auto color = IdentToColor(value.Text)) return *color;
          FailBadValue(property);
        }
        break;
      case TTypeKind::tkEnumeration:
        if (value.Kind == TFormValueKind::Identifier) {
          const int ordinal = type.EnumValue(value.Text);
          if (ordinal < 0) FailBadValue(property);
          return ordinal;
        }
        break;
      case TTypeKind::tkSet:
        if (value.Kind == TFormValueKind::Set) return SetMask(type, property);
        break;
      case TTypeKind::tkChar:
      case TTypeKind::tkWChar:
        if (value.Kind == TFormValueKind::String) {
          if (value.Text.size() != 1) FailBadValue(property);
          return static_cast<unsigned char>(value.Text.front());
        }
        break;
      default:
        break;
    }
    FailWrongKind(property);
  }

  std::int32_t SetMask(const TTypeInfo& type, const TFormProperty& property) const {
    std::uint32_t mask = 0;
    for (const std::string& member : property.Value.Elements) {
      const int ordinal = type.CompType != nullptr ? type.CompType->EnumValue(member) : -1;
      if (ordinal < 0 || ordinal >= 32) FailBadValue(property);
      mask |= std::uint32_t{1} << ordinal;
    }
    return static_cast<std::int32_t>(mask);
  }

  void ReadObjectValue(TObject& target, const TPropInfo& info, const TFormProperty& property) {
    const TFormValue& value = property.Value;
    if (value.Kind == TFormValueKind::Identifier) {
      fixups_.push_back({&target, &info, value.Text, value.Position, items_});
      return;
    }
    auto* collection = dynamic_cast<TCollection*>(GetObjectProp(target, info));
    if (value.Kind != TFormValueKind::Collection || collection == nullptr) {
      FailWrongKind(property);
    }
    ReadCollection(*collection, value);
  }

  void ReadCollection(TCollection& collection, const TFormValue& value) {
    // Clearing frees the items, and with them whatever still waits to be bound in them.
    std::erase_if(fixups_, [&](const TFixup& fixup) {
      return std::any_of(fixup.Items.begin(), fixup.Items.end(), [&](const TCollectionItem* item) {
        return item->Collection() == &collection;
      });
    });
    collection.Clear();
    for (const TFormItem& item : value.Items) {
      TCollectionItem* created = nullptr;
      Guard(item.Position, [&] { created = collection.Add(); });
      items_.push_back(created);
      ReadProperties(*created, item.Properties);
      items_.pop_back();
    }
  }

  void Bind(const TFixup& fixup) {
    if (fixup.Property->Kind() == TTypeKind::tkMethod) {
      const TMethodInfo* method = root_.ClassType().FindMethod(fixup.Name);
      if (method == nullptr) Fail(fixup.Position, "Methode " + fixup.Name + " nicht gefunden");
      SetMethodProp(*fixup.Target, *fixup.Property, TMethod{&root_, method});
      return;
    }
    TComponent* component = !root_.Name().empty() && SameText(fixup.Name, root_.Name())
                                ? &root_
                                : root_.FindComponent(fixup.Name);
    if (component == nullptr) Fail(fixup.Position, "Komponente " + fixup.Name + " nicht gefunden");
    SetObjectProp(*fixup.Target, *fixup.Property, component);
  }

  TComponent& root_;
  const std::string& description_;
  // The components created, in creation order.
  std::vector<TComponent*> components_;
  std::vector<TFixup> fixups_;
  std::vector<const TCollectionItem*> items_;
};

}  // namespace

void ReadComponentDescription(TComponent& root, std::string_view text,
                              const std::string& description) {
  TFormBinder(root, description).Read(ParseFormDescription(text, description));
}

}  // namespace qp
