// The page painter's shared scratch.
#include "panels/paint/page_paint_scratch.h"

#include <memory>
#include <vector>

#include "panels/paint/page_paint_buffers.h"
#include "panels/paint/parent_background.h"

namespace kelvra {

namespace {

struct ClipSlots {
  std::vector<std::unique_ptr<PaintClipSlot>> slots;
  size_t active = 0;
};

ClipSlots& Slots() {
  static ClipSlots slots;
  return slots;
}

}  // namespace

PainterScratch& PaintScratch() {
  static PainterScratch scratch;
  return scratch;
}

PaintSlot::PaintSlot() {
  ClipSlots& all = Slots();
  const size_t index = all.active++;
  try {
    while (index >= all.slots.size()) all.slots.push_back(std::make_unique<PaintClipSlot>());
  } catch (...) {
    return;
  }
  PaintClipSlot& slot = *all.slots[index];
  if (!slot.saved) slot.saved.reset(CreateRectRgn(0, 0, 0, 0));
  if (!slot.shape) slot.shape.reset(CreateRectRgn(0, 0, 0, 0));
  slot.hasSaved = slot.applied = false;
  if (slot.saved && slot.shape) clip_ = &slot;
}

PaintSlot::~PaintSlot() { --Slots().active; }

void ReleasePagePainterScratch() {
  ForgetPanelBuffers();
  ReleaseParentBackgrounds();
  PainterScratch& scratch = PaintScratch();
  scratch.tileRow.Release();
  scratch.layer.Release();
  scratch.probe.Release();
  scratch.blend.Release();
  scratch.groupBox.Release();
  ClipSlots& all = Slots();
  // Slots of paints still running (none at the end) stay.
  if (all.active == 0) all.slots.clear();
}

}  // namespace kelvra
