// Exports of the rebar family: thin shims over commandbars/rebar/rebar_operations.h.
#include "kelvra.h"

#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }

kelvra::RebarGadget Gadget(HWND child, LPCWSTR text, int width, int minimumWidth, int minimumHeight,
                           HBITMAP background, int bandStyle) {
  kelvra::RebarGadget gadget;
  gadget.child = child;
  gadget.text = text;
  gadget.width = width;
  gadget.minimumWidth = minimumWidth;
  gadget.minimumHeight = minimumHeight;
  gadget.background = background;
  gadget.bandStyle = static_cast<uint32_t>(bandStyle);
  return gadget;
}

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL CreateRebar(int number, HWND parent, HBITMAP background, int flags, int composited) {
  try {
    return static_cast<int>(kelvra::CreateRebar(number, parent, background, static_cast<uint32_t>(flags), composited));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL AddRebarGadget(HWND child, LPCWSTR text, int width, int minimumWidth, int minimumHeight,
                                          HBITMAP background, int bandStyle) {
  try {
    return kelvra::AddRebarGadget(Gadget(child, text, width, minimumWidth, minimumHeight, background, bandStyle));
  } catch (...) {
    return -1;
  }
}

KELVRA_API int KELVRA_CALL InsertRebarGadget(int rebar, int position, HWND child, LPCWSTR text, int width,
                                             int minimumWidth, int minimumHeight, HBITMAP background, int bandStyle) {
  try {
    return kelvra::InsertRebarGadget(Key(rebar), position,
                                     Gadget(child, text, width, minimumWidth, minimumHeight, background, bandStyle));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL DeleteRebarBand(int rebar, int band) {
  try {
    return kelvra::DeleteRebarBand(Key(rebar), band);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL MoveRebarBand(int rebar, int from, int to) {
  try {
    return kelvra::MoveRebarBand(Key(rebar), from, to);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL ShowRebarBand(int rebar, int band, int show) {
  try {
    return kelvra::ShowRebarBand(Key(rebar), band, show != 0);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL RebarBandID(int rebar, int index) {
  try {
    return kelvra::RebarBandID(Key(rebar), index);
  } catch (...) {
    return -1;
  }
}

KELVRA_API int KELVRA_CALL RebarHeight(int rebar) {
  try {
    return kelvra::RebarHeight(Key(rebar));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL RebarID(int number) {
  try {
    const kelvra::RebarRecord* rebar = kelvra::RebarList().FindByNumber(number);
    return rebar ? rebar->Window() : nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL SetRebarStyle(int rebar, int style) {
  try {
    return kelvra::SetRebarStyle(Key(rebar), static_cast<uint32_t>(style));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetRebarUserCallback(int rebar, WNDPROC callback) {
  try {
    return static_cast<int>(kelvra::SetRebarUserCallback(Key(rebar), callback));
  } catch (...) {
    return -1;
  }
}

KELVRA_API int KELVRA_CALL FreeRebar(int rebar) {
  try {
    return kelvra::FreeRebar(Key(rebar));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SaveRebarLayout(int rebar, LPCWSTR path) {
  try {
    return kelvra::SaveRebarLayout(Key(rebar), path);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL LoadRebarLayout(int rebar, LPCWSTR path) {
  try {
    return kelvra::LoadRebarLayout(Key(rebar), path);
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
