// The skin components an explorer bar reads, and the built-in skins it falls
// back on.
#pragma once

#include <cstdint>

namespace kelvra {

inline constexpr const wchar_t* kExplorerBarComponent = L"explorerbar";
inline constexpr const wchar_t* kExplorerBarHeaderComponent = L"explorerbar group header";
inline constexpr const wchar_t* kExplorerBarItemComponent = L"explorerbar group item";

// Keys of the built-in skins.
inline constexpr const wchar_t* kExplorerBarSkin = L"sysxbarskin";
inline constexpr const wchar_t* kOffice2007ExplorerBarSkin = L"office2007xbarskin";

// CreateExplorerBar's skin argument: 0 (and any value that is no skin) the
// built-in "sysxbarskin", UISTYLE_OFFICE2007 the built-in "office2007xbarskin",
// else the skin given. 0 only when no built-in skin can be made.
uintptr_t ChooseExplorerBarSkin(intptr_t skin);

}  // namespace kelvra
