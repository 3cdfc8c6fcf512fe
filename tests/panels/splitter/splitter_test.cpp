// Splitters as an application makes and drives them without the pointer: the
// windows creation makes and where the gadgets go, the built-in skins' bars,
// the resize layout on screen, every attribute with its limits and collapsed
// sides, and freeing, with the bad arguments each export must survive.
#include <gtest/gtest.h>

#include "panels/panel/panel_registry.h"
#include "skin/builtin/builtin_skins.h"
#include "tests/panels/splitter/splitter_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class SplitterCreate : public SplittersOnScreen {};

TEST_F(SplitterCreate, NumbersWindowsAndGadgets) {
  const int chosen = Make();
  ASSERT_NE(chosen, 0);
  ASSERT_NE(chosen, -1);
  const HWND container = SplitterExID(chosen);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(GetParent(container), host_);
  EXPECT_EQ(Box(container), "0,0 400x300");
  // Both gadgets and the bar sit on the container's page.
  const HWND page = ContainerPageOf(chosen);
  EXPECT_EQ(GetParent(page), container);
  EXPECT_EQ(GetParent(*first_), page);
  EXPECT_EQ(GetParent(*second_), page);
  EXPECT_EQ(GetParent(BarOf(chosen)), page);
  EXPECT_EQ(GetParent(BarPageOf(chosen)), BarOf(chosen));
  // The window answers for the number everywhere a splitter is taken.
  EXPECT_EQ(GetSplitterExAttribute(AsKey(container), 32), AsKey(*first_));

  // A number of one's own gives the window; in use, nothing.
  auto gadgetA = MakeGadget(), gadgetB = MakeGadget();
  const int own = SplitterEx(host_, 77, 0, 0, 100, 100, *gadgetA, *gadgetB, nullptr, 0);
  EXPECT_EQ(PanelWindow(own), SplitterExID(77));
  const int panels = static_cast<int>(PanelExList().Size());
  EXPECT_EQ(SplitterEx(host_, 77, 0, 0, 100, 100, *gadgetA, *gadgetB, nullptr, 0), 0);
  EXPECT_EQ(static_cast<int>(PanelExList().Size()), panels);
  EXPECT_EQ(SplitterExID(12345), nullptr);
  EXPECT_EQ(SplitterExID(-1), nullptr);
  FreeSplitterEx(77);
}

TEST_F(SplitterCreate, NeedsOneWindowAndMakesNothingOtherwise) {
  const HWND notAWindow = reinterpret_cast<HWND>(0x7654);
  const int panels = static_cast<int>(PanelExList().Size());
  EXPECT_EQ(SplitterEx(nullptr, -1, 0, 0, 100, 100, nullptr, nullptr, nullptr, 0), 0);
  EXPECT_EQ(SplitterEx(notAWindow, -1, 0, 0, 100, 100, notAWindow, notAWindow, nullptr, 0), 0);
  EXPECT_EQ(static_cast<int>(PanelExList().Size()), panels);
  EXPECT_EQ(SplitterExList().Size(), 0u);
  // A parent alone is enough: the gadgets come later.
  const int bare = SplitterEx(host_, -1, 0, 0, 200, 100, nullptr, notAWindow, nullptr, 0);
  ASSERT_NE(bare, 0);
  EXPECT_EQ(GetSplitterExAttribute(bare, 32), 0);
  EXPECT_EQ(GetSplitterExAttribute(bare, 64), 0);
  EXPECT_EQ(SetSplitterExAttribute(bare, 64, 0x7654), 0);  // a non-window changes nothing
  EXPECT_EQ(SetSplitterExAttribute(bare, 64, AsKey(*second_)), 1);
  EXPECT_EQ(GetParent(*second_), ContainerPageOf(bare));
  EXPECT_EQ(Box(*second_), "103,0 97x100");
}

