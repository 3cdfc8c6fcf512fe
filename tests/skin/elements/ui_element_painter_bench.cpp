// The UI-style painter's cache hit against a plain BitBlt of the same size, a
// miss against a hit, and a cached-brush look-up against the raw colour read.
// The run ends with each as a ratio to its baseline.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "kelvra.h"
#include "core/platform/platform_bindings.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/elements/ui_element_cache.h"
#include "skin/elements/ui_element_painter.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kWidth = 120, kHeight = 22;

// A 32-bit DIB section in its own memory DC, like a control's back buffer.
struct Surface {
  Surface(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    old = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

void BM_PlainBitBlt(benchmark::State& state) {
  Surface target(200, 100);
  Surface source(kWidth, kHeight);
  HDC cache = CreateCompatibleDC(target.dc);
  HBITMAP bitmap = CreateCompatibleBitmap(target.dc, kWidth, kHeight);
  HGDIOBJ old = SelectObject(cache, bitmap);
  for (auto _ : state) benchmark::DoNotOptimize(BitBlt(target.dc, 10, 10, kWidth, kHeight, cache, 0, 0, SRCCOPY));
  SelectObject(cache, old);
  DeleteObject(bitmap);
  DeleteDC(cache);
}

void BM_PaintUIElementHit(benchmark::State& state) {
  Surface target(200, 100);
  const RECT rect{10, 10, 10 + kWidth, 10 + kHeight};
  const auto flags = static_cast<uint32_t>(state.range(0));
  kelvra::PaintUIElement(target.dc, 0x1000000, 6, rect, flags);
  const uint32_t draws = kelvra::UIElementDrawCount();
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::PaintUIElement(target.dc, 0x1000000, 6, rect, flags));
  if (kelvra::UIElementDrawCount() != draws) state.SkipWithError("a hit drew");
}

void BM_PaintUIElementMiss(benchmark::State& state) {
  Surface target(200, 100);
  const RECT rect{10, 10, 10 + kWidth, 10 + kHeight};
  for (auto _ : state) {
    kelvra::FlushUIElementCache();
    benchmark::DoNotOptimize(kelvra::PaintUIElement(target.dc, 0x1000000, 6, rect, 0));
  }
}

void BM_LookupRaw(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::LookupUIColour(6, 26, kelvra::kUIColourRaw));
}

void BM_LookupBrushUnchanged(benchmark::State& state) {
  const uint32_t brush = kelvra::LookupUIColour(6, 26, kelvra::kUIColourBrush);
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::LookupUIColour(6, 26, kelvra::kUIColourBrush));
  if (kelvra::LookupUIColour(6, 26, kelvra::kUIColourBrush) != brush) state.SkipWithError("the brush was re-made");
}

BENCHMARK(BM_PlainBitBlt);
BENCHMARK(BM_PaintUIElementHit)->Arg(0)->Arg(0x10000);
BENCHMARK(BM_PaintUIElementMiss);
BENCHMARK(BM_LookupRaw);
BENCHMARK(BM_LookupBrushUnchanged);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv,
                                             kelvra::bench::OtherFamily({{"BM_PaintUIElementHit", "BM_PlainBitBlt"},
                                                                         {"BM_PaintUIElementMiss", "BM_PaintUIElementHit/0"},
                                                                         {"BM_LookupBrushUnchanged", "BM_LookupRaw"}},
                                                                        false),
                                             [] { kelvra::StartGdiPlus(); });
}
