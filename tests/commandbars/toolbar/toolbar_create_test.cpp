// Making toolbars and adding buttons: numbers and windows, refusals that leave
// nothing behind, the style bits that reach the control, automatic ids, labels
// and button sizes.
#include <gtest/gtest.h>

#include <string>

#include "commandbars/commandbar_globals.h"
#include "commandbars/menu_ex_font.h"
#include "commandbars/menu_ex_record.h"
#include "core/library/object_numbers.h"
#include "core/windows/window_class_name.h"
#include "tests/commandbars/toolbar/toolbar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ToolbarCreate : public testing::Test {
 protected:
  void SetUp() override { EnsureToolbarTestsStarted(); }
  void TearDown() override { FreeToolBarEx(-1); }
  ToolbarHost host_;
};

TEST_F(ToolbarCreate, NumbersWindowsAndRefusals) {
  const int first = CreateToolBarEx(-1, host_, 16, 16, 0);
  const int second = CreateToolBarEx(-1, host_, 16, 16, 0);
  ASSERT_NE(first, 0);
  ASSERT_NE(second, 0);
  EXPECT_NE(first, second);
  const HWND window = ToolBarExID(first);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WindowClassName(window) == L"ToolbarWindow32");
  EXPECT_EQ(GetParent(window), host_.get());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(SendMessageW(window, TB_GETTOOLTIPS, 0, 0), 0) << "a tool-tip window of its own";
  EXPECT_EQ(CommandBarState().settings.currentToolBarEx, second) << "the toolbar made last is current";
  EXPECT_NE(MenuExFont(), nullptr) << "the menu font is made with the first toolbar";

  // A number given comes back as the window; the same number again is refused.
  const int seven = CreateToolBarEx(7, host_, 0, 0, 0);
  EXPECT_EQ(Window(seven), ToolBarExID(7));
  const size_t count = ToolBarExList().Size();
  struct Refusal {
    const char* what;
    int number;
    HWND parent;
    int width, height;
  } refusals[] = {
      {"number in use", 7, host_, 16, 16},
      {"parent no window", -1, reinterpret_cast<HWND>(0x12345), 16, 16},
      {"parent 0", -1, nullptr, 16, 16},
      {"negative size", -1, host_, -16, 16},
      {"one side 0", -1, host_, 16, 0},
      {"huge size", -1, host_, 100000, 100000},
  };
  for (const Refusal& r : refusals) {
    EXPECT_EQ(CreateToolBarEx(r.number, r.parent, r.width, r.height, 0), 0) << r.what;
    EXPECT_EQ(ToolBarExList().Size(), count) << r.what << ": no record left";
  }
  EXPECT_EQ(ToolBarExID(Key(window)), nullptr) << "ToolBarExID takes numbers only";
  EXPECT_EQ(FreeToolBarEx(Key(window)), 1) << "the other exports take the window too";
  EXPECT_EQ(FreeToolBarEx(Key(window)), 0);
}

TEST_F(ToolbarCreate, ImageListsFollowTheImageSize) {
  const int none = CreateToolBarEx(-1, host_, 0, 0, 0);
  EXPECT_FALSE(FindToolBarEx(none)->HasImageLists());
  EXPECT_EQ(SendMessageW(ToolBarExID(none), TB_GETIMAGELIST, 0, 0), 0);
  Icons icons;
  EXPECT_NE(ToolBarImageButtonEx(-1, L"a", icons.Make(16, kRed), nullptr, nullptr, 0), 0)
      << "buttons still go onto a toolbar without lists";

  const int big = CreateToolBarEx(-1, host_, 24, 24, 0);
  const HWND window = ToolBarExID(big);
  for (UINT get : {TB_GETIMAGELIST, TB_GETHOTIMAGELIST, TB_GETDISABLEDIMAGELIST}) {
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(window, get, 0, 0));
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &width, &height));
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 24);
  }
}