// A gadget must not be the parent (nor an ancestor of it, nor the splitter's own
// windows): it would be moved into its own child.
TEST_F(SplitterCreate, ThePartsOfTheTreeAboveAreNoGadgets) {
  const int s = SplitterEx(host_, -1, 0, 0, 200, 100, host_, *second_, nullptr, 0);
  ASSERT_NE(s, 0);
  EXPECT_EQ(GetSplitterExAttribute(s, 32), 0);
  EXPECT_EQ(GetParent(host_), nullptr);
  EXPECT_EQ(GetAncestor(host_, GA_ROOT), host_);
  for (HWND bad : {host_, SplitterExID(s), ContainerPageOf(s), BarOf(s), BarPageOf(s)}) {
    EXPECT_EQ(SetSplitterExAttribute(s, 32, AsKey(bad)), 0);
    EXPECT_EQ(SetSplitterExAttribute(s, 64, AsKey(bad)), 0);
  }
  EXPECT_EQ(GetSplitterExAttribute(s, 64), AsKey(*second_));
  // One window given twice is one gadget.
  auto gadget = MakeGadget();
  const int twice = SplitterEx(host_, -1, 0, 0, 200, 100, *gadget, *gadget, nullptr, 0);
  EXPECT_EQ(GetSplitterExAttribute(twice, 32), AsKey(*gadget));
  EXPECT_EQ(GetSplitterExAttribute(twice, 64), 0);
  FreeSplitterEx(twice);
  EXPECT_EQ(GetParent(*gadget), host_);
}

TEST_F(SplitterCreate, SelectorsChooseTheBuiltInSkins) {
  struct Case {
    uintptr_t selector;
    const wchar_t* skin;
    const char* bar;  // in a 400 x 300 splitter
  } cases[] = {
      {0, L"syssplitterskin", "198,0 5x300"},
      {1, L"syssplitter2skin", "198,0 5x300"},
      {0x2000000, L"office2007splitterskin", "196,100 9x100"},
      {0x1234, L"syssplitterskin", "198,0 5x300"},  // no skin: the plain one
  };
  for (const Case& c : cases) {
    const int s = Make(c.selector);
    ASSERT_NE(s, 0);
    EXPECT_EQ(GetSplitterExSkin(s), reinterpret_cast<HANDLE>(BuiltInSkin(c.skin))) << c.selector;
    EXPECT_EQ(Box(BarOf(s)), c.bar) << c.selector;
    FreeSplitterEx(s);
  }
  // The bar page's cursor sizes along the drag axis.
  const int wide = Make();
  EXPECT_EQ(WithPage(BarPageOf(wide), [](auto& p) { return p.cursor; }),
            reinterpret_cast<intptr_t>(LoadCursorW(nullptr, IDC_SIZEWE)));
  FreeSplitterEx(wide);
  const int tall = Make(0, 0x1);
  EXPECT_EQ(WithPage(BarPageOf(tall), [](auto& p) { return p.cursor; }),
            reinterpret_cast<intptr_t>(LoadCursorW(nullptr, IDC_SIZENS)));
}

// Panels are found by number or window, the first in list order: an application
// panel whose number equals the container's window must not take the
// splitter's looks, nor be freed in its place.
TEST_F(SplitterCreate, AnApplicationPanelNumberedLikeTheContainerIsLeftAlone) {
  const int appNumber = CreatePanelEx(-1, host_, 0, 0, 50, 50, nullptr);
  const HWND appPanel = PanelExID(appNumber, -1);
  const HWND appPage = AddPanelExPage(5);
  ASSERT_NE(appPage, nullptr);
  const int s = Make(1);
  const HWND container = SplitterExID(s);
  {
    LockGuard lock(Locks().panel);
    PanelExRecord* record = FindPanelExByNumber(appNumber);
    PanelExList().SetHead(record, AsKey(container), record->window);
  }
  ASSERT_EQ(SetSplitterExSkin(s, GetSplitterExSkin(s), L"", 0), 1);
  EXPECT_EQ(SetSplitterExAttribute(s, 1, 1), 1);  // the bar's cursor changes
  EXPECT_EQ(WithPage(appPage, [](auto& p) { return p.backgroundSet.background; }), 5);
  EXPECT_EQ(WithPage(appPage, [](auto& p) { return p.cursor; }), 0);
  ASSERT_EQ(FreeSplitterEx(s), 1);
  EXPECT_TRUE(IsWindow(appPanel));
  EXPECT_FALSE(IsWindow(container));
  FreePanelEx(AsKey(appPanel));
}

