// Making and freeing buttons: automatic numbers from the command ids, refusals
// that leave nothing behind (and leave the caller's panels alone), sizes taken
// from images, the getters and setters, and what freeing releases.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/library/object_numbers.h"
#include "tests/panels/button/button_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ButtonCreate : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
  }
  void TearDown() override {
    FreeButtonEx(-1);
    FreePanelEx(-1);
  }
  int Push(int number, HWND parent = nullptr, const wchar_t* text = L"OK") {
    return ButtonEx(parent ? parent : host_, number, 10, 10, 80, 24, text, nullptr, nullptr, nullptr, nullptr,
                    nullptr);
  }

  HWND host_ = nullptr;
};

TEST_F(ButtonCreate, AutomaticNumbersAreCommandIdsSkippingThoseInUse) {
  SetCommandIDCounter(0xFFFF);
  EXPECT_EQ(Push(-1), 0xFFFE);
  EXPECT_EQ(Push(-1), 0xFFFD);
  const int explicitWindow = Push(0xFFFC);
  EXPECT_EQ(PanelWindow(explicitWindow), ButtonExID(0xFFFC));  // a number given: the window comes back
  EXPECT_EQ(Push(-1), 0xFFFB);
  EXPECT_EQ(Push(0xFFFB), 0) << "a number in use";
  // ButtonExID matches numbers only; the other exports take a window too.
  EXPECT_EQ(ButtonExID(explicitWindow), nullptr);
  EXPECT_EQ(GetButtonExText(explicitWindow), std::wstring(L"OK"));
  // The counter wraps past 0 and skips what buttons hold.
  SetCommandIDCounter(0xFFFD);
  EXPECT_EQ(Push(-1), 0xFFFA);
}

// 0 is a number like any other (its click is WM_COMMAND with wParam 0): each kind
// made with it is answered with its window and gets its skin.
TEST_F(ButtonCreate, NumberZeroMakesASkinnedButton) {
  struct Case {
    const char* kind;
    std::function<int()> make;
    const wchar_t* skinName;
  } cases[] = {
      {"push", [&] { return Push(0); }, L"sysbuttonskin"},
      {"image", [&] { return ImageButtonEx(host_, 0, 0, 0, 40, 20, 0, 0, 0, 0); }, L"imagebuttonskin"},
      {"toggle", [&] { return ToggleButtonEx(host_, 0, 0, 0, 40, 20, L"t", 0, 0, 0, 0, 0, 0, 0, nullptr); },
       L"systogglebuttonskin"},
      {"check", [&] { return CheckButtonEx(host_, 0, 0, 0, 40, 20, L"c", nullptr); }, L"syscheckbuttonskin"},
      {"radio", [&] { return RadioButtonEx(host_, 0, 0, 0, 40, 20, L"r", nullptr); }, L"sysradiobuttonskin"},
  };
  for (const Case& c : cases) {
    const int made = c.make();
    ASSERT_NE(made, 0) << c.kind;
    EXPECT_EQ(PanelWindow(made), ButtonExID(0)) << c.kind;
    EXPECT_EQ(GetButtonExSkin(0), GetSkinHandle(c.skinName)) << c.kind;
    EXPECT_EQ(Push(0), 0) << c.kind << ": 0 is in use now";
    EXPECT_EQ(FreeButtonEx(0), 1) << c.kind;
  }
}

