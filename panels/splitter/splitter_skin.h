// Splitter skins: the component and built-in skins, SetSplitterExSkin and the
// looks a visual state shows.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/splitter/splitter_record.h"

namespace kelvra {

inline constexpr const wchar_t* kComponentSplitter = L"splitterex";

// The skin a SplitterEx skin argument names: 0 "syssplitterskin", 1
// "syssplitter2skin", 0x2000000 "office2007splitterskin" (each built on first
// use), anything else as given.
uintptr_t ChooseSplitterSkin(uintptr_t skin);

// SetSplitterExSkin on a record: 1, or 0 when the skin is unknown. The record
// may be gone when it returns (the re-layout runs window procedures).
int ApplySplitterSkin(SplitterExRecord& splitter, uintptr_t skin, const wchar_t* component, bool redraw);

// Shows the bar's look of `state` (normal, hot or pressed) and repaints the bar.
void ShowSplitterBarState(SplitterExRecord& splitter, uint8_t state);

// SkinChangedMessage at the container page: lParam 0 (every skin) or the
// splitter's skin re-applies it when that skin updates automatically.
void OnSplitterSkinChanged(HWND containerPage, LPARAM changedSkin);

}  // namespace kelvra
