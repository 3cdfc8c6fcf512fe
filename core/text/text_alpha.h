// Alpha repair for plain GDI drawing on a panel's 32-bit back buffer: GDI text and
// shapes leave alpha 0 behind, which would make them invisible when the buffer is
// blended. AlphaDrawText repairs text, BackupPageAlpha other drawing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace kelvra::image {
class RuntimeImage;
}

namespace kelvra {

// After DrawFormattedText drew `text` on `dc`: when the device context draws on a
// panel's back buffer, gives the text's pixels the alpha of what they stand on.
void AlphaDrawText(HDC dc, std::wstring_view text, const RECT* rect, HFONT font, uint32_t flags);
// Called twice around plain GDI drawing of `rect` on a panel's back buffer: the
// first call prepares an opaque stamp, the second makes the rectangle opaque.
void BackupPageAlpha(HDC dc, const RECT* rect);

// The repairs themselves, on a known back buffer (the image whose bitmap `dc`
// draws on).
void RepairTextAlpha(HDC dc, std::wstring_view text, const RECT& rect, HFONT font, uint32_t flags,
                     image::RuntimeImage& backBuffer);
void BackupImageAlpha(const RECT& rect, image::RuntimeImage& backBuffer);

}  // namespace kelvra
