// Gadgets: child windows over a button slot, kept over it as the toolbar changes,
// handed back when their button or toolbar goes, and combo boxes with hot
// tracking drawn flat with a hot look that follows the real pointer.
#include <gtest/gtest.h>

#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/elements/ui_element_painter.h"
#include "tests/commandbars/toolbar/toolbar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ToolbarGadgets : public testing::Test {
 protected:
  void SetUp() override {
    EnsureToolbarTestsStarted();
    MovePointerAway();
  }
  void TearDown() override {
    FreeToolBarEx(-1);
    MovePointerAway();
  }
  HWND Child(const wchar_t* className, DWORD style, int width, int height) {
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, host_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  // The gadget's rectangle in its toolbar's client area.
  static RECT InToolbar(HWND gadget) {
    RECT rect{};
    GetWindowRect(gadget, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(gadget), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  static RECT Slot(int toolbar, int id) {
    const HWND window = ToolBarExID(toolbar);
    RECT slot{};
    SendMessageW(window, TB_GETITEMRECT, SendMessageW(window, TB_COMMANDTOINDEX, id, 0), reinterpret_cast<LPARAM>(&slot));
    return slot;
  }
  ToolbarHost host_;
};

TEST_F(ToolbarGadgets, PlacedOverItsSlotAndFollowingIt) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  ToolBarButtonEx(-1, L"first", 0);
  const HWND gadget = Child(L"STATIC", 0, 70, 40);
  const int id = ToolBarExGadget(-1, gadget, 3, 2, 5, 4, 0);
  ASSERT_NE(id, 0);
  EXPECT_EQ(ToolBarExGadgetID(toolbar, id), gadget);
  EXPECT_EQ(GetParent(gadget), ToolBarExID(toolbar));
  EXPECT_TRUE(IsWindowVisible(gadget));
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, id), 70 + 3 + 5);
  auto expectOverSlot = [&](const char* when) {
    const RECT slot = Slot(toolbar, id);
    const RECT rect = InToolbar(gadget);
    EXPECT_EQ(rect.left, slot.left + 3) << when;
    EXPECT_EQ(rect.top, slot.top + 2) << when;
    EXPECT_EQ(rect.right - rect.left, (slot.right - slot.left) - 3 - 5) << when;
    EXPECT_EQ(rect.bottom - rect.top, (slot.bottom - slot.top) - 4) << when << ": the top margin does not shorten it";
  };
  expectOverSlot("added");
  const int before = InToolbar(gadget).left;
  InsertToolBarButtonEx(toolbar, 0, -1, L"inserted before", 0);
  EXPECT_GT(InToolbar(gadget).left, before);
  expectOverSlot("after an insert before it");
  EXPECT_EQ(SetToolBarExButtonWidth(toolbar, id, 100), 1);
  EXPECT_EQ(ToolBarExButtonWidth(toolbar, id), 108) << "the margins are added";
  expectOverSlot("after a width change");
  EXPECT_EQ(SetToolBarExHeight(toolbar, 40), 1);
  expectOverSlot("after a height change");
  EXPECT_EQ(HideToolBarExButton(toolbar, id, 1), 1);
  EXPECT_FALSE(IsWindowVisible(gadget)) << "hidden with its button";
  EXPECT_EQ(HideToolBarExButton(toolbar, id, 0), 1);
  EXPECT_TRUE(IsWindowVisible(gadget));

  EXPECT_EQ(RemoveToolBarExButton(toolbar, id, 0), 1);
  EXPECT_EQ(GetParent(gadget), host_.get()) << "back to the top-level window";
  EXPECT_FALSE(IsWindowVisible(gadget));

  const HWND second = Child(L"STATIC", 0, 30, 20);
  InsertToolBarExGadget(toolbar, 0, -1, second, 0, 0, 0, 0, 0);
  FreeToolBarEx(toolbar);
  EXPECT_TRUE(IsWindow(second)) << "a gadget outlives its toolbar";
  EXPECT_EQ(GetParent(second), host_.get());
  EXPECT_FALSE(IsWindowVisible(second));
}

