// Re-applying skins to windows: each child window of the process receives the
// skin-changed message (40099) once, with lParam the skin (0: all skins).
#include <gtest/gtest.h>

#include <vector>

#include "kelvra.h"
#include "skin/records/skin_loading_flag.h"
#include "tests/support/win_test_helpers.h"

namespace {

constexpr UINT kSkinChanged = 40099;

struct Delivery {
  HWND window;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Delivery> g_deliveries;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSkinChanged) g_deliveries.push_back({window, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* CountingClass() {
  static const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"KelvraSkinUpdateCounter", CountingProc);
  return name;
}

// One window tree for the whole suite: destroying a shown top-level window costs
// Wine about two seconds under Xvfb.
struct WindowTree {
  kelvra::test::TestWindow top{kelvra::test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 0, 0, 200, 100};
  kelvra::test::TestWindow child1{CountingClass(), WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top};
  kelvra::test::TestWindow child2{CountingClass(), WS_CHILD, 50, 0, 50, 50, top};  // hidden ones too
  kelvra::test::TestWindow grandchild{CountingClass(), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, child1};
};

class SkinUpdate : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { windows_ = new WindowTree(); }
  static void TearDownTestSuite() {
    delete windows_;
    windows_ = nullptr;
  }

  void SetUp() override {
    skin_ = CreateSkin(L"Update");
    ASSERT_TRUE(skin_);
    kelvra::test::PumpMessages();
    g_deliveries.clear();
  }
  void TearDown() override { FreeSkin(skin_); }

  // Every counting window got exactly one message with this lParam and wParam 0.
  void ExpectOneEachWith(LPARAM lParam) {
    ASSERT_EQ(g_deliveries.size(), 3u);
    for (HWND w : {windows_->child1.get(), windows_->child2.get(), windows_->grandchild.get()}) {
      int count = 0;
      for (const auto& d : g_deliveries)
        if (d.window == w) {
          ++count;
          EXPECT_EQ(d.wParam, 0u);
          EXPECT_EQ(d.lParam, lParam);
        }
      EXPECT_EQ(count, 1);
    }
    g_deliveries.clear();
  }

  static WindowTree* windows_;
  HANDLE skin_ = nullptr;
};
WindowTree* SkinUpdate::windows_ = nullptr;

TEST_F(SkinUpdate, AutoUpdatingSkinIsReappliedOnEverySet) {
  EXPECT_EQ(SetSkinProperty(skin_, L"buttonex", L"normal", L"text", L"colour: red"), 1);
  ExpectOneEachWith(reinterpret_cast<LPARAM>(skin_));
  EXPECT_EQ(SetSkinProperty(skin_, L"buttonex", L"normal", L"text", L"colour: navy"), 1);
  ExpectOneEachWith(reinterpret_cast<LPARAM>(skin_));
  // Data setters do not re-apply.
  SetSkinPropertyData(skin_, L"buttonex", L"normal", L"text", nullptr);
  SetSkinPropertyDataSize(skin_, L"buttonex", L"normal", L"text", 3);
  EXPECT_TRUE(g_deliveries.empty());
}

TEST_F(SkinUpdate, NoDeliveryWithoutAutoUpdateOrWhileLoading) {
  SetSkinAutoUpdate(skin_, 0);
  EXPECT_EQ(SetSkinProperty(skin_, L"c", L"s", L"p", L"v"), 1);
  EXPECT_TRUE(g_deliveries.empty());
  SetSkinAutoUpdate(skin_, 1);
  {
    kelvra::SkinLoadingScope loading;
    EXPECT_EQ(SetSkinProperty(skin_, L"c", L"s", L"p", L"w"), 1);
  }
  EXPECT_TRUE(g_deliveries.empty());
  EXPECT_EQ(kelvra::SkinLoadingFlag(), 0);
}

TEST_F(SkinUpdate, UpdateSkinsChecksItsArgument) {
  EXPECT_EQ(UpdateSkins(skin_), 1);
  ExpectOneEachWith(reinterpret_cast<LPARAM>(skin_));
  EXPECT_EQ(UpdateSkins(nullptr), 1);
  ExpectOneEachWith(0);
  HANDLE freed = CreateSkin(L"Freed");
  FreeSkin(freed);
  for (HANDLE bad : {freed, reinterpret_cast<HANDLE>(-1), static_cast<HANDLE>(windows_->top.get()),
                     reinterpret_cast<HANDLE>(static_cast<uintptr_t>(12345))}) {
    EXPECT_EQ(UpdateSkins(bad), 0);
    EXPECT_EQ(SetSkinProperty(bad, L"c", L"s", L"p", L"v"), 0);
  }
  EXPECT_TRUE(g_deliveries.empty());
}

}  // namespace
