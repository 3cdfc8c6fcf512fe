// Band layout of rebars: fill bands, sizable bands and toolbar bands.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// Fill bands take the host's free height, sizable bands their row's fill
// height. Works on the first rebar whose parent is `host`.
void LayoutRebarBands(HWND host);
// The height of the visible rows other than the band's own, with their borders.
int32_t CalcRebarBandOffset(HWND rebar, int32_t bandId);
// Toolbar bands whose toolbar wrapped into another row count grow or shrink by
// whole button rows.
void ToolbarBandRefit(HWND rebar);
// The minimum child height of the band at `index` (never below 0).
void SetRebarBandChildHeight(HWND rebar, int index, int height);
// The band of a library rebar whose child is `child` grows by `delta` pixels of
// minimum child height (a menu bar whose titles were measured again).
void GrowRebarBandOfChild(HWND child, int delta);

}  // namespace kelvra
