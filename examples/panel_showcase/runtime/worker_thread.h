// A thread of the program that can be asked to stop, and a join that keeps the
// joining user-interface thread answering the messages sent to it meanwhile.
#pragma once

#include <windows.h>

#include <functional>

#include "runtime/handles.h"

namespace showcase {

// What the thread's body sees of the stop request.
class StopSignal {
 public:
  explicit StopSignal(HANDLE event) : event_(event) {}
  // Waits up to `milliseconds` for the request; true once it was made.
  bool WaitFor(DWORD milliseconds) const { return WaitForSingleObject(event_, milliseconds) == WAIT_OBJECT_0; }
  bool Requested() const { return WaitFor(0); }

 private:
  HANDLE event_;
};

class WorkerThread {
 public:
  using Body = std::function<void(const StopSignal&)>;

  WorkerThread() = default;
  // Stops and joins a thread still running: its body may use what its owner frees next.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Runs body on a new thread; false when a thread is running already or none
  // could be made. An exception leaving body ends the thread, nothing more.
  bool Start(Body body);
  // Asks the thread to stop and waits for its end up to `milliseconds`, while
  // dispatching messages sent to the calling thread: a body that sends to this
  // thread (RedrawWindow with RDW_UPDATENOW does) would otherwise block until the
  // wait timed out. True when no thread runs any more.
  bool StopAndJoin(DWORD milliseconds);
  bool Running() const;

 private:
  static DWORD WINAPI Run(void* self);

  Body body_;
  UniqueKernelHandle stopEvent_;
  UniqueKernelHandle thread_;
};

}  // namespace showcase
