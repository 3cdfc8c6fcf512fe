// One full repaint of the showcase window as its star thread asks for it
// (RedrawWindow of panel 0's page with RDW_INVALIDATE | RDW_UPDATENOW), with 200
// particles from a fixed seed (and, for comparison, none) and the thread stopped,
// beside the repaint of a plain window that only copies a bitmap. The run ends with
// each row as a ratio to a plain BitBlt of a 700 x 500 memory bitmap to the window
// in the same run; the BitBlt between two memory bitmaps (the page painter
// benchmark's baseline) is one of those rows. Run from the folder that holds
// icons\ (the build's bin folder).
#include <benchmark/benchmark.h>
#include <windows.h>

#include <vector>

#include "kelvra.h"
#include "showcase_program.h"
#include "showcase_state.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

constexpr int kWidth = 700, kHeight = 500;
constexpr uint32_t kSeed = 2024;

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

// The window's client area, children included: GetDC would leave out what
// panel 0 covers (the window clips its children), which is all of it.
HDC WindowDc() { return GetDCEx(Window(), nullptr, DCX_CACHE); }

// Copies of a 700 x 500 memory bitmap into `target`, each timed.
void TimeCopies(benchmark::State& state, HDC target) {
  const MemoryBitmap source;
  for (auto _ : state) {
    const double start = kelvra::bench::Seconds();
    BitBlt(target, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
    GdiFlush();
    state.SetIterationTime(kelvra::bench::Seconds() - start);
  }
}

void BM_BitBltToWindow(benchmark::State& state) {
  HDC window = WindowDc();
  RECT clip{};
  state.counters["clip_width"] = GetClipBox(window, &clip) == NULLREGION ? 0 : clip.right - clip.left;
  TimeCopies(state, window);
  ReleaseDC(Window(), window);
}

void BM_BitBltToMemory(benchmark::State& state) {
  const MemoryBitmap target;
  TimeCopies(state, target.dc);
}

// Whole repaints of a window, as the star thread asks for them; the first, which
// may build what later ones keep, is not timed.
void TimeRepaints(benchmark::State& state, HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  for (auto _ : state) {
    const double start = kelvra::bench::Seconds();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
    state.SetIterationTime(kelvra::bench::Seconds() - start);
  }
}

// The 200 particles of a fixed seed, set aside while a run wants none.
std::vector<showcase::Particle>& SeededParticles() {
  static std::vector<showcase::Particle> particles;
  return particles;
}

// range(0): the number of particles drawn (0 or 200).
void BM_ShowcaseRepaint(benchmark::State& state) {
  const HWND page = PanelExID(0, 0);
  {
    const auto list = showcase::Showcase().particles.Lock();
    list.items().assign(SeededParticles().begin(), SeededParticles().begin() + state.range(0));
  }
  TimeRepaints(state, page);
}

LRESULT CALLBACK PlainPaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  static const MemoryBitmap source;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  BitBlt(dc, 0, 0, kWidth, kHeight, source.dc, 0, 0, SRCCOPY);
  EndPaint(window, &paint);
  return 0;
}

// The window system's own part of a repaint: the same RedrawWindow of a plain
// child window laid over panel 0 whose WM_PAINT copies one 700 x 500 memory bitmap.
void BM_PlainWindowRepaint(benchmark::State& state) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainPaintProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ShowcaseBenchPlainPaint";
  RegisterClassW(&wc);
  HWND plain = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, Window(), nullptr,
                               wc.hInstance, nullptr);
  SetWindowPos(plain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  TimeRepaints(state, plain);
  DestroyWindow(plain);
}

BENCHMARK(BM_BitBltToWindow)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BitBltToMemory)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWindowRepaint)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowcaseRepaint)->ArgName("particles")->Arg(0)->Arg(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Rounds of the star rules from a fixed seed until 200 particles fly.
bool MakeParticles() {
  std::vector<showcase::Particle>& particles = SeededParticles();
  showcase::RandomSource random(kSeed);
  for (int round = 0; round < 20000 && particles.size() < showcase::kMaximumParticles; ++round)
    showcase::StepParticles(particles, kWidth, kHeight, random, showcase::StarDcs(showcase::Showcase()));
  return particles.size() == showcase::kMaximumParticles;
}

}  // namespace

int main(int argc, char** argv) {
  showcase::StartShowcase();
  if (!showcase::BuildExampleWindow(showcase::StarThreadStart::Later)) return 1;
  ShowWindow(Window(), SW_SHOW);
  UpdateWindow(Window());
  PumpMessages();
  if (!MakeParticles()) return 1;
  benchmark::Initialize(&argc, argv);
  const bool badArguments = benchmark::ReportUnrecognizedArguments(argc, argv);
  if (!badArguments) {
    const std::string window = "BM_BitBltToWindow/manual_time";
    kelvra::bench::RatioReporter reporter(kelvra::bench::OtherFamily(
        {{"BM_BitBltToMemory", window}, {"BM_PlainWindowRepaint", window}, {"BM_ShowcaseRepaint", window}}, false));
    benchmark::RunSpecifiedBenchmarks(&reporter);
  }
  benchmark::Shutdown();
  showcase::ExampleEnd();
  return badArguments ? 1 : 0;
}
