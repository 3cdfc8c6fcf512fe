// A thousand ButtonEx (built-in skin, text) created, shown and painted on one
// window, against a thousand native "BUTTON" controls of the same size and text
// in the same run; then the repaint of a thousand of each. The run ends with each
// ButtonEx row as a ratio to its native row.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kCount = 1000;
constexpr int kColumns = 40;
constexpr int kWidth = 24, kHeight = 26;

HWND Host() {
  static HWND host = [] {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                  kColumns * kWidth, (kCount / kColumns) * kHeight, nullptr, nullptr, nullptr,
                                  nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }();
  return host;
}

POINT Cell(int i) { return POINT{(i % kColumns) * kWidth, (i / kColumns) * kHeight}; }

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// What a message loop does after the controls were made: everything that is
// invalid is painted, once.
void PaintInvalid(HWND host) {
  RedrawWindow(host, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

// Everything painted again.
void RepaintAll(HWND host) {
  RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

void MakeNativeButtons(HWND host, std::vector<HWND>& buttons) {
  for (int i = 0; i < kCount; ++i) {
    const POINT at = Cell(i);
    buttons.push_back(CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, at.x, at.y, kWidth,
                                      kHeight, host, nullptr, nullptr, nullptr));
  }
}

void MakeButtonExs(HWND host) {
  for (int i = 0; i < kCount; ++i) {
    const POINT at = Cell(i);
    ButtonEx(host, -1, at.x, at.y, kWidth, kHeight, L"OK", nullptr, nullptr, nullptr, nullptr, nullptr);
  }
}

void DestroyAll(std::vector<HWND>& windows) {
  for (HWND window : windows) DestroyWindow(window);
  windows.clear();
  Pump();
}

void BM_NativeButtons(benchmark::State& state) {
  const HWND host = Host();
  std::vector<HWND> buttons;
  buttons.reserve(kCount);
  for (auto _ : state) {
    MakeNativeButtons(host, buttons);
    PaintInvalid(host);
    state.PauseTiming();
    DestroyAll(buttons);
    state.ResumeTiming();
  }
}

void BM_ButtonEx(benchmark::State& state) {
  const HWND host = Host();
  for (auto _ : state) {
    MakeButtonExs(host);
    PaintInvalid(host);
    state.PauseTiming();
    FreeButtonEx(-1);
    Pump();
    state.ResumeTiming();
  }
}

void BM_NativeButtonsRepaint(benchmark::State& state) {
  const HWND host = Host();
  std::vector<HWND> buttons;
  MakeNativeButtons(host, buttons);
  PaintInvalid(host);
  for (auto _ : state) RepaintAll(host);
  DestroyAll(buttons);
}

void BM_ButtonExRepaint(benchmark::State& state) {
  const HWND host = Host();
  MakeButtonExs(host);
  PaintInvalid(host);
  for (auto _ : state) RepaintAll(host);
  FreeButtonEx(-1);
  Pump();
}

BENCHMARK(BM_NativeButtons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonEx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeButtonsRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonExRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv,
      kelvra::bench::OtherFamily({{"BM_ButtonEx", "BM_NativeButtons"}, {"BM_ButtonExRepaint", "BM_NativeButtonsRepaint"}},
                                 false),
      [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        StartKelvra();
      });
}