TEST_F(ToolbarGadgets, Refusals) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  const HWND window = ToolBarExID(toolbar);
  const size_t buttons = ToolBarExButtonList().Size();
  EXPECT_EQ(ToolBarExGadget(-1, nullptr, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(ToolBarExGadget(-1, reinterpret_cast<HWND>(0x4321), 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(ToolBarExGadget(-1, window, 0, 0, 0, 0, 0), 0) << "the toolbar itself";
  EXPECT_EQ(ToolBarExGadget(-1, host_, 0, 0, 0, 0, 0), 0) << "an ancestor of the toolbar";
  EXPECT_EQ(InsertToolBarExGadget(12345, 0, -1, Child(L"STATIC", 0, 10, 10), 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(ToolBarExButtonList().Size(), buttons);
  EXPECT_EQ(GetParent(window), host_.get());
}

// A slot too low for a combo box's items must not give them a negative height
// (accepted by the control, and the combo box collapses to one pixel).
TEST_F(ToolbarGadgets, ComboItemHeightOnlyForSevenPixelsOrMore) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  const HWND combo = Child(L"COMBOBOX", CBS_DROPDOWNLIST, 80, 150);
  const LRESULT itemHeight = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  const int id = ToolBarExGadget(-1, combo, 0, 0, 0, 4, 0);
  ASSERT_NE(id, 0);
  SetToolBarExHeight(toolbar, 30);
  const RECT slot = Slot(toolbar, id);
  // What the control reports for the height the library sets, read from a twin.
  const HWND twin = Child(L"COMBOBOX", CBS_DROPDOWNLIST, 80, 150);
  SendMessageW(twin, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), (slot.bottom - slot.top) - 4 - 6);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
            SendMessageW(twin, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  EXPECT_NE(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), itemHeight);
  DestroyWindow(twin);
  // A bottom margin that leaves 3 pixels of the slot.
  const HWND low = Child(L"COMBOBOX", CBS_DROPDOWNLIST, 80, 150);
  const LRESULT lowItemHeight = SendMessageW(low, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  ASSERT_NE(ToolBarExGadget(-1, low, 0, 0, 0, (slot.bottom - slot.top) - 3, 0), 0);
  EXPECT_EQ(SendMessageW(low, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), lowItemHeight);
  RECT rect{};
  GetWindowRect(low, &rect);
  EXPECT_GT(rect.bottom - rect.top, 1);
}

// Hot tracking by the real pointer: over the combo box the frame takes
// "menuhotborder" and the drop button the hot gradient; onto its edit the look
// stays; away to the host it goes. A toolbar and rebar without a UI style still
// draw flat, framed in colour 0. Without hot tracking nothing changes.
TEST_F(ToolbarGadgets, ComboHotTrackingFollowsThePointer) {
  const struct {
    uint32_t style;
    BYTE tracking;
  } cases[] = {{UISTYLE_OFFICE2003, 1}, {0, 1}, {UISTYLE_OFFICE2003, 0}};
  for (const auto& c : cases) {
    const int toolbar = CreateToolBarEx(-1, host_, 16, 16, static_cast<int>(c.style));
    SetToolBarExHeight(toolbar, 28);
    const HWND combo = Child(L"COMBOBOX", CBS_DROPDOWN, 120, 150);
    ASSERT_NE(ToolBarExGadget(-1, combo, 0, 2, 0, 4, c.tracking), 0);
    const HWND edit = GetWindow(combo, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    const COLORREF frame = static_cast<COLORREF>(LookupUIColour(c.style, kMenuHotBorder, kUIColourColorRef));
    RECT client{};
    GetClientRect(combo, &client);
    auto framePixels = [&] {
      RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      Dib32 shot(client.right, client.bottom);
      CaptureClientArea(combo, shot);
      int count = 0;
      for (int x = 0; x < client.right; ++x) count += (shot.Pixel(x, 0) & 0xFFFFFF) == (((frame & 0xFF) << 16) | (frame & 0xFF00) | ((frame >> 16) & 0xFF));
      return count;
    };
    auto dropPixel = [&] {
      Dib32 shot(client.right, client.bottom);
      CaptureClientArea(combo, shot);
      return shot.Pixel(client.right - 1 - 13 + 2, 3) & 0xFFFFFF;
    };
    const int idle = framePixels();
    ASSERT_TRUE(MovePointerTo(combo, POINT{client.right - 6, client.bottom / 2}));
    const bool tracks = c.tracking != 0;
    EXPECT_EQ(PumpUntil([&] { return framePixels() > client.right / 2; }, 1500), tracks) << c.style;
    if (tracks && c.style) {
      EXPECT_NE(dropPixel(), 0xFFFFFFu) << "the drop button shows the hot gradient";
    }
    RECT editRect{};
    GetClientRect(edit, &editRect);
    ASSERT_TRUE(MovePointerTo(edit, POINT{editRect.right / 2, editRect.bottom / 2}));
    PumpMessagesFor(300);  // past the leave notice of the combo box
    if (tracks) {
      EXPECT_GT(framePixels(), client.right / 2) << c.style << ": over its edit it stays hot";
    }
    MovePointerTo(host_, POINT{590, 190});
    EXPECT_TRUE(PumpUntil([&] { return framePixels() <= idle; }, 1500)) << c.style << ": away, the hot look goes";
    if (tracks) {
      EXPECT_EQ(dropPixel(), 0xFFFFFFu);
    }
    FreeToolBarEx(toolbar);
    DestroyWindow(combo);
  }
}

}  // namespace
