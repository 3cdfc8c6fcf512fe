// Fuzz target of the skin document reader: any bytes either fail to read or give
// a document; one the writer writes reads back the same. Each value also goes
// through the file-name rules, whose views must lie inside it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/xml/xml_tree.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_file_names.h"
#include "tests/skin/values/fake_colour_lookups.h"

namespace {

bool Inside(std::wstring_view part, const std::wstring& whole) {
  return part.empty() || (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto tree = kelvra::xml::ReadDocument(std::span<const uint8_t>(data, size));
  if (!tree.ok()) return 0;
  const kelvra::SkinDocument document = kelvra::ReadSkinDocument(tree.root);
  const kelvra::test::FakeColourLookups lookups;
  for (const auto& property : document.properties) {
    const auto file = kelvra::ClassifySkinFileValue(property.value, lookups);
    if (!Inside(file.path, property.value) || !Inside(file.filePart, property.value)) std::abort();
    if (file.fileLike && !kelvra::IsValidFileNamePart(file.filePart)) std::abort();
    kelvra::IsContainedRelativePath(file.path);
    kelvra::IsValidSkinName(property.component);
  }
  if (document.status != kelvra::SkinDocumentStatus::Ok) return 0;
  const auto text = kelvra::xml::WriteDocument(kelvra::SkinDocumentTree({document.name, {}, {}, {}, {}}, document.properties));
  if (!text) return 0;  // a name or character the writer does not carry
  const auto again = kelvra::xml::ReadDocument(*text);
  if (!again.ok() || !(kelvra::ReadSkinDocument(again.root) == document)) std::abort();
  return 0;
}
