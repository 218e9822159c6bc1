#include <gtest/gtest.h>

#include "platform/core/Describe.h"
#include "platform/core/Event.h"

namespace qp {
namespace {

class TReceiver : public TComponent {
 public:
  using TComponent::TComponent;
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }
  void Ping(TObject* sender) { senders.push_back(sender); }
  void Pong(TObject* sender) { senders.push_back(sender); }
  void Hidden(TObject*) {}
  std::vector<TObject*> senders;
};

const TClass& TReceiver::ClassInfo() {
  static const TClass info{Describe<TReceiver, TComponent>("TReceiver")
                               .Method("Ping", &TReceiver::Ping)
                               .Method("Pong", &TReceiver::Pong)};
  return info;
}

TEST(Event, UnassignedDoesNothingWhenCalled) {
  TNotifyEvent event;
  EXPECT_FALSE(event);
  EXPECT_EQ(event.MethodName(), "");
  event(nullptr);
}

TEST(Event, CallsTheBoundMethodWithItsArguments) {
  TReceiver receiver(nullptr);
  TNotifyEvent event(&receiver, &TReceiver::Ping);
  event(&receiver);
  event(nullptr);
  EXPECT_EQ(receiver.senders, (std::vector<TObject*>{&receiver, nullptr}));
  EXPECT_EQ(event.MethodName(), "Ping");
}

TEST(Event, ComparesObjectAndMethod) {
  TReceiver first(nullptr);
  TReceiver second(nullptr);
  EXPECT_EQ(TNotifyEvent(&first, &TReceiver::Ping), TNotifyEvent(&first, &TReceiver::Ping));
  EXPECT_NE(TNotifyEvent(&first, &TReceiver::Ping), TNotifyEvent(&first, &TReceiver::Pong));
  EXPECT_NE(TNotifyEvent(&first, &TReceiver::Ping), TNotifyEvent(&second, &TReceiver::Ping));
  EXPECT_EQ(TNotifyEvent(), TNotifyEvent());
}

TEST(Event, OnlyPublishedMethodsCanBeBound) {
  TReceiver receiver(nullptr);
  EXPECT_THROW(TNotifyEvent(&receiver, &TReceiver::Hidden), EPropertyError);
}

TEST(Event, EventTypesCarryTheirNames) {
  using TLoadedEvent = TEvent<"TLoadedEvent", TObject*>;
  EXPECT_EQ(TNotifyEvent::EventTypeInfo().Name, "TNotifyEvent");
  EXPECT_EQ(TLoadedEvent::EventTypeInfo().Name, "TLoadedEvent");
  EXPECT_EQ(TLoadedEvent::EventTypeInfo().Kind, TTypeKind::tkMethod);
}

}  // namespace
}  // namespace qp
