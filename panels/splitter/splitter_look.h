// A splitter's page look (container or bar) in one state, and showing one on a
// page. PROVISIONAL until the shared page-look reader lands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace kelvra {

struct SkinRecord;

struct SplitterPageLayer {
  int32_t value = -1;
  HANDLE image = nullptr;
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t flags = 0;
};

struct SplitterPageLook {
  SplitterPageLayer background, overlay;
  HBITMAP borderImage = nullptr;
  RECT margins{};
  bool marginsGiven = false;
  intptr_t borderMask = 0;
};

SplitterPageLook ReadSplitterPageLook(SkinRecord& skin, std::wstring_view component, std::wstring_view state,
                                      std::wstring_view prefix);
// On page 0 of the panel numbered `panelNumber`, without repainting.
void ShowSplitterPageLook(int32_t panelNumber, const SplitterPageLook& look);

}  // namespace kelvra
