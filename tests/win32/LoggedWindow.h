#pragma once

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "platform/ui/ws/Windowing.h"

namespace qp {

// A window of the backend that logs every message and leaves it to the system's default
// handling; destroyed with the test unless the test destroys it first.
class TLoggedWindow {
 public:
  TLoggedWindow() : handle_(Windowing().CreateUtilityWindow(LoggingProc())) {}
  explicit TLoggedWindow(const TCreateParams& params)
      : handle_(Windowing().CreateWindowFor(params, LoggingProc())) {}
  ~TLoggedWindow() { Windowing().DestroyWindowHandle(handle_); }
  TLoggedWindow(const TLoggedWindow&) = delete;
  TLoggedWindow& operator=(const TLoggedWindow&) = delete;

  TWindowHandle Handle() const { return handle_; }

  bool Received(std::uint32_t msg) const {
    return std::any_of(messages_.begin(), messages_.end(),
                       [msg](const TMessage& message) { return message.Msg == msg; });
  }
  // The messages numbered first to last, such as the test's own.
  std::vector<TMessage> Within(std::uint32_t first, std::uint32_t last) const {
    std::vector<TMessage> found;
    std::copy_if(
        messages_.begin(), messages_.end(), std::back_inserter(found),
        [=](const TMessage& message) { return message.Msg >= first && message.Msg <= last; });
    return found;
  }
  void Forget() { messages_.clear(); }

 private:
  TWindowProc LoggingProc() {
    return [this](TMessage& message) {
      messages_.push_back(message);
      message.Result = Windowing().DefaultHandling(handle_, message);
    };
  }

  std::vector<TMessage> messages_;
  TWindowHandle handle_;
};

}  // namespace qp
