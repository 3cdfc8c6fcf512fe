// Finding the panel whose 32-bit back buffer is the bitmap a device context draws
// on. Panels are not built yet: until they are, no bitmap is a back buffer.
#pragma once

#include <windows.h>

namespace kelvra::image {
class RuntimeImage;
}

namespace kelvra {

// The back-buffer image whose bitmap is `bitmap`, or nullptr when no panel's is.
// Call with PanelLock held.
image::RuntimeImage* FindPanelBackBufferImage(HBITMAP bitmap);

}  // namespace kelvra
