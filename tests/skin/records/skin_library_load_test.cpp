// Skins through Kelvra.dll loaded at run time, twice over, read from this thread
// and from a second one that outlives the library: each thread's result string
// belongs to the library, goes with FreeLibrary, and keeps nothing loaded; the
// library loaded again knows none of the first one's skins.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::BindExport;

struct Library {
  HMODULE module = nullptr;
  int(WINAPI* start)() = nullptr;
  int(WINAPI* end)() = nullptr;
  HANDLE(WINAPI* createSkin)(LPCWSTR) = nullptr;
  HANDLE(WINAPI* skinHandle)(LPCWSTR) = nullptr;
  LPCWSTR(WINAPI* skinName)(HANDLE) = nullptr;
  int(WINAPI* setProperty)(HANDLE, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR) = nullptr;
  LPCWSTR(WINAPI* property)(HANDLE, LPCWSTR, LPCWSTR, LPCWSTR) = nullptr;

  bool Load() {
    module = LoadLibraryW(L"Kelvra.dll");
    return module && BindExport(module, start, "StartKelvra") && BindExport(module, end, "Kelvra_End") &&
           BindExport(module, createSkin, "CreateSkin") && BindExport(module, skinHandle, "GetSkinHandle") &&
           BindExport(module, skinName, "GetSkinName") && BindExport(module, setProperty, "SetSkinProperty") &&
           BindExport(module, property, "GetSkinProperty");
  }
};

// A thread that reads the skin's name and a property through the library, says
// what it read, then waits to be let go: it is still alive when the library goes.
struct Reader {
  Library* library = nullptr;
  HANDLE skin = nullptr;
  std::wstring name, value;
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = nullptr;

  static DWORD WINAPI Run(LPVOID self) {
    auto& r = *static_cast<Reader*>(self);
    r.name = r.library->skinName(r.skin);
    r.value = r.library->property(r.skin, L"ButtonEx", L"Normal", L"TextColour");
    SetEvent(r.done);
    WaitForSingleObject(r.release, 10000);
    return 0;
  }
  void Start(Library& lib, HANDLE s) {
    library = &lib;
    skin = s;
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~Reader() {
    SetEvent(release);
    if (thread) {
      WaitForSingleObject(thread, 10000);
      CloseHandle(thread);
    }
    CloseHandle(done);
    CloseHandle(release);
  }
};

void UseSkins(Library& library, Reader& reader) {
  ASSERT_TRUE(library.Load());
  library.start();
  EXPECT_EQ(nullptr, library.skinHandle(L"Reloaded")) << "a fresh library knows no skin of an earlier one";
  const HANDLE skin = library.createSkin(L"Reloaded");
  ASSERT_NE(nullptr, skin);
  EXPECT_EQ(1, library.setProperty(skin, L"ButtonEx", L"Normal", L"TextColour", L"#0000ff"));
  EXPECT_EQ(std::wstring(L"16711680"), library.property(skin, L"ButtonEx", L"Normal", L"TextColour"));
  EXPECT_EQ(std::wstring(L"Reloaded"), library.skinName(skin));

  reader.Start(library, skin);
  ASSERT_NE(nullptr, reader.thread);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(reader.done, 10000));
  EXPECT_EQ(L"Reloaded", reader.name);
  EXPECT_EQ(L"16711680", reader.value);

  library.end();
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

TEST(SkinLibraryLoad, ResultStringsOfEveryThreadGoWithTheLibrary) {
  Reader firstReader;
  Library first;
  UseSkins(first, firstReader);
  // The first reader ends only now, after its library went: nothing of the
  // library is left to run at its end.
  SetEvent(firstReader.release);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(firstReader.thread, 10000));

  Reader secondReader;
  Library second;
  UseSkins(second, secondReader);
}

}  // namespace
