// Creating, showing and painting 1,000 text controls with a short one-line text,
// against 1,000 native "Static" controls with the same text in the same run.
// The run ends with the ratio of the two rows.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <vector>

#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kControls = 1000;
constexpr int kColumns = 25;  // a 25 x 40 grid of 32 x 15 cells fills 800 x 600
constexpr int kCellWidth = 32, kCellHeight = 15;
constexpr const wchar_t* kText = L"Label";

HWND Host() {
  static HWND host = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"KelvraBenchHost";
    RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, L"KelvraBenchHost", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800,
                                  600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }();
  return host;
}

POINT Cell(int i) { return POINT{(i % kColumns) * kCellWidth, (i / kColumns) * kCellHeight}; }

// Everything the new windows asked to have painted is painted now.
void PaintAll() {
  RedrawWindow(Host(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void BM_Static(benchmark::State& state) {
  std::vector<HWND> windows(kControls);
  for (auto _ : state) {
    for (int i = 0; i < kControls; ++i) {
      const POINT at = Cell(i);
      windows[i] = CreateWindowExW(0, L"STATIC", kText, WS_CHILD | WS_VISIBLE, at.x, at.y, kCellWidth, kCellHeight,
                                   Host(), nullptr, nullptr, nullptr);
    }
    PaintAll();
    state.PauseTiming();
    for (HWND window : windows) DestroyWindow(window);
    PaintAll();
    state.ResumeTiming();
  }
}

void BM_TextControlEx(benchmark::State& state) {
  for (auto _ : state) {
    for (int i = 0; i < kControls; ++i) {
      const POINT at = Cell(i);
      TextControlEx(Host(), -1, at.x, at.y, 0, 0, kText, 0);
    }
    PaintAll();
    state.PauseTiming();
    FreeTextControlEx(-1);
    PaintAll();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_Static)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TextControlEx)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_TextControlEx", "BM_Static"}}, true), [] {
        StartKelvra();
        Host();
      });
}
