#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ws/WinIni.h"

namespace qp {

// WIN.INI of the tests: a file in a directory the test chooses, written through the platform's
// profile functions. Its name is not "win.ini": the system may keep sections of a file of that
// name, such as [intl], in the user's registry (Wine does, wherever the file is), and a test must
// never change the user's settings.
// The profile functions only set values, so deleting a key (null value) or a section (null key)
// answers false, as does every write while no directory is chosen. The flush (all three null)
// has nothing to do and answers true.
class THeadlessWinIni final : public TWinIni {
 public:
  // Null arguments are empty optionals.
  struct Call {
    std::optional<std::string> Section;
    std::optional<std::string> Key;
    std::optional<std::string> Value;
    bool Accepted = false;
    friend bool operator==(const Call&, const Call&) = default;
  };

  bool WriteString(const char* section, const char* key, const char* value) override;

  static constexpr const char* kFileName = "headless-win.ini";

  // An empty directory means none.
  void SetDirectory(const std::string& directory) { directory_ = directory; }
  // The full name of the file in the chosen directory.
  std::string FileName() const;
  int Flushes() const { return flushes_; }
  const std::vector<Call>& Calls() const { return calls_; }

  // Forgets the directory and everything recorded, for the next test.
  void Reset();

 private:
  bool Write(const char* section, const char* key, const char* value);

  std::string directory_;
  int flushes_ = 0;
  std::vector<Call> calls_;
};

THeadlessWinIni& HeadlessWinIni();

}  // namespace qp
