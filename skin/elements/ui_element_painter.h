// The UI-style element painter: menu and toolbar backgrounds of the Office styles
// drawn once into a cached bitmap and copied from there.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// Draws element `element` (6, 10, 13, 15, 17, 33, 44 or 52: the UIColourIndex of
// its first colour) of `style` (6 or 0x1000000, or 0x2000000) into `rect` of `dc`.
// `flags`: the cache flags of ui_element_cache.h. Other styles and elements draw
// nothing; so does an empty rectangle. Returns 0.
int PaintUIElement(HDC dc, uint32_t style, int32_t element, const RECT& rect, uint32_t flags);

// How many times an element was drawn into a cache bitmap since the start: a
// paint that only copies does not count.
uint32_t UIElementDrawCount();

// A tinted copy of a menu or toolbar icon for a UI style, as an icon the caller
// destroys; 0 when it cannot be made.
HICON TintImageForUIStyle(HANDLE image, uint32_t style);

}  // namespace kelvra
