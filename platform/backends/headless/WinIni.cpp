#include "platform/backends/headless/WinIni.h"

#include <filesystem>

#include "platform/system/Profile.h"

namespace qp {
namespace {

std::optional<std::string> TextOf(const char* text) {
  if (text == nullptr) return std::nullopt;
  return std::string(text);
}

}  // namespace

bool THeadlessWinIni::WriteString(const char* section, const char* key, const char* value) {
  const bool accepted = Write(section, key, value);
  calls_.push_back({TextOf(section), TextOf(key), TextOf(value), accepted});
  return accepted;
}

std::string THeadlessWinIni::FileName() const {
  return (std::filesystem::path(directory_) / kFileName).string();
}

void THeadlessWinIni::Reset() {
  directory_.clear();
  flushes_ = 0;
  calls_.clear();
}

bool THeadlessWinIni::Write(const char* section, const char* key, const char* value) {
  if (section == nullptr && key == nullptr && value == nullptr) {
    ++flushes_;
    return true;
  }
  if (directory_.empty() || section == nullptr || key == nullptr || value == nullptr) return false;
  return ProfileWriteString(FileName(), section, key, value);
}

THeadlessWinIni& HeadlessWinIni() {
  static THeadlessWinIni winIni;
  return winIni;
}

TWinIni& WinIni() {
  return HeadlessWinIni();
}

}  // namespace qp
