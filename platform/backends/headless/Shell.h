#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/ui/ws/Shell.h"

namespace qp {

// The notification area of the tests: it keeps the icons it shows and records every call with a
// copy of its record. It can be switched off, as when no shell runs, and restarted.
class THeadlessShell final : public TShell {
 public:
  struct Call {
    std::uint32_t Message = 0;
    TNotifyIconData Data;
    bool Accepted = false;
  };

  static constexpr std::uint32_t kTaskbarCreatedMessage = 0xC000;

  // Refuses NIM_ADD of an icon that is there, NIM_MODIFY and NIM_DELETE of one that is not, and
  // other messages. NIM_MODIFY changes only the fields that uFlags names.
  bool NotifyIcon(std::uint32_t message, const TNotifyIconData& data) override;
  std::uint32_t TaskbarCreatedMessage() const override { return kTaskbarCreatedMessage; }

  // The icon of window and id as the notification area shows it: the fields set so far, named in
  // uFlags, with a tip of at most 63 characters. Nullptr when there is no such icon.
  const TNotifyIconData* Icon(TWindowHandle window, std::uint32_t id) const;
  std::size_t IconCount() const { return icons_.size(); }
  const std::vector<Call>& Calls() const { return calls_; }
  // Off, every call fails.
  void SetRunning(bool running) { running_ = running; }
  // The shell starts anew: its icons are gone, and it sends every top-level window the
  // TaskbarCreated message.
  void Restart();

  // Forgets the icons and calls and switches the shell on, for the next test.
  void Reset();

 private:
  bool Apply(std::uint32_t message, const TNotifyIconData& data);

  std::map<std::pair<TWindowHandle, std::uint32_t>, TNotifyIconData> icons_;
  std::vector<Call> calls_;
  bool running_ = true;
};

THeadlessShell& HeadlessShell();

}  // namespace qp