// A skin that updates automatically reaches its splitters when it changes; one
// that does not waits for SetSplitterExSkin.
TEST_F(SplitterCreate, SkinChangesReachAutoUpdatingSkinsOnly) {
  HANDLE skin = CreateSkin(L"grip");
  SetSkinProperty(skin, L"splitterex", L"normal", L"gripper size", L"width: 5;");
  SetSkinProperty(skin, L"splitterex", L"normal vertical", L"gripper size", L"height: 7;");
  const int s = Make(reinterpret_cast<uintptr_t>(skin));
  EXPECT_EQ(GetSplitterExSkin(s), skin);
  EXPECT_EQ(Box(BarOf(s)), "198,0 5x300");
  SetSkinProperty(skin, L"splitterex", L"normal", L"gripper size", L"width: 12; height: 40;");
  EXPECT_EQ(Box(BarOf(s)), "194,130 12x40");
  // Both orientations were read: stacking takes the other size.
  SetSplitterExAttribute(s, 1, 1);
  EXPECT_EQ(Box(BarOf(s)), "0,147 400x7");
  SetSplitterExAttribute(s, 1, 0);
  SetSkinAutoUpdate(skin, 0);
  SetSkinProperty(skin, L"splitterex", L"normal", L"gripper size", L"width: 20;");
  EXPECT_EQ(Box(BarOf(s)), "194,130 12x40");
  EXPECT_EQ(SetSplitterExSkin(s, skin, L"", 1), 1);
  EXPECT_EQ(Box(BarOf(s)), "190,0 20x300");
  // Another component of the same skin.
  SetSkinProperty(skin, L"otherbar", L"normal", L"gripper size", L"width: 3;");
  EXPECT_EQ(SetSplitterExSkin(s, skin, L"otherbar", 0), 1);
  EXPECT_EQ(Box(BarOf(s)), "199,0 3x300");
  EXPECT_EQ(Splitter(s)->component, L"otherbar");
  FreeSplitterEx(s);
  FreeSkin(skin);
}

class SplitterLayoutOnScreen : public SplittersOnScreen {};

TEST_F(SplitterLayoutOnScreen, ResizeScalesThePosition) {
  struct Case {
    uintptr_t skin;
    int flags;
    const char *bar, *first, *second;  // 400 x 300 (stacked 300 x 400)
    const char *barWide, *firstWide, *secondWide;  // 800 x 300 (stacked 300 x 800)
  } cases[] = {
      {0, 0, "198,0 5x300", "0,0 198x300", "203,0 197x300", "398,0 5x300", "0,0 398x300", "403,0 397x300"},
      {1, 0, "198,0 5x300", "0,0 197x300", "204,0 196x300", "398,0 5x300", "0,0 397x300", "404,0 396x300"},
      {0x2000000, 0, "196,100 9x100", "0,0 195x300", "206,0 194x300", "396,100 9x100", "0,0 395x300",
       "406,0 394x300"},
      {0, 1, "0,198 300x5", "0,0 300x198", "0,203 300x197", "0,398 300x5", "0,0 300x398", "0,403 300x397"},
      {1, 1, "0,198 300x5", "0,0 300x197", "0,204 300x196", "0,398 300x5", "0,0 300x397", "0,404 300x396"},
      {0x2000000, 1, "100,196 100x9", "0,0 300x195", "0,206 300x194", "100,396 100x9", "0,0 300x395",
       "0,406 300x394"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.skin) + (c.flags ? " stacked" : ""));
    const bool stacked = c.flags & 1;
    const int s = Make(c.skin, c.flags, stacked ? 300 : 400, stacked ? 400 : 300);
    ASSERT_NE(s, 0);
    EXPECT_EQ(Box(BarOf(s)), c.bar);
    EXPECT_EQ(Box(*first_), c.first);
    EXPECT_EQ(Box(*second_), c.second);
    MoveWindow(SplitterExID(s), 0, 0, stacked ? 300 : 800, stacked ? 800 : 300, TRUE);
    EXPECT_EQ(Box(BarOf(s)), c.barWide);
    EXPECT_EQ(Box(*first_), c.firstWide);
    EXPECT_EQ(Box(*second_), c.secondWide);
    FreeSplitterEx(s);
  }
}

