// Skin look-ups must not grow with the number of skins or of properties in a
// state: each family runs with few and with many, the few being its baseline.
// "_Skins" reads one skin among N (the cost of the indices); "_Scattered" reads a
// different skin each time, which also pays a cache and TLB miss per record
// touched: IsSkin_Scattered, a single hash probe, shows that floor.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "kelvra.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

std::size_t Scatter(uint32_t i, std::size_t count) { return static_cast<std::size_t>((i % count) * 7919u % count); }

// Skins that do not re-apply themselves, each with `propertiesPerState` plain
// properties beside the ones the benchmarks read.
class SkinSet {
 public:
  SkinSet(int skins, int propertiesPerState) {
    for (int i = 0; i < skins; ++i) {
      HANDLE skin = CreateSkin((L"Skin " + std::to_wstring(i)).c_str());
      SetSkinAutoUpdate(skin, 0);
      for (int p = 0; p < propertiesPerState; ++p)
        SetSkinProperty(skin, L"buttonex", L"hot", (L"property " + std::to_wstring(p)).c_str(), L"8;");
      SetSkinProperty(skin, L"buttonex", L"hot", L"text", L"align: left; colour: #15428b;");
      // Held only bare: a themed read probes "buttonex:blue" first and misses.
      SetSkinProperty(skin, L"buttonex", L"hot", L"border", L"rgb(10,20,30);");
      skins_.push_back(skin);
    }
  }
  ~SkinSet() {
    for (HANDLE skin : skins_) FreeSkin(skin);
  }
  HANDLE Pick(uint32_t i) const { return skins_[Scatter(i, skins_.size())]; }

 private:
  std::vector<HANDLE> skins_;
};

int Count(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

template <class Read>
void AmongSkins(benchmark::State& state, bool scattered, Read read) {
  SkinSet set(Count(state), 4);
  uint32_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(read(set.Pick(scattered ? i++ : 0)));
}

template <class Read>
void InOneState(benchmark::State& state, Read read) {
  SkinSet set(1, Count(state));
  for (auto _ : state) benchmark::DoNotOptimize(read(set.Pick(0)));
}

auto ReadProperty = [](HANDLE skin) { return GetSkinProperty(skin, L"ButtonEx", L"Hot", L"Text"); };
auto ReadParam = [](HANDLE skin) { return GetSkinPropertyParam(skin, L"buttonex", L"hot", L"text", L"colour"); };
auto ReadColour = [](HANDLE skin) { return GetSkinPropertyColour(skin, L"buttonex", L"hot", L"border"); };

void BM_GetSkinProperty_Skins(benchmark::State& s) { AmongSkins(s, false, ReadProperty); }
void BM_GetSkinProperty_Scattered(benchmark::State& s) { AmongSkins(s, true, ReadProperty); }
void BM_GetSkinProperty_Props(benchmark::State& s) { InOneState(s, ReadProperty); }
void BM_GetSkinPropertyParam_Skins(benchmark::State& s) { AmongSkins(s, false, ReadParam); }
void BM_GetSkinPropertyParam_Scattered(benchmark::State& s) { AmongSkins(s, true, ReadParam); }
void BM_GetSkinPropertyParam_Props(benchmark::State& s) { InOneState(s, ReadParam); }
void BM_GetSkinPropertyColour_Skins(benchmark::State& s) { AmongSkins(s, false, ReadColour); }
void BM_GetSkinPropertyColour_Scattered(benchmark::State& s) { AmongSkins(s, true, ReadColour); }
void BM_GetSkinPropertyColour_Props(benchmark::State& s) { InOneState(s, ReadColour); }
void BM_IsSkin_Scattered(benchmark::State& s) { AmongSkins(s, true, [](HANDLE skin) { return IsSkin(skin); }); }

void GetSkinHandleOf(benchmark::State& state, bool scattered) {
  SkinSet set(Count(state), 0);
  std::vector<std::wstring> names;
  for (int s = 0; s < Count(state); ++s) names.push_back(L"SKIN " + std::to_wstring(s));
  uint32_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(GetSkinHandle(names[scattered ? Scatter(i++, names.size()) : 0].c_str()));
}
void BM_GetSkinHandle_Skins(benchmark::State& s) { GetSkinHandleOf(s, false); }
void BM_GetSkinHandle_Scattered(benchmark::State& s) { GetSkinHandleOf(s, true); }

BENCHMARK(BM_GetSkinProperty_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinProperty_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinPropertyParam_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyParam_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinPropertyColour_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyColour_Props)->Arg(10)->Arg(1000);
BENCHMARK(BM_GetSkinHandle_Skins)->Arg(10)->Arg(10000);
BENCHMARK(BM_IsSkin_Scattered)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinProperty_Scattered)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyParam_Scattered)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinPropertyColour_Scattered)->Arg(10)->Arg(10000);
BENCHMARK(BM_GetSkinHandle_Scattered)->Arg(10)->Arg(10000);

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv, kelvra::bench::FirstOfFamily());
}
