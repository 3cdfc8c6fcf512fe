// MoveWindowsTogether: several windows moved and sized at once, in one deferred
// batch, so that they change together (one layout pass, never a frame with half of
// them moved). Safe from any thread: ending the batch waits on the windows' own
// thread, which must be pumping messages.
#pragma once

#include <windows.h>

#include <span>

namespace kelvra {

// Where one window goes: its new rectangle in its parent's client coordinates.
struct WindowMove {
  HWND window = nullptr;
  int x = 0, y = 0, width = 0, height = 0;
};

// Moves every window of `moves` with SetWindowPos `flags` (no insert-after window:
// without SWP_NOZORDER each one is raised to the top of its siblings, in list
// order). Windows that are gone (destroyed, or null) are left out. DeferWindowPos
// naming a window destroyed meanwhile loses the whole batch; then the survivors
// are batched once more, and should that fail too, moved one by one. Returns
// nothing: a window that cannot be moved is simply not moved.
void MoveWindowsTogether(std::span<const WindowMove> moves, UINT flags);

}  // namespace kelvra
