// Exports of the UI colours, colour modes and colour-theme words: thin shims over
// the tables and the theme words.
#include "kelvra.h"

#include "core/library/result_string.h"
#include "skin/ui_colours/colour_theme_words.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_colour_setters.h"
#include "skin/ui_colours/ui_colour_tables.h"

extern "C" {

KELVRA_API int KELVRA_CALL GetUIColour(int style, int index, int mode) {
  return static_cast<int>(kelvra::ReadUIColour(static_cast<uint32_t>(style), index, mode));
}

KELVRA_API int KELVRA_CALL SetUIColour(int style, int index, int colour, int mode, BYTE noRefresh) {
  try {
    return kelvra::SetUIColour(static_cast<uint32_t>(style), index, static_cast<uint32_t>(colour), mode, noRefresh != 0)
               ? 1
               : 0;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL GetUIColourMode(void) { return kelvra::ColourTables().mode; }

KELVRA_API int KELVRA_CALL SetUIColourMode(int mode) {
  try {
    return kelvra::SetUIColourMode(mode) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL GetCurrentColourScheme(void) {
  const int scheme = static_cast<int>(kelvra::CurrentColourScheme());
  return kelvra::ColourTables().mode == kelvra::kUIColourModeCustom ? scheme : scheme - 5;
}

KELVRA_API LPCWSTR KELVRA_CALL GetGlobalSkinColourTheme(void) {
  try {
    return kelvra::ReturnText(kelvra::EffectiveSkinColourTheme());
  } catch (...) {
    return L"";
  }
}

KELVRA_API LPCWSTR KELVRA_CALL GetDefaultGlobalSkinColourTheme(void) {
  try {
    return kelvra::ReturnText(kelvra::DefaultGlobalSkinColourTheme());
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL SetGlobalSkinColourTheme(LPCWSTR word) {
  try {
    kelvra::SetGlobalSkinColourTheme(word ? std::wstring_view(word) : std::wstring_view());
  } catch (...) {
  }
  return 1;
}

}  // extern "C"