TEST_F(SplitterLayoutOnScreen, AttributesSetAndGet) {
  const int s = Make();
  struct Case {
    int code, value, set, get;
  } cases[] = {
      {2, 30, 1, 30},   {4, 350, 1, 350}, {8, 20, 1, 20},  {16, 380, 1, 380},
      {1024, 77, 1, 77}, {2048, 0x80000, 1, 0x80000},
      {2048, 5, 0, 0x80000},  // not a mode: kept
      {1, 0, 1, -1},     // side by side reads -1
      {9999, 3, 1, -1},  // unknown codes are accepted and read -1
      {0, 0, 1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SetSplitterExAttribute(s, c.code, c.value), c.set) << c.code;
    EXPECT_EQ(GetSplitterExAttribute(s, c.code), c.get) << c.code;
  }
  // Unknown splitters: 0 and -1.
  for (int key : {0, -1, 424242, AsKey(host_)}) {
    EXPECT_EQ(SetSplitterExAttribute(key, 2, 5), 0) << key;
    EXPECT_EQ(GetSplitterExAttribute(key, 2), -1) << key;
    EXPECT_EQ(SetSplitterExSkin(key, GetSplitterExSkin(s), L"", 0), 0) << key;
    EXPECT_EQ(GetSplitterExSkin(key), nullptr) << key;
  }
  EXPECT_EQ(SetSplitterExSkin(s, reinterpret_cast<HANDLE>(0x1234), L"", 0), 0);
  EXPECT_EQ(SetSplitterExSkin(s, GetSplitterExSkin(s), nullptr, 0), 1);
}

TEST_F(SplitterLayoutOnScreen, LimitsByBarPosition) {
  struct Case {
    const char* what;
    int code, limit;
    int target, barStart;
  } cases[] = {
      {"first minimum", 2, 100, 20, 100},
      {"first maximum", 4, 150, 300, 150},
      {"second minimum", 8, 100, 380, 295},
      // The bar's right edge never lies left of 400 - 150.
      {"second maximum", 16, 150, 20, 245},
      {"no limit", 0, 0, 20, 20},
  };
  for (const Case& c : cases) {
    const int s = Make();
    if (c.code) SetSplitterExAttribute(s, c.code, c.limit);
    EXPECT_EQ(SetSplitterExAttribute(s, 512, c.target), 1);
    EXPECT_EQ(BarStart(s), c.barStart) << c.what;
    // The gadgets follow the bar, and a resize keeps the bar's share.
    EXPECT_EQ(Box(*first_), "0,0 " + std::to_string(c.barStart) + "x300") << c.what;
    FreeSplitterEx(s);
  }
}

// Setting an attribute that changes no limit leaves the bar where it was, with
// the bar's odd width too.
TEST_F(SplitterLayoutOnScreen, AttributeSetsDoNotCreep) {
  const int s = Make(0x2000000, 0, 401, 300);
  SetSplitterExAttribute(s, 512, 123);
  const int start = BarStart(s);
  for (int i = 0; i < 10; ++i) SetSplitterExAttribute(s, 2, 0);
  EXPECT_EQ(BarStart(s), start);
  EXPECT_EQ(start, 123);
}

TEST_F(SplitterLayoutOnScreen, CollapsingHidesTheSideAndTheBar) {
  struct Case {
    int code, flags;
    const char* bar;
  } cases[] = {
      {128, 0, "-5,0 5x300"},
      {256, 0, "400,0 5x300"},
      {128, 1, "0,-5 300x5"},
      {256, 1, "0,400 300x5"},
  };
  for (const Case& c : cases) {
    const bool stacked = c.flags & 1;
    const int s = Make(0, c.flags, stacked ? 300 : 400, stacked ? 400 : 300);
    HWND gadget = c.code == 128 ? first_->get() : second_->get();
    HWND other = c.code == 128 ? second_->get() : first_->get();
    ASSERT_EQ(SetSplitterExAttribute(s, c.code, 1), 1);
    EXPECT_EQ(GetSplitterExAttribute(s, c.code), 1);
    EXPECT_FALSE(IsWindowVisible(gadget));
    EXPECT_FALSE(IsWindowVisible(BarOf(s)));
    EXPECT_EQ(Box(BarOf(s)), c.bar);
    EXPECT_EQ(Box(other), stacked ? "0,0 300x400" : "0,0 400x300");
    ASSERT_EQ(SetSplitterExAttribute(s, c.code, 0), 1);
    EXPECT_EQ(GetSplitterExAttribute(s, c.code), 0);
    EXPECT_TRUE(IsWindowVisible(gadget));
    EXPECT_TRUE(IsWindowVisible(BarOf(s)));
    EXPECT_EQ(Box(BarOf(s)), stacked ? "0,198 300x5" : "198,0 5x300");  // the position was kept
    FreeSplitterEx(s);
  }
}

