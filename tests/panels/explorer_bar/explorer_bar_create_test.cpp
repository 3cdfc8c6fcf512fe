// Making, skinning and freeing explorer bars: numbers, refusals that leave
// nothing behind (and the caller's panels alone), the skin selectors, the layout
// on screen, and make-and-free cycles that leak nothing.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/panels/explorer_bar/explorer_bar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ExplorerBarCreate : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
  }
  void TearDown() override {
    FreeExplorerBar(-1);
    FreeButtonEx(-1);
    FreePanelEx(-1);
  }
  int Make(int number = -1, HANDLE skin = nullptr, int height = 400) {
    return CreateExplorerBar(host_, number, 0, 0, 200, height, skin);
  }

  HWND host_ = nullptr;
};

TEST_F(ExplorerBarCreate, NumbersParentsAndSkinSelectors) {
  const int automatic = Make();
  ASSERT_NE(automatic, 0);
  const HWND window = ExplorerBarID(automatic);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_NE(AsKey(window), automatic) << "-1 gives the number, not the window";
  const int five = Make(5);
  EXPECT_EQ(five, AsKey(ExplorerBarID(5))) << "a number given gives the window";
  EXPECT_EQ(Make(5), 0) << "a number in use";
  EXPECT_EQ(ExplorerBarID(AsKey(window)), nullptr) << "ExplorerBarID takes numbers only";
  EXPECT_EQ(GetExplorerBarSkin(AsKey(window)), GetExplorerBarSkin(automatic)) << "the others take a window too";

  const HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  const int windowsBefore = ThreadWindowCount();
  for (HWND parent : {static_cast<HWND>(nullptr), gone})
    EXPECT_EQ(CreateExplorerBar(parent, -1, 0, 0, 100, 100, nullptr), 0);
  EXPECT_EQ(ThreadWindowCount(), windowsBefore);

  HANDLE own = FixtureSkin();
  struct Case {
    const char* name;
    HANDLE skin;
    const wchar_t* expected;  // nullptr: `own`
  } cases[] = {
      {"0", nullptr, L"sysxbarskin"},
      {"UISTYLE_OFFICE2007", reinterpret_cast<HANDLE>(0x2000000), L"office2007xbarskin"},
      {"no skin", reinterpret_cast<HANDLE>(0x1234), L"sysxbarskin"},
      {"a skin", own, nullptr},
  };
  for (const Case& c : cases) {
    const int bar = Make(-1, c.skin);
    ASSERT_NE(bar, 0) << c.name;
    // The built-in skins are built on first use.
    const HANDLE expected = c.expected ? GetSkinHandle(c.expected) : own;
    EXPECT_NE(expected, nullptr) << c.name;
    EXPECT_EQ(GetExplorerBarSkin(bar), expected) << c.name;
  }
  FreeExplorerBar(-1);
  FreeSkin(own);
}

TEST_F(ExplorerBarCreate, RefusalsLeaveNothingBehind) {
  // The application's own panel, to which its AddPanelExPage calls go.
  const int appPanel = CreatePanelEx(-1, host_, 250, 0, 50, 50, nullptr);
  ASSERT_NE(AddPanelExPage(-1), nullptr);

  EXPECT_EQ(AddExplorerBarGroup(L"no bar"), 0);
  EXPECT_EQ(ExplorerBarItem(1, L"no bar"), 0);
  const int bar = Make();
  ASSERT_NE(bar, 0);
  EXPECT_EQ(ExplorerBarItem(1, L"no group"), 0);
  ASSERT_NE(AddExplorerBarGroup(L"group"), 0);
  EXPECT_NE(ExplorerBarItem(7, L"first"), 0);
  const int windows = ThreadWindowCount();
  const int buttons = static_cast<int>(ButtonExList().Size());
  EXPECT_EQ(ExplorerBarItem(7, L"again"), 0) << "an id in use in the group";
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(static_cast<int>(ButtonExList().Size()), buttons);
  EXPECT_EQ(Group(bar, 0)->items.Size(), 1u);
  // Another group may use the id.
  ASSERT_NE(AddExplorerBarGroup(L"second"), 0);
  EXPECT_NE(ExplorerBarItem(7, L"other group"), 0);

  // None of it moved the application's current panel.
  const HWND page = AddPanelExPage(-1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), PanelExID(appPanel, -1));

  // A freed bar is no current bar.
  ASSERT_EQ(FreeExplorerBar(bar), 1);
  EXPECT_EQ(AddExplorerBarGroup(L"after free"), 0);
  EXPECT_EQ(ExplorerBarItem(-1, L"after free"), 0);
}

