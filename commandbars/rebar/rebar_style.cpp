// The Office looks of rebars: the shared background images (a gradient band a
// desktop wide) and switching a rebar's UI style.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "commandbars/commandbars_seam.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"
#include "commandbars/rebar/rebar_ui_style.h"
#include "core/platform/uxtheme_api.h"
#include "skin/ui_colours/ui_colour_lookup.h"

namespace kelvra {

namespace {

constexpr int kBackgroundHeight = 256;

uint32_t Argb(COLORREF colour) {
  return 0xFF000000u | (static_cast<uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Left half a horizontal gradient from "rebarbackground1" to "rebarbackground2",
// right half the second colour.
std::unique_ptr<image::RuntimeImage> BuildBackground(uint32_t style, int width) {
  auto made = image::RuntimeImage::Create(width, kBackgroundHeight, 32);
  if (!made) return nullptr;
  const COLORREF from = LookupUIColour(style, 31, kUIColourColorRef);
  const COLORREF to = LookupUIColour(style, 32, kUIColourColorRef);
  const int half = std::max(width / 2, 1);
  std::vector<uint32_t> row(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) {
    if (x >= half) {
      row[x] = Argb(to);
      continue;
    }
    auto mix = [&](int a, int b) { return a + (b - a) * x / half; };
    row[x] = Argb(RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                      mix(GetBValue(from), GetBValue(to))));
  }
  for (int y = 0; y < kBackgroundHeight; ++y) std::copy(row.begin(), row.end(), reinterpret_cast<uint32_t*>(made->Row(y)));
  return made;
}

int DesktopWidth() {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  return std::max<int>(desktop.right - desktop.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

void SetBandBorders(RebarRecord& rebar, bool on) {
  const HWND window = rebar.Window();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (on) {
    if (rebar.bandBordersRemoved) SetWindowLongW(window, GWL_STYLE, style | RBS_BANDBORDERS);
    rebar.bandBordersRemoved = 0;
  } else if (style & RBS_BANDBORDERS) {
    SetWindowLongW(window, GWL_STYLE, style & ~RBS_BANDBORDERS);
    rebar.bandBordersRemoved = 1;
  }
}

}  // namespace

void UpdateRebarBandColours(HBITMAP oldBitmap, HBITMAP newBitmap, uint32_t style) {
  ControlList<RebarRecord>::CurrentGuard keep(RebarList());
  for (RebarRecord& rebar : RebarList()) {
    if (rebar.uiStyle != style) continue;
    const HWND window = rebar.Window();
    rebar.background = newBitmap ? newBitmap : rebar.defaultBackground;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      REBARBANDINFOW info{};
      info.cbSize = kRebarBandInfoSize;
      info.fMask = RBBIM_STYLE | RBBIM_BACKGROUND;
      if (!SendMessageW(window, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info))) continue;
      if (info.hbmBack && info.hbmBack != oldBitmap && info.hbmBack != rebar.defaultBackground) continue;
      info.hbmBack = newBitmap ? newBitmap : rebar.defaultBackground;
      info.fStyle |= RBBS_FIXEDBMP;
      SendMessageW(window, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

void UpdateRebarBackgrounds(bool force) {
  RebarState& state = Rebars();
  if (RebarList().Empty()) return;
  state.widestDesktopWidth = std::max(state.widestDesktopWidth, DesktopWidth());
  const int width = state.widestDesktopWidth + 4;
  for (uint32_t style : {kRebarOffice2003, kRebarOffice2007}) {
    std::unique_ptr<image::RuntimeImage>& current = state.backgrounds[RebarBackgroundSlot(style)];
    const bool rebuild =
        !current || force || current->Width() < width || current->Height() < kBackgroundHeight;
    if (!rebuild) continue;
    std::unique_ptr<image::RuntimeImage> made = BuildBackground(style, std::max(width, current ? current->Width() : 0));
    if (!made) continue;
    // The bands still show the old bitmap until they are given the new one.
    std::unique_ptr<image::RuntimeImage> previous = std::move(current);
    current = std::move(made);
    UpdateRebarBandColours(previous ? previous->Bitmap() : nullptr, current->Bitmap(), style);
  }
}

int32_t SetRebarStyle(intptr_t key, uint32_t style) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar || (style != 0 && style != kRebarOffice2003 && style != kRebarOffice2007)) return 0;
  const HWND window = rebar->Window();
  const HBITMAP old = RebarBackgroundBitmap(rebar->uiStyle);
  rebar->uiStyle = style;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  if (style) {
    SetBandBorders(*rebar, false);
    if (UxTheme().SetWindowTheme) UxTheme().SetWindowTheme(window, L"", L"");
    if (!RebarBackgroundBitmap(style)) UpdateRebarBackgrounds(false);
    UpdateRebarBandColours(old, RebarBackgroundBitmap(style), style);
  } else {
    UpdateRebarBandColours(old, nullptr, 0);
    if (!rebar->defaultBackground) {
      if (UxTheme().SetWindowTheme) UxTheme().SetWindowTheme(window, nullptr, nullptr);
      SetBandBorders(*rebar, true);
    }
  }
  if (!RebarList().Contains(rebar)) return 0;
  const int height = static_cast<int>(SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
  SetWindowPos(window, nullptr, 0, 0, 0, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  LayoutRebarBands(rebar->parent);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return 0;
}

uint32_t RebarUIStyleOf(HWND rebarWindow) {
  const RebarRecord* rebar = FindRebarByWindow(rebarWindow);
  return rebar ? rebar->uiStyle : 0;
}

}  // namespace kelvra
