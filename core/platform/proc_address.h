// Typed look-up of a function exported by a module loaded at run time.
#pragma once

#include <windows.h>

namespace kelvra {

// Fills `slot` with the address of `name` (0 when missing); true when found. The
// detour through void* keeps GCC from warning about the function-type cast.
template <class Fn>
bool ResolveProc(HMODULE module, const char* name, Fn& slot) {
  slot = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return slot != nullptr;
}

}  // namespace kelvra
