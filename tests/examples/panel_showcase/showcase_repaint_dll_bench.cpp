// One full repaint of the showcase window as its star thread asks for it
// (RedrawWindow of panel 0's page with RDW_INVALIDATE | RDW_UPDATENOW), with 200
// particles from a fixed seed and the thread stopped. x_bitblt: its time as a
// multiple of a plain BitBlt of a 700 x 500 memory bitmap to the window, measured
// in the same run; x_memory_bitblt: the same against a BitBlt between two memory
// bitmaps (the page painter benchmark's baseline). Run from the folder that holds
// icons\ (the build's bin folder).
#include <benchmark/benchmark.h>
#include <windows.h>

#include "kelvra.h"
#include "showcase_program.h"
#include "showcase_state.h"

namespace {

constexpr int kWidth = 700, kHeight = 500;
constexpr uint32_t kSeed = 2024;

double Seconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND Window() { return showcase::Showcase().window; }

// A 700 x 500 bitmap in a memory DC compatible with the window's.
struct MemoryBitmap {
  MemoryBitmap() {
    HDC screen = GetDC(Window());
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    old = SelectObject(dc, bitmap);
    ReleaseDC(Window(), screen);
    PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
  }
  ~MemoryBitmap() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

// Seconds per copy into `target` (a window or memory DC), measured once per run.
double CopySeconds(HDC target) {
  const MemoryBitmap source;
  constexpr int kRounds = 1000;
  for (int i = 0; i < 100; ++i) BitBlt(target, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
  GdiFlush();
  const double start = Seconds();
  for (int i = 0; i < kRounds; ++i) BitBlt(target, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
  GdiFlush();
  return (Seconds() - start) / kRounds;
}

// The window's client area, children included: GetDC would leave out what
// panel 0 covers (the window clips its children), which is all of it.
HDC WindowDc() { return GetDCEx(Window(), nullptr, DCX_CACHE); }

double WindowBitBltSeconds() {
  static const double seconds = [] {
    HDC window = WindowDc();
    const double result = CopySeconds(window);
    ReleaseDC(Window(), window);
    return result;
  }();
  return seconds;
}

double MemoryBitBltSeconds() {
  static const double seconds = [] {
    const MemoryBitmap target;
    return CopySeconds(target.dc);
  }();
  return seconds;
}

void Report(benchmark::State& state, double seconds) {
  const double each = seconds / static_cast<double>(state.iterations());
  state.counters["x_bitblt"] = each / WindowBitBltSeconds();
  state.counters["x_memory_bitblt"] = each / MemoryBitBltSeconds();
}

void BM_BitBltToWindow(benchmark::State& state) {
  const MemoryBitmap source;
  HDC window = WindowDc();
  RECT clip{};
  state.counters["clip_width"] = GetClipBox(window, &clip) == NULLREGION ? 0 : clip.right - clip.left;
  double total = 0;
  for (auto _ : state) {
    const double start = Seconds();
    BitBlt(window, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
    GdiFlush();
    total += Seconds() - start;
  }
  ReleaseDC(Window(), window);
  Report(state, total);
}

void BM_ShowcaseRepaint(benchmark::State& state) {
  const HWND page = PanelExID(0, 0);
  state.counters["particles"] = static_cast<double>(showcase::Showcase().particles.Lock().items().size());
  RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  double total = 0;
  for (auto _ : state) {
    const double start = Seconds();
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
    total += Seconds() - start;
  }
  Report(state, total);
}

BENCHMARK(BM_BitBltToWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowcaseRepaint)->Unit(benchmark::kMicrosecond);

// Rounds of the star rules from a fixed seed until 200 particles fly.
void FillParticles() {
  showcase::ShowcaseState& state = showcase::Showcase();
  showcase::RandomSource random(kSeed);
  const auto list = state.particles.Lock();
  for (int round = 0; round < 20000 && list.items().size() < showcase::kMaximumParticles; ++round)
    showcase::StepParticles(list.items(), kWidth, kHeight, random, showcase::StarDcs(state));
}

}  // namespace

int main(int argc, char** argv) {
  showcase::StartShowcase();
  if (!showcase::BuildExampleWindow(showcase::StarThreadStart::Later)) return 1;
  ShowWindow(Window(), SW_SHOW);
  UpdateWindow(Window());
  PumpMessages();
  FillParticles();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  showcase::ExampleEnd();
  return 0;
}