// The library's bits (23 to 26) stay out of the control: as window styles they
// are WS_BORDER, WS_MAXIMIZE, WS_CLIPCHILDREN and WS_CLIPSIBLINGS.
TEST_F(ToolbarCreate, LibraryFlagBitsNeverReachTheControl) {
  const struct {
    uint32_t flags;
    LRESULT extended;
    uint32_t uiStyle;
  } cases[] = {
      {0, TBSTYLE_EX_DRAWDDARROWS, 0},
      {TOOLBAREX_HIDECLIPPEDBUTTONS, TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_HIDECLIPPEDBUTTONS, 0},
      {UISTYLE_OFFICE2003, TBSTYLE_EX_DRAWDDARROWS, UISTYLE_OFFICE2003},
      {UISTYLE_OFFICE2007, TBSTYLE_EX_DRAWDDARROWS, UISTYLE_OFFICE2007},
      {UISTYLE_OFFICE2003 | UISTYLE_OFFICE2007, TBSTYLE_EX_DRAWDDARROWS, UISTYLE_OFFICE2003},
      {UISTYLE_IMAGEONLY | UISTYLE_OFFICE2003 | TOOLBAREX_HIDECLIPPEDBUTTONS,
       TBSTYLE_EX_DRAWDDARROWS | TBSTYLE_EX_HIDECLIPPEDBUTTONS, UISTYLE_IMAGEONLY},
  };
  for (const auto& c : cases) {
    const int toolbar = CreateToolBarEx(-1, host_, 16, 16, static_cast<int>(c.flags | TBSTYLE_LIST));
    const HWND window = ToolBarExID(toolbar);
    EXPECT_EQ(SendMessageW(window, TB_GETEXTENDEDSTYLE, 0, 0), c.extended) << std::hex << c.flags;
    const auto controlStyle = static_cast<uint32_t>(SendMessageW(window, TB_GETSTYLE, 0, 0));
    const auto windowStyle = static_cast<uint32_t>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(controlStyle & 0x07800000u, 0u) << std::hex << c.flags;
    EXPECT_EQ(windowStyle & 0x07800000u, 0u) << std::hex << c.flags;
    EXPECT_NE(controlStyle & TBSTYLE_LIST, 0u) << "the control's own bits go through";
    EXPECT_NE(controlStyle & TBSTYLE_TOOLTIPS, 0u);
    EXPECT_EQ(FindToolBarEx(toolbar)->uiStyle, c.uiStyle) << std::hex << c.flags;
    EXPECT_EQ(FindToolBarEx(toolbar)->flags, c.flags | TBSTYLE_LIST | TBSTYLE_TOOLTIPS) << "kept in the record";
    FreeToolBarEx(toolbar);
  }
}

TEST_F(ToolbarCreate, SecondToolbarDoesNotChangeTheHostTwice) {
  CreateToolBarEx(-1, host_, 16, 16, 0);
  EXPECT_NE(GetWindowLongW(host_, GWL_STYLE) & WS_CLIPCHILDREN, 0);
  const LONG_PTR procedure = GetWindowLongPtrW(host_, GWLP_WNDPROC);
  CreateToolBarEx(-1, host_, 16, 16, 0);
  EXPECT_EQ(GetWindowLongPtrW(host_, GWLP_WNDPROC), procedure);
}

