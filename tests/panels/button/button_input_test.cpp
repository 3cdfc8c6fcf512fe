// Buttons under the real pointer: what each kind shows through hover, press,
// release and leave, what their parent hears, radio groups, and the shared hot
// flag when the hot button is disabled or freed. Moves the real pointer (run
// alone: variants.cmake).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panels/button/button_test_support.h"
#include "tests/support/pointer_input.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ButtonInput : public ButtonsOnScreen {
 protected:
  void SetUp() override {
    ButtonsOnScreen::SetUp();
    ParentRecorder() = Recorder{};
    ParentRecorder().watched = {WM_COMMAND};
  }
  void TearDown() override {
    ButtonsOnScreen::TearDown();
    ParentRecorder() = Recorder{};
  }

  // Waits for the button to show `state`; the state it shows in the end.
  static int WaitShown(int button, int state) {
    PumpUntil([&] { return Shown(button) == state; }, 2000);
    return Shown(button);
  }
  static std::vector<Seen> Commands() {
    PumpMessagesFor(30);  // posted clicks arrive through the queue
    return ParentRecorder().Of(WM_COMMAND);
  }
};

enum class Kind { Push, Toggle, Check };

struct InputCase {
  const char* name;
  Kind kind;
  int initialCheck;        // set with SetButtonExState first; -1: left alone
  bool disabled;
  const char* actions;     // m: pointer onto the button, p: press, r: release, a: pointer away
  std::vector<int> shown;  // the visual state after each action
  int finalCheck;
  int clicks;
};

TEST_F(ButtonInput, EachKindThroughHoverPressReleaseAndLeave) {
  const InputCase cases[] = {
      {"push", Kind::Push, -1, false, "mpra", {1, 2, 1, 0}, 0, 1},
      {"toggle on and off", Kind::Toggle, -1, false, "mprpra", {1, 2, 5, 6, 1, 0}, 0, 2},
      {"toggle on, then leave", Kind::Toggle, -1, false, "mpra", {1, 2, 5, 4}, 1, 1},
      {"check from inbetween", Kind::Check, 2, false, "mpra", {8, 9, 5, 4}, 1, 1},
      {"check from selected", Kind::Check, 1, false, "mpra", {5, 6, 1, 0}, 0, 1},
      {"disabled push", Kind::Push, -1, true, "mpra", {3, 3, 3, 3}, 0, 0},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    ParentRecorder().seen.clear();
    int button = 0;
    switch (c.kind) {
      case Kind::Push: button = ButtonEx(host_, -1, 20, 20, 120, 30, L"b", 0, 0, 0, 0, nullptr); break;
      case Kind::Toggle:
        button = ToggleButtonEx(host_, -1, 20, 20, 120, 30, L"t", 0, 0, 0, 0, 0, 0, 0, nullptr);
        break;
      case Kind::Check: button = CheckButtonEx(host_, -1, 20, 20, 120, 30, L"c", nullptr); break;
    }
    ASSERT_NE(button, 0);
    if (c.initialCheck >= 0) SetButtonExState(button, static_cast<BYTE>(c.initialCheck));
    if (c.disabled) DisableButtonEx(button, 1);
    const POINT centre = CentreOf(ButtonExID(button));
    for (size_t i = 0; c.actions[i]; ++i) {
      switch (c.actions[i]) {
        case 'm': MovePointerTo(centre); break;
        case 'p': PressLeftButton(); break;
        case 'r': ReleaseLeftButton(); break;
        case 'a': MovePointerAway(); break;
      }
      EXPECT_EQ(WaitShown(button, c.shown[i]), c.shown[i]) << "after action " << i << " '" << c.actions[i] << "'";
    }
    EXPECT_EQ(GetButtonExState(button), c.finalCheck);
    const auto commands = Commands();
    ASSERT_EQ(static_cast<int>(commands.size()), c.clicks);
    for (const Seen& s : commands) {
      EXPECT_EQ(s.window, host_);
      EXPECT_EQ(s.wParam, static_cast<WPARAM>(button));
      EXPECT_EQ(s.lParam, 0);
    }
    FreeButtonEx(button);
  }
}

