// Page backgrounds: the parent's background under see-through pages, the visual
// style's parts, the classic faces drawn without one, and gradients.
#include "core/colour/gradient_list.h"
#include "core/library/library_globals.h"
#include "core/platform/uxtheme_api.h"
#include "core/text/text_alpha.h"
#include "panels/paint/page_gradient_blend.h"
#include "panels/paint/page_paint_steps.h"

namespace kelvra {

namespace {

constexpr int kPushButtonPart = 1;  // BP_PUSHBUTTON
constexpr int kTabPanePart = 9;     // TABP_PANE
// Systems at or below this runtime OS version code draw some explorer-bar parts
// without an alpha channel.
constexpr int32_t kLastPreVistaOsCode = 60;

bool IsPushButton(int32_t background) {
  return background >= kBackgroundPushButton && background <= kBackgroundPushButtonDisabled;
}

int PushButtonState(int32_t background) {
  static constexpr int kStates[] = {0, 2, 3, 4};  // normal, hot, pressed, disabled
  return kStates[background - kBackgroundPushButton];
}

bool StylesDraw() {
  const UxThemeApi& api = UxTheme();
  return api.visualStyles && api.DrawThemeBackground;
}

// The explorer-bar part of backgrounds 1 to 6.
int ExplorerBarPart(int32_t background) {
  static constexpr int kParts[] = {0, 1, 5, 8, 9, 12};
  return kParts[background - 1];
}

RECT Local(const RECT& r) { return RECT{0, 0, r.right - r.left, r.bottom - r.top}; }

// A face drawn on the scratch layer, made opaque there (plain GDI drawing leaves
// alpha 0, which an alpha buffer would read as see-through), then copied to r.
// start: the scratch begins as a copy of what r shows, for faces that let it through.
template <class Draw>
void DrawOpaque(HDC dc, const RECT& r, bool start, Draw&& draw) {
  MemoryCanvas& layer = PaintScratch().layer;
  const RECT local = Local(r);
  if (!layer.Ensure(local.right, local.bottom)) return;
  if (start) BitBlt(layer.dc(), 0, 0, local.right, local.bottom, dc, r.left, r.top, SRCCOPY);
  draw(layer.dc(), local);
  MakeImagePixelsOpaque(*layer.image(), local);
  BitBlt(dc, r.left, r.top, local.right, local.bottom, layer.dc(), 0, 0, SRCCOPY);
}

void DrawClassicFace(HDC dc, const RECT& r, int32_t background) {
  DrawOpaque(dc, r, false, [background](HDC layer, const RECT& local) {
    switch (background) {
      case 1:
        FillRect(layer, &local, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
        break;
      case 3: {
        FillRect(layer, &local, GetSysColorBrush(COLOR_BTNFACE));
        const RECT box{1, 0, local.right - 1, local.bottom - 1};
        FillRect(layer, &box, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
        break;
      }
      case kBackgroundPushButton:
      case kBackgroundPushButtonHot:
      case kBackgroundPushButtonPressed:
      case kBackgroundPushButtonDisabled: {
        UINT state = DFCS_BUTTONPUSH;
        if (background == kBackgroundPushButtonPressed) state |= DFCS_PUSHED;
        if (background == kBackgroundPushButtonDisabled) state |= DFCS_INACTIVE;
        RECT face = local;
        DrawFrameControl(layer, &face, DFC_BUTTON, state);
        break;
      }
      default:  // 4 and every value without a face of its own
        FillRect(layer, &local, GetSysColorBrush(COLOR_BTNFACE));
        break;
    }
  });
}

void DrawExplorerBarPart(HDC dc, const RECT& r, int32_t background) {
  const UxThemeApi& api = UxTheme();
  const ThemeHandle theme = api.themes.explorerbar;
  const int part = ExplorerBarPart(background);
  if (Globals().osVersionCode > kLastPreVistaOsCode) {
    api.DrawThemeBackground(theme, dc, part, 0, &r, nullptr);
    return;
  }
  // Older systems draw these parts without alpha: what they leave must end opaque.
  if (background == 1 || background == 3) {
    DrawOpaque(dc, r, true, [&](HDC layer, const RECT& local) {
      api.DrawThemeBackground(theme, layer, part, 0, &local, nullptr);
    });
  } else if (background == 4) {
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    LPtoDP(dc, corners, 2);  // the alpha repair addresses the buffer's pixels
    const RECT device{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    BackupPageAlpha(dc, &device);
    api.DrawThemeBackground(theme, dc, part, 0, &r, nullptr);
    BackupPageAlpha(dc, &device);
  } else {
    api.DrawThemeBackground(theme, dc, part, 0, &r, nullptr);
  }
}

}  // namespace

const GradientRecord* GradientOfBackground(int32_t background) {
  // Theme codes are small numbers no record lives at.
  if (background >= kBackgroundNone && background <= kBackgroundPushButtonDisabled) return nullptr;
  return FindGradient(reinterpret_cast<const void*>(static_cast<intptr_t>(background)));
}

bool NeedsParentBackground(const PanelExPageRecord& page) {
  const int32_t background = page.backgroundSet.background;
  if (background == kBackgroundNone || background == 4 || background == 6 || IsPushButton(background)) return true;
  if (page.alpha < 255) return true;
  const GradientRecord* gradient = GradientOfBackground(background);
  return gradient && GradientIsTranslucent(*gradient);
}

void FillParentClassBackground(HDC dc, HWND page, HWND parent) {
  const auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
  if (!brush) return;
  RECT client{};
  GetClientRect(parent, &client);
  MapWindowPoints(parent, page, reinterpret_cast<POINT*>(&client), 2);
  // The brush's pattern lines up with the parent's own painting.
  POINT origin{client.left, client.top};
  LPtoDP(dc, &origin, 1);
  POINT previous{};
  SetBrushOrgEx(dc, origin.x, origin.y, &previous);
  FillRect(dc, &client, brush);  // also takes COLOR_* + 1 values
  SetBrushOrgEx(dc, previous.x, previous.y, nullptr);
}

void DrawThemedFace(HDC dc, const RECT& r, int32_t background) {
  if (!StylesDraw()) return;
  const UxThemeApi& api = UxTheme();
  if (IsPushButton(background) && api.themes.button)
    api.DrawThemeBackground(api.themes.button, dc, kPushButtonPart, PushButtonState(background), &r, nullptr);
  else if (background == kBackgroundTabPane && api.themes.tab)
    api.DrawThemeBackground(api.themes.tab, dc, kTabPanePart, 0, &r, nullptr);
}

void DrawBackgroundValue(HDC dc, const RECT& r, int32_t background, PagePaintCache* cache) {
  if (const GradientRecord* gradient = GradientOfBackground(background)) {
    FillGradient(dc, r, *gradient, cache);
    return;
  }
  if (background == kBackgroundNone) return;
  const UxThemeApi& api = UxTheme();
  const bool styles = StylesDraw();
  // A value whose theme is not open draws as it would without a visual style.
  if (IsPushButton(background)) {
    if (!styles || !api.themes.button) DrawClassicFace(dc, r, background);
  } else if (background == kBackgroundTabPane) {
    if (!styles || !api.themes.tab) DrawClassicFace(dc, r, background);
  } else if (background >= 1 && background <= 6) {
    if (styles && api.themes.explorerbar) DrawExplorerBarPart(dc, r, background);
    else DrawClassicFace(dc, r, background);
  } else if (background == 7) {
    if (styles && api.themes.rebar) api.DrawThemeBackground(api.themes.rebar, dc, 0, 0, &r, nullptr);
    else DrawClassicFace(dc, r, background);
  } else if (!styles) {
    DrawClassicFace(dc, r, background);  // any other value
  }
}

}  // namespace kelvra