TEST_F(ToolbarCreate, AddersTable) {
  const int a = CreateToolBarEx(-1, host_, 16, 16, 0);
  const int b = CreateToolBarEx(-1, host_, 16, 16, 0);
  SetCommandIDCounter(0x9000);
  Icons icons;
  const HICON red = icons.Make(16, kRed);
  // b is current.
  EXPECT_EQ(ToolBarButtonEx(100, L"given", 0), 100);
  EXPECT_EQ(ToolBarButtonEx(100, L"again", 0), 0) << "an id the toolbar has";
  EXPECT_EQ(ToolBarButtonEx(-1, L"auto", 0), 0x8FFF) << "automatic ids count down from the counter";
  EXPECT_EQ(InsertToolBarButtonEx(a, -1, 100, L"same id, other toolbar", 0), 100);
  EXPECT_EQ(CommandBarState().settings.currentToolBarEx, b) << "inserting leaves the current toolbar";
  // 0x8FFE is taken on a, so the next automatic id skips it on b too.
  EXPECT_EQ(InsertToolBarButtonEx(a, -1, 0x8FFE, L"taken", 0), 0x8FFE);
  EXPECT_EQ(ToolBarImageButtonEx(-1, L"img", red, nullptr, nullptr, 0), 0x8FFD);
  // Style 1 makes a separator, with a fresh id even when one is given.
  const int separator = ToolBarButtonEx(555, L"sep", BTNS_SEP);
  EXPECT_EQ(separator, 0x8FFC);
  const HWND window = ToolBarExID(b);
  TBBUTTONINFOW info = ButtonInfo(TBIF_SIZE | TBIF_STYLE | TBIF_STATE);
  ASSERT_GE(SendMessageW(window, TB_GETBUTTONINFOW, separator, reinterpret_cast<LPARAM>(&info)), 0);
  EXPECT_EQ(info.cx, 6);
  EXPECT_EQ(info.fsStyle, 0);
  EXPECT_EQ(info.fsState, 0);
  EXPECT_EQ(ToolBarExButtonWidth(b, separator), 6);
  EXPECT_EQ(ToolBarSeparatorEx(), 0x8FFB);
  ExpectListsInStep(a);
  ExpectListsInStep(b);

  // No current toolbar: the current one freed, or none ever.
  FreeToolBarEx(b);
  EXPECT_EQ(ToolBarButtonEx(-1, L"x", 0), 0);
  EXPECT_EQ(ToolBarSeparatorEx(), 0);
  EXPECT_EQ(InsertToolBarButtonEx(b, 0, -1, L"x", 0), 0) << "an unknown toolbar";
  CommandBarState().settings.currentToolBarEx = -1;
  EXPECT_EQ(ToolBarImageButtonEx(-1, L"x", red, nullptr, nullptr, 0), 0);
}

// A refused icon never leaves the three lists out of step, and a refused normal
// icon or a failed insert leaves nothing at all.
TEST_F(ToolbarCreate, RefusedImagesKeepTheListsInStep) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  Icons icons;
  const HICON red = icons.Make(16, kRed);
  const HANDLE junk = reinterpret_cast<HANDLE>(0x5678);
  EXPECT_NE(ToolBarImageButtonEx(-1, L"a", red, junk, junk, 0), 0) << "bad hot and disabled: stand-ins";
  ExpectListsInStep(toolbar);
  const size_t buttons = ToolBarExButtonList().Size();
  EXPECT_EQ(ToolBarImageButtonEx(-1, L"b", junk, red, red, 0), 0) << "a refused normal icon";
  EXPECT_EQ(ToolBarExButtonList().Size(), buttons);
  ExpectListsInStep(toolbar);
  // A bitmap is taken for an image too.
  Dib32 bitmap(16, 16, kGreen);
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap.bitmap(), IMAGE_BITMAP, 0, 0, 0));
  EXPECT_NE(ToolBarImageButtonEx(-1, L"c", copy, nullptr, nullptr, 0), 0);
  DeleteObject(copy);
  ExpectListsInStep(toolbar);
  EXPECT_EQ(ButtonCount(ToolBarExID(toolbar)), 2);
}

// A toolbar destroyed with its parent: every adder fails, nothing is sent to the
// dead handle, and freeing still frees its record and lists.
TEST_F(ToolbarCreate, ToolbarGoneWithItsParent) {
  HWND parent = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 60, host_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  const int toolbar = CreateToolBarEx(-1, parent, 16, 16, 0);
  const HIMAGELIST normal = FindToolBarEx(toolbar)->normalList;
  EXPECT_NE(ToolBarButtonEx(-1, L"a", 0), 0);
  DestroyWindow(parent);
  const size_t buttons = ToolBarExButtonList().Size();
  EXPECT_EQ(ToolBarButtonEx(-1, L"b", 0), 0);
  EXPECT_EQ(ToolBarSeparatorEx(), 0);
  EXPECT_EQ(ToolBarExButtonList().Size(), buttons);
  EXPECT_EQ(ImageList_GetImageCount(normal), 1);
  EXPECT_EQ(SetToolBarExHeight(toolbar, 30), 0);
  EXPECT_EQ(FreeToolBarEx(toolbar), 1);
  EXPECT_EQ(FindToolBarEx(toolbar), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(normal), 0) << "its lists were destroyed";
}

