// Panels and their pages on real windows: numbers, indexes and the current page
// through sequences of adding, inserting, showing and freeing; rectangles; what
// happens to the windows on a freed page; and a callback that frees its panel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra::test;

class PanelPages : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
  }
  void TearDown() override {
    FreePanelEx(-1);
    CallbackRecorder() = Recorder{};
    ParentRecorder() = Recorder{};
  }
  int NewPanel(WNDPROC callback = nullptr) { return CreatePanelEx(-1, host_, 10, 20, 300, 150, callback); }

  HWND host_ = nullptr;
};

TEST_F(PanelPages, NumbersWindowsAndSize) {
  const int number = NewPanel();
  ASSERT_NE(number, 0);
  const HWND panel = PanelExID(number, -1);
  ASSERT_TRUE(IsWindow(panel));
  EXPECT_NE(PanelWindow(number), panel);  // -1 gives a number, not a window
  EXPECT_EQ(Text(WindowRectIn(panel, host_)), "10,20,310,170");
  EXPECT_EQ(PanelExWidth(number), 300);
  EXPECT_EQ(PanelExHeight(AsKey(panel)), 150);
  EXPECT_EQ(PanelExWidth(12345), -1);

  // A number in use is refused; a free one returns the window.
  EXPECT_EQ(CreatePanelEx(number, host_, 0, 0, 10, 10, nullptr), 0);
  const int five = CreatePanelEx(5, host_, 0, 0, 10, 10, nullptr);
  EXPECT_EQ(PanelWindow(five), PanelExID(5, -1));
  EXPECT_EQ(CreatePanelEx(5, host_, 0, 0, 10, 10, nullptr), 0);
  EXPECT_EQ(CreatePanelEx(-1, nullptr, 0, 0, 10, 10, nullptr), 0);
  EXPECT_EQ(PanelExPageIndex(AsKey(host_)), -1);  // neither panel nor page
}

TEST_F(PanelPages, AddingNeedsACurrentPanel) {
  FreePanelEx(-1);
  EXPECT_EQ(AddPanelExPage(-1), nullptr);
  const int number = NewPanel();
  EXPECT_NE(AddPanelExPage(-1), nullptr);
  FreePanelEx(number);
  EXPECT_EQ(AddPanelExPage(-1), nullptr);  // the current panel went with it
}

// A sequence of operations on one panel, then the state it must leave. Pages are
// named by the order they were made in (0 = the first page made).
struct Sequence {
  const char* name;
  std::vector<std::string> steps;  // "add", "insert N", "show N", "free N" (N an index; -1 all or at the end)
  std::vector<int> indexes;        // index of each page made, -2 for a freed one
  int visible;                     // the page shown (by order made), -1 for none
  int currentIndex;                // PanelExPageIndex of the panel
  int nextIndex;                   // index of one more page added after the sequence
};

const Sequence kSequences[] = {
    {"three added", {"add", "add", "add"}, {0, 1, 2}, 0, 0, 3},
    {"insert before 1", {"add", "add", "add", "insert 1"}, {0, 2, 3, 1}, 0, 0, 5},
    {"insert at the end", {"add", "add", "insert -1"}, {0, 1, 2}, 0, 0, 4},
    {"insert before the current page", {"add", "add", "insert 0"}, {1, 2, 0}, 0, 1, 4},
    {"free the current page 2", {"add", "add", "add", "add", "show 2", "free 2"}, {0, 1, -2, 2}, 1, 1, 4},
    {"free the current page 0", {"add", "add", "add", "free 0"}, {-2, 0, 1}, 1, 0, 3},
    {"free a page before the current one", {"add", "add", "add", "show 2", "free 0"}, {-2, 0, 1}, 2, 1, 3},
    {"free the last page", {"add", "free 0"}, {-2}, -1, 0, 1},
    {"free every page", {"add", "add", "free -1"}, {-2, -2}, -1, 0, 1},
    // After an insert the counter leaves a gap: the page before the current one
    // need not have the current index less one.
    {"free the current page after a gap",
     {"add", "add", "insert -1", "add", "show 4", "free 4"},
     {0, 1, 2, -2},
     2,
     2,
     4},
    {"free the current first page after a gap", {"add", "insert -1", "free 1", "add", "free 0"}, {-2, -2, 0}, 2, 0, 2},
};

