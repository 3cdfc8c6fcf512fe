// The program's worker thread: a Win32 thread with a manual-reset stop event.
#include "runtime/worker_thread.h"

namespace showcase {

WorkerThread::~WorkerThread() { StopAndJoin(INFINITE); }

bool WorkerThread::Start(Body body) {
  if (Running() || !body) return false;
  thread_.reset();
  stopEvent_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stopEvent_) return false;
  body_ = std::move(body);
  thread_.reset(CreateThread(nullptr, 0, &WorkerThread::Run, this, 0, nullptr));
  return thread_ != nullptr;
}

DWORD WINAPI WorkerThread::Run(void* self) {
  auto* thread = static_cast<WorkerThread*>(self);
  try {
    thread->body_(StopSignal(thread->stopEvent_.get()));
  } catch (...) {
    return 1;
  }
  return 0;
}

bool WorkerThread::Running() const {
  return thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT;
}

bool WorkerThread::StopAndJoin(DWORD milliseconds) {
  if (!thread_) return true;
  SetEvent(stopEvent_.get());
  const DWORD start = GetTickCount();
  HANDLE thread = thread_.get();
  for (;;) {
    DWORD left = INFINITE;
    if (milliseconds != INFINITE) {
      const DWORD spent = GetTickCount() - start;
      if (spent >= milliseconds) return false;
      left = milliseconds - spent;
    }
    const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) break;
    // A time-out, or a handle that cannot be waited for: the thread may still run.
    if (woke != WAIT_OBJECT_0 + 1) return false;
    // Peeking runs every message sent to this thread; nothing posted is taken.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  thread_.reset();
  body_ = nullptr;
  return true;
}

}  // namespace showcase