TEST_F(ToolbarCreate, LabelsShowPlainTextAndKeepTheirMarkup) {
  const int toolbar = CreateToolBarEx(-1, host_, 0, 0, TBSTYLE_LIST);
  const int marked = ToolBarButtonEx(-1, L"\\bOpen\\b file", BTNS_AUTOSIZE);
  const int plain = ToolBarButtonEx(-1, L"Open file", BTNS_AUTOSIZE);
  const HWND window = ToolBarExID(toolbar);
  wchar_t text[64] = {};
  SendMessageW(window, TB_GETBUTTONTEXTW, marked, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Open file");
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, marked), ToolBarExButtonWidth(toolbar, plain));
  EXPECT_EQ(FindToolBarExButton(*FindToolBarEx(toolbar), marked)->label, L"\\bOpen\\b file");

  EXPECT_EQ(ChangeToolbarExButton(toolbar, plain, L"\\iSave\\i", reinterpret_cast<HANDLE>(-1),
                                  reinterpret_cast<HANDLE>(-1), reinterpret_cast<HANDLE>(-1)),
            1);
  SendMessageW(window, TB_GETBUTTONTEXTW, plain, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), L"Save");
  EXPECT_EQ(FindToolBarExButton(*FindToolBarEx(toolbar), plain)->label, L"\\iSave\\i");
  EXPECT_EQ(ChangeToolbarExButton(toolbar, 12345, L"x", 0, 0, 0), 0) << "an unknown button";
}

TEST_F(ToolbarCreate, ButtonSizes) {
  Icons icons;
  const HICON red = icons.Make(16, kRed);
  // Office styles grow by 3 once: on the first button, not on the second.
  for (int style : {0, UISTYLE_OFFICE2003, UISTYLE_OFFICE2007}) {
    const int plain = CreateToolBarEx(-1, host_, 16, 16, 0);
    ToolBarImageButtonEx(-1, L"a", red, nullptr, nullptr, 0);
    const int office = CreateToolBarEx(-1, host_, 16, 16, style);
    ToolBarImageButtonEx(-1, L"a", red, nullptr, nullptr, 0);
    const int grown = style ? 3 : 0;
    EXPECT_EQ(ToolBarExHeight(office), ToolBarExHeight(plain) + grown) << style;
    ToolBarImageButtonEx(-1, L"b", red, nullptr, nullptr, 0);
    EXPECT_EQ(ToolBarExHeight(office), ToolBarExHeight(plain) + grown) << style << ": not again";
    FreeToolBarEx(plain);
    FreeToolBarEx(office);
  }
  // Image-only buttons are sized to their icons.
  const int images = CreateToolBarEx(-1, host_, 16, 16, UISTYLE_IMAGEONLY);
  const int first = ToolBarImageButtonEx(-1, nullptr, red, nullptr, nullptr, 0);
  RECT item{};
  SendMessageW(ToolBarExID(images), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.right - item.left, 16);
  EXPECT_EQ(item.bottom - item.top, 16);
  EXPECT_EQ(ToolBarExButtonWidth(images, first), 16);

  // A new height keeps every button's width.
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, TBSTYLE_LIST);
  const int wide = ToolBarButtonEx(-1, L"A rather long label", 0);
  const int other = ToolBarButtonEx(-1, L"B", 0);
  const int wideWidth = ToolBarExButtonWidth(toolbar, wide);
  ASSERT_GT(wideWidth, 30);
  EXPECT_EQ(SetToolBarExHeight(toolbar, 40), 1);
  EXPECT_EQ(ToolBarExHeight(toolbar), 40);
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, wide), wideWidth);
  EXPECT_EQ(SetToolBarExButtonWidth(toolbar, other, 50), 1);
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, other), 50);
  EXPECT_EQ(SetToolBarExButtonWidth(toolbar, 4242, 50), 0) << "an id without a button";
  EXPECT_EQ(SetToolBarExHeight(12345, 40), 0);
  EXPECT_EQ(ToolBarExHeight(12345), 0);
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, 4242), 0);
}

