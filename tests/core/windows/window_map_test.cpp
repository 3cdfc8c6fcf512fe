// The creation hook, the WindowMap and CommonSubclassProc on real windows: which
// windows are registered and as what, size limits, destruction, skin-change
// delivery and list-view sub-item icons.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "core/windows/common_subclass_proc.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "core/windows/skin_change_delivery.h"
#include "core/windows/window_map.h"
#include "core/windows/window_utility.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::PlainWindowClass;
using kelvra::test::TestWindow;

class StartedLibrary : public testing::Environment {
 public:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    StartKelvra();  // hooks window creation on this thread
  }
};
const auto* const kStarted = testing::AddGlobalTestEnvironment(new StartedLibrary);

bool Subclassed(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == kelvra::CommonSubclassProc;
}

// The map entry's kind, -1 when the window has none.
int MapKind(HWND window) {
  kelvra::LockGuard guard(kelvra::Locks().windowMap);
  const kelvra::WindowMapEntry* entry = kelvra::GetWindowMap().Find(window);
  return entry ? entry->kind : -1;
}

bool HasEntry(HWND window) { return MapKind(window) != -1; }

// A window class whose own procedure records the messages a test cares about.
struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Seen> gSeen;

bool Recorded(UINT message) {
  return message == WM_DESTROY || message == WM_NCDESTROY || message == WM_SETREDRAW ||
         message == kelvra::SkinChangedMessage;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Recorded(message)) gSeen.push_back({window, message, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* RecordingClass() {
  static const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"KelvraRecordingWindow", RecordingProc);
  return name;
}

std::vector<Seen> SeenBy(HWND window) {
  std::vector<Seen> result;
  for (const auto& seen : gSeen)
    if (seen.window == window) result.push_back(seen);
  return result;
}

RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// ---- Which windows are registered, and as what

TEST(WindowRegistration, ClassifiesControlsAndSkipsSystemWindows) {
  TestWindow top(PlainWindowClass(), WS_POPUP, 0, 0, 400, 300);
  EXPECT_TRUE(Subclassed(top));
  EXPECT_EQ(MapKind(top), kelvra::WindowKindOther);

  struct Case {
    const wchar_t* className;
    DWORD style;
    int kind;
  };
  const Case cases[] = {
      {L"Edit", 0, kelvra::WindowKindEdit},
      {L"Button", BS_GROUPBOX, kelvra::WindowKindGroupBox},
      {L"Button", BS_PUSHBUTTON, kelvra::WindowKindButton},
      {L"Button", BS_AUTOCHECKBOX, kelvra::WindowKindButton},
      {PROGRESS_CLASSW, 0, kelvra::WindowKindProgress},
      {WC_TABCONTROLW, 0, kelvra::WindowKindTabControl},
      {L"ComboBox", CBS_DROPDOWN, kelvra::WindowKindComboBox},
  };
  for (const auto& c : cases) {
    TestWindow control(c.className, WS_CHILD | WS_VISIBLE | c.style, 0, 0, 100, 100, top);
    ASSERT_TRUE(control.get()) << c.className;
    EXPECT_TRUE(Subclassed(control)) << c.className;
    EXPECT_EQ(MapKind(control), c.kind) << c.className << " style " << c.style;
  }

  // The edit the combo box makes for itself is told apart from a lone edit.
  TestWindow combo(L"ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 0, 0, 100, 100, top);
  const HWND comboEdit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(comboEdit);
  EXPECT_TRUE(Subclassed(comboEdit));
  EXPECT_EQ(MapKind(comboEdit), kelvra::WindowKindComboEdit);

  // Left alone: statics, tool tips, message-only windows.
  TestWindow label(L"Static", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, top);
  TestWindow tip(TOOLTIPS_CLASSW, WS_POPUP, 0, 0, 0, 0, top);
  TestWindow messageOnly(PlainWindowClass(), 0, 0, 0, 0, 0, HWND_MESSAGE);
  for (HWND window : {label.get(), tip.get(), messageOnly.get()}) {
    ASSERT_TRUE(window);
    EXPECT_FALSE(Subclassed(window));
    EXPECT_FALSE(HasEntry(window));
  }
}

TEST(WindowRegistration, OriginalProcedureSeesDestroyAndNcDestroy) {
  gSeen.clear();
  HWND window = CreateWindowExW(0, RecordingClass(), L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(Subclassed(window));
  DestroyWindow(window);
  const auto seen = SeenBy(window);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_DESTROY));
  EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_NCDESTROY));
  EXPECT_FALSE(HasEntry(window));
}

