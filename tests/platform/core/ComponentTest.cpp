#include <gtest/gtest.h>

#include "platform/core/Describe.h"
#include "platform/core/Exceptions.h"

namespace qp {
namespace {

// Writes every notification it receives into a shared log.
class TWatcher : public TComponent {
 public:
  TWatcher(TComponent* owner, std::vector<std::string>* log, const std::string& name)
      : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~TWatcher() override { log_->push_back("~" + Name()); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    log_->push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name() +
                    (IsDestroying() ? " (dying)" : ""));
  }

 private:
  std::vector<std::string>* log_;
};

TEST(Component, OwnsItsComponentsInOrder) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName("First");
  second->SetName("Second");
  EXPECT_EQ(owner.ComponentCount(), 2);
  EXPECT_EQ(owner.Components(1), second);
  EXPECT_EQ(second->ComponentIndex(), 1);
  EXPECT_EQ(second->Owner(), &owner);
  EXPECT_EQ(owner.ComponentIndex(), -1);
  EXPECT_EQ(owner.FindComponent("SECOND"), second);
  EXPECT_EQ(owner.FindComponent("Third"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_THROW(owner.Components(2), EListError);
  EXPECT_THROW(owner.Components(-1), EListError);

  delete first;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(second->ComponentIndex(), 0);
}

TEST(Component, NamesMustBeIdentifiersUniqueAmongSiblings) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName("Button1");
  EXPECT_THROW(second->SetName("button1"), EComponentError);
  EXPECT_THROW(second->SetName("1Button"), EComponentError);
  EXPECT_THROW(second->SetName("Button 2"), EComponentError);
  second->SetName("_Button2");
  first->SetName("BUTTON1");
  second->SetName("");
  EXPECT_EQ(first->Name(), "BUTTON1");
  EXPECT_EQ(second->Name(), "");
}

TEST(Component, InsertionAndRemovalAreAnnouncedToAllOwnedComponents) {
  std::vector<std::string> log;
  {
    TComponent owner(nullptr);
    new TWatcher(&owner, &log, "A");
    auto* b = new TWatcher(&owner, &log, "B");
    // A component is announced while it is still being constructed: under its empty name, and
    // not yet to itself as a watcher.
    EXPECT_EQ(log, (std::vector<std::string>{"A +"}));
    log.clear();
    auto* plain = new TComponent(&owner);
    plain->SetName("C");
    delete plain;
    EXPECT_EQ(log, (std::vector<std::string>{"A +", "B +", "A -C", "B -C"}));
    log.clear();
    delete b;
    EXPECT_EQ(log, (std::vector<std::string>{"~B", "A -B"}));
    log.clear();
  }
  // The owner frees the rest, announcing each removal while the receivers are still alive.
  EXPECT_EQ(log, (std::vector<std::string>{"A -A (dying)", "~A"}));
}

TEST(Component, DestructionFreesOwnedComponentsLastFirst) {
  std::vector<std::string> log;
  auto* owner = new TComponent(nullptr);
  new TWatcher(owner, &log, "A");
  new TWatcher(owner, &log, "B");
  log.clear();
  delete owner;
  EXPECT_EQ(log,
            (std::vector<std::string>{"A -B (dying)", "B -B (dying)", "~B", "A -A (dying)", "~A"}));
}

TEST(Component, StatesReachOwnedComponents) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(child->IsDesigning());
  auto* late = new TComponent(&owner);
  EXPECT_TRUE(late->IsDesigning());

  child->BeginLoading();
  child->BeginReading();
  EXPECT_TRUE(child->ComponentState().Contains(csReading));
  child->EndReading();
  EXPECT_TRUE(child->IsLoading());
  child->Loaded();
  EXPECT_FALSE(child->IsLoading());
  EXPECT_EQ(child->ComponentState(), TComponentState{csDesigning});
}

TEST(Component, InsertingMovesAComponentFromItsPreviousOwner) {
  TComponent first(nullptr);
  TComponent second(nullptr);
  auto* child = new TComponent(&first);
  second.InsertComponent(child);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(child->Owner(), &second);
}

}  // namespace
}  // namespace qp
