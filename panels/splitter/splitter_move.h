// Moving a splitter's three windows: the container's resize layout, a drag
// step (MoveSplitterExBar) and the re-layout after an attribute. Each computes
// the rectangles with the pure layout and commits them in one deferred batch.
// None needs a lock held; each may send messages, so callers find their record
// again afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "panels/splitter/splitter_layout.h"
#include "panels/splitter/splitter_record.h"

namespace kelvra {

// The bar's rectangle in the container page's client coordinates.
SplitterBox BarBoxInContainer(HWND bar, HWND containerPage);
// The client size of a window (0 x 0 when it is none).
SIZE ClientSize(HWND window);

// WM_SIZE of the container: `width` x `height` is its new client size.
void LayOutSplitterExOnResize(const SplitterExRecord& splitter, int32_t width, int32_t height);

// Loads the layout state from the record (the bar's windows, metrics), with
// the given grab offset and active flag.
void LoadSplitterLayoutState(const SplitterExRecord& splitter, int32_t grabOffset, int32_t active);

// MoveSplitterExBar: the bar of the layout state to `point` (container page
// coordinates; x side by side, y stacked), within the limits, then the
// container is repainted.
void MoveSplitterExBar(POINT point);

// The re-layout after an attribute changed: to `target` (the bar position
// attribute) or to where the position puts it, then the position follows the
// bar (unless a side is collapsed). Leaves a drag in progress alone.
void RelayOutSplitterEx(SplitterExRecord& splitter, std::optional<int32_t> target);

}  // namespace kelvra