// ---- Size limits

class SizeLimits : public testing::Test {
 protected:
  TestWindow parent_{PlainWindowClass(), WS_POPUP, 0, 0, 800, 600};
};

TEST_F(SizeLimits, SizingFromLeadingEdgeKeepsTrailingEdge) {
  struct Case {
    const char* what;
    RECT requested;  // left, top, right, bottom in the parent
    RECT expected;
  };
  // Start: (100, 100)-(400, 300), 300 x 200; limits 200..400 wide, 150..300 high.
  const Case cases[] = {
      {"narrowed from the left", {250, 100, 400, 300}, {200, 100, 400, 300}},
      {"narrowed from the right", {100, 100, 250, 300}, {100, 100, 300, 300}},
      {"lowered from the top", {100, 200, 400, 300}, {100, 150, 400, 300}},
      {"lowered from the bottom", {100, 100, 400, 200}, {100, 100, 400, 250}},
      {"widened from the left", {0, 100, 450, 300}, {50, 100, 450, 300}},
      {"widened from the right", {100, 100, 550, 300}, {100, 100, 500, 300}},
      {"heightened from the top", {100, 0, 400, 350}, {100, 50, 400, 350}},
  };
  for (const auto& c : cases) {
    TestWindow child(PlainWindowClass(), WS_CHILD, 100, 100, 300, 200, parent_);
    LimitWindowSize(child, 200, 150, 400, 300);
    const RECT& r = c.requested;
    SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT got = RectInParent(child);
    EXPECT_EQ(got.left, c.expected.left) << c.what;
    EXPECT_EQ(got.top, c.expected.top) << c.what;
    EXPECT_EQ(got.right, c.expected.right) << c.what;
    EXPECT_EQ(got.bottom, c.expected.bottom) << c.what;
  }
}

TEST_F(SizeLimits, TopLevelWindowSizedFromTheLeftKeepsItsRightEdge) {
  TestWindow window(PlainWindowClass(), WS_POPUP, 100, 100, 300, 200);
  LimitWindowSize(window, 250, 0, 0, 0);
  SetWindowPos(window, nullptr, 250, 100, 150, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 150);
  EXPECT_EQ(rect.right, 400);
}

TEST_F(SizeLimits, MovesAndStateChangesAreNotLimited) {
  TestWindow child(PlainWindowClass(), WS_CHILD, 100, 100, 300, 200, parent_);
  LimitWindowSize(child, 250, 150, 0, 0);

  // A plain move (dragging by the caption) carries no size.
  SetWindowPos(child, nullptr, 500, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT got = RectInParent(child);
  EXPECT_EQ(got.left, 500);
  EXPECT_EQ(got.top, 120);
  EXPECT_EQ(got.right - got.left, 300);
  EXPECT_EQ(got.bottom - got.top, 200);

  // The system's minimise / restore placement (SWP_STATECHANGED) is its own.
  WINDOWPOS minimised{child, nullptr, 600, 400, 160, 24, 0x8000};
  SendMessageW(child, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&minimised));
  EXPECT_EQ(minimised.cx, 160);
  EXPECT_EQ(minimised.cy, 24);
  EXPECT_EQ(minimised.x, 600);

  // The same size change without the flag is limited.
  WINDOWPOS sized{child, nullptr, 600, 400, 160, 24, 0};
  SendMessageW(child, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&sized));
  EXPECT_EQ(sized.cx, 250);
  EXPECT_EQ(sized.cy, 150);
}