class PanelSequences : public PanelPages, public testing::WithParamInterface<Sequence> {};

TEST_P(PanelSequences, LeaveTheirState) {
  const Sequence& sequence = GetParam();
  const int number = NewPanel();
  std::vector<HWND> made;
  for (const std::string& step : sequence.steps) {
    const auto space = step.find(' ');
    const std::string op = step.substr(0, space);
    const int argument = space == std::string::npos ? 0 : std::stoi(step.substr(space + 1));
    if (op == "add") made.push_back(AddPanelExPage(-1));
    if (op == "insert") made.push_back(InsertPanelExPage(number, argument, -1));
    if (op == "show") {
      ASSERT_EQ(ShowPanelExPage(number, argument), -1) << step;
    }
    if (op == "free") {
      ASSERT_EQ(FreePanelExPage(number, argument), 1) << step;
    }
    ASSERT_NE(made.back(), nullptr) << step;
  }
  ASSERT_EQ(made.size(), sequence.indexes.size());
  for (size_t i = 0; i < made.size(); ++i) {
    const int index = sequence.indexes[i];
    if (index == -2) {
      EXPECT_FALSE(IsWindow(made[i])) << "page " << i;
      EXPECT_EQ(PanelExPageIndex(AsKey(made[i])), -1) << "page " << i;
      continue;
    }
    EXPECT_EQ(PanelExPageIndex(AsKey(made[i])), index) << "page " << i;
    EXPECT_EQ(PanelExID(number, index), made[i]) << "page " << i;
    EXPECT_EQ(IsWindowVisible(made[i]) != 0, static_cast<int>(i) == sequence.visible) << "page " << i;
  }
  EXPECT_EQ(PanelExPageIndex(number), sequence.currentIndex);
  const HWND next = AddPanelExPage(-1);
  EXPECT_EQ(PanelExPageIndex(AsKey(next)), sequence.nextIndex);
  // A panel left without pages shows the next page added.
  EXPECT_EQ(IsWindowVisible(next) != 0, sequence.visible == -1);
}

INSTANTIATE_TEST_SUITE_P(Table, PanelSequences, testing::ValuesIn(kSequences),
                         CaseName());

TEST_F(PanelPages, UnknownPanelsPagesAndPositions) {
  const int number = NewPanel();
  const HWND page = AddPanelExPage(-1);
  EXPECT_EQ(ShowPanelExPage(number, 7), 0);
  EXPECT_EQ(ShowPanelExPage(777, 0), 0);
  EXPECT_EQ(ShowPanelExPage(number, AsKey(page)), -1);  // by window
  EXPECT_EQ(InsertPanelExPage(number, 3, -1), nullptr);
  EXPECT_EQ(InsertPanelExPage(777, -1, -1), nullptr);
  EXPECT_EQ(FreePanelExPage(number, 5), 0);
  EXPECT_EQ(FreePanelExPage(777, -1), 0);
  EXPECT_EQ(PanelExID(number, 4), nullptr);
  EXPECT_EQ(PanelExID(AsKey(PanelExID(number, -1)), -1), nullptr);  // ID takes the number only
  EXPECT_EQ(RefreshPanelEx(number), 1);
  EXPECT_EQ(RefreshPanelEx(777), 0);
  EXPECT_EQ(FreePanelEx(777), 0);
  EXPECT_EQ(FreePanelEx(number), 1);
  EXPECT_EQ(FreePanelEx(number), 0);
  EXPECT_EQ(FreePanelEx(-1), 1);
}

TEST_F(PanelPages, PagesCoverThePanelAsItChanges) {
  const int number = NewPanel();
  const HWND panel = PanelExID(number, -1);
  const HWND first = AddPanelExPage(-1);
  const HWND hidden = AddPanelExPage(-1);
  EXPECT_EQ(ClientText(first), "0,0,300,150");
  EXPECT_EQ(Text(WindowRectIn(first, panel)), "0,0,300,150");
  MoveWindow(panel, 5, 5, 240, 90, TRUE);
  EXPECT_EQ(ClientText(first), "0,0,240,90");
  EXPECT_EQ(ClientText(hidden), "0,0,240,90");  // hidden pages too
  // A page added after the resize takes the panel's size now, not the size the
  // panel was created with.
  const HWND later = AddPanelExPage(-1);
  EXPECT_EQ(ClientText(later), "0,0,240,90");
  EXPECT_EQ(ShowPanelExPage(number, 2), -1);
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_TRUE(IsWindowVisible(later));
}

