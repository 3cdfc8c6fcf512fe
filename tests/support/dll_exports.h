// Binding the exports of a library a test loads at run time.
#pragma once

#include <windows.h>

namespace kelvra::test {

// Points `function` at the export `name` of `module`; false when it has none.
template <class Function>
bool BindExport(HMODULE module, Function& function, const char* name) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return function != nullptr;
}

// Kelvra.dll loaded at run time with its start and end bound; tests that drive a
// family through it add that family's exports with Bind.
struct LoadedKelvra {
  HMODULE module = nullptr;
  int(WINAPI* start)() = nullptr;
  int(WINAPI* end)() = nullptr;

  bool LoadWithStartAndEnd() {
    module = LoadLibraryW(L"Kelvra.dll");
    return module && BindExport(module, start, "StartKelvra") && BindExport(module, end, "Kelvra_End");
  }
  template <class Function>
  bool Bind(Function& function, const char* name) {
    return BindExport(module, function, name);
  }
};

}  // namespace kelvra::test
