// A thousand ButtonEx (built-in skin, text) created, shown and painted on one
// window, against a thousand native "BUTTON" controls of the same size and text
// in the same run; then the repaint of a thousand of each. Then what an
// application moving from native buttons sees: 300 push buttons of the standard
// 75 x 23 size with a real caption on a 1000 x 760 top-level window of its own
// class (made after StartKelvra, so hooked and subclassed like every window of
// the thread), created, shown and painted as a message loop paints them, then
// all repainted. The run ends with each ButtonEx row as a ratio to its native row
// on the same hooked thread. Each timed stretch is marked for a traced window
// server (scripts/bench-requests.sh counts its requests per control).
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
    kelvra::bench::MarkTraceBegin(L"BM_NativeButtons", kCount);
    MakeNativeButtons(host, buttons);
    PaintInvalid(host);
    kelvra::bench::MarkTraceEnd(L"BM_NativeButtons");
    state.PauseTiming();
    DestroyAll(buttons);
    state.ResumeTiming();
  }
}

void BM_ButtonEx(benchmark::State& state) {
  const HWND host = Host();
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_ButtonEx", kCount);
    MakeButtonExs(host);
    PaintInvalid(host);
    kelvra::bench::MarkTraceEnd(L"BM_ButtonEx");
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
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_NativeButtonsRepaint", kCount);
    RepaintAll(host);
    kelvra::bench::MarkTraceEnd(L"BM_NativeButtonsRepaint");
  }
  DestroyAll(buttons);
}

void BM_ButtonExRepaint(benchmark::State& state) {
  const HWND host = Host();
  MakeButtonExs(host);
  PaintInvalid(host);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_ButtonExRepaint", kCount);
    RepaintAll(host);
    kelvra::bench::MarkTraceEnd(L"BM_ButtonExRepaint");
  }
  FreeButtonEx(-1);
  Pump();
}

// ---- 300 standard buttons on an application's own window

constexpr int kStandardCount = 300;
constexpr int kStandardWidth = 75, kStandardHeight = 23;
constexpr int kStandardColumns = 12;  // 12 x 25 cells of 80 x 28 on 1000 x 760
constexpr const wchar_t* kCaption = L"Not bad eh?";

HWND ApplicationWindow() {
  static HWND window = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KelvraBenchApplication";
    RegisterClassExW(&wc);
    const HWND made = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000,
                                      760, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    return made;
  }();
  return window;
}

POINT StandardCell(int i) { return POINT{10 + (i % kStandardColumns) * 80, 10 + (i / kStandardColumns) * 28}; }

void MakeStandardNativeButtons(HWND host, std::vector<HWND>& buttons) {
  for (int i = 0; i < kStandardCount; ++i) {
    const POINT at = StandardCell(i);
    buttons.push_back(CreateWindowExW(0, L"Button", kCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                      at.x, at.y, kStandardWidth, kStandardHeight, host, nullptr, nullptr, nullptr));
  }
}

void MakeStandardButtonExs(HWND host) {
  for (int i = 0; i < kStandardCount; ++i) {
    const POINT at = StandardCell(i);
    ButtonEx(host, -1, at.x, at.y, kStandardWidth, kStandardHeight, kCaption, nullptr, nullptr, nullptr, nullptr,
             nullptr);
  }
}

void BM_StandardNative(benchmark::State& state) {
  const HWND host = ApplicationWindow();
  std::vector<HWND> buttons;
  buttons.reserve(kStandardCount);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_StandardNative", kStandardCount);
    MakeStandardNativeButtons(host, buttons);
    PaintInvalid(host);
    kelvra::bench::MarkTraceEnd(L"BM_StandardNative");
    state.PauseTiming();
    DestroyAll(buttons);
    state.ResumeTiming();
  }
}

void BM_StandardButtonEx(benchmark::State& state) {
  const HWND host = ApplicationWindow();
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_StandardButtonEx", kStandardCount);
    MakeStandardButtonExs(host);
    PaintInvalid(host);
    kelvra::bench::MarkTraceEnd(L"BM_StandardButtonEx");
    state.PauseTiming();
    FreeButtonEx(-1);
    Pump();
    state.ResumeTiming();
  }
}

void BM_StandardNativeRepaint(benchmark::State& state) {
  const HWND host = ApplicationWindow();
  std::vector<HWND> buttons;
  MakeStandardNativeButtons(host, buttons);
  PaintInvalid(host);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_StandardNativeRepaint", kStandardCount);
    RepaintAll(host);
    kelvra::bench::MarkTraceEnd(L"BM_StandardNativeRepaint");
  }
  DestroyAll(buttons);
}

void BM_StandardButtonExRepaint(benchmark::State& state) {
  const HWND host = ApplicationWindow();
  MakeStandardButtonExs(host);
  PaintInvalid(host);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(L"BM_StandardButtonExRepaint", kStandardCount);
    RepaintAll(host);
    kelvra::bench::MarkTraceEnd(L"BM_StandardButtonExRepaint");
  }
  FreeButtonEx(-1);
  Pump();
}

BENCHMARK(BM_NativeButtons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonEx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeButtonsRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ButtonExRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardNative)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardButtonEx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardNativeRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardButtonExRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv,
      kelvra::bench::OtherFamily({{"BM_ButtonEx", "BM_NativeButtons"},
                                  {"BM_ButtonExRepaint", "BM_NativeButtonsRepaint"},
                                  {"BM_StandardButtonEx", "BM_StandardNative"},
                                  {"BM_StandardButtonExRepaint", "BM_StandardNativeRepaint"}},
                                 false),
      [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        StartKelvra();
      });
}
