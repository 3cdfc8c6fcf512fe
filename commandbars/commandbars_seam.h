// What earlier code asks of menus, toolbars and rebars. Every call into
// commandbars/ from outside it is declared here, with when it comes and what the
// answer is while its owner is not built ("nothing here"). Those answers live in
// commandbars/not_built_yet.cpp: to build one, delete it there and define it where
// it belongs. To ask something new of commandbars/, declare it here and stub it
// there.
//
// Each family answers from its own folder: commandbars/popup/ the creation hook's
// menu calls; commandbars/menu/ CurrentMenuUIStyle, ForgetMenuPopupBackgrounds
// and FreeAllMenus; commandbars/toolbar/ the toolbar
// gadgets, IsToolBarExWindow, RedrawToolBarExsOnPage and FreeAllToolBars;
// commandbars/rebar/ OnRebarWindowPosChanging, UpdateRebarBackgrounds,
// FitRebarsOnPage and FreeAllRebars; commandbars/host_window/ RedrawHostWindows and
// RestoreHostWindowProcedures; commandbars/hotkey/ OnFocusSeenByCreationHook and
// InstallMenuKeyboardHook;
// TintMenuAndToolBarIcons is the menu and toolbar families' together. What all of
// them share (settings, hook handles, their start and end steps) stays at the top
// of commandbars/, in commandbar_globals.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// ---- The creation hook (core/windows/creation_hook.cpp)

// Every message the hook sees (hook code 0 or above), before anything else: while
// the tracked menu's screen-background cache watches for repaints under its first
// popup, a paint or notification to a window that the popup overlaps marks it.
// Nothing here: nothing is tracked, so nothing is watched
// (commandbars/popup/menu_tracking_hook.cpp).
void OnMessageSeenByCreationHook(HWND window, UINT message);

// WM_CREATE of a system popup menu window ("#32768"): while a MenuEx menu is
// tracked, the popup gets its class's shadow style, the popup-menu procedure, and
// a menu bar shows its title dropped down.
// Nothing here: nothing is tracked, the popup stays the system's
// (commandbars/popup/menu_tracking_hook.cpp).
void OnPopupMenuWindowCreated(HWND popup);

// WM_CREATE of the system's menu shadow ("SysShadow"): destroyed at once while a
// MenuEx menu is tracked (the library draws its own).
// Nothing here: nothing is tracked, the shadow stays
// (commandbars/popup/menu_tracking_hook.cpp).
void OnSystemShadowCreated(HWND shadow);

// ---- Tracked menus (commandbars/popup/menu_tracking_hooks.cpp)

// WM_MENUSELECT of a tracked MenuEx menu, which the system sends to the menu's
// owner and never through the loop's message filter: the host-window procedure
// (for the window given to DisplayPopupMenuEx) and the owner of a bar's menus
// pass it here before their own handling. Records the selection's flags and
// submenu, and marks the coming popup window as that submenu's. Does nothing
// while no MenuEx menu is tracked; sends no message, takes no lock.
void OnTrackedMenuSelect(HWND owner, WPARAM wParam, LPARAM lParam);

// WM_ACTIVATE and WM_SETFOCUS of a window of the hooked thread: the hot-key hook
// brings the thread's modifier-key state up to date (commandbars/hotkey/).
void OnFocusSeenByCreationHook();

// ---- The shared subclass procedure (core/windows/common_subclass_proc.cpp)
// Neither may leave the library (send a message, call an application callback)
// while it holds a library lock.

// Offered every message first, with WindowMapLock held: hot tracking and flat
// painting of combo boxes (and the edits inside them) embedded in toolbars. A
// non-zero result means handled, and is the message's result. Releases
// WindowMapLock around calls that send messages; the caller looks its
// WindowMapEntry up again afterwards.
// Nothing here: 0, no window is a toolbar gadget.
LRESULT ToolBarExGadgetSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_WINDOWPOSCHANGING of every registered window, before the size limits, with
// the new height (WINDOWPOS.cy; 0 for a move without a size: ask the control),
// WindowMapLock released: a rebar's window announces its height change (to its
// callback and ancestors) (commandbars/rebar/rebar_height_notify.cpp).
void OnRebarWindowPosChanging(HWND window, int newHeight);

// ---- UI colours (skin/ui_colours/ui_colour_setters.cpp, skin/elements/ui_element_painter.cpp)

