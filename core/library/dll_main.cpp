// The entry point of Kelvra.dll. Only built into the DLL: a program that links the
// library statically calls Kelvra_Init and Kelvra_End itself.
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/library/library_lifecycle.h"

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
        break;
      default:
        break;
    }
  } catch (...) {
  }
  return TRUE;
}
