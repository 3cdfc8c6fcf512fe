// One drag step of a splitter (MoveSplitterExBar: the deferred batch of the bar
// and both gadgets, then the container's repaint) against a bare deferred batch
// of the same three windows to the same places plus one repaint of the
// container, in the same run. The run ends with the ratio.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "kelvra.h"
#include "panels/splitter/splitter_move.h"
#include "panels/splitter/splitter_registry.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

struct Scene {
  HWND host = nullptr, first = nullptr, second = nullptr;
  int splitter = 0;
};

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

Scene& TheScene() {
  static Scene scene = [] {
    Scene s;
    s.host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600, 400, nullptr,
                             nullptr, nullptr, nullptr);
    SetWindowPos(s.host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    s.first = CreateWindowExW(0, L"STATIC", L"left", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, s.host, nullptr, nullptr,
                              nullptr);
    s.second = CreateWindowExW(0, L"STATIC", L"right", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, s.host, nullptr,
                               nullptr, nullptr);
    // The office look: a gradient container and a grip image on the bar.
    s.splitter = SplitterEx(s.host, -1, 0, 0, 600, 400, s.first, s.second, reinterpret_cast<HANDLE>(0x2000000), 0);
    Pump();
    return s;
  }();
  return scene;
}

// Two places the bar alternates between, so every step really moves.
int PlaceOf(int64_t step) { return step % 2 ? 350 : 250; }

void BM_DeferredBatch(benchmark::State& state) {
  const Scene& s = TheScene();
  const kelvra::SplitterExRecord* record = kelvra::FindSplitterEx(s.splitter);
  const HWND container = SplitterExID(s.splitter);
  int64_t step = 0;
  for (auto _ : state) {
    const int x = PlaceOf(step++);
    HDWP batch = BeginDeferWindowPos(3);
    batch = DeferWindowPos(batch, record->bar, nullptr, x, 150, 9, 100, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    batch = DeferWindowPos(batch, s.first, nullptr, 0, 0, x - 1, 400, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    batch = DeferWindowPos(batch, s.second, nullptr, x + 10, 0, 600 - 9 - x - 1, 400,
                           SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    EndDeferWindowPos(batch);
    RedrawWindow(container, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  Pump();
}

void BM_MoveSplitterExBar(benchmark::State& state) {
  const Scene& s = TheScene();
  kelvra::LoadSplitterLayoutState(*kelvra::FindSplitterEx(s.splitter), 0, 1);
  int64_t step = 0;
  for (auto _ : state) kelvra::MoveSplitterExBar(POINT{PlaceOf(step++), 0});
  kelvra::SplitterExFamily().layout.active = 0;
  Pump();
}

BENCHMARK(BM_DeferredBatch)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveSplitterExBar)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv,
                                             kelvra::bench::OtherFamily({{"BM_MoveSplitterExBar", "BM_DeferredBatch"}},
                                                                        false),
                                             [] { StartKelvra(); });
}
