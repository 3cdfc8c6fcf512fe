// Writes the seeds of the skin-file fuzz targets that come from code: every
// built-in skin as a skin file (for the XML tree and the document reader) and
// as a pack carrying a stored image (for the pack reader), and the hostile
// fixtures of the tests (those up to 1 MB). Run by the fuzz build before its
// targets, and by the host build before their seed replays.
// Usage: skin_fuzz_seed_writer FOLDER   (writes FOLDER/<target>/...)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/xml/xml_tree.h"
#include "skin/builtin/builtin_skin_png_data.h"
#include "skin/builtin/builtin_skin_rows.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_pack.h"
#include "tests/skin/files/vector_pack_sink.h"
#include "tests/skin/files/builtin_skin_documents.h"
#include "tests/skin/files/hostile_skin_files.h"

namespace {

namespace fs = std::filesystem;

bool Put(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

std::string Narrow(const wchar_t* text) {
  std::string out;
  for (; *text; ++text) out.push_back(static_cast<char>(*text));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path root(argv[1]);
  bool ok = true;
  for (const auto& table : kelvra::BuiltInSkinTables()) {
    const kelvra::SkinDocument document = kelvra::test::BuiltInSkinDocument(table);
    const auto xml = kelvra::xml::WriteDocument(kelvra::SkinDocumentTree({document.name, {}, {}, {}, {}}, document.properties));
    if (!xml) {
      std::fprintf(stderr, "the built-in skin %s does not write\n", Narrow(table.key).c_str());
      return 1;
    }
    const std::string key = Narrow(table.key);
    ok &= Put(root / "xml_tree_fuzzer", key + ".skn", *xml);
    ok &= Put(root / "skin_document_fuzzer", key + ".skn", *xml);
    kelvra::test::VectorPackSink sink;
    kelvra::SkinPackWriter writer(sink);
    const auto png = kelvra::StoredSkinPng(kelvra::StoredSkinImage::SetAPanelBorder);
    ok &= writer.AddFile(L"border.png", png);
    ok &= writer.Finish(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(xml->data()), xml->size()));
    ok &= Put(root / "skin_pack_fuzzer", key + ".sknz", std::string(sink.out.begin(), sink.out.end()));
  }
  int index = 0;
  for (const auto& file : kelvra::test::HostileSkinFiles()) {
    if (file.bytes.size() > (1u << 20)) continue;
    const bool pack = file.fileName.ends_with(L".sknz");
    const std::string name = "hostile_" + std::to_string(index++) + (pack ? ".sknz" : ".skn");
    ok &= Put(root / (pack ? "skin_pack_fuzzer" : "skin_document_fuzzer"), name, file.bytes);
  }
  if (!ok) {
    std::fprintf(stderr, "could not write the seeds below %s\n", argv[1]);
    return 1;
  }
  return 0;
}
