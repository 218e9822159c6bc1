#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/ws/Help.h"

namespace qp {

// The help viewer of the tests: it records every request and opens every file.
class THeadlessHelpViewer final : public THelpViewer {
 public:
  struct Request {
    TWindowHandle Owner = 0;
    std::string File;
    std::uint32_t Command = 0;
    std::uintptr_t Data = 0;
    friend bool operator==(const Request&, const Request&) = default;
  };

  bool OpenHelp(TWindowHandle owner, const std::string& file, std::uint32_t command,
                std::uintptr_t data) override;

  const std::vector<Request>& Requests() const { return requests_; }
  // Forgets the requests, for the next test.
  void Reset() { requests_.clear(); }

 private:
  std::vector<Request> requests_;
};

THeadlessHelpViewer& HeadlessHelpViewer();

}  // namespace qp
