// AnimationThread: its mailbox window, its wait-and-frame loop and the stop
// handshake; and PostPageAnimation, the library's poster of requests.
#include "core/animation/animation_thread.h"

#include <mmsystem.h>

#include <atomic>

#include "core/animation/page_animation.h"
#include "core/animation/page_animation_list.h"
#include "core/library/library_globals.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

constexpr wchar_t kMailboxClass[] = L"Kelvra_Animation Thread";

// Signalled as the thread leaves the library's code, so a stop under the loader
// lock (where the thread cannot finish exiting) still knows when it is safe.
HANDLE leftLibraryEvent = nullptr;
// Set by the stop before its first close message: the thread starts no call that
// waits on the user-interface thread once the library is ending.
std::atomic<bool> stopRequested{false};
// Set once the thread has published its mailbox (or given up making one). Before
// that it is in the system's thread start-up or making its window, both of which
// may wait for the loader lock: a stop under that lock (FreeLibrary right after
// StartKelvra) could never see it leave, and once the module had gone it would go
// on at an unmapped address. So the start waits for this.
std::atomic<bool> threadReady{false};

// A reference on Kelvra.dll that Kelvra_End hands the ending thread, which drops
// it with its last call (FreeLibraryAndExitThread). A thread that outlives the
// stop's bound on a busy machine thus keeps the module mapped until it has left
// its code: an application's FreeLibrary right after Kelvra_End cannot unmap the
// code under it. kThreadLeaving: the thread has passed the point where it would
// take the reference.
const HMODULE kThreadLeaving = reinterpret_cast<HMODULE>(~uintptr_t{0});
std::atomic<HMODULE> exitReference{nullptr};

LRESULT CALLBACK AnimationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// The class belongs to the library's own module, and is unregistered once the
// thread has ended: a class left behind would keep a procedure address inside a
// DLL that FreeLibrary has unmapped, and a later load of the library would find
// it "already registered" and send its mailbox's messages there.
bool RegisterMailboxClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = AnimationWindowProc;
  wc.hInstance = LibraryModule();
  wc.lpszClassName = kMailboxClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool IsQuitMessage(UINT message) { return message == WM_QUIT || message == WM_CLOSE || message == WM_DESTROY; }

void FreeRequest(LPARAM block) {
  if (block) HeapFree(GetProcessHeap(), 0, reinterpret_cast<void*>(block));
}

int64_t CounterNow() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

int64_t CounterFrequency() {
  LARGE_INTEGER frequency{};
  return QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0 ? frequency.QuadPart : 1000;
}

// timeBeginPeriod and timeEndPeriod, found when the thread starts (never on the
// thread itself, which may be stopped under the loader lock). winmm is loaded
// only by a library that animates, and stays loaded: unloaded with the library
// it would leave its registry keys open behind it (Wine), once per load.
struct TimerPeriodApi {
  MMRESULT(WINAPI* begin)(UINT) = nullptr;
  MMRESULT(WINAPI* end)(UINT) = nullptr;
};
TimerPeriodApi timerPeriod;

TimerPeriodApi FindTimerPeriodApi() {
  HMODULE winmm = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"winmm.dll", &winmm)) {
    if (!LoadLibraryW(L"winmm.dll") || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"winmm.dll", &winmm))
      return {};
  }
  TimerPeriodApi api;
  api.begin = reinterpret_cast<decltype(api.begin)>(reinterpret_cast<void*>(GetProcAddress(winmm, "timeBeginPeriod")));
  api.end = reinterpret_cast<decltype(api.end)>(reinterpret_cast<void*>(GetProcAddress(winmm, "timeEndPeriod")));
  return api.begin && api.end ? api : TimerPeriodApi{};
}

// Windows' default timer tick (15.6 ms) would stretch a 16.7 ms wait to two
// ticks, halving the frame rate; a 1 ms resolution is asked for only while
// something animates, since it costs the whole system power.
class FineTimerResolution {
 public:
  ~FineTimerResolution() { Release(); }
  void Acquire() {
    if (!held_ && timerPeriod.begin) held_ = timerPeriod.begin(1) == TIMERR_NOERROR;
  }
  void Release() {
    if (held_) timerPeriod.end(1);
    held_ = false;
  }

 private:
  bool held_ = false;
};

// Takes every message waiting in the thread's queue: requests are merged (their
// blocks freed), anything else is dispatched. False once a close arrived.
bool TakeMailbox(PageAnimationList& animations) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == AnimatePageMessage) {
      if (msg.lParam) {
        animations.Merge(*reinterpret_cast<const PageAnimation*>(msg.lParam));
        FreeRequest(msg.lParam);
      }
      continue;
    }
    if (IsQuitMessage(msg.message)) return false;
    DispatchMessageW(&msg);
  }
  return true;
}

