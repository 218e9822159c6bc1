#include "app/ProgramDir.h"

#include <gtest/gtest.h>

#include "platform/system/Files.h"

namespace qp {
namespace {

TEST(ProgramDir, IsTheProgramsPathUpToItsFileName) {
  const std::string program = ProgramFileName();
  const std::string directory = ProgramDir();
  ASSERT_FALSE(directory.empty());
  EXPECT_TRUE(directory.ends_with('\\') || directory.ends_with('/')) << directory;
  EXPECT_EQ(directory + ExtractFileName(program), program);
  EXPECT_TRUE(ExtractFileName(program).starts_with("app_tests")) << program;
}

}  // namespace
}  // namespace qp
