// PageBrushCache: the pattern brushes that give static controls on pages the page
// background behind them, one per {page, control}. Guarded by WindowMapLock, which
// each call takes itself (inside PanelLock when the caller holds that).
#pragma once

#include <windows.h>

namespace kelvra {

// The cached brush of the control on the page, or nullptr.
HBRUSH FindPageBrush(HWND page, HWND control);
// Caches the brush, which the cache then owns; false (the brush deleted) when the
// lock cannot be taken.
bool CachePageBrush(HWND page, HWND control, HBRUSH brush);
// Deletes every cached brush: a moved, resized or repainted page makes new ones.
void EmptyPageBrushCache();

}  // namespace kelvra