// Every way creation can fail: 0, no button, no panel, and the panel the caller's
// AddPanelExPage calls go to keeps its pages, even when it is the application's
// panel number 0.
TEST_F(ButtonCreate, RefusalsLeaveNothingAndTheCallersPanelsAlone) {
  const int zero = CreatePanelEx(0, host_, 0, 0, 50, 50, nullptr);
  ASSERT_NE(zero, 0);
  ASSERT_NE(AddPanelExPage(-1), nullptr);
  const HWND appPanel = PanelExID(0, -1);
  const int seven = Push(7);
  ASSERT_EQ(PanelWindow(seven), ButtonExID(7));

  HWND doomed = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD, 0, 0, 10, 10, host_, nullptr, nullptr, nullptr);
  DestroyWindow(doomed);
  const HWND notAWindow = reinterpret_cast<HWND>(0x1234);
  const int panelsBefore = PanelCount();
  const size_t buttonsBefore = ButtonExList().Size();
  struct Case {
    const char* what;
    int result;
  } cases[] = {
      {"number in use", Push(7)},
      {"destroyed parent", Push(-1, doomed)},
      {"no parent", ButtonEx(nullptr, -1, 0, 0, 9, 9, L"", 0, 0, 0, 0, 0)},
      {"check, not a window", CheckButtonEx(notAWindow, -1, 0, 0, 50, 20, L"c", nullptr)},
      {"radio, not a window", RadioButtonEx(notAWindow, -1, 0, 0, 50, 20, L"r", nullptr)},
      {"radio, destroyed parent", RadioButtonEx(doomed, -1, 0, 0, 50, 20, L"r", nullptr)},
      {"toggle, destroyed parent",
       ToggleButtonEx(doomed, -1, 0, 0, 50, 20, L"t", 0, 0, 0, 0, 0, 0, 0, nullptr)},
      {"image, destroyed parent", ImageButtonEx(doomed, -1, 0, 0, 50, 20, 0, 0, 0, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.result, 0) << c.what;
  EXPECT_EQ(PanelCount(), panelsBefore);
  EXPECT_EQ(ButtonExList().Size(), buttonsBefore);

  // The application's panel 0 still has its one page, takes the next one, and
  // survives every button being freed.
  EXPECT_EQ(PanelExID(0, 1), nullptr);
  ASSERT_NE(AddPanelExPage(-1), nullptr);
  EXPECT_NE(PanelExID(0, 1), nullptr);
  EXPECT_EQ(FreeButtonEx(-1), 1);
  EXPECT_EQ(PanelExID(0, -1), appPanel);
  EXPECT_TRUE(IsWindow(appPanel));
}

TEST_F(ButtonCreate, ButtonsLeaveTheCurrentPanelAsTheyFoundIt) {
  const int panel = CreatePanelEx(-1, host_, 0, 0, 50, 50, nullptr);
  ASSERT_NE(Push(-1), 0);
  ASSERT_NE(CheckButtonEx(host_, -1, 0, 40, 80, 20, L"check", nullptr), 0);
  const HWND page = AddPanelExPage(-1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), PanelExID(panel, -1));
}

// Panels are found by number or window, the first in list order: an application
// panel whose number equals a button's panel window must not take the button's
// looks, nor be freed in its place.
TEST_F(ButtonCreate, AnApplicationPanelNumberedLikeAButtonsWindowIsLeftAlone) {
  const int appNumber = CreatePanelEx(-1, host_, 0, 0, 50, 50, nullptr);
  const HWND appPanel = PanelExID(appNumber, -1);
  const HWND appPage = AddPanelExPage(-1);
  ASSERT_NE(appPage, nullptr);
  const int button = Push(-1);
  const HWND buttonPanel = ButtonExID(button);
  ASSERT_NE(buttonPanel, nullptr);
  {
    // As though the application had chosen that number for its panel.
    LockGuard lock(Locks().panel);
    PanelExRecord* record = FindPanelExByNumber(appNumber);
    PanelExList().SetHead(record, AsKey(buttonPanel), record->window);
  }
  const auto background = [](HWND page) { return WithPage(page, [](auto& p) { return p.backgroundSet.background; }); };
  ASSERT_EQ(DisableButtonEx(button, 1), 1);
  EXPECT_EQ(background(appPage), -1);
  EXPECT_EQ(background(PageOf(button)), Button(button)->looks[kButtonDisabled].background.value);
  ASSERT_EQ(FreeButtonEx(button), 1);
  EXPECT_TRUE(IsWindow(appPanel));
  EXPECT_FALSE(IsWindow(buttonPanel));
}

