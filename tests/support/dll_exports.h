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

}  // namespace kelvra::test
