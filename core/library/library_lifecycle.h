// How the library comes up and goes down.
#pragma once

namespace kelvra {

enum class EndContext {
  Explicit,      // the application called Kelvra_End (or FreeLibrary after it)
  LoaderLock,    // DLL detach by FreeLibrary: no waits on thread exit, no GdiplusShutdown
  ProcessExit,   // the process is terminating: other threads are gone, do only what is safe
};

void InitLibrary();
void StartLibrary();
void EndLibrary(EndContext context);

}  // namespace kelvra