// Every release that reaches the button is a click, wherever the press was.
TEST_F(ButtonInput, PressElsewhereReleasedOverTheButtonClicks) {
  const int button = ButtonEx(host_, 0x4321, 20, 20, 120, 30, L"b", 0, 0, 0, 0, nullptr);
  ASSERT_NE(button, 0);
  MovePointerTo(host_, POINT{300, 300});
  PressLeftButton();
  MovePointerTo(CentreOf(ButtonExID(0x4321)));
  ReleaseLeftButton();
  EXPECT_EQ(WaitShown(0x4321, kButtonHot), kButtonHot);
  const auto commands = Commands();
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, 0x4321u);
}

TEST_F(ButtonInput, RadioGroupsKeepOneSelected) {
  RadioButtonEx(nullptr, -1, 0, 0, 0, 0, nullptr, nullptr);
  const int a = RadioButtonEx(host_, -1, 20, 20, 100, 24, L"a", nullptr);
  const int b = RadioButtonEx(host_, -1, 20, 50, 100, 24, L"b", nullptr);
  RadioButtonEx(nullptr, -1, 0, 0, 0, 0, nullptr, nullptr);  // a new group starts
  const int c = RadioButtonEx(host_, -1, 20, 80, 100, 24, L"c", nullptr);
  ASSERT_TRUE(a && b && c);
  auto click = [](int button) {
    MovePointerTo(CentreOf(ButtonExID(button)));
    ClickLeftButton();
    PumpUntil([&] { return GetButtonExState(button) == 1; }, 2000);
  };
  click(a);
  EXPECT_EQ(GetButtonExState(a), 1);
  click(b);
  EXPECT_EQ(GetButtonExState(b), 1);
  EXPECT_EQ(GetButtonExState(a), 0);
  EXPECT_EQ(Shown(a), kButtonNormal);
  click(b);  // a selected radio button stays selected
  EXPECT_EQ(GetButtonExState(b), 1);
  click(c);  // another group
  EXPECT_EQ(GetButtonExState(c), 1);
  EXPECT_EQ(GetButtonExState(b), 1);
  EXPECT_EQ(Commands().size(), 4u);
}

// One button at a time is hot; the next goes hot once the first has seen its
// leave, or at once when the first was disabled, freed or its window destroyed
// while hot.
TEST_F(ButtonInput, HotFlagPassesOnWhenTheHotButtonLeavesIsDisabledOrFreed) {
  enum class Then { Leave, Disable, Free, DestroyWindow };
  for (Then then : {Then::Leave, Then::Disable, Then::Free, Then::DestroyWindow}) {
    SCOPED_TRACE(static_cast<int>(then));
    const int a = ButtonEx(host_, -1, 20, 20, 120, 30, L"a", 0, 0, 0, 0, nullptr);
    const int b = ButtonEx(host_, -1, 20, 60, 120, 30, L"b", 0, 0, 0, 0, nullptr);
    const POINT onA = CentreOf(ButtonExID(a)), onB = CentreOf(ButtonExID(b));
    MovePointerTo(onA);
    ASSERT_EQ(WaitShown(a, kButtonHot), kButtonHot);
    if (then == Then::Disable) DisableButtonEx(a, 1);
    if (then == Then::Free) FreeButtonEx(a);
    if (then == Then::DestroyWindow) DestroyWindow(ButtonExID(a));
    MovePointerTo(onB);
    if (then == Then::Leave) {
      // b waits for a's leave, then goes hot with the pointer's next move.
      EXPECT_EQ(WaitShown(a, kButtonNormal), kButtonNormal);
      MovePointerTo(POINT{onB.x + 1, onB.y});
    }
    EXPECT_EQ(WaitShown(b, kButtonHot), kButtonHot);
    MovePointerAway();
    EXPECT_EQ(WaitShown(b, kButtonNormal), kButtonNormal);
    FreeButtonEx(-1);
  }
}

}  // namespace
