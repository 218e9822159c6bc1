#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace qp {

// A fresh directory of its own under the system's temporary folder, removed with its contents.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("qp-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  // The directory itself, or a name inside it, as the program's text.
  std::string Path() const { return path_.string(); }
  std::string Path(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// A whole file's bytes, written and read without any translation.
inline void WriteFileText(const std::string& name, std::string_view text) {
  std::ofstream(name, std::ios::binary) << text;
}

inline std::string ReadFileText(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

}  // namespace qp
