// A vertical 5 x 300 shadow strip with a warm cache, made until shown and then
// destroyed, against a bare layered popup of the same size and extended styles
// filled by one UpdateLayeredWindow from a prepared 32-bit DIB and shown (target
// about 1.3x at most).
#include <benchmark/benchmark.h>
#include <windows.h>

#include "core/shadow/drop_shadow.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kWidth = 5, kHeight = 300;

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

void BM_BareLayeredWindow(benchmark::State& state) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = BareProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"BenchBareLayered";
  RegisterClassExW(&wc);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  for (int i = 0; i < kWidth * kHeight; ++i) static_cast<uint32_t*>(bits)[i] = 0x40000000;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  for (auto _ : state) {
    const HWND window = CreateWindowExW(kelvra::kDropShadowExStyle, L"BenchBareLayered", nullptr, WS_POPUP, 300, 100,
                                        kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    POINT position{300, 100}, origin{0, 0};
    SIZE size{kWidth, kHeight};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, nullptr, &position, &size, dc, &origin, 0, &blend, ULW_ALPHA);
    ShowWindow(window, SW_SHOWNA);
    DestroyWindow(window);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

void BM_CreateDropShadow(benchmark::State& state) {
  DestroyWindow(kelvra::CreateDropShadow(300, 100, kWidth, kHeight, 0, 40, kelvra::kShadowVertical));  // warm the cache
  for (auto _ : state) {
    const HWND window = kelvra::CreateDropShadow(300, 100, kWidth, kHeight, 0, 40, kelvra::kShadowVertical);
    if (!window) state.SkipWithError("no shadow window");
    DestroyWindow(window);
  }
}

BENCHMARK(BM_BareLayeredWindow)->Iterations(200)->Repetitions(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateDropShadow)->Iterations(200)->Repetitions(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv,
                                             kelvra::bench::OtherFamily({{"BM_CreateDropShadow", "BM_BareLayeredWindow"}}, true));
}