TEST_F(ToolbarCreate, ButtonStates) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  const HWND window = ToolBarExID(toolbar);
  const int id = ToolBarButtonEx(-1, L"a", BTNS_CHECK);
  EXPECT_EQ(DisableToolbarExButton(toolbar, id, 1), 1);
  EXPECT_FALSE(SendMessageW(window, TB_ISBUTTONENABLED, id, 0));
  EXPECT_EQ(DisableToolbarExButton(toolbar, id, 0), 1);
  EXPECT_TRUE(SendMessageW(window, TB_ISBUTTONENABLED, id, 0));
  EXPECT_EQ(SelectToolbarExButton(toolbar, id, 7), 1);
  EXPECT_TRUE(SendMessageW(window, TB_ISBUTTONCHECKED, id, 0));
  EXPECT_EQ(HideToolBarExButton(toolbar, id, 1), 1);
  EXPECT_TRUE(SendMessageW(window, TB_ISBUTTONHIDDEN, id, 0));
  for (int bad : {0, -1, 12345})
    EXPECT_EQ(DisableToolbarExButton(bad, id, 1) + HideToolBarExButton(bad, id, 1) + SelectToolbarExButton(bad, id, 1) +
                  SetToolBarExStyle(bad, 0) + DisableToolBarExButtonFade(bad) + ToolBarExToolTip(bad, id, L"t") +
                  ToolBarExToolTipDelay(bad, 1, 1, 1) + RemoveToolBarExButton(bad, id, 0),
              0)
        << bad;
  EXPECT_EQ(DisableToolbarExButton(toolbar, 999, 1), 0) << "an unknown id";
  EXPECT_EQ(DisableToolBarExButtonFade(toolbar), 1);
  EXPECT_EQ(ToolBarExGadgetID(toolbar, id), nullptr);
}

}  // namespace

namespace {

using namespace kelvra;
using namespace kelvra::test;

// Making and freeing a toolbar of 20 buttons, with a tool tip and a drop-down
// binding, leaves nothing behind: the heap block by block, the thread's windows
// and the working set stay flat. (Without image lists: each icon put into a list
// takes milliseconds under Wine; the lists' own release is checked by the
// library load test.)
TEST(ToolbarLeaks, MakeAndFreeCyclesStayFlat) {
  EnsureToolbarTestsStarted();
  ToolbarHost host;
  Icons icons;
  const HICON icon = icons.Make(16, kBlue);
  auto cycle = [&] {
    const int toolbar = CreateToolBarEx(-1, host, 0, 0, 0);
    for (int i = 0; i < 19; ++i) ToolBarImageButtonEx(-1, L"Btn", icon, icon, nullptr, 0);
    const int drop = ToolBarDropdownImageButtonEx(-1, 0, L"Drop", icon, icon, icon, 0);
    ToolBarExToolTip(toolbar, drop, L"tip");
    FreeToolBarEx(toolbar);
  };
  for (int i = 0; i < 10; ++i) cycle();
  const size_t heapBefore = HeapBytesInUse();
  const int windowsBefore = ThreadWindowCount();
  const size_t pagesBefore = ProcessMemoryBytes();
  for (int i = 0; i < 50; ++i) cycle();
  const size_t heapAfter = HeapBytesInUse();
  EXPECT_LT(heapAfter, heapBefore + 4096) << heapBefore << " -> " << heapAfter;
  EXPECT_EQ(ThreadWindowCount(), windowsBefore);
  const size_t pagesAfter = ProcessMemoryBytes();
  EXPECT_LT(pagesAfter, pagesBefore + 256 * 1024) << pagesBefore << " -> " << pagesAfter;
  EXPECT_TRUE(ToolBarExList().Empty());
  EXPECT_TRUE(ToolBarExButtonList().Empty());
  EXPECT_TRUE(ToolBarExToolTipList().Empty());
  EXPECT_TRUE(MenuExList().Empty());
}

}  // namespace
