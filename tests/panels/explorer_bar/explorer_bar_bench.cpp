// The user-interface thread's work per animation frame of an explorer bar of 20
// groups of 5 items: the first body one pixel taller or shorter (as the thread
// moves it), then the bar's WM_SIZE (0, 0) and PageAnimationStepMessage, which
// lay the 38 windows below out again and repaint the bar once. The baseline, in
// the same run: a bare deferred batch moving the same 40 windows by a pixel and
// one repaint of the bar's page. The run ends with the frame as a ratio to it.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "core/library/library_messages.h"
#include "kelvra.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kGroups = 20, kItems = 5;

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

HWND Host() {
  static HWND host = [] {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 260, 700,
                                  nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }();
  return host;
}

struct Bar {
  int number = 0;
  HWND window = nullptr, page = nullptr;
  std::vector<HWND> headers, bodies;
};

Bar MakeBar() {
  Bar bar;
  bar.number = CreateExplorerBar(Host(), -1, 0, 0, 240, 680, nullptr);
  for (int g = 0; g < kGroups; ++g) {
    AddExplorerBarGroup(L"Group");
    for (int i = 0; i < kItems; ++i) ExplorerBarItem(-1, L"Item");
  }
  const kelvra::ExplorerBarRecord* record = kelvra::FindExplorerBar(bar.number);
  bar.window = record->Window();
  bar.page = record->page;
  for (const kelvra::ExplorerBarGroupRecord& group : record->groups) {
    bar.headers.push_back(group.Header());
    bar.bodies.push_back(group.body);
  }
  RedrawWindow(Host(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
  return bar;
}

RECT InParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void BM_BareBatchAndRepaint(benchmark::State& state) {
  Bar bar = MakeBar();
  std::vector<RECT> places;
  for (size_t g = 0; g < bar.headers.size(); ++g) {
    places.push_back(InParent(bar.headers[g]));
    places.push_back(InParent(bar.bodies[g]));
  }
  int shift = 0;
  for (auto _ : state) {
    shift ^= 1;
    HDWP batch = BeginDeferWindowPos(2 * kGroups);
    for (size_t g = 0; g < bar.headers.size(); ++g) {
      const RECT& h = places[2 * g];
      const RECT& b = places[2 * g + 1];
      batch = DeferWindowPos(batch, bar.headers[g], nullptr, h.left, h.top + shift, h.right - h.left,
                             h.bottom - h.top, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
      batch = DeferWindowPos(batch, bar.bodies[g], nullptr, b.left, b.top + shift, b.right - b.left,
                             b.bottom - b.top, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(batch);
    RedrawWindow(bar.page, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  }
  FreeExplorerBar(bar.number);
  Pump();
}

void BM_AnimationFrame(benchmark::State& state) {
  Bar bar = MakeBar();
  const RECT first = InParent(bar.bodies[0]);
  int shift = 0;
  for (auto _ : state) {
    shift ^= 1;
    SetWindowPos(bar.bodies[0], nullptr, first.left, first.top, first.right - first.left,
                 first.bottom - first.top - shift, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(bar.window, WM_SIZE, 0, 0);
    SendMessageW(bar.window, kelvra::PageAnimationStepMessage, 0, 0);
  }
  FreeExplorerBar(bar.number);
  Pump();
}

BENCHMARK(BM_BareBatchAndRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimationFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_AnimationFrame", "BM_BareBatchAndRepaint"}}, false), [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        StartKelvra();
      });
}