// Which skin and component each kind takes.
TEST_F(ButtonCreate, KindsTakeTheirBuiltInSkins) {
  HANDLE own = CreateSkin(L"own");
  const auto notASkin = reinterpret_cast<HANDLE>(0x1234);
  const auto none = reinterpret_cast<HANDLE>(-1);
  auto push = [&](HANDLE skin) { return ButtonEx(host_, -1, 0, 0, 40, 20, L"p", 0, 0, 0, 0, skin); };
  auto toggle = [&](HANDLE skin) {
    return ToggleButtonEx(host_, -1, 0, 0, 40, 20, L"t", 0, 0, 0, 0, 0, 0, 0, skin);
  };
  struct Case {
    const char* name;
    int button;
    const wchar_t* skinName;  // nullptr: no skin
    const wchar_t* component;
  } cases[] = {
      {"push, 0", push(nullptr), L"sysbuttonskin", L"buttonex"},
      {"push, no skin", push(notASkin), L"sysbuttonskin", L"buttonex"},
      {"push, negative", push(none), nullptr, L"buttonex"},
      {"push, own", push(own), L"own", L"buttonex"},
      {"image", ImageButtonEx(host_, -1, 0, 0, 40, 20, 0, 0, 0, 0), L"imagebuttonskin", L"imagebuttonex"},
      {"toggle, 0", toggle(nullptr), L"systogglebuttonskin", L"togglebuttonex"},
      {"toggle, 1", toggle(reinterpret_cast<HANDLE>(1)), L"sysstickybuttonskin", L"togglebuttonex"},
      {"toggle, own", toggle(own), L"own", L"togglebuttonex"},
      {"toggle, no skin: no fallback", toggle(notASkin), nullptr, L"togglebuttonex"},
      {"check, 0", CheckButtonEx(host_, -1, 0, 0, 40, 20, L"c", nullptr), L"syscheckbuttonskin", L"checkbuttonex"},
      {"check, no skin", CheckButtonEx(host_, -1, 0, 0, 40, 20, L"c", notASkin), L"syscheckbuttonskin",
       L"checkbuttonex"},
      {"radio, own", RadioButtonEx(host_, -1, 0, 0, 40, 20, L"r", own), L"own", L"radiobuttonex"},
      {"radio, 0", RadioButtonEx(host_, -1, 0, 0, 40, 20, L"r", nullptr), L"sysradiobuttonskin", L"radiobuttonex"},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.button, 0) << c.name;
    EXPECT_EQ(GetButtonExSkin(c.button), c.skinName ? GetSkinHandle(c.skinName) : nullptr) << c.name;
    EXPECT_EQ(Button(c.button)->component, c.component) << c.name;
  }
  // The check box's built-in skin gives every state a glyph, the inbetween ones too.
  const ButtonExRecord* check = Button(cases[9].button);
  for (int state = 0; state < kButtonExStateCount; ++state)
    EXPECT_EQ(ImageList_GetImageCount(check->images[state].get()), 1) << state;
  EXPECT_EQ(check->imageWidth, 16);
  FreeButtonEx(-1);
  FreeSkin(own);
}

