// The one LibraryGlobals block of the process.
#include "core/library/library_globals.h"

namespace kelvra {

LibraryGlobals& Globals() {
  static LibraryGlobals globals;
  return globals;
}

HINSTANCE LibraryModule() {
  HINSTANCE instance = Globals().instance;
  return instance ? instance : GetModuleHandleW(nullptr);
}

}  // namespace kelvra
