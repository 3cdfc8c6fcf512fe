// Skin look-ups must not grow with the number of skins or of properties in a
// state: each family is measured with few and many, the few being the baseline.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "kelvra.h"
#include "tests/skin/bench_ratio_reporter.h"

namespace {

std::size_t Scatter(uint32_t i, std::size_t count) { return static_cast<std::size_t>((i % count) * 7919u % count); }

// Skins of `count`, each with a handful of properties, not re-applied on change.
class SkinSet {
 public:
  SkinSet(int skins, int propertiesPerState) {
    for (uint32_t i = 0; i < skins; ++i) {
      HANDLE skin = CreateSkin((L"Skin " + std::to_wstring(i)).c_str());
      SetSkinAutoUpdate(skin, 0);
      for (int p = 0; p < propertiesPerState; ++p)
        SetSkinProperty(skin, L"buttonex", L"normal", (L"property " + std::to_wstring(p)).c_str(), L"8;");
      SetSkinProperty(skin, L"buttonex", L"hot", L"text", L"align: left; colour: #15428b;");
      // Held only bare: a themed read probes "buttonex:blue" first and misses.
      SetSkinProperty(skin, L"buttonex", L"hot", L"border", L"rgb(10,20,30);");
      skins_.push_back(skin);
    }
  }
  ~SkinSet() {
    for (HANDLE skin : skins_) FreeSkin(skin);
  }
  // Visits the skins in a scattered order, the same for every count.
  HANDLE Pick(uint32_t i) const { return skins_[Scatter(i, skins_.size())]; }
  std::size_t Size() const { return skins_.size(); }

 private:
  std::vector<HANDLE> skins_;
};

void BM_GetSkinProperty_Skins(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinProperty(set.Pick(i++), L"ButtonEx", L"Hot", L"Text"));
}

void BM_GetSkinProperty_Props(benchmark::State& state) {
  SkinSet set(1, static_cast<int>(state.range(0)));
  const int count = static_cast<int>(state.range(0));
  std::vector<std::wstring> names;
  for (int p = 0; p < count; ++p) names.push_back(L"property " + std::to_wstring(p));
  uint32_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(GetSkinProperty(set.Pick(0), L"buttonex", L"normal", names[Scatter(i++, names.size())].c_str()));
}

void BM_GetSkinPropertyParam_Skins(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  uint32_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(GetSkinPropertyParam(set.Pick(i++), L"buttonex", L"hot", L"text", L"colour"));
}

void BM_GetSkinPropertyParam_Props(benchmark::State& state) {
  SkinSet set(1, static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(GetSkinPropertyParam(set.Pick(0), L"buttonex", L"hot", L"text", L"colour"));
}

void BM_GetSkinPropertyColour_Skins(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinPropertyColour(set.Pick(i++), L"buttonex", L"hot", L"border"));
}

void BM_GetSkinPropertyColour_Props(benchmark::State& state) {
  SkinSet set(1, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinPropertyColour(set.Pick(0), L"buttonex", L"hot", L"border"));
}

void BM_GetSkinHandle_Skins(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  SkinSet set(count, 0);
  std::vector<std::wstring> names;
  for (int s = 0; s < count; ++s) names.push_back(L"SKIN " + std::to_wstring(s));
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinHandle(names[Scatter(i++, names.size())].c_str()));
}

void BM_IsSkin_Skins(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(IsSkin(set.Pick(i++)));
}
void BM_GetSkinPropertyDataSize_Skins(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinPropertyDataSize(set.Pick(i++), L"buttonex", L"hot", L"text"));
}
void BM_GetSkinProperty_Same(benchmark::State& state) {
  SkinSet set(static_cast<int>(state.range(0)), 4);
  for (auto _ : state) benchmark::DoNotOptimize(GetSkinProperty(set.Pick(0), L"ButtonEx", L"Hot", L"Text"));
}
BENCHMARK(BM_IsSkin_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyDataSize_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinProperty_Same)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinProperty_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinProperty_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinPropertyParam_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyParam_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinPropertyColour_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyColour_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinHandle_Skins)->Arg(10)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  Kelvra_Init();
  benchmark::Initialize(&argc, argv);
  kelvra::bench::RatioReporter reporter(kelvra::bench::FirstOfFamily());
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  Kelvra_End();
  return 0;
}
