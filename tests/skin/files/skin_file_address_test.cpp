// LoadSkin in a large-address-aware program whose skins lie above 2 GiB: a
// skin's address then reads as a negative number, and the load must still
// return it (its outcome is kept apart from the handle). This program is
// linked large-address-aware (variants.cmake).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

#include "kelvra.h"
#include "tests/skin/files/skin_file_fixtures.h"

namespace {

using namespace kelvra::test;

constexpr uintptr_t kTwoGiB = 0x80000000u;

// Reserves every free range below 2 GiB, so that the heap grows above it.
std::vector<void*> ReserveLowAddresses() {
  std::vector<void*> reserved;
  MEMORY_BASIC_INFORMATION info{};
  for (uintptr_t at = 0x10000; at < kTwoGiB;) {
    if (!VirtualQuery(reinterpret_cast<void*>(at), &info, sizeof info)) break;
    const auto base = reinterpret_cast<uintptr_t>(info.BaseAddress);
    const uintptr_t end = base + info.RegionSize;
    if (info.State == MEM_FREE) {
      const uintptr_t start = (base + 0xFFFF) & ~uintptr_t{0xFFFF};
      const uintptr_t stop = end < kTwoGiB ? end : kTwoGiB;
      if (stop > start)
        if (void* p = VirtualAlloc(reinterpret_cast<void*>(start), stop - start, MEM_RESERVE, PAGE_NOACCESS))
          reserved.push_back(p);
    }
    if (end <= at) break;
    at = end;
  }
  return reserved;
}

using SkinFileAddresses = SkinFileTest;

TEST_F(SkinFileAddresses, ASkinAboveTwoGigabytesIsReturned) {
  Write(L"high.skn", "<Skin><Name id=\"High\"/><Component id=\"c\"><State id=\"s\"><Property id=\"p\">#ff0000"
                     "</Property></State></Component></Skin>");
  const std::vector<void*> reserved = ReserveLowAddresses();
  // Use up what the heap has left below 2 GiB.
  std::vector<HANDLE> fillers;
  bool high = false;
  for (int i = 0; i < 400000 && !high; ++i) {
    HANDLE skin = CreateSkin(L"filler");
    ASSERT_NE(skin, nullptr);
    fillers.push_back(skin);
    high = reinterpret_cast<uintptr_t>(skin) >= kTwoGiB;
  }
  std::vector<HANDLE> loaded;
  if (high) {
    for (int i = 0; i < 20; ++i) {
      HANDLE skin = LoadSkin(L"high");
      EXPECT_EQ(IsSkin(skin), 1) << "a good skin is returned alive, whatever its address";
      EXPECT_GE(reinterpret_cast<uintptr_t>(skin), kTwoGiB);
      loaded.push_back(skin);
    }
  }
  for (HANDLE skin : loaded) FreeSkin(skin);
  for (HANDLE skin : fillers) FreeSkin(skin);
  for (void* p : reserved) VirtualFree(p, 0, MEM_RELEASE);
  ASSERT_TRUE(high) << "no skin was placed above 2 GiB: the program is not large-address-aware";
}

}  // namespace
