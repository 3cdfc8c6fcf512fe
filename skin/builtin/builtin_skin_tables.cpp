// The eleven built-in skins: key, display name and rows of each.
#include <cwchar>
#include <iterator>

#include "skin/builtin/builtin_skin_rows.h"

namespace kelvra {

std::span<const BuiltInSkinTable> BuiltInSkinTables() {
  static const BuiltInSkinTable kTables[] = {
      {L"imagebuttonskin", L"imageButtonSkin", ImageButtonSkinRows()},
      {L"sysbuttonskin", L"sysButtonSkin", SysButtonSkinRows()},
      {L"systogglebuttonskin", L"sysToggleButtonSkin", SysToggleButtonSkinRows()},
      {L"sysstickybuttonskin", L"sysStickyButtonSkin", SysStickyButtonSkinRows()},
      {L"sysradiobuttonskin", L"sysRadioButtonSkin", SysRadioButtonSkinRows()},
      {L"syscheckbuttonskin", L"sysCheckButtonSkin", SysCheckButtonSkinRows()},
      {L"sysxbarskin", L"sysXBarSkin", SysXBarSkinRows()},
      {L"office2007xbarskin", L"office2007XBarSkin", Office2007XBarSkinRows()},
      {L"syssplitterskin", L"sysSplitterSkin", SysSplitterSkinRows()},
      {L"syssplitter2skin", L"sysSplitter2Skin", SysSplitter2SkinRows()},
      {L"office2007splitterskin", L"office2007SplitterSkin", Office2007SplitterSkinRows()},
  };
  return kTables;
}

const BuiltInSkinTable* FindBuiltInSkinTable(const wchar_t* lowerCaseName) {
  if (!lowerCaseName) return nullptr;
  for (const auto& table : BuiltInSkinTables())
    if (std::wcscmp(table.key, lowerCaseName) == 0) return &table;
  return nullptr;
}

}  // namespace kelvra
