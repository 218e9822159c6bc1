#include <gtest/gtest.h>

#include <vector>

#include "platform/backends/headless/Help.h"

namespace qp {
namespace {

TEST(HeadlessHelpTest, EveryRequestIsRecordedAndOpens) {
  THeadlessHelpViewer& viewer = HeadlessHelpViewer();
  viewer.Reset();
  EXPECT_TRUE(HelpViewer().OpenHelp(3, "QUIETPANE.HLP", HELP_CONTENTS, 0));
  EXPECT_TRUE(HelpViewer().OpenHelp(0, "", 1, 42));
  using Request = THeadlessHelpViewer::Request;
  EXPECT_EQ(viewer.Requests(),
            (std::vector<Request>{{3, "QUIETPANE.HLP", HELP_CONTENTS, 0}, {0, "", 1, 42}}));
  viewer.Reset();
  EXPECT_TRUE(viewer.Requests().empty());
}

}  // namespace
}  // namespace qp