TEST_F(ButtonCreate, ZeroSizeTakesTheNormalImagesSize) {
  HICON icon = SolidIcon(32, 0xFF2040A0);
  HBITMAP bitmap = SolidBitmap(20, 12, 0xFF00FF00);
  const int a = ButtonEx(host_, -1, 5, 6, 0, 0, L"", icon, nullptr, nullptr, nullptr, nullptr);
  const int b = ButtonEx(host_, -1, 5, 60, 0, 0, L"", bitmap, nullptr, nullptr, nullptr, nullptr);
  const int c = ButtonEx(host_, -1, 5, 90, 50, 0, L"", icon, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(Text(WindowRectIn(ButtonExID(a), host_)), "5,6,37,38");
  EXPECT_EQ(Text(WindowRectIn(ButtonExID(b), host_)), "5,60,25,72");
  EXPECT_EQ(Text(WindowRectIn(ButtonExID(c), host_)), "5,90,55,122");
  // The page covers the panel.
  EXPECT_EQ(ClientText(PageOf(a)), "0,0,32,32");
  EXPECT_EQ(ImageList_GetImageCount(Button(a)->images[kButtonNormal].get()), 1);
  EXPECT_EQ(Button(a)->images[kButtonHot].get(), nullptr) << "no image, no list";
  DestroyIcon(icon);
  DeleteObject(bitmap);
}

TEST_F(ButtonCreate, TextStateAndKindQueries) {
  const int push = Push(-1);
  const int toggle = ToggleButtonEx(host_, -1, 0, 30, 60, 20, L"t", 0, 0, 0, 0, 0, 0, 0, nullptr);
  const int check = CheckButtonEx(host_, -1, 0, 60, 60, 20, L"c", nullptr);
  ASSERT_TRUE(push && toggle && check);
  EXPECT_EQ(SetButtonExText(push, L"\\bBold\\n and plain"), 1);
  EXPECT_EQ(GetButtonExText(push), std::wstring(L"\\bBold\\n and plain"));
  EXPECT_EQ(SetButtonExText(push, nullptr), 1);
  EXPECT_EQ(GetButtonExText(push), std::wstring());
  EXPECT_EQ(SetButtonExText(4242, L"x"), 0);
  EXPECT_EQ(GetButtonExText(4242), std::wstring());

  // SetButtonExState returns 0 whatever it does; only checkable buttons change,
  // and only check boxes take the third state.
  EXPECT_EQ(SetButtonExState(push, 1), 0);
  EXPECT_EQ(GetButtonExState(push), 0);
  EXPECT_EQ(SetButtonExState(toggle, 1), 0);
  EXPECT_EQ(GetButtonExState(toggle), 1);
  EXPECT_EQ(Shown(toggle), kButtonSelected);
  EXPECT_EQ(SetButtonExState(toggle, 2), 0);
  EXPECT_EQ(GetButtonExState(toggle), 1);
  EXPECT_EQ(SetButtonExState(check, 2), 0);
  EXPECT_EQ(GetButtonExState(check), 2);
  EXPECT_EQ(Shown(check), kButtonInbetween);
  EXPECT_EQ(SetButtonExState(check, 3), 0);
  EXPECT_EQ(GetButtonExState(check), 2);
  EXPECT_EQ(SetButtonExState(check, 0), 0);
  EXPECT_EQ(Shown(check), kButtonNormal);

  // Disabling shows the disabled look; enabling the normal one, even selected.
  EXPECT_EQ(DisableButtonEx(toggle, 1), 1);
  EXPECT_EQ(Shown(toggle), kButtonDisabled);
  EXPECT_EQ(DisableButtonEx(toggle, 0), 1);
  EXPECT_EQ(Shown(toggle), kButtonNormal);
  EXPECT_EQ(GetButtonExState(toggle), 1);
  EXPECT_EQ(DisableButtonEx(4242, 1), 0);
  EXPECT_EQ(GetButtonExState(4242), 0);
  EXPECT_EQ(GetButtonExSkin(4242), nullptr);
}

// Setting one radio button of a group to 0 leaves the selected one alone; setting
// one to 1 moves the selection.
TEST_F(ButtonCreate, RadioStateSetterMovesTheSelectionOnlyWhenSelecting) {
  RadioButtonEx(nullptr, -1, 0, 0, 0, 0, nullptr, nullptr);
  const int a = RadioButtonEx(host_, -1, 0, 0, 60, 20, L"a", nullptr);
  const int b = RadioButtonEx(host_, -1, 0, 30, 60, 20, L"b", nullptr);
  ASSERT_TRUE(a && b);
  SetButtonExState(a, 1);
  SetButtonExState(b, 0);
  EXPECT_EQ(GetButtonExState(a), 1);
  EXPECT_EQ(Shown(a), kButtonSelected);
  SetButtonExState(b, 1);
  EXPECT_EQ(GetButtonExState(a), 0);
  EXPECT_EQ(Shown(a), kButtonNormal);
  EXPECT_EQ(GetButtonExState(b), 1);
  SetButtonExState(b, 2);  // radio buttons have no third state
  EXPECT_EQ(GetButtonExState(b), 1);
}

TEST_F(ButtonCreate, ChangeButtonExReplacesAndRefuses) {
  HICON red = SolidIcon(16, 0xFFFF0000);
  HICON blue = SolidIcon(16, 0xFF0000FF);
  const int push = Push(-1);
  const int toggle = ToggleButtonEx(host_, -1, 0, 30, 60, 20, L"t", 0, 0, 0, 0, 0, 0, 0, nullptr);
  // Made without images: the lists take the first image's size.
  EXPECT_EQ(ChangeButtonEx(push, red, nullptr, nullptr, blue, blue, blue, blue), 1);
  const ButtonExRecord* record = Button(push);
  EXPECT_EQ(record->imageWidth, 16);
  EXPECT_EQ(ImageList_GetImageCount(record->images[kButtonNormal].get()), 1);
  EXPECT_EQ(ImageList_GetImageCount(record->images[kButtonDisabled].get()), 1);
  EXPECT_EQ(record->images[kButtonSelected].get(), nullptr) << "a push button has no selected looks";
  EXPECT_EQ(ChangeButtonEx(toggle, nullptr, nullptr, nullptr, blue, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(ImageList_GetImageCount(Button(toggle)->images[kButtonSelected].get()), 1);
  // Replacing keeps one image per list.
  EXPECT_EQ(ChangeButtonEx(push, blue, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(ImageList_GetImageCount(Button(push)->images[kButtonNormal].get()), 1);
  // Something that is no image cannot be added.
  HANDLE junk = reinterpret_cast<HANDLE>(0x5678);
  EXPECT_EQ(ChangeButtonEx(push, junk, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), -1);
  EXPECT_EQ(ChangeButtonEx(4242, red, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
  DestroyIcon(red);
  DestroyIcon(blue);
}

TEST_F(ButtonCreate, FreeingReleasesPanelListsAndToolTip) {
  HICON icon = SolidIcon(16, 0xFF208020);
  const int panelsBefore = PanelCount();
  const int a = ButtonEx(host_, -1, 0, 0, 60, 24, L"a", icon, icon, icon, icon, nullptr);
  const int b = Push(-1);
  ASSERT_EQ(ButtonExToolTip(a, L"first"), 1);
  ASSERT_EQ(ButtonExToolTip(a, L"second"), 1);
  EXPECT_EQ(ButtonExToolTip(4242, L"x"), 0);
  const HWND toolTip = Button(a)->toolTip;
  ASSERT_TRUE(IsWindow(toolTip));
  wchar_t className[64] = {};
  GetClassNameW(toolTip, className, 64);
  EXPECT_EQ(std::wstring(className), L"tooltips_class32");
  wchar_t text[64] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = ButtonExID(a);
  info.uId = reinterpret_cast<UINT_PTR>(PageOf(a));
  info.lpszText = text;
  SendMessageW(toolTip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(std::wstring(text), L"second");

  const HIMAGELIST list = Button(a)->images[kButtonNormal].get();
  const HWND panelA = ButtonExID(a), panelB = ButtonExID(b);
  EXPECT_EQ(PanelCount(), panelsBefore + 2);
  EXPECT_EQ(FreeButtonEx(a), 1);
  EXPECT_EQ(FreeButtonEx(a), 0);
  EXPECT_FALSE(IsWindow(panelA));
  EXPECT_FALSE(IsWindow(toolTip));
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_EQ(FreeButtonEx(-1), 1);
  EXPECT_FALSE(IsWindow(panelB));
  EXPECT_EQ(PanelCount(), panelsBefore);
  EXPECT_EQ(ButtonExList().Size(), 0u);
  DestroyIcon(icon);
}

// A hundred make-and-free cycles after a short warm-up leave the heaps (to the
// block), the thread's windows and the working set where they were: a record,
// string or list entry left behind per cycle shows in the heap, a page window or
// tool tip in the windows, and a back buffer, image list or icon copy in pages.
// (Wine's own tool-tip code adds a few pages per hundred cycles.)
TEST_F(ButtonCreate, MakeAndFreeCyclesLeaveMemoryFlat) {
  HICON icon = SolidIcon(16, 0xFF804020);
  auto cycle = [&] {
    const int n = ButtonEx(host_, -1, 0, 0, 60, 24, L"cycle", icon, icon, icon, icon, nullptr);
    ButtonExToolTip(n, L"tip");
    FreeButtonEx(n);
  };
  for (int i = 0; i < 20; ++i) cycle();
  const size_t heapBefore = HeapBytesInUse();
  const int windowsBefore = ThreadWindowCount();
  const size_t pagesBefore = ProcessMemoryBytes();
  for (int i = 0; i < 100; ++i) cycle();
  const size_t heapAfter = HeapBytesInUse();
  EXPECT_LT(heapAfter, heapBefore + 2048) << heapBefore << " -> " << heapAfter;
  EXPECT_EQ(ThreadWindowCount(), windowsBefore);
  const size_t pagesAfter = ProcessMemoryBytes();
  EXPECT_LT(pagesAfter, pagesBefore + 256 * 1024) << pagesBefore << " -> " << pagesAfter;
  DestroyIcon(icon);
}

}  // namespace
