// The built-in skin accessor for a skin that exists is a name look-up that every
// button, explorer bar and splitter makes when it is created: its cost must not grow
// with the number of skins (compare the 10 and 10,000 rows; 10 is the baseline).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "kelvra.h"
#include "skin/builtin/builtin_skins.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

// `count` skins in all, the built-in one last: a walk of the list would pass every
// other skin before it.
void BM_BuiltInSkinAccessor(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::vector<HANDLE> others;
  for (int i = 0; i < count - 1; ++i) others.push_back(CreateSkin((L"application skin " + std::to_wstring(i)).c_str()));
  const uintptr_t built = kelvra::BuiltInSkin(L"sysButtonSkin");
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::BuiltInSkin(L"sysButtonSkin"));
  if (kelvra::BuiltInSkin(L"sysButtonSkin") != built) state.SkipWithError("the accessor changed its answer");
  FreeSkin(reinterpret_cast<HANDLE>(built));
  for (HANDLE skin : others) FreeSkin(skin);
}

BENCHMARK(BM_BuiltInSkinAccessor)->Arg(10)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv, kelvra::bench::FirstOfFamily());
}
