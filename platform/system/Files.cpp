#include "platform/system/Files.h"

namespace qp {

namespace {

constexpr std::string_view kNameDelimiters = "\\/:";

// The index just past the last delimiter, 0 when there is none.
std::size_t NameStart(std::string_view fileName) {
  const auto delimiter = fileName.find_last_of(kNameDelimiters);
  return delimiter == std::string_view::npos ? 0 : delimiter + 1;
}

}  // namespace

std::string ExtractFileExt(std::string_view fileName) {
  const auto name = fileName.substr(NameStart(fileName));
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string ExtractFilePath(std::string_view fileName) {
  return std::string(fileName.substr(0, NameStart(fileName)));
}

std::string ExtractFileName(std::string_view fileName) {
  return std::string(fileName.substr(NameStart(fileName)));
}

}  // namespace qp
