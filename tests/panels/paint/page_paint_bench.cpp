// The page painter on a 700 x 500 top-level page, part by part (a vertical
// gradient with one stop, a 16 x 16 32-bit tile over the whole page, a 30 x 30
// border sliced at 10, 10, 20, 20) and all together: the first repaint after a
// change (nothing kept) and a repaint at unchanged size and settings. The run ends
// with each row as a ratio to a plain 700 x 500 BitBlt measured in the same run.
#include <benchmark/benchmark.h>
#include <windows.h>
#include <commctrl.h>

#include "core/image/memory_canvas.h"
#include "core/library/reentrant_lock.h"
#include "kelvra.h"
#include "panels/paint/page_paint.h"
#include "panels/paint/page_paint_cache.h"
#include "panels/panel/panel_registry.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kWidth = 700, kHeight = 500;

// A 32-bit DIB section in its own memory DC: the paint DC the page is copied to.
struct Surface {
  Surface(int width, int height) { canvas.Ensure(width, height); }
  kelvra::MemoryCanvas canvas;
  HDC dc() const { return canvas.dc(); }
};

template <class Pixel>
HBITMAP MakeImage(int width, int height, Pixel&& pixel) {
  auto image = kelvra::image::RuntimeImage::Create(width, height, 32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image->SetPixel(x, y, pixel(x, y));
  return image->Detach();
}

HWND Host() {
  static HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth + 20, kHeight + 20,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return host;
}

enum Part { kGradient = 1, kTiles = 2, kBorder = 4 };

struct Looks {
  HANDLE gradient = nullptr;
  HBITMAP tile = nullptr, frame = nullptr;
  Looks() {
    gradient = CreateGradient(1, static_cast<int>(0xFF3050A0), static_cast<int>(0xFFC0D0F0));
    SetGradientColour(gradient, 0.5f, static_cast<int>(0xFF80A0E0));
    tile = MakeImage(16, 16, [](int x, int y) { return (x + y) % 5 ? 0x60FFFFFFu : 0xFF203040u; });
    frame = MakeImage(30, 30, [](int x, int y) {
      return x < 10 || y < 10 || x >= 20 || y >= 20 ? 0xC0102030u + static_cast<uint32_t>(x + y) : 0u;
    });
  }
  ~Looks() {
    FreeGradient(gradient);
    DeleteObject(tile);
    DeleteObject(frame);
  }
};

Looks& TheLooks() {
  static Looks looks;
  return looks;
}

// A top-level panel showing the parts asked for; a value that draws nothing (with
// a visual style) stands in for the gradient when it is left out.
class BenchPage {
 public:
  explicit BenchPage(int parts) {
    const Looks& looks = TheLooks();
    number_ = CreatePanelEx(-1, Host(), 10, 10, kWidth, kHeight, nullptr);
    const int background = parts & kGradient ? static_cast<int>(reinterpret_cast<intptr_t>(looks.gradient)) : 12;
    page_ = AddPanelExPage(background);
    if (parts & kTiles) SetPanelExPageBackground(number_, 0, background, looks.tile, 0, 0, 0, 0, 0x300, 1);
    const RECT slice{10, 10, 20, 20};
    if (parts & kBorder) SetPanelExPageBorder(number_, 0, looks.frame, reinterpret_cast<HBITMAP>(-1), &slice, 1);
  }
  ~BenchPage() { FreePanelEx(number_); }
  HWND page() const { return page_; }
  // The next paint draws everything again, as after a change of settings.
  void Forget() const {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    kelvra::PanelExPageRecord* page = kelvra::FindPanelExPageByWindow(page_);
    if (page && page->paintCache) page->paintCache->layersValid = page->paintCache->bandsValid = false;
  }

 private:
  int number_ = 0;
  HWND page_ = nullptr;
};

void BM_PlainBitBlt(benchmark::State& state) {
  Surface source(kWidth, kHeight), target(kWidth, kHeight);
  for (auto _ : state) {
    const double start = kelvra::bench::Seconds();
    BitBlt(target.dc(), 0, 0, kWidth, kHeight, source.dc(), 0, 0, SRCCOPY);
    GdiFlush();
    state.SetIterationTime(kelvra::bench::Seconds() - start);
  }
}

// range(0): the parts; range(1): 1 = first repaint after a change, 0 = unchanged.
// Only the paint is timed, not the forgetting.
void BM_Repaint(benchmark::State& state) {
  const BenchPage page(static_cast<int>(state.range(0)));
  const bool first = state.range(1) != 0;
  Surface screen(kWidth, kHeight);
  kelvra::PaintPanelExPage(screen.dc(), page.page(), nullptr, false);
  for (auto _ : state) {
    if (first) page.Forget();
    const double start = kelvra::bench::Seconds();
    kelvra::PaintPanelExPage(screen.dc(), page.page(), nullptr, false);
    GdiFlush();
    state.SetIterationTime(kelvra::bench::Seconds() - start);
  }
}

BENCHMARK(BM_PlainBitBlt)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Repaint)
    ->ArgNames({"parts", "first"})
    ->Args({kGradient, 1})
    ->Args({kGradient, 0})
    ->Args({kTiles, 1})
    ->Args({kTiles, 0})
    ->Args({kBorder, 1})
    ->Args({kBorder, 0})
    ->Args({kGradient | kTiles | kBorder, 1})
    ->Args({kGradient | kTiles | kBorder, 0})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_Repaint", "BM_PlainBitBlt/manual_time"}}, false), [] { StartKelvra(); });
}
