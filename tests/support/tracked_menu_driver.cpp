// The timer-driven steps of a tracked menu, its watchdog, and input sent from a
// helper thread.
#include "tests/support/tracked_menu_driver.h"

#include "tests/support/pointer_input.h"

#include <deque>
#include <mutex>

namespace kelvra::test {

namespace {

// How long a menu may stay open after the last step, and how long EndMenu gets
// before Escapes follow.
constexpr DWORD kCloseBoundMs = 3000;
constexpr DWORD kEndMenuGraceMs = 300;

// ---- Input from a helper thread: SendInput calls the low-level hooks of the
// tracking thread, which is busy inside the menu loop, so the loop must stay free
// to serve them while the input goes in.

class InputThread {
 public:
  void Send(std::vector<INPUT> inputs) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(inputs));
      ++queued_;
    }
    Start();
    SetEvent(wake_);
  }
  bool AllSent() {
    std::lock_guard lock(mutex_);
    return sent_ == queued_;
  }

 private:
  void Start() {
    std::call_once(started_, [this] {
      wake_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
      CloseHandle(CreateThread(nullptr, 0, &InputThread::Main, this, 0, nullptr));
    });
  }
  static DWORD WINAPI Main(LPVOID self) {
    auto& me = *static_cast<InputThread*>(self);
    for (;;) {
      WaitForSingleObject(me.wake_, INFINITE);
      for (;;) {
        std::vector<INPUT> inputs;
        {
          std::lock_guard lock(me.mutex_);
          if (me.queue_.empty()) break;
          inputs = std::move(me.queue_.front());
          me.queue_.pop_front();
        }
        for (INPUT& input : inputs) {
          SendInput(1, &input, sizeof(INPUT));
          Sleep(15);  // a human's pace: the loop sees each event on its own
        }
        std::lock_guard lock(me.mutex_);
        ++me.sent_;
      }
    }
  }

  std::mutex mutex_;
  std::once_flag started_;
  HANDLE wake_ = nullptr;
  std::deque<std::vector<INPUT>> queue_;
  uint64_t queued_ = 0, sent_ = 0;
};

// Lives as long as the process (its thread may still wait when the program ends).
InputThread& Input() {
  static InputThread& thread = *new InputThread;
  return thread;
}

LONG Normalised(LONG pixel, int extent) { return NormalisedInputCoordinate(pixel, extent); }

INPUT Mouse(DWORD flags, LONG dx = 0, LONG dy = 0) { return MouseInput(flags, dx, dy); }

INPUT Keyboard(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  const bool extended = virtualKey == VK_UP || virtualKey == VK_DOWN || virtualKey == VK_LEFT ||
                        virtualKey == VK_RIGHT || virtualKey == VK_HOME || virtualKey == VK_END;
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

// ---- The steps

struct Driver {
  std::vector<TrackedStep> steps;
  TrackedRun* run = nullptr;
  size_t index = 0;
  bool stepStarted = false;
  DWORD start = 0, stepStart = 0, allDoneAt = 0;
  DWORD watchdogMs = 0;
  DWORD endingSince = 0;  // EndMenu was called (0: not yet)
  bool escapesSent = false;
  bool inTick = false;
};

Driver* gDriver = nullptr;

void EndTheMenu(Driver& driver, const std::string& why, DWORD now) {
  if (driver.run->failure.empty()) driver.run->failure = why;
  driver.run->endedByWatchdog = true;
  if (!driver.endingSince) {
    driver.endingSince = now ? now : 1;
    EndMenu();
  }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  Driver* driver = gDriver;
  if (!driver) return;
  driver->run->loopRan = true;
  const DWORD now = GetTickCount();
  if (driver->endingSince) {
    // The loop outlived EndMenu: two Escapes, once, while it still runs.
    if (!driver->escapesSent && now - driver->endingSince > kEndMenuGraceMs) {
      driver->escapesSent = true;
      Input().Send({Keyboard(VK_ESCAPE, false), Keyboard(VK_ESCAPE, true), Keyboard(VK_ESCAPE, false),
                    Keyboard(VK_ESCAPE, true)});
    }
    return;
  }
  if (now - driver->start > driver->watchdogMs) {
    EndTheMenu(*driver, "watchdog: the menu was still open after " + std::to_string(driver->watchdogMs) + " ms", now);
    return;
  }
  if (driver->inTick) return;  // a step's action ran a loop of its own
  driver->inTick = true;
  while (driver->index < driver->steps.size()) {
    TrackedStep& step = driver->steps[driver->index];
    if (!driver->stepStarted) {
      driver->stepStarted = true;
      driver->stepStart = now;
      if (step.action) step.action();
      if (driver->endingSince) break;
    }
    if (!step.until || step.until()) {
      ++driver->index;
      driver->stepStarted = false;
      continue;
    }
    if (GetTickCount() - driver->stepStart > step.boundMs) {
      EndTheMenu(*driver, "step \"" + step.name + "\" did not come within " + std::to_string(step.boundMs) + " ms",
                 now);
    }
    break;
  }
  if (driver->index == driver->steps.size() && !driver->endingSince) {
    driver->run->stepsDone = true;
    if (!driver->allDoneAt) driver->allDoneAt = now;
    else if (now - driver->allDoneAt > kCloseBoundMs)
      EndTheMenu(*driver, "the menu stayed open after the last step", now);
  }
  driver->inTick = false;
}

// Escapes sent by the watchdog that the loop did not take must not close the
// next menu: they are taken from the queue once they have arrived.
void DropLeftoverEscapes() {
  for (int i = 0; i < 100 && !Input().AllSent(); ++i) Sleep(10);
  Sleep(50);
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
}

}  // namespace

TrackedRun RunWhileTracked(const std::function<intptr_t()>& track, std::vector<TrackedStep> steps,
                           DWORD watchdogMs) {
  TrackedRun run;
  Driver driver;
  driver.steps = std::move(steps);
  driver.run = &run;
  driver.watchdogMs = watchdogMs;
  driver.start = GetTickCount();
  Driver* outer = gDriver;
  gDriver = &driver;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
  run.result = track();
  KillTimer(nullptr, timer);
  gDriver = outer;
  run.elapsedMs = GetTickCount() - driver.start;
  if (driver.escapesSent) DropLeftoverEscapes();
  if (!run.stepsDone && run.failure.empty())
    run.failure = run.loopRan ? "the menu closed before step \"" +
                                    (driver.index < driver.steps.size() ? driver.steps[driver.index].name : "") +
                                    "\" was done"
                              : "no menu loop ran";
  return run;
}

void TrackedMovePointer(POINT screen) {
  Input().Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
                      Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)))});
}

void TrackedLeftClick() { Input().Send({Mouse(MOUSEEVENTF_LEFTDOWN), Mouse(MOUSEEVENTF_LEFTUP)}); }
void TrackedRightClick() { Input().Send({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)}); }
void TrackedLeftPress() { Input().Send({Mouse(MOUSEEVENTF_LEFTDOWN)}); }
void TrackedLeftRelease() { Input().Send({Mouse(MOUSEEVENTF_LEFTUP)}); }
void TrackedKey(WORD virtualKey) { Input().Send({Keyboard(virtualKey, false), Keyboard(virtualKey, true)}); }
bool TrackedInputSent() { return Input().AllSent(); }

bool MenuItemCentre(HMENU menu, int position, POINT& centre) {
  RECT item{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item) || IsRectEmpty(&item)) return false;
  centre = POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  return true;
}

namespace {

BOOL CALLBACK CollectShownPopupMenu(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  if (GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0 && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> ShownPopupMenuWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectShownPopupMenu, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace kelvra::test