TEST_F(SplitterLayoutOnScreen, OrientationAndStartCollapsed) {
  const int s = Make();
  EXPECT_EQ(GetSplitterExAttribute(s, 1), -1);
  ASSERT_EQ(SetSplitterExAttribute(s, 1, 1), 1);
  EXPECT_EQ(GetSplitterExAttribute(s, 1), 1);
  EXPECT_EQ(Box(BarOf(s)), "0,148 400x5");
  EXPECT_EQ(WithPage(BarPageOf(s), [](auto& p) { return p.cursor; }),
            reinterpret_cast<intptr_t>(LoadCursorW(nullptr, IDC_SIZENS)));
  FreeSplitterEx(s);
  // Flag 0x1000 starts at the snap side.
  struct Case {
    int flags;
    const char* bar;
  } cases[] = {{0x21000, "0,0 5x300"}, {0x81000, "395,0 5x300"}, {0x1000, "198,0 5x300"}};
  for (const Case& c : cases) {
    const int t = Make(0, c.flags);
    EXPECT_EQ(Box(BarOf(t)), c.bar) << std::hex << c.flags;
    FreeSplitterEx(t);
  }
}

TEST_F(SplitterLayoutOnScreen, ReplacingGadgets) {
  const int s = Make();
  const HWND page = ContainerPageOf(s);
  auto third = MakeGadget();
  ASSERT_EQ(SetSplitterExAttribute(s, 32, AsKey(*third)), 1);
  EXPECT_EQ(GetSplitterExAttribute(s, 32), AsKey(*third));
  EXPECT_EQ(GetParent(*third), page);
  EXPECT_EQ(GetParent(*first_), host_);  // the old one goes home
  EXPECT_EQ(Box(*third), "0,0 198x300");
  ASSERT_EQ(FreeSplitterEx(s), 1);
  EXPECT_EQ(GetParent(*third), host_);
}

class SplitterFree : public SplittersOnScreen {};

TEST_F(SplitterFree, GadgetsGoHomeAndPanelsGo) {
  const int panels = static_cast<int>(PanelExList().Size());
  const int s = Make();
  const HWND container = SplitterExID(s), bar = BarOf(s);
  EXPECT_EQ(static_cast<int>(PanelExList().Size()), panels + 2);
  EXPECT_EQ(FreeSplitterEx(s), 1);
  EXPECT_FALSE(IsWindow(container));
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_EQ(GetParent(*first_), host_);
  EXPECT_EQ(GetParent(*second_), host_);
  EXPECT_EQ(static_cast<int>(PanelExList().Size()), panels);
  EXPECT_EQ(FreeSplitterEx(s), 0);
  EXPECT_EQ(FreeSplitterEx(0), 0);
  EXPECT_EQ(FreeSplitterEx(AsKey(host_)), 0);
  Make();
  Make();
  EXPECT_EQ(FreeSplitterEx(-1), 1);
  EXPECT_EQ(SplitterExList().Size(), 0u);
  EXPECT_EQ(FreeSplitterEx(-1), 1);
  EXPECT_EQ(static_cast<int>(PanelExList().Size()), panels);
}

// A gadget the application destroyed is left out of every batch: the bar and
// the other gadget are still placed.
TEST_F(SplitterFree, ADestroyedGadgetDoesNotStopTheLayout) {
  const int s = Make();
  first_.reset();
  ASSERT_EQ(SetSplitterExAttribute(s, 512, 100), 1);
  EXPECT_EQ(BarStart(s), 100);
  EXPECT_EQ(Box(*second_), "105,0 295x300");
  MoveWindow(SplitterExID(s), 0, 0, 200, 300, TRUE);
  EXPECT_EQ(BarStart(s), 49);  // 102 of 400 is 51 of 200
  first_ = MakeGadget();
}

TEST_F(SplitterFree, ManyCyclesStayFlat) {
  auto cycle = [&] {
    const int s = Make(1);
    FreeSplitterEx(s);
  };
  for (int i = 0; i < 10; ++i) cycle();
  const size_t heap = HeapBytesInUse();
  const int windows = ThreadWindowCount();
  for (int i = 0; i < 100; ++i) cycle();
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_LT(HeapBytesInUse(), heap + 16 * 1024);
}

}  // namespace