TEST_F(SizeLimits, LimitWindowSizeFitsAWindowOutsideItsLimits) {
  TestWindow narrow(PlainWindowClass(), WS_CHILD, 10, 10, 100, 200, parent_);
  EXPECT_EQ(LimitWindowSize(narrow, 300, 0, 0, 0), 1);
  RECT got = RectInParent(narrow);
  EXPECT_EQ(got.left, 10);
  EXPECT_EQ(got.right - got.left, 300);
  EXPECT_EQ(got.bottom - got.top, 200);

  TestWindow large(PlainWindowClass(), WS_CHILD, 10, 10, 500, 500, parent_);
  LimitWindowSize(large, 0, 0, 0, 320);
  got = RectInParent(large);
  EXPECT_EQ(got.right - got.left, 500);
  EXPECT_EQ(got.bottom - got.top, 320);

  EXPECT_EQ(LimitWindowSize(reinterpret_cast<HWND>(0x7FFF0), 300, 0, 0, 0), 1);
  EXPECT_FALSE(HasEntry(reinterpret_cast<HWND>(0x7FFF0)));
}

TEST_F(SizeLimits, EntryOfAnUnsubclassedWindowGoesWithIt) {
  // "Static" windows are never subclassed: the entry holds only the limits.
  HWND label = CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 50, 20, parent_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  LimitWindowSize(label, 100, 0, 0, 0);
  ASSERT_TRUE(HasEntry(label));
  DestroyWindow(label);
  EXPECT_FALSE(HasEntry(label));
}

// ---- SkinChangedMessage

TEST(SkinChangeDelivery, ReachesHiddenChildrenAndSuspendsVisibleDirectChildren) {
  TestWindow top(PlainWindowClass(), WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  TestWindow shown(RecordingClass(), WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, top);
  TestWindow hidden(RecordingClass(), WS_CHILD, 100, 0, 100, 100, top);
  TestWindow grandchild(RecordingClass(), WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, shown);
  gSeen.clear();

  kelvra::RefreshAllWindowSkins(0x1234);

  const auto toHidden = SeenBy(hidden);
  ASSERT_EQ(toHidden.size(), 1u);
  EXPECT_EQ(toHidden[0].message, kelvra::SkinChangedMessage);
  EXPECT_EQ(toHidden[0].wParam, 0u);
  EXPECT_EQ(toHidden[0].lParam, 0x1234);

  const auto toShown = SeenBy(shown);
  ASSERT_EQ(toShown.size(), 3u);
  EXPECT_EQ(toShown[0].message, static_cast<UINT>(WM_SETREDRAW));
  EXPECT_EQ(toShown[0].wParam, 0u);
  EXPECT_EQ(toShown[1].message, kelvra::SkinChangedMessage);
  EXPECT_EQ(toShown[2].message, static_cast<UINT>(WM_SETREDRAW));
  EXPECT_EQ(toShown[2].wParam, 1u);

  // Deeper descendants get the message but keep drawing.
  const auto toGrandchild = SeenBy(grandchild);
  ASSERT_EQ(toGrandchild.size(), 1u);
  EXPECT_EQ(toGrandchild[0].message, kelvra::SkinChangedMessage);
}

// ---- changeListiconSubIcon

class ListViewWithImages {
 public:
  explicit ListViewWithImages(HWND parent, int extraImages = 0)
      : list_(WC_LISTVIEWW, WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 200, 100, parent),
        images_(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4)) {
    for (int i = 0; i < extraImages; ++i) ImageList_ReplaceIcon(images_, -1, LoadIconW(nullptr, IDI_WARNING));
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
    for (int column = 0; column < 2; ++column) {
      LVCOLUMNW col{};
      col.mask = LVCF_WIDTH;
      col.cx = 80;
      SendMessageW(list_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&col));
    }
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"row");
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  HWND get() const { return list_; }
  HIMAGELIST images() const { return images_; }
  int ImageCount() const { return ImageList_GetImageCount(images_); }
  int SubItemImage(int subItem) const {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iSubItem = subItem;
    SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  }

 private:
  TestWindow list_;
  HIMAGELIST images_;  // the list view destroys it with itself (no LVS_SHAREIMAGELISTS)
};

