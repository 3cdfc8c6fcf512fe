// The one CommandBarGlobals block of the process, and the start and end steps
// that set it up and put its hooks away.
#include "commandbars/commandbar_globals.h"

#include "commandbars/commandbars_seam.h"
#include "commandbars/hotkey/hotkey_registry.h"
#include "commandbars/menu_ex_font.h"

namespace kelvra {

CommandBarGlobals& CommandBarState() {
  static CommandBarGlobals state;
  return state;
}

namespace {

void RemoveHook(HHOOK& hook) {
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
}

}  // namespace

namespace steps {

void InitCommandBarSettings() { CommandBarState().settings = CommandBarSettings{}; }

void RemoveMenuHooks() {
  auto& state = CommandBarState();
  RemoveHook(state.menuKeyboardHook);
  RemoveHook(state.hotKeyMessageHook);
  // The rebar hooks too: left installed, the thread's next mouse message would
  // call into the unloaded library.
  RemoveHook(state.rebarMouseHook);
  RemoveHook(state.rebarCursorHook);
  RemoveHook(state.rebarDragHook);
  ForgetHotKeys();
}

void FreeCommandBarFonts() { FreeMenuExFont(); }

}  // namespace steps

}  // namespace kelvra
