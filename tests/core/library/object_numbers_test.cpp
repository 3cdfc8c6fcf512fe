// Automatic numbers and the word helpers: command ids fit WM_COMMAND and are never
// 0; object numbers are never 0 or -1, distinct, and never meet a window handle.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <vector>

#include "core/library/object_numbers.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

TEST(WordHelpers, SplitIntoUnsignedHalves) {
  struct Case { int value, high, low; };
  const Case cases[] = {
      {0x12345678, 0x1234, 0x5678},
      {-1, 0xFFFF, 0xFFFF},
      {0, 0, 0},
      {static_cast<int>(0x80000000u), 0x8000, 0},
      {0x0000FFFF, 0, 0xFFFF},
      {static_cast<int>(0xFFFF0001u), 0xFFFF, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.high, HWord(c.value)) << std::hex << c.value;
    EXPECT_EQ(c.low, LWord(c.value)) << std::hex << c.value;
  }
  EXPECT_EQ(0x12345678u, MakeLong(0x5678, 0x1234));
  EXPECT_EQ(0xFFFF0001u, MakeLong(0x10001, 0xFFFFFFFF));  // only 16 bits of each
}

TEST(CommandIds, CountDownFromFFFEAndSkipZeroOnWrap) {
  SetCommandIDCounter(0xFFFF);
  EXPECT_EQ(0xFFFEu, NextCommandID());
  EXPECT_EQ(0xFFFDu, NextCommandID());

  SetCommandIDCounter(2);
  EXPECT_EQ(1u, NextCommandID());
  EXPECT_EQ(0xFFFFu, NextCommandID()) << "0 means failure to every caller";
  EXPECT_EQ(0xFFFEu, NextCommandID());

  // A full turn never hands out 0, and every id fits the low word of WM_COMMAND.
  SetCommandIDCounter(0xFFFF);
  std::set<uint32_t> seen;
  for (int i = 0; i < 0xFFFF; ++i) {
    uint32_t id = NextCommandID();
    ASSERT_NE(0u, id);
    ASSERT_LE(id, 0xFFFFu);
    seen.insert(id);
  }
  EXPECT_EQ(0xFFFFu, seen.size());  // all of 1..0xFFFF once
  SetCommandIDCounter(0xFFFF);
}

TEST(ObjectNumbers, NeverZeroOrMinusOneDistinctAndFarFromWindows) {
  std::vector<HWND> windows;
  for (int i = 0; i < 20; ++i)
    windows.push_back(CreateWindowExW(0, test::PlainWindowClass(), L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                      nullptr, GetModuleHandleW(nullptr), nullptr));
  std::set<int32_t> numbers;
  for (int i = 0; i < 5000; ++i) {
    int32_t n = NewObjectNumber();
    ASSERT_NE(0, n);
    ASSERT_NE(-1, n);
    ASSERT_TRUE(numbers.insert(n).second) << "repeated " << n;
  }
  for (HWND w : windows) {
    ASSERT_TRUE(w);
    const int32_t handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(w));
    for (int32_t n : numbers) {
      // Far apart: more than a million handle values between any number and any window.
      const int64_t distance = static_cast<int64_t>(n) - handle;
      ASSERT_GT(distance < 0 ? -distance : distance, 1'000'000) << n << " near window " << handle;
    }
    // And far from the small numbers applications choose themselves.
    EXPECT_FALSE(numbers.count(handle));
    DestroyWindow(w);
  }
  for (int32_t n : numbers) ASSERT_TRUE(n < -1'000'000 || n > 1'000'000) << n;
}

}  // namespace
}  // namespace kelvra
