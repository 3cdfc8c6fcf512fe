// The entry point of Kelvra.dll. Only built into the DLL: a program that links the
// library statically calls Kelvra_Init and Kelvra_End itself.
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/library/library_lifecycle.h"
#include "core/library/thread_slot.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  try {
    switch (reason) {
      case DLL_PROCESS_ATTACH:
        kelvra::Globals().instance = instance;
        kelvra::InitLibrary();
        break;
      case DLL_PROCESS_DETACH:
        // reserved is non-null when the process is terminating, null for FreeLibrary.
        kelvra::EndLibrary(reserved ? kelvra::EndContext::ProcessExit : kelvra::EndContext::LoaderLock);
        // Unloaded while the process goes on: every thread's result string and
        // scratch images go with the module. (At process exit other threads were
        // stopped wherever they were; their objects go with the process.)
        if (!reserved) kelvra::thread_slots::FreeAll();
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return TRUE;
}
