#pragma once

// Small classes that form descriptions are read onto and written from, shared by the form tests
// and the fuzz target: a form-like root, a tray-like component with an icon, menu-like nesting,
// a font-like object, a collection, and binary properties of the definition hook.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Colors.h"
#include "platform/core/Describe.h"
#include "platform/core/Event.h"
#include "platform/core/MemoryStream.h"
#include "platform/core/StringList.h"

namespace qp::formtest {

enum class TAlign { alNone, alTop, alClient };
inline const TTypeInfo& TypeInfoFor(TAlign*) {
  static const TTypeInfo type = MakeEnumType("TAlign", {"alNone", "alTop", "alClient"});
  return type;
}

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
inline const TTypeInfo& TypeInfoFor(TAnchors*) {
  static const TTypeInfo members =
      MakeEnumType("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
  static const TTypeInfo type = MakeSetType("TAnchors", members);
  return type;
}

// Bytes kept by a definition hook as a binary property.
inline void DefineBytes(TFiler& filer, const std::string& name, std::string& bytes) {
  filer.DefineBinaryProperty(
      name,
      [&bytes](TStream& stream) {
        bytes.assign(static_cast<std::size_t>(stream.GetSize()), '\0');
        stream.ReadBuffer(bytes.data(), bytes.size());
      },
      [&bytes](TStream& stream) { stream.WriteBuffer(bytes.data(), bytes.size()); },
      !bytes.empty());
}

class TTestFont : public TPersistent {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestFont, TPersistent>("TTestFont")
                                 .Property("Name", &TTestFont::Name)
                                 .Property("Height", &TTestFont::Height)
                                 .Property("Color", &TTestFont::Color)
                                 .Default(clWindowText)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Assign(const TPersistent& source) override {
    const auto& font = dynamic_cast<const TTestFont&>(source);
    Name = font.Name;
    Height = font.Height;
    Color = font.Color;
  }

  std::string Name = "MS Sans Serif";
  std::int32_t Height = -11;
  std::int32_t Color = clWindowText;
};

// An object property that defines a binary property: Icon.Data.
class TTestIcon : public TPersistent {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestIcon, TPersistent>("TTestIcon")};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Assign(const TPersistent& source) override {
    Data = dynamic_cast<const TTestIcon&>(source).Data;
  }
  void DefineProperties(TFiler& filer) override { DefineBytes(filer, "Data", Data); }

  std::string Data;
};

class TTestColumn : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestColumn, TCollectionItem>("TTestColumn")
                                 .Property("Caption", &TTestColumn::Caption)
                                 .Property("Width", &TTestColumn::Width)
                                 .Default(64)
                                 .Property("OnClick", &TTestColumn::OnClick)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  std::string Caption;
  std::int32_t Width = 64;
  TNotifyEvent OnClick;
};

class TTestRoot;

// Writes what happens while a description is read into the root's log.
class TLoggingComponent : public TComponent {
 public:
  using TComponent::TComponent;
  void Loaded() override;

 protected:
  void Note(const std::string& what) const;
};

// Nests through SetParentComponent: an item goes into the item or menu it is told is its parent.
class TTestMenuItem : public TLoggingComponent {
 public:
  using TLoggingComponent::TLoggingComponent;
  ~TTestMenuItem() override {
    Detach();
    for (TTestMenuItem* item : items_)
      item->parent_ = nullptr;
  }
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestMenuItem, TComponent>("TTestMenuItem")
                                 .Property("Caption", &TTestMenuItem::Caption)
                                 .Property("OnClick", &TTestMenuItem::OnClick)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return parent_; }
  void SetParentComponent(TComponent* parent) override {
    Detach();
    parent_ = dynamic_cast<TTestMenuItem*>(parent);
    if (parent_ != nullptr) parent_->items_.push_back(this);
  }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const override {
    for (TTestMenuItem* item : items_)
      proc(item);
  }
  const std::vector<TTestMenuItem*>& Items() const { return items_; }

  std::string Caption;
  TNotifyEvent OnClick;

 private:
  void Detach() {
    if (parent_ != nullptr) std::erase(parent_->items_, this);
    parent_ = nullptr;
  }

  TTestMenuItem* parent_ = nullptr;
  std::vector<TTestMenuItem*> items_;
};

// Holds the top-level items and nests in the root itself.
class TTestMenu : public TTestMenuItem {
 public:
  using TTestMenuItem::TTestMenuItem;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestMenu, TTestMenuItem>("TTestMenu")};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  bool HasParent() const override { return false; }
  void SetParentComponent(TComponent*) override {}
};

class TTestTray : public TLoggingComponent {
 public:
  using TLoggingComponent::TLoggingComponent;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestTray, TComponent>("TTestTray")
                                 .Property("Hint", &TTestTray::Hint, &TTestTray::SetHint)
                                 .Property("Icon", &TTestTray::Icon, &TTestTray::SetIcon)
                                 .Property("PopupMenu", &TTestTray::PopupMenu)
                                 .Property("OnClick", &TTestTray::OnClick)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) {
    hint_ = hint;
    Note(IsLoading() && ComponentState().Contains(csReading) ? "hint while reading" : "hint");
  }
  TTestIcon* Icon() const { return icon_.get(); }
  void SetIcon(TTestIcon* icon) { icon_->Assign(*icon); }

  void Loaded() override {
    TComponent::Loaded();
    Note("loaded, menu " + (PopupMenu != nullptr ? PopupMenu->Name() : "none"));
  }

  TTestMenu* PopupMenu = nullptr;
  TNotifyEvent OnClick;

 private:
  std::string hint_;
  std::unique_ptr<TTestIcon> icon_ = std::make_unique<TTestIcon>();
};

