// Every function that kelvra.h declares is exported by Kelvra.dll under its plain,
// undecorated name (the list is generated from the header at configure time).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "kelvra_export_names.h"

namespace {

TEST(ExportList, EveryDeclaredFunctionIsExportedUndecorated) {
  HMODULE dll = LoadLibraryW(L"Kelvra.dll");
  ASSERT_TRUE(dll);
  int count = 0;
  for (const char* name : kKelvraExportNames) {
    ++count;
    EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(dll, name))) << name << " is not exported";
  }
  EXPECT_GE(count, 6);  // the list really came from the header
  // The stdcall decoration is stripped, not exported beside the plain names.
  EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(dll, "HWord@4")));
  EXPECT_EQ(nullptr, reinterpret_cast<void*>(GetProcAddress(dll, "_HWord@4")));
  // Loading ran Kelvra_Init; end explicitly, as an application does, before unloading.
  using EndFn = int(WINAPI*)();
  auto end = reinterpret_cast<EndFn>(reinterpret_cast<void*>(GetProcAddress(dll, "Kelvra_End")));
  ASSERT_TRUE(end);
  end();
  EXPECT_TRUE(FreeLibrary(dll));
}

}  // namespace
