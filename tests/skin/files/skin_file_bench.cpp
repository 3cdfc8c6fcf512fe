// Reading skin files: a 1 MB .skn read into the skin document, against expat's
// own parse of the same bytes with empty handlers; and whole LoadSkin calls of
// that skin as a .skn and as a .sknz. Rates in MB/s of the .skn's bytes.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "kelvra.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_path.h"
#include "tests/support/ratio_benchmarks.h"

namespace {

// A skin of about 1 MB with values such as skins hold (positions, colours,
// numbers, cursors), none naming a file.
const std::string& BigSkin() {
  static const std::string text = [] {
    const char* values[] = {"x: 50%; y: centre;", "#15428b;", "rgb(191,219,255);", "4;", "hand;",
                            "left: 3; top: 3; right: 3; bottom: 3;", "colour: navy;", "-1;"};
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Skin>\n   <Name id=\"Bench\"/>\n";
    int component = 0;
    while (s.size() < 1000000) {
      s += "   <Component id=\"component" + std::to_string(component++) + "\">\n";
      for (int state = 0; state < 6; ++state) {
        s += "      <State id=\"state" + std::to_string(state) + "\">\n";
        for (int p = 0; p < 12; ++p)
          s += "         <Property id=\"property " + std::to_string(p) + "\">" + values[(state + p) % 8] +
               "</Property>\n";
        s += "      </State>\n";
      }
      s += "   </Component>\n";
    }
    return s + "</Skin>\n";
  }();
  return text;
}

void XMLCALL NoStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL NoEnd(void*, const XML_Char*) {}
void XMLCALL NoText(void*, const XML_Char*, int) {}

void BM_ExpatParse(benchmark::State& state) {
  const std::string& text = BigSkin();
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, NoStart, NoEnd);
    XML_SetCharacterDataHandler(parser, NoText);
    benchmark::DoNotOptimize(XML_Parse(parser, text.data(), static_cast<int>(text.size()), XML_TRUE));
    XML_ParserFree(parser);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ExpatParse)->Unit(benchmark::kMillisecond);

void BM_ReadSkinDocument(benchmark::State& state) {
  const std::string& text = BigSkin();
  for (auto _ : state) {
    auto tree = kelvra::xml::ReadDocument(text);
    const kelvra::SkinDocument document = kelvra::ReadSkinDocument(std::move(tree.root));
    benchmark::DoNotOptimize(document.properties.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSkinDocument)->Unit(benchmark::kMillisecond);

void LoadAndFree(benchmark::State& state, const wchar_t* file) {
  for (auto _ : state) {
    HANDLE skin = LoadSkin(file);
    if (!IsSkin(skin)) {
      state.SkipWithError("LoadSkin failed");
      return;
    }
    state.PauseTiming();
    FreeSkin(skin);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BigSkin().size()));
}

// The .skn alone in its folder, and the pack alone in another.
void BM_LoadSkinFile(benchmark::State& state) { LoadAndFree(state, L"file\\bench.skn"); }
BENCHMARK(BM_LoadSkinFile)->Unit(benchmark::kMillisecond);
void BM_LoadSkinPack(benchmark::State& state) { LoadAndFree(state, L"pack\\bench"); }
BENCHMARK(BM_LoadSkinPack)->Unit(benchmark::kMillisecond);

void PutFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// The files the LoadSkin rows read, below the working folder.
void MakeFiles() {
  wchar_t here[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, here);
  const std::wstring root = std::wstring(here) + L"\\skin_file_bench_data\\";
  CreateDirectoryW(root.c_str(), nullptr);
  CreateDirectoryW((root + L"file").c_str(), nullptr);
  CreateDirectoryW((root + L"pack").c_str(), nullptr);
  PutFile(root + L"file\\bench.skn", BigSkin());
  SetSkinPath(root.c_str());
  HANDLE skin = LoadSkin(L"file\\bench.skn");
  SetSkinPath((root + L"pack").c_str());
  SaveSkin(skin, L"bench", 1);  // pack\Bench.sknz
  FreeSkin(skin);
  SetSkinPath(root.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  return kelvra::bench::RunLibraryBenchmarks(argc, argv,
                                             kelvra::bench::OtherFamily({{"BM_ReadSkinDocument", "BM_ExpatParse"},
                                                                         {"BM_LoadSkinFile", "BM_ExpatParse"},
                                                                         {"BM_LoadSkinPack", "BM_ExpatParse"}},
                                                                        false),
                                             MakeFiles);
}
