// One deferred batch for several window moves, with the fall-backs a window
// destroyed under the batch needs.
#include "core/windows/windows_moved_together.h"

#include <algorithm>

namespace kelvra {

namespace {

bool Exists(const WindowMove& move) { return move.window && IsWindow(move.window); }

bool MoveInOneBatch(std::span<const WindowMove> moves, UINT flags) {
  const auto count = std::count_if(moves.begin(), moves.end(), Exists);
  if (!count) return true;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(count));
  for (const WindowMove& move : moves) {
    if (!batch) return false;
    if (!Exists(move)) continue;
    batch = DeferWindowPos(batch, move.window, nullptr, move.x, move.y, move.width, move.height, flags);
  }
  return batch && EndDeferWindowPos(batch);
}

}  // namespace

void MoveWindowsTogether(std::span<const WindowMove> moves, UINT flags) {
  // The windows were checked just now, but another thread may destroy one while
  // the batch is built: then check again and batch once more.
  for (int attempt = 0; attempt < 2; ++attempt)
    if (MoveInOneBatch(moves, flags)) return;
  for (const WindowMove& move : moves)
    if (Exists(move)) SetWindowPos(move.window, nullptr, move.x, move.y, move.width, move.height, flags);
}

}  // namespace kelvra
