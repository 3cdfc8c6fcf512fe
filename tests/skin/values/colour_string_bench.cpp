// ColourFromString of each notation against the cheapest thing it must do: a
// lower-cased copy of the same text (the baseline).
#include <benchmark/benchmark.h>

#include <string>

#include "kelvra.h"
#include "skin/values/skin_text.h"
#include "skin/values/system_colour_lookups.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

const wchar_t* const kNotations[] = {
    L"rgba(255, 128, 0, 0.5)",
    L"rgb(191,219,255);",
    L"getuicolour(UISTYLE_OFFICE2007, menuhotborder, UICOLOURMODE_DEFAULT)",
    L"#15428B",
    L"COLOR_BTNFACE;",
    L"LightGoldenrodYellow;",
    L"not a colour at all",
};

void BM_LowerCaseCopy(benchmark::State& state) {
  const std::wstring text = kNotations[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::LowerCaseText(text));
}

void BM_ColourFromString(benchmark::State& state) {
  const std::wstring text = kNotations[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(kelvra::ColourFromString(text));
}

BENCHMARK(BM_LowerCaseCopy)->DenseRange(0, 6);
BENCHMARK(BM_ColourFromString)->DenseRange(0, 6);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(
      argc, argv, kelvra::bench::OtherFamily({{"BM_ColourFromString", "BM_LowerCaseCopy"}}, true));
}
