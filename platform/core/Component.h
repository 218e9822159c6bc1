#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Persistent.h"
#include "platform/core/Set.h"
#include "platform/core/TypeInfo.h"

namespace qp {

enum class TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning };
using TComponentState = TSet<TComponentStateFlag>;
using enum TComponentStateFlag;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

// A named object that may own others. The owner frees what it owns; every insertion and removal
// is announced to the owner and, through it, to all the components it owns.
class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Raises EComponentError for a name that is not an identifier or that a sibling already has.
  void SetName(const std::string& name);
  std::int32_t Tag() const { return tag_; }
  void SetTag(std::int32_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  // Raises EListError for an index out of range.
  TComponent* Components(int index) const;
  // Position in the owner's list, or -1 without owner.
  int ComponentIndex() const;
  // Ignores ASCII letter case; nullptr when no owned component has that name.
  TComponent* FindComponent(std::string_view name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, the last first.
  void DestroyComponents();

  TComponentState ComponentState() const { return state_; }
  bool IsDesigning() const { return state_.Contains(csDesigning); }
  bool IsLoading() const { return state_.Contains(csLoading); }
  bool IsDestroying() const { return state_.Contains(csDestroying); }
  // Marks this component and everything it owns as designed.
  void SetDesigning(bool designing);
  // Form readers mark a component while they read it and call Loaded when the whole form is read.
  void BeginLoading();
  void BeginReading() { state_.Include(csReading); }
  void EndReading() { state_.Exclude(csReading); }
  // The after-load step: clears the loading mark. Overrides call it when they want it cleared.
  virtual void Loaded();
  // Marks this component and what it owns as being destroyed.
  void Destroying();

  // Form descriptions nest a component inside its parent: a menu item inside its parent item, a
  // control inside its container. Components without a parent are nested in their owner.
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* /*parent*/) {}
  // The components a form description writes nested in this one, in order; root is the
  // component whose description is being written.
  virtual void GetChildren(const std::function<void(TComponent*)>& /*proc*/,
                           TComponent* /*root*/) const {}

 protected:
  // Told of every component inserted into or removed from the owner; the default passes it on
  // to the owned components.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Attach(TComponent* component);
  void Detach(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::int32_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
};

// The component's type as a property type.
const TTypeInfo& TypeInfoFor(TComponentState*);

}  // namespace qp