// Sleeps until a message arrives or `milliseconds` pass: never polls.
void WaitForMailbox(DWORD milliseconds) {
  MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void RunAnimations() {
  PageAnimationList animations;
  FrameClock clock;
  FineTimerResolution timer;
  const int64_t frequency = CounterFrequency();
  while (!stopRequested.load()) {
    if (!TakeMailbox(animations)) return;
    if (animations.Empty()) {
      // Idle: the clock stops, so the next request starts it afresh.
      clock.Stop();
      timer.Release();
      WaitForMailbox(INFINITE);
      continue;
    }
    timer.Acquire();
    const int64_t now = CounterNow();
    if (!clock.Running()) clock.Start(now, frequency);
    if (!clock.Due(now)) {
      WaitForMailbox(clock.MillisecondsUntilDue(now));
      continue;
    }
    animations.RunFrame(stopRequested);
    clock.FrameDone(CounterNow());
  }
}

// Publishes the mailbox; without the animation lock nobody could be told of it,
// so the thread does not run at all.
bool PublishMailbox(HWND mailbox) {
  LockGuard guard(Locks().animation);
  if (!guard) return false;
  Globals().animationMailbox = mailbox;
  return true;
}

// Withdraws the mailbox, then frees the blocks of requests that were posted
// before it went: posters post under the lock, so none arrives afterwards.
void WithdrawMailbox(HWND mailbox) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    LockGuard guard(Locks().animation);
    if (!guard) continue;
    if (Globals().animationMailbox == mailbox) Globals().animationMailbox = nullptr;
    break;
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    if (msg.message == AnimatePageMessage) FreeRequest(msg.lParam);
  DestroyWindow(mailbox);
}

void RunThread() {
  // Stopped before it began: nothing made, nothing to undo. (Making the mailbox
  // may wait for the loader lock, which a stop in DllMain holds.)
  if (stopRequested.load()) return;
  RegisterMailboxClass();
  HWND mailbox = CreateWindowExW(0, kMailboxClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, LibraryModule(),
                                 nullptr);
  if (!mailbox) return;
  const bool published = PublishMailbox(mailbox);
  threadReady.store(true);
  if (published) {
    try {
      RunAnimations();
    } catch (...) {
    }
  }
  WithdrawMailbox(mailbox);
  // Also done by the stopper once the thread has ended; a thread that outlived
  // the stop's bound does it itself, before its module can go.
  UnregisterClassW(kMailboxClass, LibraryModule());
}

// The system's own SetEvent and ExitThread (an import thunk would lie inside this
// module), looked up by the thread that starts the animation thread: looking them
// up takes the loader lock, which a stopper in DllMain holds while it waits for
// the thread.
struct ExitEntries {
  FARPROC setEvent = nullptr;
  FARPROC exitThread = nullptr;
};
ExitEntries exitEntries;

ExitEntries LookUpExitEntries() {
  ExitEntries entries;
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    entries.setEvent = GetProcAddress(kernel, "SetEvent");
    entries.exitThread = GetProcAddress(kernel, "ExitThread");
  }
  return entries;
}

// Sets `event` and ends the thread without running another instruction of this
// module: SetEvent returns straight into ExitThread. Under the loader lock the
// stopper returns as soon as it sees the event and the DLL is unmapped; a plain
// SetEvent would return into code that may no longer be there.
[[noreturn]] void SignalAndExitThread(const ExitEntries& entries, HANDLE event, DWORD code) {
  const FARPROC setEvent = entries.setEvent, exitThread = entries.exitThread;
#if defined(__i386__)
  if (event && setEvent && exitThread) {
    // Stack for SetEvent(event) whose return address is ExitThread, which then
    // finds a (never used) return address and `code` as its argument.
    asm volatile(
        "pushl %0\n\t"
        "pushl $0\n\t"
        "pushl %1\n\t"
        "pushl %2\n\t"
        "jmp *%3"
        :
        : "r"(code), "r"(event), "r"(exitThread), "r"(setEvent)
        : "memory");
    __builtin_unreachable();
  }
#else
  (void)setEvent;
  (void)exitThread;
#endif
  if (event) SetEvent(event);
  ExitThread(code);
}

DWORD WINAPI AnimationThread(LPVOID) {
  try {
    RunThread();
  } catch (...) {
  }
  threadReady.store(true);
  // Nothing of the library may run once the module can go: with a reference the
  // module stays until the system's FreeLibraryAndExitThread drops it; without
  // one it may go as soon as the event is set.
  const HMODULE reference = exitReference.exchange(kThreadLeaving);
  if (reference) {
    if (leftLibraryEvent) SetEvent(leftLibraryEvent);
    FreeLibraryAndExitThread(reference, AnimationThreadExitCode);
  }
  SignalAndExitThread(exitEntries, leftLibraryEvent, AnimationThreadExitCode);
}

// Kelvra_End outside the loader lock: the ending thread holds the DLL until it
// has left it. Not for a program that links the library (its module never goes),
// and not when the thread is already leaving.
void HandThreadAReference() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&AnimationThread),
                          &module))
    return;
  HMODULE expected = nullptr;
  if (module == GetModuleHandleW(nullptr) || !exitReference.compare_exchange_strong(expected, module))
    FreeLibrary(module);
}

