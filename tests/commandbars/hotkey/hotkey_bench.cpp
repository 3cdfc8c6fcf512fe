// The cost of the hot-key hook to a message loop: 20,000 posted messages (half
// key-downs of keys bound to nothing in their own right, half WM_NULL and
// WM_MOUSEMOVE) through GetMessage and DispatchMessage with 200 hot keys bound
// over 10 windows, against the same loop through an empty WH_GETMESSAGE hook
// (target about 1.1x at most), both in the same turns, and the loop without a
// hook for scale.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <string>
#include <vector>

#include "commandbars/commandbar_globals.h"
#include "commandbars/hotkey/hotkey_hook.h"
#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kMessages = 20000;
std::vector<HWND> windows;

LRESULT CALLBACK EmptyHook(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, code, wParam, lParam); }

void MakeWindows() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchHotKeyWindow";
  RegisterClassExW(&wc);
  for (int i = 0; i < 10; ++i)
    windows.push_back(CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                                      wc.hInstance, nullptr));
}

// Letters typed plainly while Ctrl+letter is bound, and function keys bound to
// nothing: `count` of them, and as many other messages.
void Loop(int count) {
  const HWND target = windows[0];
  static const WPARAM keys[] = {'Q', VK_F7, 'E', VK_F8, 'R', VK_F9};
  for (int i = 0; i < 2 * count; ++i) {
    if (i % 2)
      PostMessageW(target, WM_KEYDOWN, keys[(i / 2) % 6], 0x00100001);
    else
      PostMessageW(target, (i % 4) ? WM_MOUSEMOVE : WM_NULL, 0, 0);
    MSG message;
    GetMessageW(&message, nullptr, 0, 0);
    DispatchMessageW(&message);
  }
}

void BindHotKeys() {
  for (HWND window : windows)
    for (int k = 0; k < 20; ++k) {
      const std::wstring keys = k < 13 ? std::wstring(L"ctrl+") + static_cast<wchar_t>(L'a' + k * 2)
                                       : L"alt+f" + std::to_wstring(k - 12);
      HotKey(window, 1000 + k, keys.c_str());
    }
  // Binding installed the library's hook; the runs below put it on and off themselves.
  auto& hook = kelvra::CommandBarState().hotKeyMessageHook;
  UnhookWindowsHookEx(hook);
  hook = nullptr;
}

// The two hooked loops measured in turns of 1,000 messages, so that a machine
// busy with other work weighs on both alike: seconds with the empty hook and
// with the library's.
struct Hooked {
  double empty = 0, library = 0;
};
Hooked MeasureHooked() {
  Hooked total;
  for (int turn = 0; turn < kMessages / 1000; ++turn)
    for (int which = 0; which < 2; ++which) {
      const bool library = (which + turn) % 2 == 1;
      const HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, library ? kelvra::HotKeyMessageHookProc : EmptyHook, nullptr,
                                           GetCurrentThreadId());
      const double start = kelvra::bench::Seconds();
      Loop(500);
      (library ? total.library : total.empty) += kelvra::bench::Seconds() - start;
      UnhookWindowsHookEx(hook);
    }
  return total;
}
Hooked measured;

void BM_LoopWithoutHook(benchmark::State& state) {
  for (auto _ : state) {
    const double start = kelvra::bench::Seconds();
    Loop(kMessages / 2);
    state.SetIterationTime(kelvra::bench::Seconds() - start);
  }
}

void BM_LoopEmptyHook(benchmark::State& state) {
  for (auto _ : state) {
    measured = MeasureHooked();
    state.SetIterationTime(measured.empty);
  }
}

// The library's part of the same turns.
void BM_LoopHotKeyHook(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(measured.library);
}

BENCHMARK(BM_LoopWithoutHook)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopEmptyHook)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoopHotKeyHook)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv,
      kelvra::bench::OtherFamily({{"BM_LoopHotKeyHook", "BM_LoopEmptyHook"}, {"BM_LoopWithoutHook", "BM_LoopEmptyHook"}},
                                 true),
      [] {
        MakeWindows();
        BindHotKeys();
      });
}
