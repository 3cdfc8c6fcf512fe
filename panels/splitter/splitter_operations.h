// The operations behind the SplitterEx exports. `splitter` arguments are a
// number or a container window; results are the exports' own. All run on the
// user-interface thread; each finds its record again after anything that can
// send messages.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

struct SplitterExPlace {
  HWND parent = nullptr;
  int32_t number = -1;  // -1: a fresh number
  int x = 0, y = 0, width = 0, height = 0;
  HWND first = nullptr, second = nullptr;
  uintptr_t skin = 0;  // a skin, or a built-in skin's selector (0, 1, 0x2000000)
  uint32_t flags = 0;  // SplitterExFlags
};

// SplitterEx: the number when -1 was given, else the container window; 0 when
// nothing was made (and then nothing is left behind).
intptr_t CreateSplitter(const SplitterExPlace& place);
// SetSplitterExAttribute / GetSplitterExAttribute.
int SetSplitterAttribute(intptr_t splitter, int32_t code, int32_t value);
int32_t GetSplitterAttribute(intptr_t splitter, int32_t code);
// SetSplitterExSkin: 1, or 0 when the splitter or the skin is unknown.
int SetSplitterSkin(intptr_t splitter, uintptr_t skin, const wchar_t* component, bool redraw);
// FreeSplitterEx (-1: every splitter): 1, or 0 when unknown.
int FreeSplitter(intptr_t splitter);

// Whether `gadget` can be a gadget of a splitter in `parent` (`splitter`: the
// splitter it would join, or nullptr while one is made): a window that is
// neither the parent nor one of its ancestors (it would be moved into its own
// child), nor one of the splitter's own windows.
bool IsUsableGadget(HWND gadget, HWND parent, const struct SplitterExRecord* splitter);

// The PanelExCallbacks of the container and of the bar.
LRESULT CALLBACK SplitterExContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SplitterExBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