TEST_F(PanelPages, WindowsOnAFreedPageGoToThePanelsParent) {
  const int number = NewPanel();
  const HWND page = AddPanelExPage(-1);
  const HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 1, 1, 40, 20, page, nullptr,
                                      nullptr, nullptr);
  const HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 50, 1, 80, 100,
                                     page, nullptr, nullptr, nullptr);
  const HWND comboEdit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(comboEdit, nullptr);
  const int nested = CreatePanelEx(-1, page, 140, 1, 100, 60, nullptr);
  const HWND nestedPanel = PanelExID(nested, -1);
  const HWND nestedPage = AddPanelExPage(-1);
  // The page's own scroll bar goes with the page.
  const HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_HORZ, 0, 130, 300, 17, page, nullptr,
                                   nullptr, nullptr);
  {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    kelvra::FindPanelExPageByWindow(page)->horizontalBar = bar;
  }

  ASSERT_EQ(FreePanelExPage(number, 0), 1);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_FALSE(IsWindow(bar));
  EXPECT_EQ(GetParent(button), host_);
  EXPECT_EQ(GetParent(combo), host_);
  EXPECT_EQ(GetParent(comboEdit), combo);  // not torn out of its combo box
  EXPECT_EQ(GetParent(nestedPanel), host_);
  EXPECT_EQ(GetParent(nestedPage), nestedPanel);
  EXPECT_EQ(PanelExPageIndex(AsKey(nestedPage)), 0);
  EXPECT_EQ(PanelExPageIndex(number), 0);  // no pages left
  DestroyWindow(button);
  DestroyWindow(combo);
}

TEST_F(PanelPages, FreeingAPageFreesItsImageLists) {
  NewPanel();
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
  const HWND page = AddPanelExImagePage(-1, bitmap, 0, 0, 0, 0, 0);
  const int panel = AsKey(GetParent(page));
  ASSERT_EQ(SetPanelExPageBackground(panel, 0, PANELEX_UNCHANGED, bitmap, 0, 0, 0, 0, 0x2000, 1), 1);
  std::vector<HBITMAP> inside;
  WithPage(page, [&](const kelvra::PanelExPageRecord& record) {
    for (HIMAGELIST list : {record.backgroundSet.imageList.get(), record.overlaySet.imageList.get()}) {
      IMAGEINFO info{};
      if (list && ImageList_GetImageInfo(list, 0, &info)) inside.push_back(info.hbmImage);
    }
    return 0;
  });
  ASSERT_EQ(inside.size(), 2u);
  for (HBITMAP b : inside) EXPECT_EQ(GetObjectType(b), static_cast<DWORD>(OBJ_BITMAP));
  ASSERT_EQ(FreePanelExPage(panel, 0), 1);
  for (HBITMAP b : inside) EXPECT_EQ(GetObjectType(b), 0u);
  DeleteObject(bitmap);
}

// Frees its own panel from the click handler, as a button might.
int gSelfFreeing = 0;
LRESULT CALLBACK FreesItsPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONUP) FreePanelEx(gSelfFreeing);
  return RecordingCallback(window, message, wParam, lParam);
}

TEST_F(PanelPages, ACallbackMayFreeItsOwnPanel) {
  gSelfFreeing = NewPanel(FreesItsPanel);
  const HWND panel = PanelExID(gSelfFreeing, -1);
  const HWND page = AddPanelExPage(-1);
  ParentRecorder().watched = {WM_LBUTTONUP};
  SendMessageW(page, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
  EXPECT_FALSE(IsWindow(page));
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(PanelExPageIndex(gSelfFreeing), -1);
  EXPECT_TRUE(ParentRecorder().Of(WM_LBUTTONUP).empty());  // nobody left to pass it on
  ParentRecorder() = Recorder{};
  // The library carries on.
  EXPECT_NE(NewPanel(), 0);
  EXPECT_NE(AddPanelExPage(-1), nullptr);
}

}  // namespace