// After a UI colour or colour mode changed: every rebar rebuilds its background
// image (force 1: even when its size did not change) (commandbars/rebar/rebar_style.cpp).
void UpdateRebarBackgrounds(bool force);

// After a UI colour or colour mode changed (mode 0): the derived disabled icons of
// menu items and toolbar buttons are tinted again. Modes: 0 all menu items and
// toolbar buttons; 1 the items of one MenuEx (reference = its record); 2 of one
// popup menu (reference = menu handle); 3 all toolbar buttons; 4 the buttons of
// one toolbar (reference = toolbar number).
// Nothing here: there are no menu items or toolbar buttons.
void TintMenuAndToolBarIcons(uintptr_t reference, int mode);

// After a UI colour changed: every host window of a menu, toolbar or rebar is
// redrawn with its children at once.
// Nothing here: there are no host windows.
void RedrawHostWindows();

// After a UI colour or colour mode changed: every MenuExRecord's cached popup
// background gets width and height 0, so the next popup rebuilds it.
// Nothing here: there are no menus.
void ForgetMenuPopupBackgrounds();

// The UI style of the current MenuExRecord (the menu being drawn), by which the
// check-box elements of the UI-style painter take their colours; `fallback` when
// there is no current menu.
// Nothing here: `fallback`.
uint32_t CurrentMenuUIStyle(uint32_t fallback);

// ---- Panel pages (panels/page/page_proc.cpp, panels/panel/panel_proc.cpp)
// None of these comes with a lock held.

// WM_NOTIFY of a page: true when `window`, the notification's sender, is the
// window of a ToolBarEx; its notifications then reach the page's callback only,
// not the panel's parent.
// Nothing here: false, no window is a ToolBarEx.
bool IsToolBarExWindow(HWND window);

// The panel's WM_SIZE, after its current page was fitted: every ToolBarEx whose
// parent is `page` is repainted at once.
// Nothing here: there are no toolbars.
void RedrawToolBarExsOnPage(HWND page);

// A page's WM_SIZE: every rebar whose parent is `page` is fitted to the page's
// width at its bar height, its bands laid out, and repainted
// (commandbars/rebar/rebar_band_layout.cpp).
void FitRebarsOnPage(HWND page);

// ---- Page scrolling (panels/scrolling/page_scrolling.cpp)

// SetPanelExPageScrolling turning auto-scroll on: installs the menu keyboard hook
// (WH_KEYBOARD, into CommandBarState().menuKeyboardHook, which Kelvra_End removes)
// for `threadId`, the thread of the page window, unless the process has it already.
// Menu bars (CreateMenuEx) and popups (DisplayPopupMenuEx) install it the same
// way, for their window's thread; thread 0 installs nothing.
// Called with no library lock held (commandbars/hotkey/menu_keyboard_hook.cpp).
void InstallMenuKeyboardHook(DWORD threadId);

}  // namespace kelvra

namespace kelvra::steps {

// Kelvra_Init step 7, with the core's own settings: gives the settings of menus,
// toolbars and rebars their first values (commandbars/commandbar_globals.cpp).
void InitCommandBarSettings();

// Kelvra_End step 3 frees every control family by family: rebars first, then
// toolbars, then (after FreeButtonEx) menus. Each frees all of its family.
// Nothing here: there are no such controls (rebars: commandbars/rebar/rebar_free.cpp).
void FreeAllRebars();    // FreeRebar(-1) and the shared rebar backgrounds
void FreeAllToolBars();  // FreeToolBarEx(-1)
void FreeAllMenus();     // FreeMenuEx(-1)

// Kelvra_End step 4, right after the creation hook is removed: removes the menu
// keyboard hook, the hot-key message hook and the three rebar hooks when installed
// (commandbars/commandbar_globals.cpp).
void RemoveMenuHooks();

// Kelvra_End step 5, before the creation hook's windows get theirs back: each host
// window of a menu, toolbar or rebar that still exists gets its own procedure back.
// Nothing here: there are no host windows.
void RestoreHostWindowProcedures();

// Kelvra_End, after the process's windows are destroyed (nothing can measure a
// menu any more): MenuExFont is deleted (commandbars/commandbar_globals.cpp).
void FreeCommandBarFonts();

}  // namespace kelvra::steps
