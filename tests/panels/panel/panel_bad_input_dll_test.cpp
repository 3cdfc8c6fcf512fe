// Bad input to the PanelEx exports through Kelvra.dll: unknown, freed and
// broadcast handles, absurd numbers and garbage images get each export's failure
// value, and a live panel keeps working afterwards.
#include <gtest/gtest.h>

#include <cstdint>

#include "kelvra.h"

namespace {

HWND Host() {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
}

TEST(PanelBadInput, EveryExportAnswersItsFailureValue) {
  const HWND host = Host();
  const HWND gone = Host();
  DestroyWindow(gone);
  EXPECT_EQ(AddPanelExPage(-1), nullptr);  // no panel made yet
  for (HWND parent : {static_cast<HWND>(nullptr), gone, HWND_BROADCAST})
    EXPECT_EQ(CreatePanelEx(-1, parent, 0, 0, 10, 10, nullptr), 0);

  const int live = CreatePanelEx(-1, host, 0, 0, 200, 100, nullptr);
  ASSERT_NE(live, 0);
  ASSERT_NE(AddPanelExPage(-1), nullptr);
  const int freed = CreatePanelEx(-1, host, 0, 0, 50, 50, nullptr);
  const int freedWindow = static_cast<int>(reinterpret_cast<intptr_t>(PanelExID(freed, -1)));
  ASSERT_EQ(FreePanelEx(freed), 1);

  const RECT margins{0, 0, 1, 1};
  for (int panel : {0, -1, 12345, 0xFFFF, freed, freedWindow, INT32_MIN}) {
    SCOPED_TRACE(panel);
    EXPECT_EQ(ShowPanelExPage(panel, 0), 0);
    EXPECT_EQ(FreePanelExPage(panel, 0), 0);
    EXPECT_EQ(FreePanelExPage(panel, -1), 0);
    EXPECT_EQ(InsertPanelExPage(panel, -1, -1), nullptr);
    EXPECT_EQ(InsertPanelExImagePage(panel, -1, -1, nullptr, 0, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(PanelExID(panel, -1), nullptr);
    EXPECT_EQ(PanelExWidth(panel), -1);
    EXPECT_EQ(PanelExHeight(panel), -1);
    EXPECT_EQ(PanelExPageIndex(panel), -1);
    EXPECT_EQ(RefreshPanelEx(panel), 0);
    EXPECT_EQ(SetPanelExPageBackground(panel, 0, 1, nullptr, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(SetPanelExPageBorder(panel, 0, nullptr, nullptr, &margins, 0), 0);
    EXPECT_EQ(SetPanelExPageCursor(panel, 0, 0), 0);
    EXPECT_EQ(SetPanelExPageAlpha(panel, 0, 1, 0), 0);
    if (panel != -1) {
      EXPECT_EQ(FreePanelEx(panel), 0);
    }
  }
  // Pages that do not exist, of a panel that does.
  for (int page : {1, -5, 0xFFFF, freedWindow}) {
    SCOPED_TRACE(page);
    EXPECT_EQ(ShowPanelExPage(live, page), 0);
    EXPECT_EQ(FreePanelExPage(live, page), 0);
    EXPECT_EQ(InsertPanelExPage(live, page, -1), nullptr);
    EXPECT_EQ(SetPanelExPageAlpha(live, page, 1, 0), 0);
  }

  // Images that are no images: the page is made (or set) without one.
  const auto junk = reinterpret_cast<HANDLE>(static_cast<intptr_t>(0x1234));
  EXPECT_EQ(AddPanelExPage(-1), nullptr);  // the panel made last is gone
  EXPECT_NE(InsertPanelExImagePage(live, -1, -1, junk, 0, 0, 0, 0, 0x1000), nullptr);
  EXPECT_EQ(SetPanelExPageBackground(live, 0, -1, junk, 0, 0, 0, 0, 0x1000, 0), 1);
  EXPECT_EQ(SetPanelExPageBorder(live, 0, static_cast<HBITMAP>(junk), nullptr, nullptr, 0), 0);
  EXPECT_EQ(SetPanelExPageBorder(live, 0, nullptr, static_cast<HBITMAP>(junk), nullptr, 0), 0);

  // The live panel is as it was.
  EXPECT_EQ(PanelExWidth(live), 200);
  EXPECT_EQ(PanelExPageIndex(live), 0);
  EXPECT_EQ(ShowPanelExPage(live, 1), -1);
  EXPECT_EQ(FreePanelEx(-1), 1);
  DestroyWindow(host);
}

}  // namespace
