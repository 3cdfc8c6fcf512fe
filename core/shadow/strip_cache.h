// The two cached shadow strips and the lock that guards them with the shadow
// registries (shadow windows may be made on more than one user-interface thread).
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>

#include "core/shadow/drop_shadow.h"

namespace kelvra {

// Held only around bookkeeping and GDI work on the caches and registries, never
// around a call that sends a message. Re-entrant: a window destroyed while it is
// held (its WM_DESTROY on the same thread) takes it again.
std::recursive_mutex& ShadowStateLock();

// The cache of the request's orientation, holding a strip at least `thickness`
// thick and `length` long in `opacity` and `colour`: kept when it already does,
// otherwise made again. Null when the strip cannot be made; the cache is then as
// it was. Call with ShadowStateLock held.
StripCache* StripCacheFor(bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour);

// Frees both caches; true when one held a strip. Call with ShadowStateLock held.
bool FreeStripCaches();

// A 32-bit top-down DIB section (no DC holds it); `bits` receives its pixels.
HBITMAP CreateShadowBitmap(int32_t width, int32_t height, uint32_t** bits);

}  // namespace kelvra
