// Fuzz target of the skin pack with its entry codec: any bytes either fail the
// check or give names, data and XML; a pack that passes, written again by the
// writer, passes again with the same entries.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/files/skin_pack.h"
#include "tests/skin/files/vector_pack_sink.h"

namespace {

using VectorSink = kelvra::test::VectorPackSink;

struct PackContents {
  std::vector<std::wstring> names;
  std::vector<std::vector<uint8_t>> data;
  std::vector<uint8_t> xml;
};

// Inflating is what costs: a small input may claim tens of megabytes.
constexpr uint64_t kBudget = uint64_t{64} << 20;

bool Read(std::span<const uint8_t> bytes, PackContents& contents) {
  kelvra::MemoryPackSource source(bytes);
  kelvra::SkinPackReader reader;
  kelvra::ReadBudget budget(kBudget);
  if (reader.Open(source) != kelvra::PackError::None || reader.CheckAll(budget) != kelvra::PackError::None)
    return false;
  kelvra::ReadBudget again(kBudget * 2);
  for (std::size_t i = 0; i < reader.FileCount(); ++i) {
    std::wstring name;
    std::vector<uint8_t> data;
    // A pack that passed the check reads entry by entry.
    if (reader.ReadName(i, again, name) != kelvra::PackError::None ||
        reader.ReadData(i, again, data) != kelvra::PackError::None)
      std::abort();
    contents.names.push_back(std::move(name));
    contents.data.push_back(std::move(data));
  }
  if (reader.ReadXml(again, contents.xml) != kelvra::PackError::None) std::abort();
  // The first file of a name is the one found by it.
  if (!contents.names.empty()) {
    std::vector<uint8_t> found;
    if (reader.FindFile(contents.names[0], again, &found) != kelvra::PackError::None || found != contents.data[0])
      std::abort();
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PackContents first;
  if (!Read(std::span<const uint8_t>(data, size), first)) return 0;
  VectorSink sink;
  kelvra::SkinPackWriter writer(sink);
  for (std::size_t i = 0; i < first.names.size(); ++i)
    if (!writer.AddFile(first.names[i], first.data[i])) return 0;  // an empty name: the writer makes none
  if (!writer.Finish(first.xml)) std::abort();
  PackContents second;
  if (!Read(sink.out, second)) std::abort();
  if (second.names != first.names || second.data != first.data || second.xml != first.xml) std::abort();
  return 0;
}
