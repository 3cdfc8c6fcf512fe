// ControlList look-ups by number and by window: the cost should not grow with the
// number of records (the run ends with each 10,000 row as a ratio to its 10 row).
#include <benchmark/benchmark.h>

#include "core/library/control_list.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

struct Rec : kelvra::ControlHead {
  Rec(int32_t n, intptr_t w) {
    number = n;
    window = reinterpret_cast<void*>(w);
  }
};

// Numbers like NewObjectNumber's, windows like the handles Wine hands out.
void Fill(kelvra::ControlList<Rec>& list, int count) {
  for (int i = 0; i < count; ++i) list.Emplace(static_cast<int32_t>(0x80001000u) + i, 0x10000 + i * 4);
}

void BM_FindByNumber(benchmark::State& state) {
  kelvra::ControlList<Rec> list;
  const int count = static_cast<int>(state.range(0));
  Fill(list, count);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(list.Find(static_cast<int32_t>(0x80001000u) + (i * 7919) % count));
    ++i;
  }
}

void BM_FindByWindow(benchmark::State& state) {
  kelvra::ControlList<Rec> list;
  const int count = static_cast<int>(state.range(0));
  Fill(list, count);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(list.Find(0x10000 + ((i * 7919) % count) * 4));
    ++i;
  }
}

void BM_FindMissing(benchmark::State& state) {
  kelvra::ControlList<Rec> list;
  Fill(list, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(list.Find(42));
}

BENCHMARK(BM_FindByNumber)->Arg(10)->Arg(10000);
BENCHMARK(BM_FindByWindow)->Arg(10)->Arg(10000);
BENCHMARK(BM_FindMissing)->Arg(10)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv, kelvra::bench::FirstOfFamily());
}