// Dispatches the messages other threads sent to this one (the animation thread's
// WM_SIZE and step messages, its cross-thread window moves) while waiting for it.
void DispatchSentMessages() {
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool ThreadEnded(HANDLE thread) {
  DWORD code = 0;
  return !GetExitCodeThread(thread, &code) || code != STILL_ACTIVE;
}

}  // namespace

bool StartAnimationThread() {
  auto& globals = Globals();
  if (globals.animationThread) return true;
  if (!leftLibraryEvent) leftLibraryEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (leftLibraryEvent) ResetEvent(leftLibraryEvent);
  stopRequested.store(false);
  threadReady.store(false);
  if (!timerPeriod.begin) timerPeriod = FindTimerPeriodApi();
  if (!exitEntries.exitThread) exitEntries = LookUpExitEntries();
  exitReference.store(nullptr);
  globals.animationThread = CreateThread(nullptr, 0, AnimationThread, nullptr, 0, &globals.animationThreadId);
  if (!globals.animationThread) return false;
  // Bounded: called where the thread cannot start (under the loader lock), the
  // start returns anyway.
  const DWORD start = GetTickCount();
  while (!threadReady.load() && !ThreadEnded(globals.animationThread) && GetTickCount() - start < 5000) {
    if (MsgWaitForMultipleObjects(1, &globals.animationThread, FALSE, 1, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1)
      DispatchSentMessages();
  }
  return true;
}

bool StopAnimationThread(bool underLoaderLock) {
  auto& globals = Globals();
  if (!globals.animationThread) return true;
  // The thread's own last FreeLibrary unloads the DLL: it is leaving already.
  if (GetCurrentThreadId() == globals.animationThreadId) return true;
  if (!underLoaderLock && !stopRequested.load()) HandThreadAReference();
  stopRequested.store(true);
  bool ended = false;
  // About one second, the close posted again every 10 ms; a thread that has not
  // made its mailbox yet is waited for within the same bound.
  const DWORD start = GetTickCount();
  while (!ended && GetTickCount() - start <= 1010) {
    {
      LockGuard guard(Locks().animation);
      if (guard && globals.animationMailbox) PostMessageW(globals.animationMailbox, WM_CLOSE, 0, 0);
    }
    if (underLoaderLock) {
      // Nothing is dispatched here: under the loader lock the user-interface
      // thread must not run window procedures for the animation thread.
      ended = leftLibraryEvent && WaitForSingleObject(leftLibraryEvent, 10) == WAIT_OBJECT_0;
      continue;
    }
    ended = ThreadEnded(globals.animationThread);
    if (ended) break;
    // A thread in the middle of a frame waits on this thread (a sent WM_SIZE, a
    // cross-thread window move): serve those while waiting, or it never gets to
    // read its close message.
    const DWORD wait = MsgWaitForMultipleObjects(1, &globals.animationThread, FALSE, 10, QS_SENDMESSAGE);
    if (wait == WAIT_OBJECT_0 + 1) DispatchSentMessages();
    ended = wait == WAIT_OBJECT_0 || ThreadEnded(globals.animationThread);
  }
  // A thread that did not end is left running rather than killed: it may hold the
  // animation or panel lock, and terminating it would leave that lock held forever.
  if (ended) {
    UnregisterClassW(kMailboxClass, LibraryModule());
    // The thread set the event before it left the library and never looks at it
    // again; kept open, it would outlive the library once it is unloaded.
    if (leftLibraryEvent) CloseHandle(leftLibraryEvent);
    leftLibraryEvent = nullptr;
    CloseHandle(globals.animationThread);
    globals.animationThread = nullptr;
    globals.animationThreadId = 0;
  }
  return ended;
}

bool PostPageAnimation(HWND window, const RECT& current, const RECT& target) {
  auto* block = static_cast<PageAnimation*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(PageAnimation)));
  if (!block) return false;
  block->window = window;
  block->current[0] = current.left;
  block->current[1] = current.top;
  block->current[2] = current.right;
  block->current[3] = current.bottom;
  block->target[0] = target.left;
  block->target[1] = target.top;
  block->target[2] = target.right;
  block->target[3] = target.bottom;
  // Posted under the lock, so the thread, which withdraws its mailbox under the
  // same lock before freeing what is still queued, cannot miss this block.
  bool posted = false;
  {
    LockGuard guard(Locks().animation);
    HWND mailbox = guard ? Globals().animationMailbox : nullptr;
    posted = mailbox && PostMessageW(mailbox, AnimatePageMessage, reinterpret_cast<WPARAM>(window),
                                     reinterpret_cast<LPARAM>(block));
  }
  if (!posted) HeapFree(GetProcessHeap(), 0, block);
  return posted;
}

}  // namespace kelvra
