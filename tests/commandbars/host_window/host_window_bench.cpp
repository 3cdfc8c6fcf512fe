// The pass-through cost of the host-window procedure: WM_MOUSEMOVE sent to a host
// window carrying 10 toolbars while 1,000 other host windows exist, against the
// same sends to an equal window with only the creation hook's subclass.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "commandbars/host_window/host_window.h"
#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kSends = 200000;

HWND MakeWindow(const wchar_t* className) {
  return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

const wchar_t* BenchClass() {
  static const wchar_t* name = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KelvraHostWindowBench";
    RegisterClassW(&windowClass);
    return L"KelvraHostWindowBench";
  }();
  return name;
}

HWND& Host() {
  static HWND host = nullptr;
  return host;
}
HWND& Plain() {
  static HWND plain = nullptr;
  return plain;
}

void SetUp() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  StartKelvra();
  // The other host windows: every one a record in the list.
  for (int i = 0; i < 1000; ++i) kelvra::SubclassHostWindow(MakeWindow(BenchClass()));
  Host() = MakeWindow(BenchClass());
  for (int i = 0; i < 10; ++i) CreateToolBarEx(-1, Host(), 16, 16, 0);
  Plain() = MakeWindow(BenchClass());
}

void Sends(benchmark::State& state, HWND window) {
  for (auto _ : state) {
    for (int i = 0; i < kSends; ++i) SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(i & 0xFF, 7));
  }
}

void BM_CreationHookSubclassOnly(benchmark::State& state) { Sends(state, Plain()); }
void BM_HostWindow(benchmark::State& state) { Sends(state, Host()); }

BENCHMARK(BM_CreationHookSubclassOnly)->Iterations(3)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostWindow)->Iterations(3)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_HostWindow", "BM_CreationHookSubclassOnly"}}, false), SetUp);
}
