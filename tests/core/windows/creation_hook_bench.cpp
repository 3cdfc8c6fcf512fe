// What the library's creation hook and shared subclass procedure cost an
// application's own native controls: 300 standard push buttons on a 1000 x 760
// top-level window, created, shown and painted as a message loop paints them,
// then all repainted, on a thread with StartKelvra's hook, against the same on a
// thread with a hook that does nothing but subclass each new window with a
// procedure that does nothing but pass every message on (the least any design
// with a hook and subclassing can cost under this window system). The do-nothing
// rows run first, before the library is started: the library's rows start it.
// Each timed stretch is marked for a traced window server
// (scripts/bench-requests.sh counts its requests per control).
#include <benchmark/benchmark.h>
#include <windows.h>
#include <commctrl.h>

#include <unordered_map>
#include <vector>

#include "core/library/library_globals.h"
#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kCount = 300;
constexpr int kWidth = 75, kHeight = 23;
constexpr int kColumns = 12;  // 12 x 25 cells of 80 x 28 on 1000 x 760
constexpr const wchar_t* kCaption = L"Not bad eh?";

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// ---- The do-nothing hook and subclass

std::unordered_map<HWND, WNDPROC>& SavedProcedures() {
  static std::unordered_map<HWND, WNDPROC> saved;
  return saved;
}

LRESULT CALLBACK PassOnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto it = SavedProcedures().find(window);
  const WNDPROC saved = it == SavedProcedures().end() ? DefWindowProcW : it->second;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    SavedProcedures().erase(window);
  }
  return CallWindowProcW(saved, window, message, wParam, lParam);
}

LRESULT CALLBACK DoNothingHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message && message->message == WM_CREATE) {
    SavedProcedures()[message->hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(message->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassOnProc)));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class DoNothingHookInstalled {
 public:
  DoNothingHookInstalled() : hook_(SetWindowsHookExW(WH_CALLWNDPROC, DoNothingHook, nullptr, GetCurrentThreadId())) {}
  ~DoNothingHookInstalled() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  DoNothingHookInstalled(const DoNothingHookInstalled&) = delete;
  DoNothingHookInstalled& operator=(const DoNothingHookInstalled&) = delete;
  explicit operator bool() const { return hook_ != nullptr; }

 private:
  HHOOK hook_;
};

// ---- The application's window and buttons

HWND MakeApplicationWindow() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"KelvraBenchApplication";
  RegisterClassExW(&wc);
  const HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1000,
                                      760, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump();
  return window;
}

// Made on the first call, under whichever hook is in place then.
HWND DoNothingWindow() {
  static HWND window = MakeApplicationWindow();
  return window;
}

HWND LibraryWindow() {
  static HWND window = [] {
    StartKelvra();
    return MakeApplicationWindow();
  }();
  return window;
}

void MakeButtons(HWND host, std::vector<HWND>& buttons) {
  for (int i = 0; i < kCount; ++i) {
    const int x = 10 + (i % kColumns) * 80, y = 10 + (i / kColumns) * 28;
    buttons.push_back(CreateWindowExW(0, L"Button", kCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, y,
                                      kWidth, kHeight, host, nullptr, nullptr, nullptr));
  }
}

void PaintInvalid(HWND host) {
  RedrawWindow(host, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

void RepaintAll(HWND host) {
  RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

void DestroyAll(std::vector<HWND>& buttons) {
  for (HWND button : buttons) DestroyWindow(button);
  buttons.clear();
  Pump();
}

void CreateShowPaint(benchmark::State& state, const wchar_t* row, HWND host) {
  std::vector<HWND> buttons;
  buttons.reserve(kCount);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(row, kCount);
    MakeButtons(host, buttons);
    PaintInvalid(host);
    kelvra::bench::MarkTraceEnd(row);
    state.PauseTiming();
    DestroyAll(buttons);
    state.ResumeTiming();
  }
}

void Repaint(benchmark::State& state, const wchar_t* row, HWND host) {
  std::vector<HWND> buttons;
  MakeButtons(host, buttons);
  PaintInvalid(host);
  for (auto _ : state) {
    kelvra::bench::MarkTraceBegin(row, kCount);
    RepaintAll(host);
    kelvra::bench::MarkTraceEnd(row);
  }
  DestroyAll(buttons);
}

bool LibraryHooked() { return kelvra::Globals().callWndProcHook != nullptr; }

void BM_DoNothingHook(benchmark::State& state) {
  if (LibraryHooked()) return state.SkipWithError("the do-nothing rows must run before the library's");
  const DoNothingHookInstalled hook;
  if (!hook) return state.SkipWithError("no hook");
  CreateShowPaint(state, L"BM_DoNothingHook", DoNothingWindow());
}

void BM_DoNothingHookRepaint(benchmark::State& state) {
  if (LibraryHooked()) return state.SkipWithError("the do-nothing rows must run before the library's");
  const DoNothingHookInstalled hook;
  if (!hook) return state.SkipWithError("no hook");
  Repaint(state, L"BM_DoNothingHookRepaint", DoNothingWindow());
}

void BM_LibraryHook(benchmark::State& state) { CreateShowPaint(state, L"BM_LibraryHook", LibraryWindow()); }

void BM_LibraryHookRepaint(benchmark::State& state) { Repaint(state, L"BM_LibraryHookRepaint", LibraryWindow()); }

BENCHMARK(BM_DoNothingHook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoNothingHookRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryHook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryHookRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv,
      kelvra::bench::OtherFamily(
          {{"BM_LibraryHook", "BM_DoNothingHook"}, {"BM_LibraryHookRepaint", "BM_DoNothingHookRepaint"}}, false),
      [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
      });
}
