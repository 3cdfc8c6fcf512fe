// Driving a menu while the system's menu loop holds the test thread:
// DisplayPopupMenuEx and TrackPopupMenuEx return only when the menu closes, so a
// test's steps run from a 10 ms timer that the menu loop dispatches on the test
// thread (about a hundred ticks a second under Wine). Each step acts once and then
// waits, tick by tick and with a bound, for what it expects: the popup shown, a
// WM_MENUSELECT, a submenu's window, WM_ENTERIDLE. Pointer moves, presses and keys
// go through SendInput from a helper thread, so no step ever blocks the loop.
// A watchdog ends a menu that outlives its bound (EndMenu, then two Escapes, sent
// only while the loop runs: Escapes left over would close the next menu at once).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvra::test {

struct TrackedStep {
  std::string name;
  std::function<void()> action;  // run once on the tick the step starts (may be empty)
  std::function<bool()> until;   // asked on every tick from then on (empty: done at once)
  DWORD boundMs = 3000;
};

struct TrackedRun {
  intptr_t result = 0;        // what the tracking call returned
  bool stepsDone = false;     // every step's condition held within its bound
  bool loopRan = false;       // the timer ticked: a modal loop ran inside the call
  bool endedByWatchdog = false;
  std::string failure;        // the step that ran out of time, or what the watchdog ended
  DWORD elapsedMs = 0;
  bool Ok() const { return stepsDone && failure.empty(); }
};

// Calls `track` with the steps running from a timer inside its menu loop and
// returns when it has returned. A menu still open one bound after the last step
// is ended and reported; so is one open past `watchdogMs` in all.
TrackedRun RunWhileTracked(const std::function<intptr_t()>& track, std::vector<TrackedStep> steps,
                           DWORD watchdogMs = 15000);

// Input for steps, sent from the helper thread (returns at once). Screen points.
void TrackedMovePointer(POINT screen);
void TrackedLeftClick();
void TrackedRightClick();
void TrackedLeftPress();
void TrackedLeftRelease();
void TrackedKey(WORD virtualKey);
// Whether the helper thread has sent everything queued so far.
bool TrackedInputSent();

// The centre of item `position` of a shown popup `menu` on the screen, from
// GetMenuItemRect with no window (given one, Wine offsets the rectangle by the
// window's origin). False while the menu is not shown.
bool MenuItemCentre(HMENU menu, int position, POINT& centre);

// The shown popup menu windows ("#32768") of this thread, top of the z-order first.
std::vector<HWND> ShownPopupMenuWindows();

}  // namespace kelvra::test
