#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/backends/headless/Graphics.h"
#include "platform/backends/headless/Windowing.h"
#include "platform/core/Class.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Messages.h"
#include "platform/ui/StandardControls.h"

namespace qp {

// Controls on a top-level host window of the tests' window system.
class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HeadlessWindowing().Reset();
    HeadlessGraphics().ClearDrawings();
    // Windows are made from the top down, as a form makes its controls' windows.
    host_.Handle();
  }

  static const THeadlessWindowing::Window& WindowOf(TWinControl& control) {
    return *HeadlessWindowing().Lookup(control.Handle());
  }

  // What the system sends the parent when control's window notifies it of code.
  static void Notify(TWinControl& control, std::uint32_t code) {
    const TWindowHandle window = control.Handle();
    const std::uintptr_t id = WindowOf(control).Params.Id;
    Windowing().SendTo(control.Parent()->Handle(), WM_COMMAND, (std::uintptr_t{code} << 16) | id,
                       static_cast<std::intptr_t>(window));
  }

  // The wParam of every msg sent to window, in order.
  static std::vector<std::uintptr_t> SentWParams(TWindowHandle window, std::uint32_t msg) {
    std::vector<std::uintptr_t> sent;
    for (const auto& logged : HeadlessWindowing().MessageLog()) {
      if (logged.Window == window && logged.Msg == msg) sent.push_back(logged.WParam);
    }
    return sent;
  }

  TWinControl host_{nullptr};
};

// Controls that form descriptions create by their registered class names.
class RegisteredControlTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterStandardControls();
  }

  static std::unique_ptr<TObject> Create(const std::string& name) {
    const TClass* type = FindClass(name);
    return std::unique_ptr<TObject>(type != nullptr ? type->Construct(nullptr) : nullptr);
  }
};

}  // namespace qp
