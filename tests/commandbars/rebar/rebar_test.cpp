// Rebars and their bands: the band table, height announcements, band layout,
// UI styles, the library's erase and freeing.
#include "tests/commandbars/rebar/rebar_test_support.h"

#include <richedit.h>

#include <algorithm>

#include "core/platform/win_handles.h"

#include "commandbars/rebar/rebar_band_layout.h"
#include "commandbars/rebar/rebar_ui_style.h"
#include "skin/ui_colours/ui_colour_lookup.h"

namespace kelvra::test {
namespace {

TEST_F(RebarTest, BandTableAddsInsertsDeletesShowsAndMoves) {
  const int number = CreateRebar(-1, *host_, nullptr, 0, 0);
  ASSERT_NE(0, number);
  ASSERT_NE(-1, number);
  const HWND rebar = RebarID(number);
  ASSERT_TRUE(rebar);
  EXPECT_EQ(0, CreateRebar(number, *host_, nullptr, 0, 0)) << "a number in use";
  EXPECT_EQ(0, AddRebarGadget(Child(), L"a", 100, 10, 0, nullptr, 0));
  EXPECT_EQ(1, AddRebarGadget(Child(), L"b", 100, 10, 0, nullptr, 0));
  EXPECT_EQ(2, AddRebarGadget(Child(), L"c", 100, 10, 0, nullptr, 0));
  EXPECT_EQ((std::vector<int>{0, 1, 2}), BandIds(rebar));

  // Before the band of id 2, then before index 0 (no band has id 7).
  EXPECT_EQ(3, InsertRebarGadget(number, 2, Child(), L"d", 100, 10, 0, nullptr, 0));
  EXPECT_EQ((std::vector<int>{0, 1, 3, 2}), BandIds(rebar));
  EXPECT_EQ(4, InsertRebarGadget(Key(rebar), 7, Child(), L"e", 100, 10, 0, nullptr, 0));
  EXPECT_EQ(4, RebarBandID(number, 4)) << "past the end appends";
  EXPECT_EQ(0, RebarBandID(number, 99));
  EXPECT_EQ(-1, RebarBandID(12345, 0));
  EXPECT_EQ(0, InsertRebarGadget(12345, 0, Child(), L"", 10, 10, 0, nullptr, 0));

  // By id (3), then by index (0 is id 0: an id wins; 9 is no id, index 9 none).
  EXPECT_EQ(1, DeleteRebarBand(number, 3));
  EXPECT_EQ((std::vector<int>{0, 1, 2, 4}), BandIds(rebar));
  EXPECT_EQ(0, DeleteRebarBand(number, 9));
  EXPECT_EQ(1, MoveRebarBand(number, 0, 3));
  EXPECT_EQ((std::vector<int>{1, 2, 4, 0}), BandIds(rebar));
  EXPECT_EQ(0, MoveRebarBand(12345, 0, 1));

  // Hide and show by id (2, at index 1), hide by index (3: no band has id 3).
  EXPECT_EQ(1, ShowRebarBand(number, 2, 0));
  EXPECT_TRUE(BandInfo(rebar, 1, RBBIM_STYLE).fStyle & RBBS_HIDDEN);
  EXPECT_EQ(0, RebarBandById(rebar, 2)->visible);
  EXPECT_EQ(1, ShowRebarBand(Key(rebar), 2, 1));
  EXPECT_FALSE(BandInfo(rebar, 1, RBBIM_STYLE).fStyle & RBBS_HIDDEN);
  EXPECT_EQ(-1, RebarBandById(rebar, 2)->visible);
  EXPECT_EQ(1, ShowRebarBand(number, 3, 0));
  EXPECT_TRUE(BandInfo(rebar, 3, RBBIM_STYLE).fStyle & RBBS_HIDDEN);
  EXPECT_EQ(0, RebarBandById(rebar, 0)->visible);
  EXPECT_EQ(0, ShowRebarBand(number, 42, 1));
  EXPECT_EQ(0, ShowRebarBand(0, 0, 1));
}

TEST_F(RebarTest, IdsStayUniqueAfterDeletingAnyBand) {
  const HWND rebar = MakeRebar(3);
  const int number = RebarList().FindByWindow(rebar)->number;
  EXPECT_EQ(1, DeleteRebarBand(number, 0));
  const int id = AddRebarGadget(Child(), L"", 100, 10, 0, nullptr, 0);
  EXPECT_EQ(3, id) << "id 2 is still in use";
  EXPECT_EQ((std::vector<int>{1, 2, 3}), BandIds(rebar));
  // Each id reaches its own band.
  EXPECT_EQ(1, DeleteRebarBand(number, 2));
  EXPECT_EQ((std::vector<int>{1, 3}), BandIds(rebar));
  // The last band gives its id back.
  EXPECT_EQ(1, DeleteRebarBand(number, 3));
  EXPECT_EQ(AddRebarGadget(Child(), L"", 100, 10, 0, nullptr, 0), 2);
  EXPECT_EQ((std::vector<int>{1, 2}), BandIds(rebar));
}

TEST_F(RebarTest, CurrentRebarGoneGivesMinusOne) {
  const int number = CreateRebar(-1, *host_, nullptr, 0, 0);
  EXPECT_EQ(1, FreeRebar(number));
  EXPECT_EQ(-1, AddRebarGadget(Child(), L"", 100, 10, 0, nullptr, 0));
  EXPECT_EQ(0, FreeRebar(number));
  CreateRebar(-1, *host_, nullptr, 0, 0);
  EXPECT_EQ(-1, AddRebarGadget(reinterpret_cast<HWND>(0x12345), L"", 100, 10, 0, nullptr, 0)) << "no window";
}

TEST_F(RebarTest, MinimumHeightComesFromTheToolbarOrTheChild) {
  const HWND rebar = MakeRebar(0);
  const HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 100, 40, rebar,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELONG(30, 27));
  const int buttonHeight = HIWORD(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
  AddRebarGadget(toolbar, L"", 100, 10, 0, nullptr, 0);
  AddRebarGadget(Child(80, 33), L"", 100, 10, 0, nullptr, 0);
  AddRebarGadget(Child(80, 33), L"", 100, 10, 12, nullptr, 0);
  EXPECT_EQ(buttonHeight, static_cast<int>(BandInfo(rebar, 0, RBBIM_CHILDSIZE).cyMinChild));
  EXPECT_EQ(33u, BandInfo(rebar, 1, RBBIM_CHILDSIZE).cyMinChild);
  EXPECT_EQ(12u, BandInfo(rebar, 2, RBBIM_CHILDSIZE).cyMinChild);
  const LONG style = static_cast<LONG>(SendMessageW(toolbar, TB_GETSTYLE, 0, 0));
  EXPECT_EQ(CCS_NODIVIDER | CCS_NORESIZE, style & (CCS_NODIVIDER | CCS_NORESIZE));

  // Asked TB_GETBUTTONSIZE, a rich edit would read EM_GETCHARFORMAT through a null pointer.
  ASSERT_TRUE(LoadLibraryW(L"riched20.dll"));
  const HWND edit = CreateWindowExW(0, RICHEDIT_CLASSW, L"text", WS_CHILD | WS_VISIBLE, 0, 0, 100, 24, *host_,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(edit);
  EXPECT_EQ(3, AddRebarGadget(edit, L"", 100, 10, 0, nullptr, 0));
  EXPECT_EQ(24u, BandInfo(rebar, 3, RBBIM_CHILDSIZE).cyMinChild);
}

TEST_F(RebarTest, UIStyleBitsNeverReachTheWindowStyle) {
  for (int flags : {0x1000000, 0x2000000, 0x3000000}) {
    const HWND rebar = RebarID(CreateRebar(-1, *host_, nullptr, flags | RBS_BANDBORDERS, 0));
    ASSERT_TRUE(rebar);
    EXPECT_FALSE(IsZoomed(rebar)) << flags;
    EXPECT_FALSE(IsIconic(rebar)) << flags;
    EXPECT_EQ(0, GetWindowLongW(rebar, GWL_STYLE) & WS_MAXIMIZE) << flags;
    EXPECT_EQ(CCS_NODIVIDER, GetWindowLongW(rebar, GWL_STYLE) & CCS_NODIVIDER);
    EXPECT_EQ(static_cast<uint32_t>(flags & 0x1000000 ? 0x1000000 : 0x2000000), RebarUIStyleOf(rebar));
    RECT rect{};
    GetWindowRect(rebar, &rect);
    EXPECT_LT(rect.bottom - rect.top, 100) << "not laid over the host's client area";
  }
}

TEST_F(RebarTest, RebarHeightAsksOnlyRebars) {
  const HWND rebar = MakeRebar(1);
  const int height = RebarHeight(Key(rebar));
  EXPECT_GT(height, 0);
  EXPECT_EQ(height, RebarHeight(RebarList().FindByWindow(rebar)->number));
  // A native rebar the library does not own still answers.
  const HWND native = CreateWindowExW(0, REBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, *host_,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_EQ(static_cast<int>(SendMessageW(native, RB_GETBARHEIGHT, 0, 0)), RebarHeight(Key(native)));
  DestroyWindow(native);
  // 0x41B to another class means something else: nobody is asked.
  EXPECT_EQ(0, RebarHeight(Key(*host_)));
  EXPECT_EQ(0, RebarHeight(Key(Child())));
  EXPECT_EQ(0, RebarHeight(0));
  EXPECT_EQ(0, RebarHeight(-1));
}

TEST_F(RebarTest, HeightChangesGoToCallbackThenTopThenParent) {
  const HWND rebar = MakeRebar(0);
  const int number = RebarList().FindByWindow(rebar)->number;
  EXPECT_EQ(-1, SetRebarUserCallback(number, nullptr));
  EXPECT_EQ(-1, SetRebarUserCallback(12345, HeightCallback));
  EXPECT_EQ(0, SetRebarUserCallback(number, OtherCallback));
  EXPECT_EQ(reinterpret_cast<intptr_t>(OtherCallback), SetRebarUserCallback(number, HeightCallback));
  EXPECT_EQ(reinterpret_cast<intptr_t>(HeightCallback), SetRebarUserCallback(number, HeightCallback))
      << "a callback of 0 kept the old one";
  HeightNotices().clear();
  AddRebarGadget(Child(80, 30), L"", 150, 20, 0, nullptr, 0);
  PumpMessages();
  ASSERT_EQ("ctp", Who());
  const int height = RebarHeight(number);
  for (const HeightNotice& notice : HeightNotices()) {
    EXPECT_EQ(height, notice.height);
    EXPECT_EQ(rebar, notice.rebar);
  }

  // Moves without a size and unchanged heights tell nobody.
  HeightNotices().clear();
  SetWindowPos(rebar, nullptr, 0, 0, 77, 77, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(rebar, nullptr, 0, 0, 600, height, SWP_NOZORDER);
  PumpMessages();
  EXPECT_EQ("", Who());
}

TEST_F(RebarTest, TwoRebarsOfOneHeightEachAnnounce) {
  const HWND first = MakeRebar(1);
  HeightNotices().clear();
  const HWND second = MakeRebar(1);
  PumpMessages();
  ASSERT_EQ(RebarHeight(Key(first)), RebarHeight(Key(second)));
  bool secondTold = false;
  for (const HeightNotice& notice : HeightNotices()) secondTold |= notice.rebar == second;
  EXPECT_TRUE(secondTold) << "the height was the one the first rebar announced";
  // Growing and shrinking the first does not make the second announce again.
  HeightNotices().clear();
  AddRebarGadget(Child(80, 40), L"", 150, 20, 0, nullptr, 0);
  PumpMessages();
  for (const HeightNotice& notice : HeightNotices()) EXPECT_EQ(second, notice.rebar);
}

TEST_F(RebarTest, FillBandEndsFiveAboveTheNextChildAndSizableBandsShareItsHeight) {
  const HWND below = Child(600, 50);
  MoveWindow(below, 0, 200, 600, 50, FALSE);
  const HWND rebar = RebarID(CreateRebar(-1, *host_, nullptr, 0, 0));
  AddRebarGadget(Child(), L"", 300, 20, 0, nullptr, 0x20000);
  AddRebarGadget(Child(), L"", 250, 20, 0, nullptr, 0x800000);
  EXPECT_EQ(BandRect(rebar, 0).top, BandRect(rebar, 1).top) << "one row";
  LayoutRebarBands(*host_);
  LayoutRebarBands(*host_);
  RECT rebarRect = WindowRectIn(rebar, *host_);
  EXPECT_EQ(195, rebarRect.bottom) << "5 above the child at 200";
  const UINT fill = BandInfo(rebar, 0, RBBIM_CHILDSIZE).cyMinChild;
  EXPECT_EQ(fill, BandInfo(rebar, 1, RBBIM_CHILDSIZE).cyMinChild);

  // Alone in its row, the sizable band gets its own height back.
  MoveRebarBand(Key(rebar), 1, 0);
  REBARBANDINFOW info{};
  info.cbSize = 80;
  info.fMask = RBBIM_STYLE;
  info.fStyle = RBBS_BREAK | 0x20000;
  SendMessageW(rebar, RB_SETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
  LayoutRebarBands(*host_);
  EXPECT_NE(BandRect(rebar, 0).top, BandRect(rebar, 1).top);
  EXPECT_EQ(22u, BandInfo(rebar, 0, RBBIM_CHILDSIZE).cyMinChild);
}

TEST_F(RebarTest, StylesSwitchBandBackgroundsAndBorders) {
  const HWND rebar = MakeRebar(2, RBS_BANDBORDERS);
  const int key = Key(rebar);
  EXPECT_TRUE(GetWindowLongW(rebar, GWL_STYLE) & RBS_BANDBORDERS);
  EXPECT_EQ(nullptr, BandInfo(rebar, 0, RBBIM_BACKGROUND).hbmBack);
  EXPECT_EQ(0, SetRebarStyle(key, 0x1000000));
  const HBITMAP office2003 = BandInfo(rebar, 0, RBBIM_BACKGROUND).hbmBack;
  ASSERT_TRUE(office2003);
  EXPECT_FALSE(GetWindowLongW(rebar, GWL_STYLE) & RBS_BANDBORDERS);
  EXPECT_EQ(0, SetRebarStyle(key, 0x2000000));
  const HBITMAP office2007 = BandInfo(rebar, 1, RBBIM_BACKGROUND).hbmBack;
  ASSERT_TRUE(office2007);
  EXPECT_NE(office2003, office2007);
  EXPECT_EQ(0, SetRebarStyle(key, 0));
  EXPECT_EQ(nullptr, BandInfo(rebar, 0, RBBIM_BACKGROUND).hbmBack);
  EXPECT_TRUE(GetWindowLongW(rebar, GWL_STYLE) & RBS_BANDBORDERS);
  EXPECT_EQ(0, SetRebarStyle(key, 0x1234));
  EXPECT_EQ(0u, RebarUIStyleOf(rebar));
  EXPECT_EQ(0, SetRebarStyle(12345, 0x1000000));
}

bool Near(uint32_t pixel, COLORREF colour) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  return std::abs(r - GetRValue(colour)) <= 2 && std::abs(g - GetGValue(colour)) <= 2 &&
         std::abs(b - GetBValue(colour)) <= 2;
}

TEST_F(RebarTest, TheLibraryPaintsTheBandBackgrounds) {
  // The Office 2003 gradient behind the first band, a red bitmap of its own
  // behind the second.
  uint32_t* bits = nullptr;
  UniqueBitmap red(CreateTopDownDib32(8, 8, &bits));
  ASSERT_TRUE(red);
  std::fill(bits, bits + 64, 0xFFFF0000u);
  const HWND rebar = RebarID(CreateRebar(-1, *host_, nullptr, 0x1000000, 0));
  AddRebarGadget(Child(40, 22), L"", 200, 40, 0, nullptr, 0);
  AddRebarGadget(Child(40, 22), L"", 200, 40, 0, red.get(), 0);
  SetWindowPos(rebar, nullptr, 0, 0, 600, RebarHeight(Key(rebar)), SWP_NOZORDER);
  Dib32 canvas(600, 60, 0xFF00FF00);
  EXPECT_EQ(1, SendMessageW(rebar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0));
  const RECT first = BandRect(rebar, 0), second = BandRect(rebar, 1);
  ASSERT_EQ(first.top, second.top);
  EXPECT_EQ(0xFF0000u, canvas.Pixel(second.left + 2, second.top + 2) & 0xFFFFFF);
  const auto colour31 = [] { return static_cast<COLORREF>(LookupUIColour(0x1000000, 31, kUIColourColorRef)); };
  const COLORREF from = colour31();
  EXPECT_TRUE(Near(canvas.Pixel(1, first.top + 1), from)) << std::hex << canvas.Pixel(1, first.top + 1);
  EXPECT_FALSE(Near(canvas.Pixel(1, first.top + 1), RGB(0, 255, 0)));

  // A new colour 31 rebuilds the image the bands show.
  const HBITMAP before = BandInfo(rebar, 0, RBBIM_BACKGROUND).hbmBack;
  const int mode = GetUIColourMode();
  const int old = GetUIColour(0x1000000, 31, 5);
  SetUIColourMode(5);
  SetUIColour(0x1000000, 31, 0x0000FF, 0, 0);
  const HBITMAP after = BandInfo(rebar, 0, RBBIM_BACKGROUND).hbmBack;
  EXPECT_NE(before, after);
  canvas.Fill(0);
  SendMessageW(rebar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
  EXPECT_TRUE(Near(canvas.Pixel(1, first.top + 1), RGB(255, 0, 0))) << std::hex << canvas.Pixel(1, first.top + 1);
  SetUIColour(0x1000000, 31, old, 0, 1);
  SetUIColourMode(mode);
}

TEST_F(RebarTest, FreeingGivesTheChildrenBackAndStaysFlat) {
  const HWND rebar = MakeRebar(2);
  const HWND child = BandInfo(rebar, 0, RBBIM_CHILD).hwndChild;
  EXPECT_EQ(rebar, GetParent(child));
  EXPECT_EQ(1, FreeRebar(Key(rebar)));
  EXPECT_FALSE(IsWindow(rebar));
  EXPECT_EQ(*host_, GetParent(child));
  EXPECT_EQ(0, FreeRebar(Key(rebar)));

  MakeRebar(1);
  MakeRebar(1);
  EXPECT_EQ(1, FreeRebar(-1));
  EXPECT_TRUE(RebarList().Empty());
  EXPECT_TRUE(RebarBandList().Empty());

  const HWND gadget = Child();
  auto cycle = [&] {
    CreateRebar(-1, *host_, nullptr, 0x1000000, 0);
    AddRebarGadget(gadget, L"band", 100, 20, 0, nullptr, 0);
    FreeRebar(-1);
  };
  for (int i = 0; i < 20; ++i) cycle();
  const size_t heap = HeapBytesInUse();
  const int windows = ThreadWindowCount();
  for (int i = 0; i < 150; ++i) cycle();
  EXPECT_EQ(windows, ThreadWindowCount());
  EXPECT_LT(HeapBytesInUse(), heap + 64 * 1024);
}

}  // namespace
}  // namespace kelvra::test

namespace kelvra::test {
namespace {

TEST_F(RebarTest, HostileArgumentsFailWithTheDocumentedResults) {
  const HWND stale = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD, 0, 0, 1, 1, *host_, nullptr, nullptr, nullptr);
  DestroyWindow(stale);
  for (HWND parent : {HWND{}, stale, reinterpret_cast<HWND>(-1), reinterpret_cast<HWND>(0x1234)})
    EXPECT_EQ(0, CreateRebar(-1, parent, nullptr, 0, 0));
  // Any style bits and a bitmap that is none make a rebar or nothing, never a crash.
  CreateRebar(-1, *host_, reinterpret_cast<HBITMAP>(0x1234), -1, 1);
  AddRebarGadget(nullptr, nullptr, -5, -5, -5, reinterpret_cast<HBITMAP>(0x1234), -1);
  PumpMessages();
  FreeRebar(-1);
  for (int rebar : {0, -1, -2, 12345, INT32_MIN, INT32_MAX, Key(stale), Key(*host_)}) {
    EXPECT_EQ(0, InsertRebarGadget(rebar, 0, nullptr, nullptr, 0, 0, 0, nullptr, 0)) << rebar;
    EXPECT_EQ(0, DeleteRebarBand(rebar, 0)) << rebar;
    EXPECT_EQ(0, MoveRebarBand(rebar, 0, 1)) << rebar;
    EXPECT_EQ(0, ShowRebarBand(rebar, 0, 1)) << rebar;
    EXPECT_EQ(-1, RebarBandID(rebar, 0)) << rebar;
    EXPECT_EQ(0, RebarHeight(rebar)) << rebar;
    EXPECT_EQ(0, SetRebarStyle(rebar, 0x1000000)) << rebar;
    EXPECT_EQ(-1, SetRebarUserCallback(rebar, HeightCallback)) << rebar;
    EXPECT_EQ(0, SaveRebarLayout(rebar, L"x.xml")) << rebar;
    EXPECT_EQ(0, LoadRebarLayout(rebar, L"x.xml")) << rebar;
    if (rebar != -1) EXPECT_EQ(0, FreeRebar(rebar)) << rebar;
  }
  // A rebar whose window went with its host fails cleanly and frees.
  auto doomed = std::make_unique<TestWindow>(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, 300, 100, *host_);
  const int number = CreateRebar(-1, *doomed, nullptr, 0, 0);
  AddRebarGadget(Child(50, 20, *doomed), L"x", 100, 10, 0, nullptr, 0);
  doomed.reset();
  EXPECT_EQ(-1, AddRebarGadget(Child(), L"", 10, 10, 0, nullptr, 0));
  EXPECT_EQ(0, RebarBandID(number, 0));
  EXPECT_EQ(0, RebarHeight(number));
  EXPECT_EQ(0, ShowRebarBand(number, 0, 0));
  EXPECT_EQ(1, FreeRebar(number));
  // Bands out of range on a live rebar.
  const HWND rebar = MakeRebar(1);
  for (int band : {-1, 1, 99, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(0, DeleteRebarBand(Key(rebar), band)) << band;
    EXPECT_EQ(0, ShowRebarBand(Key(rebar), band, 1)) << band;
    EXPECT_EQ(0, RebarBandID(Key(rebar), band)) << band;
    MoveRebarBand(Key(rebar), band, 0);
  }
  EXPECT_EQ(1, BandCount(rebar));
}

}  // namespace
}  // namespace kelvra::test
