// Reads arbitrary bytes as a form description onto a small test root. Reading may fail only with
// EFormError. What was read must write as a description that reads back and writes the same
// again; the writer may refuse, with EFormError, what it cannot store.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ui/forms/FormReader.h"
#include "platform/ui/forms/FormWriter.h"
#include "tests/platform/ui/forms/FormTestClasses.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool registered = (qp::formtest::RegisterFormTestClasses(), true);
  (void)registered;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  qp::formtest::TTestRoot root(nullptr);
  std::string written;
  try {
    qp::ReadComponentDescription(root, text, "fuzz");
    written = qp::WriteComponentDescription(root);
  } catch (const qp::EFormError&) {
    return 0;
  }
  qp::formtest::TTestRoot copy(nullptr);
  qp::ReadComponentDescription(copy, written, "written");
  if (qp::WriteComponentDescription(copy) != written) std::abort();
  return 0;
}
