// Finding pages with thousands of panels about (every button is a panel with one
// page): by window, as the shared subclass procedure asks on every move and show,
// and by panel and index, as every page setting asks; and a whole
// SetPanelExPageAlpha without repaint, as the animation thread calls it each
// frame. The run ends with each row as a ratio to a plain hash-map look-up among
// as many entries in the same run: the ratio should not grow from 10 to 10,000.
#include <benchmark/benchmark.h>

#include <unordered_map>

#include "panels/page/page_settings.h"
#include "panels/panel/panel_registry.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

using kelvra::PanelExPageRecord;
using kelvra::PanelExRecord;

// Panels numbered like NewObjectNumber's, windows like the handles Wine hands
// out; each panel has one page (index 0, as every button's). No real windows.
class Panels {
 public:
  explicit Panels(int count) : count_(count) {
    for (int i = 0; i < count; ++i) {
      auto panel = std::make_unique<PanelExRecord>();
      panel->number = Number(i);
      panel->window = reinterpret_cast<void*>(PanelWindow(i));
      PanelExRecord* record = kelvra::PanelExList().Append(std::move(panel));
      auto page = std::make_unique<PanelExPageRecord>();
      page->window = PageWindow(i);
      page->panel = record;
      kelvra::EnterPanelExPage(*record, std::move(page), nullptr);
    }
  }
  ~Panels() {
    while (PanelExRecord* panel = kelvra::PanelExList().First()) kelvra::DeletePanelEx(panel);
  }
  static int32_t Number(int i) { return static_cast<int32_t>(0x80001000u) + i; }
  static intptr_t PanelWindow(int i) { return 0x10000 + i * 8; }
  static HWND PageWindow(int i) { return reinterpret_cast<HWND>(0x10004 + i * 8); }
  int Pick(int i) const { return (i * 7919) % count_; }

 private:
  int count_;
};

void BM_BaselineHashMapFind(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::unordered_map<HWND, int> map;
  for (int i = 0; i < count; ++i) map[Panels::PageWindow(i)] = i;
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(map.find(Panels::PageWindow((i++ * 7919) % count)));
}

void BM_FindPageByWindow(benchmark::State& state) {
  Panels panels(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::FindPanelExPageByWindow(Panels::PageWindow(panels.Pick(i++))));
}

void BM_FindPageByPanelAndIndex(benchmark::State& state) {
  Panels panels(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::FindPanelExPage(Panels::Number(panels.Pick(i++)), 0));
}

void BM_SetPageAlphaWithoutRepaint(benchmark::State& state) {
  Panels panels(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kelvra::SetPageAlpha(Panels::PanelWindow(panels.Pick(i)), 0, i & 0xFF, false));
    ++i;
  }
}

BENCHMARK(BM_BaselineHashMapFind)->Arg(10)->Arg(10000);
BENCHMARK(BM_FindPageByWindow)->Arg(10)->Arg(10000);
BENCHMARK(BM_FindPageByPanelAndIndex)->Arg(10)->Arg(10000);
BENCHMARK(BM_SetPageAlphaWithoutRepaint)->Arg(10)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv,
                                             kelvra::bench::OtherFamily({{"BM_FindPageByWindow", "BM_BaselineHashMapFind"},
                                                                         {"BM_FindPageByPanelAndIndex", "BM_BaselineHashMapFind"},
                                                                         {"BM_SetPageAlphaWithoutRepaint", "BM_BaselineHashMapFind"}},
                                                                        true));
}
