// StartGdiPlus's failure paths, against a stand-in module that counts its calls:
// the notification hook only after a successful startup, a failed attempt leaves
// nothing loaded, GDI+ counts as present only with its whole table.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/platform/platform_bindings.h"

namespace kelvra {
namespace {

struct Counts { int startups, hooks, unhooks, shutdowns; };

// The test's own reference to a stand-in: reads its counters and, once dropped,
// shows whether the library still holds the module.
class Fake {
 public:
  explicit Fake(const wchar_t* name) : name_(name), module_(LoadLibraryW(name)) {}
  ~Fake() { Drop(); }
  bool Loaded() const { return module_ != nullptr; }
  Counts Read() const {
    Counts c{};
    using Fn = void(WINAPI*)(int*);
    reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, "FakeCounts")))(&c.startups);
    return c;
  }
  void SetStartupStatus(int status) const {
    using Fn = void(WINAPI*)(int);
    reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, "FakeSetStartupStatus")))(status);
  }
  // True when nothing else holds the module either.
  bool DropAndGone() {
    Drop();
    return GetModuleHandleW(name_) == nullptr;
  }

 private:
  void Drop() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }
  const wchar_t* name_;
  HMODULE module_;
};

TEST(GdiPlusStartup, MissingFunctionMeansNoGdiPlusAndNothingLoaded) {
  Fake fake(L"fake_gdiplus_partial.dll");
  ASSERT_TRUE(fake.Loaded());
  EXPECT_EQ(0u, StartGdiPlusFrom(L"fake_gdiplus_partial.dll"));
  EXPECT_EQ(0, fake.Read().startups) << "not started without its whole table";
  EXPECT_EQ(nullptr, GdiPlus().module);
  EXPECT_EQ(nullptr, GdiPlus().GdipCreateFromHDC) << "no half-filled table";
  EXPECT_TRUE(fake.DropAndGone());
}

TEST(GdiPlusStartup, FailedStartupSkipsTheHookAndUnloadsThenRetrySucceeds) {
  const wchar_t* name = L"fake_gdiplus_full.dll";
  Fake fake(name);
  ASSERT_TRUE(fake.Loaded());
  fake.SetStartupStatus(1);  // GenericError
  EXPECT_EQ(0u, StartGdiPlusFrom(name));
  Counts c = fake.Read();
  EXPECT_EQ(1, c.startups);
  EXPECT_EQ(0, c.hooks) << "no notification hook after a failed startup";
  EXPECT_EQ(nullptr, GdiPlus().module);

  fake.SetStartupStatus(0);
  const ULONG_PTR token = StartGdiPlusFrom(name);
  EXPECT_EQ(0x1234u, token) << "a later call tries again";
  EXPECT_EQ(token, StartGdiPlusFrom(name));
  c = fake.Read();
  EXPECT_EQ(2, c.startups) << "started once more, not per call";
  EXPECT_EQ(1, c.hooks);
  EXPECT_NE(nullptr, GdiPlus().GdipSetPathGradientCenterPoint);
  // The optional entries may be missing without GDI+ being missing.
  EXPECT_EQ(nullptr, GdiPlus().GdipSetPathGradientPresetBlend);
  EXPECT_EQ(nullptr, GdiPlus().GdipSetPathGradientSurroundColorsWithCount);

  EXPECT_EQ(0, ShutdownGdiPlus());
  c = fake.Read();
  EXPECT_EQ(1, c.unhooks) << "unhooked even though the notification token was 0";
  EXPECT_EQ(1, c.shutdowns);
  EXPECT_EQ(0u, GdiPlus().token);
  EXPECT_EQ(0, ShutdownGdiPlus());
  c = fake.Read();
  EXPECT_EQ(1, c.unhooks);
  EXPECT_EQ(1, c.shutdowns) << "released once";
  EXPECT_TRUE(fake.DropAndGone()) << "the failed attempt and the shutdown each let go of the module";
}

TEST(GdiPlusStartup, UnderTheLoaderLockNeitherShutsDownNorUnloads) {
  const wchar_t* name = L"fake_gdiplus_full.dll";
  Fake fake(name);
  ASSERT_TRUE(fake.Loaded());
  ASSERT_NE(0u, StartGdiPlusFrom(name));
  EXPECT_EQ(0, ShutdownGdiPlus(true));
  const Counts c = fake.Read();
  EXPECT_EQ(0, c.shutdowns);
  EXPECT_EQ(0, c.unhooks);
  EXPECT_EQ(0u, GdiPlus().token) << "the table is cleared all the same";
  EXPECT_FALSE(fake.DropAndGone()) << "the library's reference is kept, not freed under the lock";
}

}  // namespace
}  // namespace kelvra
