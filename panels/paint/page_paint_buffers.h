// The panels' back and alpha buffers: made and grown by the page painter, found
// by bitmap (the text alpha repair asks through FindPanelBackBufferImage), and
// checked again after the painter has let messages run. Every call expects
// PanelLock to be held.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panels/panel/panel_record.h"

namespace kelvra {

enum class PanelBufferKind { Back, Alpha };

// Makes sure the panel's buffer holds width x height. A buffer that is missing or
// too small in either direction is replaced by one whose sides are each the
// larger of the old side and round(1.1 x the needed side) (a side that already
// suffices keeps its value); a new back buffer is opaque black, a new alpha
// buffer transparent black. Buffers never shrink. False, with the panel left
// without that buffer, when the image or DC cannot be made.
bool EnsurePanelBuffer(PanelExRecord& panel, PanelBufferKind kind, int width, int height, HDC compatible);
// Frees the buffer (its DC deleted, its image freed).
void ReleasePanelBuffer(PanelExRecord& panel, PanelBufferKind kind);

// A buffer that the painter holds on to across a call out: the bitmap selected in
// a DC and the serial it was made with, so that a bitmap freed and a new one made
// at the same handle meanwhile is not taken for the old one.
struct PanelBufferToken {
  HBITMAP bitmap = nullptr;
  uint32_t serial = 0;
  explicit operator bool() const { return bitmap != nullptr; }
};
// The token of the panel buffer selected into `dc`; empty when it is none.
PanelBufferToken PanelBufferTokenOf(HDC dc);
// True while the buffer still exists as it did when the token was taken.
bool PanelBufferStillThere(const PanelBufferToken& token);
// The image of the panel buffer selected into `dc`, or nullptr.
image::RuntimeImage* PanelBufferImageOf(HDC dc);
// Forgets every buffer (Kelvra_End, once the panels are gone).
void ForgetPanelBuffers();

}  // namespace kelvra
