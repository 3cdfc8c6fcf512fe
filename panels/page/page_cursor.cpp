// The page cursor.
#include "panels/page/page_cursor.h"

#include "core/library/library_globals.h"

namespace kelvra {

void ApplyPageCursor(HWND page, intptr_t cursor) {
  if (cursor < 0) return;
  POINT pointer{};
  if (!GetCursorPos(&pointer) || WindowFromPoint(pointer) != page) return;
  SetCursor(cursor ? reinterpret_cast<HCURSOR>(cursor) : Globals().arrowCursor);
}

}  // namespace kelvra
