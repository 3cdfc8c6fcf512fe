// Scratch surfaces and clip regions the page painter shares between pages: kept
// between paints and grown, never shrunk, so that a repaint allocates nothing.
// Freed by the library's end. Used with PanelLock held.
#pragma once

#include <windows.h>

#include "core/image/memory_canvas.h"
#include "core/platform/win_handles.h"

namespace kelvra {

struct PainterScratch {
  MemoryCanvas tileRow;   // a pre-tiled row of a background image
  MemoryCanvas layer;     // classic and pre-Vista faces, border bands: drawn here first
  MemoryCanvas probe;     // small draws whose pixels tell how an image list draws
  MemoryCanvas blend;     // band pixels copied in to be blended
  MemoryCanvas groupBox;  // a group box printed over the pixels behind it
  bool groupBoxBusy = false;  // a group box is being printed (messages run meanwhile)
};

PainterScratch& PaintScratch();

// The clip regions of one paint in progress: the clip saved before the border's
// shape was applied, and the shape itself. Paints nest (outer pages draw nested
// ones; callbacks repaint other pages), so each active paint has its own slot.
struct PaintClipSlot {
  UniqueRegion saved;
  UniqueRegion shape;
  bool hasSaved = false;  // the DC had a clip region of its own
  bool applied = false;   // the shape is in the DC's clip
};

// Takes a slot for a paint from entry to return.
class PaintSlot {
 public:
  PaintSlot();
  ~PaintSlot();
  PaintSlot(const PaintSlot&) = delete;
  PaintSlot& operator=(const PaintSlot&) = delete;
  // nullptr when its regions cannot be made: the paint then clips nothing.
  PaintClipSlot* clip() const { return clip_; }

 private:
  PaintClipSlot* clip_ = nullptr;
};

// Frees every scratch surface and clip slot, and forgets the panel buffers
// (Kelvra_End, once the panels are gone).
void ReleasePagePainterScratch();

}  // namespace kelvra
