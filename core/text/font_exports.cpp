// Exports of the font family: thin shims over core/font_loading.
#include "kelvra.h"

#include "core/text/font_loading.h"
#include "core/library/result_string.h"

extern "C" {

KELVRA_API HFONT KELVRA_CALL LoadFontEx(LPCWSTR faceName, int pointSize, int styleFlags) {
  try {
    return kelvra::LoadFontEx(faceName, pointSize, static_cast<uint32_t>(styleFlags));
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL FreeFontEx(HFONT font) { return DeleteObject(font); }

KELVRA_API LPCWSTR KELVRA_CALL GetFontName(HFONT font) {
  try {
    return kelvra::ReturnText(kelvra::GetFontName(font));
  } catch (...) {
    return L"";
  }
}

KELVRA_API int KELVRA_CALL GetFontSize(HFONT font) {
  try {
    return kelvra::GetFontSize(font);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