TEST(ListIcons, EachListGetsItsOwnImageOnce) {
  TestWindow top(PlainWindowClass(), WS_POPUP, 0, 0, 400, 300);
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);

  ListViewWithImages first(top);
  EXPECT_EQ(changeListiconSubIcon(first.get(), 0, 1, icon), 0);
  EXPECT_EQ(changeListiconSubIcon(first.get(), 0, 1, icon), 0);
  EXPECT_EQ(first.ImageCount(), 1);
  EXPECT_EQ(first.SubItemImage(1), 0);
  EXPECT_TRUE(SendMessageW(first.get(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_SUBITEMIMAGES);

  // A second list already holds an image: the icon's index there is 1, not the
  // first list's 0.
  ListViewWithImages second(top, 1);
  changeListiconSubIcon(second.get(), 0, 1, icon);
  EXPECT_EQ(second.ImageCount(), 2);
  EXPECT_EQ(second.SubItemImage(1), 1);
  EXPECT_EQ(first.ImageCount(), 1);

  // Without a small image list nothing changes.
  TestWindow bare(WC_LISTVIEWW, WS_CHILD | LVS_REPORT, 0, 0, 100, 100, top);
  EXPECT_EQ(changeListiconSubIcon(bare, 0, 1, icon), 0);
  EXPECT_FALSE(SendMessageW(bare, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_SUBITEMIMAGES);
}

// An image list made where a freed one lived must not inherit its indices: the
// cache is keyed by list view window, and a window's records go with it.
TEST(ListIcons, NewListAtAFreedListsAddressGetsNoStaleIndex) {
  TestWindow top(PlainWindowClass(), WS_POPUP, 0, 0, 400, 300);
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  HIMAGELIST freed = nullptr;
  {
    ListViewWithImages first(top, 2);
    changeListiconSubIcon(first.get(), 0, 1, icon);
    ASSERT_EQ(first.SubItemImage(1), 2);
    freed = first.images();
  }  // the list view frees its image list with itself
  // The heap tends to hand the freed block out again; keep trying a few lists.
  std::vector<std::unique_ptr<ListViewWithImages>> lists;
  do {
    lists.push_back(std::make_unique<ListViewWithImages>(top, 3));
  } while (lists.back()->images() != freed && lists.size() < 8);
  ListViewWithImages& reused = *lists.back();
  changeListiconSubIcon(reused.get(), 0, 1, icon);
  EXPECT_EQ(reused.SubItemImage(1), 3) << (reused.images() == freed ? "at the freed list's address" : "");
  EXPECT_EQ(reused.ImageCount(), 4);
}

TEST(ListIcons, RecordsGoWithTheirListViews) {
  TestWindow top(PlainWindowClass(), WS_POPUP, 0, 0, 400, 300);
  const HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  for (int i = 0; i < 50; ++i) {
    ListViewWithImages list(top);
    changeListiconSubIcon(list.get(), 0, 1, icon);
  }
  ListViewWithImages last(top);
  changeListiconSubIcon(last.get(), 0, 1, icon);
  EXPECT_EQ(kelvra::ListIconCacheWindowCount(), 1u);
}

// Sizes near the 32-bit limit: the frame is added and the window centred without
// overflow, so the window the system makes is placed where the size asks for.
TEST(OpenWindowEx, HugeCentredWindowIsPlacedWithoutOverflow) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  for (const int size : {INT_MAX, INT_MAX - 5, 1 << 30}) {
    HWND window = OpenWindowEx(L"huge", 0, 0, size, size,
                               KELVRA_WINDOW_HIDDEN | KELVRA_WINDOW_TITLE_BAR | KELVRA_WINDOW_SCREEN_CENTRED, 0, nullptr);
    ASSERT_TRUE(window) << size;
    RECT rect{};
    GetWindowRect(window, &rect);
    std::printf("size %d: window %ld,%ld-%ld,%ld\n", size, rect.left, rect.top, rect.right, rect.bottom);
    EXPECT_GT(rect.right - rect.left, area.right - area.left) << size;
    EXPECT_LE(rect.left, area.left) << size << ": a window wider than the area starts left of it";
    EXPECT_LE(rect.top, area.top) << size;
    DestroyWindow(window);
  }
}

}  // namespace
