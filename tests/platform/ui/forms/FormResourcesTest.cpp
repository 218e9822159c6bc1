#include "platform/ui/forms/FormResources.h"

#include <gtest/gtest.h>

#include "tests/platform/ui/forms/FormTestClasses.h"

namespace qp::formtest {
namespace {

// descriptions/TestRoot.qpf is compiled into the test program.
TEST(FormResources, FindsACompiledDescriptionByItsRootClass) {
  const TFormResource* resource = FindFormResource("ttestroot");
  ASSERT_NE(resource, nullptr);
  EXPECT_EQ(resource->Name, "TestRoot.qpf");
  EXPECT_EQ(resource->Text.substr(0, 30), "object EmbeddedForm: TTestRoot");
  EXPECT_EQ(FindFormResource("TTestTray"), nullptr);
}

TEST(FormResources, ReadsTheDescriptionOfTheRootsClass) {
  RegisterFormTestClasses();
  TTestRoot root(nullptr);
  ReadComponentResource(root);
  EXPECT_EQ(root.Name(), "EmbeddedForm");
  EXPECT_EQ(root.Caption,
            "Schlie\xDF"
            "en");
  EXPECT_EQ(root.Items()->Count(), 2);
  ASSERT_NE(root.FindComponent("Tray1"), nullptr);

  TTestTray tray(nullptr);
  EXPECT_THROW(ReadComponentResource(tray), EFormError);
}

TEST(FormResources, ALaterRegistrationOfTheSameNameReplacesTheText) {
  RegisterFormResource("Scratch.qpf", "object TTestTray end");
  ASSERT_NE(FindFormResource("TTestTray"), nullptr);
  RegisterFormResource("Scratch.qpf", "object TTestMenu end");
  EXPECT_EQ(FindFormResource("TTestTray"), nullptr);
  EXPECT_EQ(FindFormResource("TTestMenu")->Text, "object TTestMenu end");
}

}  // namespace
}  // namespace qp::formtest
