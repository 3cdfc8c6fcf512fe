// Fuzz target of the XML tree: any bytes either fail to read or give a tree;
// a tree the writer accepts reads back the same, and writing it again gives the
// same bytes.
#include <cstdint>
#include <cstdlib>

#include "core/xml/xml_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvra::xml;
  const ReadResult first = ReadDocument(std::span<const uint8_t>(data, size));
  if (!first.ok()) return 0;
  const auto written = WriteDocument(first.root);
  if (!written) return 0;  // a name or character the writer does not carry
  const ReadResult second = ReadDocument(*written);
  if (!second.ok() || !(second.root == first.root)) std::abort();
  const auto again = WriteDocument(second.root);
  if (!again || *again != *written) std::abort();
  return 0;
}
