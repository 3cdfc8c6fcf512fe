// MakeFamilyPanel: the panel and its one page that a control family (buttons,
// text controls, explorer bars, splitters) builds each control on.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

struct FamilyPanel {
  // The panel's automatic number. Name the panel by it in every panel call: a
  // window given as a key also matches an application's panel numbered like it.
  int32_t number = 0;
  HWND window = nullptr;  // the panel window
  HWND page = nullptr;    // its only page
};

// Makes a panel with number -1 (CreatePanel: `callback` hears its events) and adds
// one page without image and outside any control container, with `background`
// (AddPanelExPage's value); the panel is shown once its page is on it. CurrentPanelEx, which the application's
// AddPanelExPage calls add to, is left as it was (0 when that panel went
// meanwhile). All or nothing: on any failure the panel is freed and every field
// is 0. Takes and releases PanelLock itself: call it with no library lock held.
FamilyPanel MakeFamilyPanel(HWND parent, int x, int y, int width, int height, WNDPROC callback, int32_t background);

}  // namespace kelvra
