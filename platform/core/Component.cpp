#include "platform/core/Component.h"

#include <algorithm>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"
#include "platform/system/Strings.h"

namespace qp {
namespace {

bool IsIdentifier(std::string_view name) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.empty() || !letter(name.front())) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

}  // namespace

const TTypeInfo& TypeInfoFor(TComponentState*) {
  static const TTypeInfo members =
      MakeEnumType("TComponentStateFlag",
                   {"csLoading", "csReading", "csWriting", "csDestroying", "csDesigning"});
  static const TTypeInfo type = MakeSetType("TComponentState", members);
  return type;
}

const TClass& TComponent::ClassInfo() {
  static const TClass info{Describe<TComponent, TPersistent>("TComponent")
                               .Property("Name", &TComponent::Name, &TComponent::SetName)
                               .Property("Tag", &TComponent::Tag, &TComponent::SetTag)
                               .Default(0)};
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) {
    throw EComponentError("'" + name + "' ist kein g\xFCltiger Komponentenname");
  }
  if (!name.empty() && owner_ != nullptr) {
    TComponent* same = owner_->FindComponent(name);
    if (same != nullptr && same != this) {
      throw EComponentError("Eine Komponente mit der Bezeichnung " + name + " existiert bereits");
    }
  }
  name_ = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) ThrowListIndexError(index);
  return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& siblings = owner_->components_;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (SameText(component->name_, name)) return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_ != nullptr) component->owner_->Detach(component);
  Attach(component);
  if (IsDesigning()) component->SetDesigning(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  Detach(component);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    // The child stays alive until its removal has been announced to its siblings.
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::SetDesigning(bool designing) {
  if (designing) {
    state_.Include(csDesigning);
  } else {
    state_.Exclude(csDesigning);
  }
  for (TComponent* component : components_)
    component->SetDesigning(designing);
}

void TComponent::BeginLoading() {
  state_.Include(csLoading);
}

void TComponent::Loaded() {
  state_.Exclude(csLoading);
}

void TComponent::Destroying() {
  if (IsDestroying()) return;
  state_.Include(csDestroying);
  for (TComponent* component : components_)
    component->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  // A receiver may free components in reply, so walk a copy and skip what has gone.
  const std::vector<TComponent*> receivers = components_;
  for (TComponent* receiver : receivers) {
    if (std::find(components_.begin(), components_.end(), receiver) != components_.end()) {
      receiver->Notification(component, operation);
    }
  }
}

void TComponent::Attach(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Detach(TComponent* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
}

}  // namespace qp
