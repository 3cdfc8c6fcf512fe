// Making and painting 100 toolbars of 20 image buttons each (16 x 16 icons, all
// three given, text "Btn") on one window, against the same toolbars made
// natively with one image list, one TB_ADDBUTTONSW and one TB_AUTOSIZE each.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kToolbars = 100;
constexpr int kButtons = 20;

HWND Host() {
  static HWND host = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KelvraToolbarBenchHost";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"KelvraToolbarBenchHost", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                  800, 600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }();
  return host;
}

std::vector<HICON>& BenchIcons() {
  static std::vector<HICON> icons = [] {
    std::vector<HICON> made;
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < kButtons; ++i) {
      HBITMAP colour = CreateCompatibleBitmap(screen, 16, 16);
      HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
      HDC dc = CreateCompatibleDC(screen);
      HGDIOBJ old = SelectObject(dc, colour);
      HBRUSH brush = CreateSolidBrush(RGB(10 * i, 255 - 10 * i, 128));
      RECT rect{0, 0, 16, 16};
      FillRect(dc, &rect, brush);
      DeleteObject(brush);
      SelectObject(dc, mask);
      PatBlt(dc, 0, 0, 16, 16, BLACKNESS);
      SelectObject(dc, old);
      DeleteDC(dc);
      ICONINFO info{TRUE, 0, 0, mask, colour};
      made.push_back(CreateIconIndirect(&info));
      DeleteObject(colour);
      DeleteObject(mask);
    }
    ReleaseDC(nullptr, screen);
    return made;
  }();
  return icons;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

BOOL CALLBACK UpdateChild(HWND child, LPARAM) {
  UpdateWindow(child);
  return TRUE;
}

void BM_NativeToolbars(benchmark::State& state) {
  const HWND host = Host();
  for (auto _ : state) {
    std::vector<HWND> bars;
    std::vector<HIMAGELIST> lists;
    const double start = kelvra::bench::Seconds();
    for (int t = 0; t < kToolbars; ++t) {
      HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, 0, 0, 0, 0, host,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
      SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
      HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, kButtons, 0);
      for (HICON icon : BenchIcons()) ImageList_ReplaceIcon(list, -1, icon);
      SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
      TBBUTTON buttons[kButtons] = {};
      for (int i = 0; i < kButtons; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = 1000 + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].iString = reinterpret_cast<INT_PTR>(L"Btn");
      }
      SendMessageW(toolbar, TB_ADDBUTTONSW, kButtons, reinterpret_cast<LPARAM>(buttons));
      SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
      bars.push_back(toolbar);
      lists.push_back(list);
    }
    for (HWND toolbar : bars) UpdateWindow(toolbar);
    state.SetIterationTime(kelvra::bench::Seconds() - start);
    for (HWND toolbar : bars) DestroyWindow(toolbar);
    for (HIMAGELIST list : lists) ImageList_Destroy(list);
    Pump();
  }
}

void BM_ToolBarEx(benchmark::State& state) {
  const HWND host = Host();
  for (auto _ : state) {
    const double start = kelvra::bench::Seconds();
    for (int t = 0; t < kToolbars; ++t) {
      const int toolbar = CreateToolBarEx(-1, host, 16, 16, 0);
      if (!toolbar) state.SkipWithError("CreateToolBarEx failed");
      for (HICON icon : BenchIcons()) ToolBarImageButtonEx(-1, L"Btn", icon, icon, icon, 0);
    }
    EnumChildWindows(host, UpdateChild, 0);
    state.SetIterationTime(kelvra::bench::Seconds() - start);
    FreeToolBarEx(-1);
    Pump();
  }
}

BENCHMARK(BM_NativeToolbars)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToolBarEx)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_ToolBarEx", "BM_NativeToolbars"}}, false), [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        StartKelvra();
      });
}
