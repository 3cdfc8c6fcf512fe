// CreateRebar, and the rebar's own erase: the control never paints a band's
// background bitmap (Wine ignores hbmBack, themed or not), so the library does.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"
#include "core/library/object_numbers.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

constexpr UINT_PTR kRebarEraseSubclass = 0x4B52;  // any id of ours

// Tiles `bitmap` over `area` (rebar client coordinates), its pattern starting at
// `origin`.
void TileBitmap(HDC dc, HDC source, HBITMAP bitmap, const RECT& area, POINT origin) {
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
  SelectGuard select(source, bitmap);
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  // The first tile at or before the area's corner, on the pattern's grid.
  auto firstTile = [](int start, int origin, int size) {
    int offset = (start - origin) % size;
    if (offset < 0) offset += size;
    return start - offset;
  };
  for (int y = firstTile(area.top, origin.y, height); y < area.bottom; y += height) {
    for (int x = firstTile(area.left, origin.x, width); x < area.right; x += width) {
      const int left = std::max<int>(x, area.left), top = std::max<int>(y, area.top);
      const int right = std::min<int>(x + width, area.right), bottom = std::min<int>(y + height, area.bottom);
      if (right > left && bottom > top)
        BitBlt(dc, left, top, right - left, bottom - top, source, left - x, top - y, SRCCOPY);
    }
  }
}

LRESULT CALLBACK RebarEraseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_ERASEBKGND) {
    try {
      if (EraseRebarBackground(window, reinterpret_cast<HDC>(wParam))) return 1;
    } catch (...) {
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, RebarEraseProc, kRebarEraseSubclass);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void InstallRebarBackgroundImage(RebarRecord& rebar, uint32_t style) {
  rebar.uiStyle = style;
  UpdateRebarBackgrounds(false);
  if (HBITMAP shared = RebarBackgroundBitmap(style)) rebar.background = shared;
}

}  // namespace

bool EraseRebarBackground(HWND rebar, HDC dc) {
  const RebarRecord* record = FindRebarByWindow(rebar);
  if (!record || !dc) return false;
  const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
  struct Piece {
    RECT rect;
    HBITMAP bitmap;
    bool fixed;
  };
  std::vector<Piece> pieces;
  for (int index = 0; index < count; ++index) {
    REBARBANDINFOW info{};
    info.cbSize = kRebarBandInfoSize;
    info.fMask = RBBIM_STYLE | RBBIM_BACKGROUND;
    RECT rect{};
    if (!SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info))) continue;
    if (!info.hbmBack || (info.fStyle & RBBS_HIDDEN)) continue;
    if (!SendMessageW(rebar, RB_GETRECT, index, reinterpret_cast<LPARAM>(&rect))) continue;
    pieces.push_back({rect, info.hbmBack, (info.fStyle & RBBS_FIXEDBMP) != 0});
  }
  if (pieces.empty() && !record->background) return false;
  UniqueDc source(CreateCompatibleDC(dc));
  if (!source) return false;
  RECT client{};
  GetClientRect(rebar, &client);
  if (record->background) {
    TileBitmap(dc, source.get(), record->background, client, POINT{0, 0});
  } else {
    // Around the bands the control's own erase stands.
    DefSubclassProc(rebar, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  }
  for (const Piece& piece : pieces) {
    const POINT origin = piece.fixed ? POINT{0, 0} : POINT{piece.rect.left, piece.rect.top};
    TileBitmap(dc, source.get(), piece.bitmap, piece.rect, origin);
  }
  return true;
}

intptr_t CreateRebar(int32_t number, HWND parent, HBITMAP background, uint32_t flags, int32_t composited) {
  const bool automatic = number == -1;
  if (automatic) number = NewObjectNumber();
  else if (RebarList().FindByNumber(number)) return 0;
  if (!parent || !IsWindow(parent)) return 0;

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  uint32_t style = flags | CCS_NODIVIDER;
  bool bordersRemoved = false;
  if (background || (flags & kRebarOffice2003)) {
    bordersRemoved = (style & RBS_BANDBORDERS) != 0;
    style &= ~static_cast<uint32_t>(RBS_BANDBORDERS);
  }
  // The UI-style bits would make the rebar a maximized (or minimized) child.
  const DWORD windowStyle = (style & ~kRebarUIStyleBits) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  const HWND window = CreateWindowExW(0, REBARCLASSNAMEW, nullptr, windowStyle, 0, 0, 0, 0, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
  if (!window) return 0;

  auto owned = std::make_unique<RebarRecord>();
  owned->number = number;
  owned->window = window;
  owned->parent = parent;
  owned->bandBordersRemoved = bordersRemoved ? 1 : 0;
  owned->compositedRequest = composited ? -1 : 0;
  RebarRecord* rebar = RebarList().Append(std::move(owned));
  Rebars().currentRebar = number;

  if (background) {
    rebar->background = rebar->defaultBackground = background;
    if (UxTheme().SetWindowTheme) UxTheme().SetWindowTheme(window, L"", L"");
  }
  if (flags & kRebarOffice2003) InstallRebarBackgroundImage(*rebar, kRebarOffice2003);
  else if (flags & kRebarOffice2007) InstallRebarBackgroundImage(*rebar, kRebarOffice2007);

  REBARINFO bar{};
  bar.cbSize = sizeof(bar);
  SendMessageW(window, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&bar));
  rebar->bandTemplate.cbSize = kRebarBandInfoSize;
  rebar->bandTemplate.fMask = 0xF7;
  rebar->bandTemplate.fStyle = RBBS_CHILDEDGE;

  InstallRebarMouseHook();
  // The stock hollow brush: the control erases nothing the library paints over.
  SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(GetStockObject(NULL_BRUSH)));
  SetWindowSubclass(window, RebarEraseProc, kRebarEraseSubclass, 0);
  SubclassHostWindow(parent);
  return automatic ? number : reinterpret_cast<intptr_t>(window);
}

}  // namespace kelvra
