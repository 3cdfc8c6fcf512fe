// Repainting an open 30-item popup whose owner draws its items with the menu
// item painter, in each look, against a native popup of the same texts and
// states repainted the same way; and the whole open, first paint and close cycle
// of each. Items: "Item n" with hot-key text "Ctrl+n", every fifth with a 16 x 16
// icon, one checked, one disabled, one with a submenu. The repaints run from the
// owner's first WM_ENTERIDLE; EndMenu follows.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "commandbars/menu_draw/menu_item_painter.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "kelvra.h"
#include "skin/elements/ui_element_painter.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kItems = 30;
constexpr int kRepaints = 50;

struct Item {
  std::wstring label, hotKey;
  bool icon = false, submenu = false;
};

struct Bench {
  std::vector<Item> items;
  HIMAGELIST icons = nullptr;
  HFONT font = nullptr;
  int32_t style = 0;
  bool repaint = false;  // repaint 50 times at the first idle
  double repaintSeconds = 0;
  uint32_t elementDrawsAfterFirst = 0, elementDrawsAtEnd = 0;
  bool idled = false;
};

Bench gBench;

void RepaintAtIdle(HWND popup) {
  if (gBench.idled) return;
  gBench.idled = true;
  if (gBench.repaint && popup) {
    RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    gBench.elementDrawsAfterFirst = kelvra::UIElementDrawCount();
    const double start = kelvra::bench::Seconds();
    for (int i = 0; i < kRepaints; ++i) RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    gBench.repaintSeconds = kelvra::bench::Seconds() - start;
    gBench.elementDrawsAtEnd = kelvra::UIElementDrawCount();
  }
  EndMenu();
}

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU) RepaintAtIdle(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure.CtlType != ODT_MENU) break;
      measure.itemWidth = 180;
      measure.itemHeight = 23;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw.CtlType != ODT_MENU || draw.itemData == 0 || draw.itemData > gBench.items.size()) break;
      const Item& item = gBench.items[draw.itemData - 1];
      kelvra::MenuItemPaintInput input;
      input.label = item.label;
      input.hotKey = item.hotKey;
      input.position = static_cast<int32_t>(draw.itemData - 1);
      input.itemCount = kItems;
      input.images = item.icon ? gBench.icons : nullptr;
      input.hasNormalIcon = item.icon;
      input.imageWidth = input.imageHeight = 16;
      input.hasSubmenu = item.submenu;
      input.uiStyle = gBench.style;
      input.font = gBench.font;
      kelvra::PaintMenuItem(draw, input, kelvra::MenuTracking());
      return TRUE;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Owner() {
  static HWND window = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MenuItemPaintBenchOwner";
    RegisterClassW(&wc);
    HWND made = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr,
                                wc.hInstance, nullptr);
    SetForegroundWindow(made);
    return made;
  }();
  return window;
}

void SetUpItems() {
  gBench.items.clear();
  for (int i = 1; i <= kItems; ++i)
    gBench.items.push_back(Item{L"Item " + std::to_wstring(i), L"Ctrl+" + std::to_wstring(i), i % 5 == 0, i == 12});
  if (!gBench.icons) {
    gBench.icons = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (COLORREF colour : {RGB(200, 40, 40), RGB(40, 40, 200), RGB(40, 160, 40)}) {
      HDC screen = GetDC(nullptr);
      HDC dc = CreateCompatibleDC(screen);
      HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
      HGDIOBJ old = SelectObject(dc, bitmap);
      HBRUSH brush = CreateSolidBrush(colour);
      const RECT all{0, 0, 16, 16};
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      SelectObject(dc, old);
      ImageList_Add(gBench.icons, bitmap, nullptr);
      DeleteObject(bitmap);
      DeleteDC(dc);
      ReleaseDC(nullptr, screen);
    }
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (!gBench.font) gBench.font = CreateFontIndirectW(&metrics.lfMenuFont);
}

// The popup: owner-drawn items whose data is their number, or native strings.
HMENU MakeMenu(bool ownerDrawn, HMENU& submenu) {
  HMENU menu = CreatePopupMenu();
  submenu = CreatePopupMenu();
  AppendMenuW(submenu, MF_STRING, 900, L"Inner");
  for (int i = 1; i <= kItems; ++i) {
    const Item& item = gBench.items[static_cast<size_t>(i - 1)];
    UINT flags = ownerDrawn ? MF_OWNERDRAW : MF_STRING;
    if (i == 7) flags |= MF_CHECKED;
    if (i == 9) flags |= MF_GRAYED;
    const std::wstring text = item.label + L"\t" + item.hotKey;
    const void* data = ownerDrawn ? reinterpret_cast<const void*>(static_cast<uintptr_t>(i)) : text.c_str();
    if (item.submenu)
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), static_cast<LPCWSTR>(data));
    else
      AppendMenuW(menu, flags, static_cast<UINT_PTR>(100 + i), static_cast<LPCWSTR>(data));
  }
  return menu;
}

// One tracking of the popup; the repaints' time, or the whole cycle's.
double Track(bool ownerDrawn, int32_t style, bool repaint) {
  SetUpItems();
  gBench.style = style;
  gBench.repaint = repaint;
  gBench.idled = false;
  gBench.repaintSeconds = 0;
  auto& tracking = kelvra::MenuTracking();
  tracking.menuPaintPass = 0;
  tracking.iconMargin = 6;
  HMENU submenu = nullptr;
  HMENU menu = MakeMenu(ownerDrawn, submenu);
  const double start = kelvra::bench::Seconds();
  TrackPopupMenuEx(menu, TPM_VERTICAL, 100, 40, Owner(), nullptr);
  const double cycle = kelvra::bench::Seconds() - start;
  DestroyMenu(menu);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  return repaint ? gBench.repaintSeconds / kRepaints : cycle;
}

void BM_RepaintNative(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(Track(false, 0, true));
}

void BM_RepaintPainted(benchmark::State& state) {
  const auto style = static_cast<int32_t>(state.range(0));
  for (auto _ : state) state.SetIterationTime(Track(true, style, true));
  state.counters["element draws after the first repaint"] =
      static_cast<double>(gBench.elementDrawsAtEnd - gBench.elementDrawsAfterFirst);
}

void BM_CycleNative(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(Track(false, 0, false));
}

void BM_CyclePainted(benchmark::State& state) {
  const auto style = static_cast<int32_t>(state.range(0));
  for (auto _ : state) state.SetIterationTime(Track(true, style, false));
}

// Looks: classic 0, Whidbey 5, Office 2003 6, Office 2007 0x2000000.
BENCHMARK(BM_RepaintNative)->UseManualTime()->Iterations(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintPainted)->Arg(0)->Arg(5)->Arg(6)->Arg(0x2000000)->UseManualTime()->Iterations(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CycleNative)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CyclePainted)->Arg(0)->Arg(5)->Arg(6)->Arg(0x2000000)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv,
      kelvra::bench::OtherFamily({{"BM_RepaintPainted", "BM_RepaintNative/iterations:6/manual_time"},
                                  {"BM_CyclePainted", "BM_CycleNative/iterations:20/manual_time"}},
                                 false));
}
