// FillDownArrow.
#include "core/image/down_arrow.h"

#include "core/platform/win_handles.h"

namespace kelvra {

void FillDownArrow(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  UniquePen pen(CreatePen(PS_SOLID, 0, colour));
  UniqueBrush brush(CreateSolidBrush(colour));
  if (!dc || !pen || !brush) return;
  SelectGuard selectPen(dc, pen.get());
  SelectGuard selectBrush(dc, brush.get());
  const POINT points[3] = {{x + (width - 1) / 2, y + height - 1}, {x, y}, {x + width - 1, y}};
  Polygon(dc, points, 3);
}

}  // namespace kelvra
