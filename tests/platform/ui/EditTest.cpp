#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/ui/Edit.h"
#include "tests/platform/ui/ChangeCounter.h"
#include "tests/platform/ui/ControlTest.h"

namespace qp {
namespace {

// An edit whose window answers for its text as the system's edit control does, holding what
// the user typed; Copied limits how many characters WM_GETTEXT hands out.
class TTypedEdit : public TEdit {
 public:
  using TEdit::TEdit;

  std::string Typed;
  std::size_t Copied = std::string::npos;

 protected:
  void DefaultHandler(TMessage& message) override {
    if (message.Msg == WM_GETTEXTLENGTH) {
      message.Result = static_cast<std::intptr_t>(Typed.size());
    } else if (message.Msg == WM_GETTEXT) {
      const std::size_t count = std::min({Typed.size(), message.WParam - 1, Copied});
      char* buffer = reinterpret_cast<char*>(message.LParam);
      std::memcpy(buffer, Typed.data(), count);
      buffer[count] = '\0';
      message.Result = static_cast<std::intptr_t>(count);
    } else {
      TEdit::DefaultHandler(message);
    }
  }
};

class EditTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    edit_.OnChange = changes_.Handler();
  }

  TTypedEdit edit_{nullptr};
  TChangeCounter changes_;
};

TEST_F(EditTest, TextSetByCodeRaisesOnChangeOnceWithOrWithoutWindow) {
  edit_.SetText("Hallo");
  edit_.SetText("Hallo");
  EXPECT_EQ(changes_.Senders, std::vector<TObject*>{&edit_});
  edit_.SetParent(&host_);
  const auto& window = WindowOf(edit_);
  EXPECT_EQ(window.Params.WindowClass, "EDIT");
  EXPECT_EQ(window.Params.Caption, "Hallo");
  edit_.SetText("Welt");
  EXPECT_EQ(window.Params.Caption, "Welt");
  // The system reports the text it was just given.
  edit_.Typed = "Welt";
  Notify(edit_, EN_CHANGE);
  EXPECT_EQ(changes_.Senders.size(), 2u);
}

TEST_F(EditTest, TheUsersChangeIsReadBackFromTheWindow) {
  edit_.SetText("alt");
  edit_.SetParent(&host_);
  changes_.Senders.clear();
  edit_.Typed = "neu getippt";
  Notify(edit_, EN_CHANGE);
  EXPECT_EQ(edit_.Text(), "neu getippt");
  EXPECT_EQ(changes_.Senders, std::vector<TObject*>{&edit_});

  // A window that hands out less than it announced is taken at its word.
  edit_.Typed = "abcdef";
  edit_.Copied = 3;
  Notify(edit_, EN_CHANGE);
  EXPECT_EQ(edit_.Text(), "abc");

  edit_.Typed.clear();
  Notify(edit_, EN_CHANGE);
  EXPECT_EQ(edit_.Text(), "");
  EXPECT_EQ(changes_.Senders.size(), 3u);
}

TEST_F(EditTest, OtherNotificationsChangeNothing) {
  edit_.SetParent(&host_);
  edit_.Typed = "getippt";
  Notify(edit_, 0x0100);  // EN_SETFOCUS
  EXPECT_EQ(edit_.Text(), "");
  EXPECT_TRUE(changes_.Senders.empty());
}

}  // namespace
}  // namespace qp
