// The one MenuExFont of the process.
#include "commandbars/menu_ex_font.h"

#include "core/text/font_loading.h"

namespace kelvra {

namespace {

struct FontState {
  HFONT font = nullptr;
  bool fromMetrics = false;  // made by the library from the system's menu font
};

FontState& State() {
  static FontState state;
  return state;
}

void Replace(HFONT made, bool fromMetrics) {
  FontState& state = State();
  if (state.font && state.font != made) DeleteObject(state.font);
  state.font = made;
  state.fromMetrics = fromMetrics;
}

HFONT FromMetrics() {
  LOGFONTW menuFont{};
  return ReadSystemMenuFont(menuFont) ? CreateFontIndirectW(&menuFont) : nullptr;
}

}  // namespace

HFONT MenuExFont() { return State().font; }

HFONT EnsureMenuExFont() {
  if (!State().font) {
    if (HFONT made = FromMetrics()) Replace(made, true);
  }
  return State().font;
}

void ReplaceMenuExFont(HFONT font) { Replace(font, false); }

bool RefreshMenuExFontFromMetrics() {
  const FontState& state = State();
  if (state.font && !state.fromMetrics) return false;
  HFONT made = FromMetrics();
  if (!made) return false;
  Replace(made, true);
  return true;
}

void FreeMenuExFont() {
  FontState& state = State();
  if (state.font) DeleteObject(state.font);
  state = FontState{};
}

}  // namespace kelvra
