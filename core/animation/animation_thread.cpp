// AnimationThread: its mailbox window, its message loop and the stop handshake.
#include "core/animation/animation_thread.h"

#include "core/library/library_globals.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

namespace {

constexpr wchar_t kMailboxClass[] = L"Kelvra_Animation Thread";

// Signalled as the thread leaves the library's code, so a stop under the loader
// lock (where the thread cannot finish exiting) still knows when it is safe.
HANDLE leftLibraryEvent = nullptr;

LRESULT CALLBACK AnimationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

// The class belongs to the library's own module, and is unregistered once the
// thread has ended: a class left behind would keep a procedure address inside a
// DLL that FreeLibrary has unmapped, and a later load of the library would find
// it "already registered" and send its mailbox's messages there.
HINSTANCE MailboxInstance() {
  HINSTANCE instance = Globals().instance;
  return instance ? instance : GetModuleHandleW(nullptr);
}

bool RegisterMailboxClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = AnimationWindowProc;
  wc.hInstance = MailboxInstance();
  wc.lpszClassName = kMailboxClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool IsQuitMessage(UINT message) { return message == WM_QUIT || message == WM_CLOSE || message == WM_DESTROY; }

DWORD WINAPI AnimationThread(LPVOID) {
  auto& globals = Globals();
  RegisterMailboxClass();
  SetThreadAffinityMask(GetCurrentThread(), 1);
  HWND mailbox = CreateWindowExW(0, kMailboxClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 MailboxInstance(), nullptr);
  if (mailbox) {
    {
      LockGuard guard(Locks().animation);
      globals.animationMailbox = mailbox;
    }
    MSG msg;
    for (;;) {
      BOOL got = GetMessageW(&msg, mailbox, 0, 0);
      if (got == -1) break;
      if (msg.message == AnimatePageMessage && msg.lParam) {
        // Requests come with a block on the process heap that the thread owns.
        HeapFree(GetProcessHeap(), 0, reinterpret_cast<void*>(msg.lParam));
      }
      if (got == 0 || IsQuitMessage(msg.message)) break;
    }
    DestroyWindow(mailbox);
  }
  {
    LockGuard guard(Locks().animation);
    globals.animationMailbox = nullptr;
  }
  if (leftLibraryEvent) SetEvent(leftLibraryEvent);
  return AnimationThreadExitCode;
}

}  // namespace

bool StartAnimationThread() {
  auto& globals = Globals();
  if (globals.animationThread) return true;
  if (!leftLibraryEvent) leftLibraryEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (leftLibraryEvent) ResetEvent(leftLibraryEvent);
  globals.animationThread = CreateThread(nullptr, 0, AnimationThread, nullptr, 0, &globals.animationThreadId);
  return globals.animationThread != nullptr;
}

bool StopAnimationThread(bool underLoaderLock) {
  auto& globals = Globals();
  if (!globals.animationThread) return true;
  bool ended = false;
  // 101 rounds 10 ms apart; a thread that has not made its mailbox yet is waited
  // for within the same bound, and the close is posted again each round.
  for (int round = 0; round < 101 && !ended; ++round) {
    {
      LockGuard guard(Locks().animation);
      if (guard && globals.animationMailbox) PostMessageW(globals.animationMailbox, WM_CLOSE, 0, 0);
    }
    if (underLoaderLock) {
      ended = leftLibraryEvent && WaitForSingleObject(leftLibraryEvent, 10) == WAIT_OBJECT_0;
    } else {
      DWORD code = 0;
      ended = !GetExitCodeThread(globals.animationThread, &code) || code != STILL_ACTIVE;
      if (!ended) ended = WaitForSingleObject(globals.animationThread, 10) == WAIT_OBJECT_0;
    }
  }
  // A thread that did not end is left running rather than killed: it may hold the
  // animation or panel lock, and terminating it would leave that lock held forever.
  if (ended) {
    UnregisterClassW(kMailboxClass, MailboxInstance());
    CloseHandle(globals.animationThread);
    globals.animationThread = nullptr;
    globals.animationThreadId = 0;
  }
  return ended;
}

}  // namespace kelvra