// The form-like root: a property of every kind.
class TTestRoot : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TTestRoot, TComponent>("TTestRoot")
                                 .Property("Caption", &TTestRoot::Caption)
                                 .Property("Left", &TTestRoot::Left)
                                 .Default(0)
                                 .Property("Color", &TTestRoot::Color)
                                 .Default(clBtnFace)
                                 .Property("Ratio", &TTestRoot::Ratio)
                                 .Property("Visible", &TTestRoot::Visible)
                                 .Property("Align", &TTestRoot::Align)
                                 .Property("Anchors", &TTestRoot::Anchors)
                                 .Property("Letter", &TTestRoot::Letter)
                                 .Property("Level", &TTestRoot::Level)
                                 .Property("Font", &TTestRoot::Font, &TTestRoot::SetFont)
                                 .Property("Items", &TTestRoot::Items, &TTestRoot::SetItems)
                                 .Property("Columns", &TTestRoot::Columns, &TTestRoot::SetColumns)
                                 .Property("PopupMenu", &TTestRoot::PopupMenu)
                                 .Property("OnCreate", &TTestRoot::OnCreate)
                                 .ReadOnlyProperty("Count", &TTestRoot::ComponentCount)
                                 .Method("FormCreate", &TTestRoot::FormCreate)
                                 .Method("ItemClick", &TTestRoot::ItemClick)
                                 .Method("Resize", &TTestRoot::Resize)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  TTestFont* Font() const { return font_.get(); }
  void SetFont(TTestFont* font) { font_->Assign(*font); }
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* items) { items_->Assign(*items); }
  TCollection* Columns() const { return columns_.get(); }
  void SetColumns(TCollection* columns) { columns_->Assign(*columns); }

  void DefineProperties(TFiler& filer) override {
    DefineBytes(filer, "LanguagesData", LanguagesData);
  }
  void Loaded() override {
    TComponent::Loaded();
    Log.push_back(Name() + " loaded");
  }

  void FormCreate(TObject*) { Log.push_back("FormCreate"); }
  void ItemClick(TObject*) { Log.push_back("ItemClick"); }
  void Resize(TObject*, std::int32_t) {}

  std::string Caption;
  std::int32_t Left = 0;
  std::int32_t Color = clBtnFace;
  double Ratio = 1;
  bool Visible = false;
  TAlign Align = TAlign::alNone;
  TAnchors Anchors;
  char Letter = 'a';
  std::uint8_t Level = 0;
  TTestMenu* PopupMenu = nullptr;
  TNotifyEvent OnCreate;
  std::string LanguagesData;
  std::vector<std::string> Log;

 private:
  std::unique_ptr<TTestFont> font_ = std::make_unique<TTestFont>();
  std::unique_ptr<TStringList> items_ = std::make_unique<TStringList>();
  std::unique_ptr<TCollection> columns_ = std::make_unique<TCollection>(TTestColumn::ClassInfo());
};

inline void TLoggingComponent::Loaded() {
  TComponent::Loaded();
  Note("loaded");
}

inline void TLoggingComponent::Note(const std::string& what) const {
  if (auto* root = dynamic_cast<TTestRoot*>(Owner())) root->Log.push_back(Name() + " " + what);
}

// Everything the format holds, with the references and events before what they name.
inline constexpr char kSampleDescription[] =
    "object MainForm: TTestRoot\n"
    "  Caption = 'Schlie'#223'en'\n"
    "  Left = 193\n"
    "  Color = clWindow\n"
    "  Ratio = 1.5\n"
    "  Visible = True\n"
    "  Align = ALCLIENT\n"
    "  Anchors = [akLeft, akBottom]\n"
    "  Letter = 'z'\n"
    "  Level = 255\n"
    "  Font.Name = 'Arial'\n"
    "  Font.Height = -13\n"
    "  Font.Color = $000000FF\n"
    "  Items.Strings = (\n"
    "    'Deutsch'\n"
    "    'Eng' +\n"
    "      'lisch')\n"
    "  Columns = <\n"
    "    item\n"
    "      Caption = 'Name'\n"
    "      OnClick = ItemClick\n"
    "    end\n"
    "    item\n"
    "      Caption = 'Size'\n"
    "      Width = 80\n"
    "    end>\n"
    "  PopupMenu = PopupMenu1\n"
    "  OnCreate = FormCreate\n"
    "  LanguagesData = {\n"
    "    0533353331\n"
    "    370100}\n"
    "  object Tray1: TTestTray\n"
    "    Hint = 'Quietpane'\n"
    "    Icon.Data = {00000100}\n"
    "    PopupMenu = popupmenu1\n"
    "    OnClick = formcreate\n"
    "  end\n"
    "  object PopupMenu1: TTestMenu\n"
    "    object Open1: TTestMenuItem\n"
    "      Caption = '&'#214'ffnen'\n"
    "      OnClick = ItemClick\n"
    "      object Sub1: TTestMenuItem\n"
    "      end\n"
    "    end\n"
    "    object Exit1: TTestMenuItem\n"
    "      Caption = 'Beenden'\n"
    "    end\n"
    "  end\n"
    "end\n";

inline void RegisterFormTestClasses() {
  RegisterClass(TTestRoot::ClassInfo());
  RegisterClass(TTestMenuItem::ClassInfo());
  RegisterClass(TTestMenu::ClassInfo());
  RegisterClass(TTestTray::ClassInfo());
}

}  // namespace qp::formtest
