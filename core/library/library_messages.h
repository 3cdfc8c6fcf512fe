// The library's private window messages, all of them in one place: who sends
// each, what its parameters carry and what the receiver returns. A subsystem that
// adds a message adds it here.
#pragma once

#include <windows.h>

namespace kelvra {

// Sent by the skin and colour-theme setters to every child window of the process's
// top-level windows, by calling the child's current window procedure directly (no
// queue), hidden children included. wParam 0: the skin in lParam changed (lParam 0:
// every skin); wParam 1: lParam is the new skin of an explorer bar. Result ignored.
constexpr UINT SkinChangedMessage = 40099;  // 0x9CA3

// Posted by any thread (the explorer bar, from the user-interface thread) to the
// animation thread's mailbox window to start or replace the animation of a
// window. wParam: the animated window (not read); lParam: a PageAnimation block
// allocated on the process heap, which the animation thread frees (lParam 0 is
// ignored). Result: none (posted).
constexpr UINT AnimatePageMessage = 0x8539;
// Sent by the animation thread to the grandparent of each animated window after
// each frame, following a WM_SIZE with wParam 0 and lParam 0. wParam 0; lParam 0.
// Result ignored.
constexpr UINT PageAnimationStepMessage = 0x86A6;

// Posted by a text control to the parent window of its panel when a link becomes
// hot. wParam: the link number, -1 for none; lParam 0. Result ignored.
constexpr UINT TextLinkHotMessage = 0x857F;
// Posted by a text control to the parent window of its panel when a link is
// clicked. wParam: the link number; lParam 0. Result ignored.
constexpr UINT TextLinkClickedMessage = 0x8580;

// Posted by a splitter to the top-level ancestor of its bar page. wParam: the bar
// page window; lParam: 1 when the pointer enters the bar, 0 when it leaves.
constexpr UINT SplitterHoverMessage = 0x8D3B;
// Posted like SplitterHoverMessage when a bar drag starts / ends. wParam: the bar
// page window; lParam: the mouse message's lParam.
constexpr UINT SplitterDragStartMessage = 0x8D3C;
constexpr UINT SplitterDragEndMessage = 0x8D3D;
// Posted by a splitter's drag hook to the bar page being dragged, at most one
// waiting at a time, so that the bar moves on its own thread's turn instead of
// inside the hook. wParam 0; lParam 0 (the pointer's place is kept by the
// splitters). Result ignored.
constexpr UINT SplitterDragStepMessage = 0x8D3E;

// Goes to a rebar's user callback, then is sent to its top-level ancestor and to its
// parent, when the rebar's height differs from the last one announced. wParam: the
// new height; lParam: the rebar window. Result ignored.
constexpr UINT RebarHeightChangedMessage = 0x8953;

// Posted by the menu keyboard hook to a menu bar's parent (its host window) when
// Down or Return is pressed on the bar's hot title after Alt or F10 entered the
// bar. wParam: the bar (the ToolBarEx); lParam: the hot title's index. The host
// window procedure opens that title's menu with the keyboard (OnMenuBarKeyDropDown
// in commandbars/hotkey/menu_keyboard_hook.h). Result ignored.
constexpr UINT MenuBarKeyDropDownMessage = 0x8954;

}  // namespace kelvra