// A CBT hook that refuses the n-th panel window made while it is set, so one
// part of a group cannot be made.
int panelsToAllow = -1;
LRESULT CALLBACK RefusePanel(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
    const wchar_t* cls = create->lpcs->lpszClass;
    if (!IS_INTRESOURCE(cls) && std::wstring(cls) == L"Kelvra_PanelEx" && panelsToAllow >= 0 && panelsToAllow-- == 0)
      return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The body is made first, then the header: a header that cannot be made takes
// the body with it.
TEST_F(ExplorerBarCreate, AGroupWhoseHeaderCannotBeMadeLeavesNoBody) {
  const int bar = Make();
  ASSERT_NE(bar, 0);
  ASSERT_NE(AddExplorerBarGroup(L"kept"), 0);
  const int windows = ThreadWindowCount();
  const int panels = PanelCount();
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefusePanel, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  for (int allowed : {0, 1}) {  // the body refused, then the header
    SCOPED_TRACE(allowed);
    panelsToAllow = allowed;
    EXPECT_EQ(AddExplorerBarGroup(L"refused"), 0);
    EXPECT_EQ(ThreadWindowCount(), windows);
    EXPECT_EQ(PanelCount(), panels);
    EXPECT_EQ(Groups(bar).size(), 1u);
  }
  panelsToAllow = -1;
  UnhookWindowsHookEx(hook);
  // The group before it is still the current group.
  EXPECT_NE(ExplorerBarItem(-1, L"to the kept group"), 0);
  EXPECT_EQ(Group(bar, 0)->items.Size(), 1u);
}

// Panels are found by number or window, the first in list order: an application
// panel whose number equals a bar's window must keep its own looks.
TEST_F(ExplorerBarCreate, AnApplicationPanelNumberedLikeABarsWindowKeepsItsLooks) {
  const int appNumber = CreatePanelEx(-1, host_, 250, 0, 50, 50, nullptr);
  const HWND appPage = AddPanelExPage(-1);
  ASSERT_NE(appPage, nullptr);
  HANDLE skin = CreateSkin(L"coloured bar");
  SetSkinAutoUpdate(skin, 0);
  SetSkinProperty(skin, L"explorerbar", L"normal", L"background", L"5;");
  SetSkinProperty(skin, L"explorerbar", L"normal", L"group background", L"6;");
  const int bar = Make(-1, skin);
  ASSERT_NE(bar, 0);
  {
    // As though the application had chosen that number for its panel.
    LockGuard lock(Locks().panel);
    PanelExRecord* record = FindPanelExByNumber(appNumber);
    PanelExList().SetHead(record, AsKey(ExplorerBarID(bar)), record->window);
  }
  ASSERT_NE(AddExplorerBarGroup(L"g"), 0);
  ASSERT_EQ(SetExplorerBarSkin(bar, skin, nullptr, 0), 1);
  const auto background = [](HWND page) { return WithPage(page, [](auto& p) { return p.backgroundSet.background; }); };
  EXPECT_EQ(background(appPage), -1);
  EXPECT_EQ(background(Bar(bar)->page), 5);
  EXPECT_EQ(background(Group(bar, 0)->bodyPage), 6);
  ASSERT_EQ(FreeExplorerBar(bar), 1);
  EXPECT_TRUE(IsWindow(appPage));
  FreeSkin(skin);
}

// The layout table's fixture skin, on screen: header and body rectangles of
// groups of 0, 1 and 3 items, items up from the body's foot, without and with the
// vertical bar (a bar too low for its groups).
TEST_F(ExplorerBarCreate, FixtureLayoutOnScreen) {
  HANDLE skin = FixtureSkin();
  struct Case {
    const char* name;
    int height;
    int groupWidth;
  } cases[] = {{"everything fits", 400, 182}, {"the vertical bar shows", 300, 165}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int bar = Make(-1, skin, c.height);
    ASSERT_NE(bar, 0);
    ASSERT_NE(AddExplorerBarGroup(L"none"), 0);
    ASSERT_NE(AddExplorerBarGroup(L"one"), 0);
    ASSERT_NE(ExplorerBarItem(1, L"a"), 0);
    ASSERT_NE(AddExplorerBarGroup(L"three"), 0);
    HWND items[3];
    for (int i = 0; i < 3; ++i) items[i] = reinterpret_cast<HWND>(ExplorerBarItem(10 + i, L"item"));
    EXPECT_EQ(VerticalBarOn(bar), c.height == 300 ? 1 : 0);
    EXPECT_EQ(HorizontalBarOn(bar), 0);
    const std::string w = std::to_string(c.groupWidth);
    EXPECT_EQ(Box(Header(bar, 0)), "5,9 " + w + "x32");
    EXPECT_EQ(Box(Body(bar, 0)), "5,41 " + w + "x32");
    EXPECT_EQ(Box(Header(bar, 1)), "5,85 " + w + "x32");
    EXPECT_EQ(Box(Body(bar, 1)), "5,117 " + w + "x69");
    EXPECT_EQ(Box(Header(bar, 2)), "5,198 " + w + "x32");
    EXPECT_EQ(Box(Body(bar, 2)), "5,230 " + w + "x147");
    const std::string iw = std::to_string(c.groupWidth - 36);
    EXPECT_EQ(Box(items[0]), "14,44 " + iw + "x20");
    EXPECT_EQ(Box(items[1]), "14,74 " + iw + "x20");
    EXPECT_EQ(Box(items[2]), "14,104 " + iw + "x20");
    FreeExplorerBar(bar);
  }
  FreeSkin(skin);
}

TEST_F(ExplorerBarCreate, ASkinWithoutHeightsGivesHeadersOf25AndItemsOf22) {
  HANDLE skin = CreateSkin(L"no heights");
  SetSkinAutoUpdate(skin, 0);
  SetSkinProperty(skin, L"explorerbar", L"normal", L"margin", L"top: 1;");
  const int bar = Make(-1, skin);
  ASSERT_NE(AddExplorerBarGroup(L"g"), 0);
  const HWND item = reinterpret_cast<HWND>(ExplorerBarItem(3, L"i"));
  EXPECT_EQ(HeightOf(Header(bar, 0)), 25);
  EXPECT_EQ(HeightOf(item), 22);
  // "header height: 0" reads as missing too.
  SetSkinProperty(skin, L"explorerbar", L"normal", L"header height", L"0;");
  SetSkinProperty(skin, L"explorerbar", L"normal", L"item height", L"40;");
  ASSERT_EQ(SetExplorerBarSkin(bar, skin, L"", 0), 1);
  EXPECT_EQ(HeightOf(Header(bar, 0)), 25);
  EXPECT_EQ(HeightOf(item), 40) << "a new skin is laid out at once";
  EXPECT_EQ(HeightOf(Body(bar, 0)), 40);
  FreeExplorerBar(bar);
  FreeSkin(skin);
}

// The skin-changed message, as the skin setters deliver it and as an
// application sends it: a bar follows its own skin while that skin updates
// automatically, and wParam 1 moves it to the skin in lParam.
TEST_F(ExplorerBarCreate, SkinChangesReachTheBar) {
  HANDLE skin = FixtureSkin(L"auto");
  SetSkinAutoUpdate(skin, 1);
  HANDLE other = FixtureSkin(L"other");
  SetSkinProperty(other, L"explorerbar", L"normal", L"header height", L"50;");
  const int bar = Make(-1, skin);
  ASSERT_NE(AddExplorerBarGroup(L"g"), 0);
  ASSERT_NE(ExplorerBarItem(1, L"i"), 0);
  const HWND page = Bar(bar)->page;
  ASSERT_EQ(HeightOf(Header(bar, 0)), 32);

  // Changing the skin re-applies it: the bar is laid out anew at once.
  SetSkinProperty(skin, L"explorerbar", L"normal", L"header height", L"40;");
  EXPECT_EQ(HeightOf(Header(bar, 0)), 40);
  EXPECT_EQ(InParent(Body(bar, 0)).top, 9 + 40);

  struct Case {
    const char* name;
    BYTE autoUpdate;
    WPARAM wParam;
    HANDLE lParam;
    HANDLE skinAfter;
    int headerAfter;
  } cases[] = {
      {"another skin changed", 1, 0, other, skin, 40},
      {"wParam 1: a new skin, but the bar's does not update", 0, 1, other, skin, 40},
      {"every skin, but the bar's does not update", 0, 0, nullptr, skin, 40},
      {"wParam 1: the bar moves to the new skin", 1, 1, other, other, 50},
      {"wParam 1 with no skin", 1, 1, reinterpret_cast<HANDLE>(0x1234), other, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetSkinAutoUpdate(GetExplorerBarSkin(bar), c.autoUpdate);
    SendMessageW(page, 40099, c.wParam, reinterpret_cast<LPARAM>(c.lParam));
    EXPECT_EQ(GetExplorerBarSkin(bar), c.skinAfter);
    EXPECT_EQ(HeightOf(Header(bar, 0)), c.headerAfter);
  }
  FreeExplorerBar(bar);
  FreeSkin(skin);
  FreeSkin(other);
}

TEST_F(ExplorerBarCreate, FreeingBars) {
  const int bar = Make();
  ASSERT_NE(AddExplorerBarGroup(L"g"), 0);
  const HWND item = reinterpret_cast<HWND>(ExplorerBarItem(1, L"i"));
  const HWND header = Header(bar, 0), body = Body(bar, 0), window = ExplorerBarID(bar);
  EXPECT_EQ(FreeExplorerBar(12345), 0) << "an unknown bar";
  ASSERT_EQ(FreeExplorerBar(AsKey(window)), 1) << "by window";
  for (HWND gone : {item, header, body, window}) EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(FreeExplorerBar(bar), 0);
  EXPECT_EQ(FreeExplorerBar(-1), 1) << "-1 with no bar left";
  Make();
  Make();
  EXPECT_EQ(FreeExplorerBar(-1), 1);
  EXPECT_TRUE(ExplorerBarList().Empty());
}

// Unknown, freed and stale bars, bars whose windows went behind the library's
// back, null texts and junk handles get the failure values; nothing faults.
TEST_F(ExplorerBarCreate, BadInput) {
  const auto junk = reinterpret_cast<HANDLE>(static_cast<intptr_t>(0x1234));
  const int freed = Make();
  const int freedWindow = AsKey(ExplorerBarID(freed));
  ASSERT_EQ(FreeExplorerBar(freed), 1);
  for (int bar : {0, 12345, freed, freedWindow, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(bar);
    EXPECT_EQ(ExplorerBarID(bar), nullptr);
    EXPECT_EQ(GetExplorerBarSkin(bar), nullptr);
    EXPECT_EQ(SetExplorerBarSkin(bar, GetSkinHandle(L"sysxbarskin"), L"", 0), 0);
    EXPECT_EQ(FreeExplorerBar(bar), 0);
  }
  // Sizes nobody asks for still make a bar that lays its groups out.
  for (int size : {INT_MAX, -50, 0}) {
    SCOPED_TRACE(size);
    const int odd = CreateExplorerBar(host_, -1, 0, 0, size, size, nullptr);
    ASSERT_NE(odd, 0);
    EXPECT_NE(AddExplorerBarGroup(L"odd"), 0);
    EXPECT_NE(ExplorerBarItem(-1, L"odd"), 0);
    EXPECT_EQ(FreeExplorerBar(odd), 1);
  }
  const int bar = Make();
  EXPECT_EQ(SetExplorerBarSkin(bar, junk, L"", 0), 0) << "no skin";
  EXPECT_EQ(SetExplorerBarSkin(bar, GetSkinHandle(L"sysxbarskin"), L"no such component", 0), 1);
  EXPECT_EQ(SetExplorerBarSkin(bar, nullptr, nullptr, 0), 0);
  ASSERT_NE(AddExplorerBarImageGroup(nullptr, junk, junk, junk, junk, junk, junk, junk), 0);
  EXPECT_NE(ExplorerBarImageItem(-1, nullptr, junk, junk, junk, junk), 0);
  EXPECT_NE(ExplorerBarItem(INT_MIN, nullptr), 0);

  // The bar's panel freed behind its back: its record stays until freed, no
  // group can be added to its page, and its groups (handed to the bar's parent,
  // as a freed panel hands on what its pages hold) go with it.
  const HWND header = Header(bar, 0), body = Body(bar, 0);
  ASSERT_EQ(FreePanelEx(AsKey(ExplorerBarID(bar))), 1);
  EXPECT_EQ(AddExplorerBarGroup(L"on a dead bar"), 0);
  ExplorerBarItem(-1, L"to the orphaned body");
  EXPECT_EQ(SetExplorerBarSkin(bar, GetSkinHandle(L"sysxbarskin"), L"", 0), 1);
  EXPECT_EQ(FreeExplorerBar(bar), 1);
  EXPECT_FALSE(IsWindow(header));
  EXPECT_FALSE(IsWindow(body));

  // A live bar still works.
  const int live = Make();
  ASSERT_NE(AddExplorerBarGroup(L"live"), 0);
  EXPECT_NE(ExplorerBarItem(1, L"live"), 0);
}

// 100 bars with a group of items made and freed: the heaps and the thread's
// windows are where they were. The bars sit on a hidden window, so the cycles
// cost no painting (a few painted ones go first, so every cache a paint fills
// is there before the count starts); each still makes and destroys 13 windows,
// which is what a cycle costs here.
TEST_F(ExplorerBarCreate, MakeAndFreeCyclesLeakNothing) {
  TestWindow hidden(PlainWindowClass(), WS_POPUP, 0, 0, 300, 300);
  auto cycle = [&](HWND parent) {
    const int bar = CreateExplorerBar(parent, -1, 0, 0, 200, 300, reinterpret_cast<HANDLE>(0x2000000));
    AddExplorerBarGroup(L"group");
    ExplorerBarItem(-1, L"item");
    ExplorerBarItem(7, L"item");
    FreeExplorerBar(bar);
  };
  for (int i = 0; i < 3; ++i) cycle(host_);
  for (int i = 0; i < 10; ++i) cycle(hidden);
  const int windows = ThreadWindowCount();
  const size_t heapBefore = HeapBytesInUse();
  for (int i = 0; i < 100; ++i) cycle(hidden);
  const size_t heapAfter = HeapBytesInUse();
  EXPECT_LT(heapAfter, heapBefore + 2048) << heapBefore << " -> " << heapAfter;
  EXPECT_EQ(ThreadWindowCount(), windows);
}

}  // namespace
