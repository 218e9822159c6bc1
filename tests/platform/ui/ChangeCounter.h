#pragma once

#include <vector>

#include "platform/core/Describe.h"
#include "platform/core/Event.h"

namespace qp {

// Listens to change events and keeps their senders.
class TChangeCounter : public TObject {
 public:
  static const TClass& ClassInfo() {
    static const TClass info{Describe<TChangeCounter, TObject>("TChangeCounter")
                                 .Method("Changed", &TChangeCounter::Changed)};
    return info;
  }
  const TClass& ClassType() const override { return ClassInfo(); }

  void Changed(TObject* sender) { Senders.push_back(sender); }
  TNotifyEvent Handler() { return TNotifyEvent(this, &TChangeCounter::Changed); }

  std::vector<TObject*> Senders;
};

}  // namespace qp
