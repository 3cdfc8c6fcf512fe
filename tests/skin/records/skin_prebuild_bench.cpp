// Values are parsed when they are set, and a skin file may hold a value of any
// length: setting a gradient of N stops, a font of N style words and counting N
// bracketed sub-params must cost in proportion to N. Each family's baseline is
// its first row (N = 10), so a linear cost shows ratios near 100 and 1,000. A
// skin keeps every object its values built until it is freed: the setters run a
// fixed number of times, so the fonts they make stay few.
#include <benchmark/benchmark.h>

#include <string>

#include "kelvra.h"
#include "core/platform/platform_bindings.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

std::wstring GradientOf(int stops) {
  std::wstring value = L"gradient: vertical, #000000, #ffffff";
  for (int i = 1; i <= stops; ++i)
    value += L", " + std::to_wstring(i / (stops + 1.0)) + L", rgb(" + std::to_wstring(i % 256) + L",0,0)";
  return value;
}

void SetValueOf(benchmark::State& state, const std::wstring& value) {
  HANDLE skin = CreateSkin(L"bench");
  SetSkinAutoUpdate(skin, 0);
  for (auto _ : state) benchmark::DoNotOptimize(SetSkinProperty(skin, L"c", L"s", L"p", value.c_str()));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  FreeSkin(skin);
}

void BM_SetGradientValue(benchmark::State& state) { SetValueOf(state, GradientOf(static_cast<int>(state.range(0)))); }

void BM_SetFontValue(benchmark::State& state) {
  std::wstring value = L"font: tahoma, 8";
  for (int i = 0; i < state.range(0); ++i) value += i % 2 ? L", bold" : L", italic";
  SetValueOf(state, value);
}

void BM_CountSubParams(benchmark::State& state) {
  std::wstring value = L"x: ";
  for (int i = 0; i < state.range(0); ++i) value += L"(a),";
  HANDLE skin = CreateSkin(L"bench");
  SetSkinAutoUpdate(skin, 0);
  SetSkinProperty(skin, L"c", L"s", L"p", value.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(CountSkinPropertySubParams(skin, L"c", L"s", L"p", L"x"));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  FreeSkin(skin);
}

BENCHMARK(BM_SetGradientValue)->Arg(10)->Arg(1000)->Arg(10000)->Iterations(200);
BENCHMARK(BM_SetFontValue)->Arg(10)->Arg(1000)->Arg(10000)->Iterations(200);
BENCHMARK(BM_CountSubParams)->Arg(10)->Arg(1000)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv, kelvra::bench::FirstOfFamily(),
                                             [] { kelvra::StartGdiPlus(); });
}
