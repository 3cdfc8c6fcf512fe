// The UI colour brush cache.
#include "skin/ui_colours/ui_colour_brush_cache.h"

#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

struct BrushSlot {
  UniqueBrush brush;
  COLORREF colour = 0;
};

BrushSlot (&Slots())[kUIColourEntries] {
  static BrushSlot slots[kUIColourEntries];
  return slots;
}

}  // namespace

HBRUSH UIColourBrush(int32_t index, COLORREF colour) {
  if (index < 0 || index >= kUIColourEntries) return nullptr;
  BrushSlot& slot = Slots()[index];
  if (slot.brush && slot.colour == colour) return slot.brush.get();
  slot.brush.reset(CreateSolidBrush(colour));
  slot.colour = colour;
  return slot.brush.get();
}

}  // namespace kelvra
