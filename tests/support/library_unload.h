// Unloading Kelvra.dll in a test that loaded it, and checking that it really went.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

namespace kelvra::test {

// FreeLibrary on the test's only reference, then the module must leave the
// process: a library that something of its own kept loaded would hand its ended
// self to the next LoadLibrary. The wait is for a library thread that Kelvra_End
// left still ending on a very busy machine; nothing pinned by the C++ runtime ever
// goes within it.
inline void FreeAndExpectUnloaded(HMODULE module) {
  ASSERT_TRUE(FreeLibrary(module));
  const DWORD start = GetTickCount();
  while (GetModuleHandleW(L"Kelvra.dll") && GetTickCount() - start < 10000) Sleep(10);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"Kelvra.dll")) << "Kelvra.dll is still loaded after FreeLibrary";
}

}  // namespace kelvra::test
