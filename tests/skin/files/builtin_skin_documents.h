// The built-in skins as skin documents, straight from their tables: what the
// fuzz seeds and the pure round trips start from. Images read as empty values
// (a skin file carries no data attached in code); the explorer bar's texts
// are assembled with a fixed font and colours. Header only, pure.
#pragma once

#include <string>
#include <vector>

#include "skin/builtin/builtin_skin_rows.h"
#include "skin/builtin/xbar_text_values.h"
#include "skin/files/skin_document.h"

namespace kelvra::test {

inline SkinDocument BuiltInSkinDocument(const BuiltInSkinTable& table) {
  SkinDocument document;
  document.name = table.displayName;
  for (const auto& row : table.rows) {
    std::wstring value;
    switch (row.kind) {
      case BuiltInRowKind::Value: value = row.value; break;
      case BuiltInRowKind::XBarHeaderText: value = XBarHeaderText(L"Tahoma", 8, 0x00C65D21); break;
      case BuiltInRowKind::XBarItemText: value = XBarItemText(L"Tahoma", 8, 0x00C65D21, false); break;
      case BuiltInRowKind::XBarItemHotText: value = XBarItemText(L"Tahoma", 8, 0x00FF8E42, true); break;
      case BuiltInRowKind::Image: break;
    }
    document.properties.push_back({row.component, row.state, row.property, value});
  }
  return document;
}

}  // namespace kelvra::test
