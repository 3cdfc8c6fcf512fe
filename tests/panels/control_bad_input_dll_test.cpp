// Bad input to the ButtonEx, TextControlEx and page-scrolling exports through
// Kelvra.dll: unknown, freed and stale controls, controls whose windows went
// behind the library's back, null strings, junk handles and absurd numbers get
// each export's failure value, and live controls keep working afterwards.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "kelvra.h"

namespace {

HWND Host() {
  // Started as a program starts it: windows made afterwards are hooked and subclassed.
  static const int started = StartKelvra();
  (void)started;
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
}

const auto kJunk = reinterpret_cast<HANDLE>(static_cast<intptr_t>(0x1234));

int AsInt(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }

TEST(ControlBadInput, Buttons) {
  const HWND host = Host();
  const HWND gone = Host();
  DestroyWindow(gone);
  for (HWND parent : {static_cast<HWND>(nullptr), gone}) {
    EXPECT_EQ(ButtonEx(parent, -1, 0, 0, 10, 10, L"x", nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(CheckButtonEx(parent, -1, 0, 0, 10, 10, L"x", nullptr), 0);
  }
  // Junk images and skins, null text, sizes nobody asks for.
  const int junky = ButtonEx(host, -1, 0, 0, 40, 20, nullptr, kJunk, kJunk, kJunk, kJunk, kJunk);
  ASSERT_NE(junky, 0);
  EXPECT_STREQ(GetButtonExText(junky), L"");
  for (int size : {INT_MAX, -50})
    EXPECT_NE(ButtonEx(host, -1, 0, 0, size, size, L"size", nullptr, nullptr, nullptr, nullptr, nullptr), 0);
  const int toggle =
      ToggleButtonEx(host, -1, 0, 0, 40, 20, nullptr, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk);
  ASSERT_NE(toggle, 0);
  EXPECT_NE(ImageButtonEx(host, -1, 0, 0, 0, 0, kJunk, nullptr, nullptr, nullptr), 0);
  UpdateWindow(host);

  // A button whose panel window went behind its back, and one freed.
  const int orphan = ButtonEx(host, -1, 0, 0, 40, 20, L"o", nullptr, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(orphan, 0);
  EXPECT_EQ(ButtonExToolTip(orphan, L"tip"), 1);
  EXPECT_EQ(FreePanelEx(AsInt(ButtonExID(orphan))), 1);
  const int freed = ButtonEx(host, -1, 0, 0, 40, 20, L"f", nullptr, nullptr, nullptr, nullptr, nullptr);
  const int freedWindow = AsInt(ButtonExID(freed));
  ASSERT_EQ(FreeButtonEx(freed), 1);

  for (int button : {0, 12345, freed, freedWindow, INT_MIN}) {
    SCOPED_TRACE(button);
    EXPECT_EQ(ButtonExID(button), nullptr);
    EXPECT_EQ(ButtonExToolTip(button, L"t"), 0);
    EXPECT_EQ(ChangeButtonEx(button, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk), 0);
    EXPECT_EQ(DisableButtonEx(button, 1), 0);
    EXPECT_EQ(GetButtonExSkin(button), nullptr);
    EXPECT_EQ(GetButtonExState(button), 0);
    EXPECT_EQ(SetButtonExState(button, 1), 0);
    EXPECT_STREQ(GetButtonExText(button), L"");
    EXPECT_EQ(SetButtonExText(button, L"t"), 0);
    EXPECT_EQ(SetButtonExSkin(button, nullptr, nullptr, 0), 0);
    EXPECT_EQ(FreeButtonEx(button), 0);
  }
  // The orphan still answers (its record is the library's until freed).
  EXPECT_EQ(SetButtonExText(orphan, nullptr), 1);
  EXPECT_EQ(DisableButtonEx(orphan, 1), 1);
  EXPECT_EQ(ButtonExToolTip(orphan, nullptr), 1);
  EXPECT_EQ(SetButtonExState(orphan, 9), 0);
  EXPECT_EQ(FreeButtonEx(orphan), 1);

  // Live buttons: junk in, failure values out, and they still work.
  EXPECT_EQ(ChangeButtonEx(toggle, kJunk, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), -1);
  EXPECT_EQ(SetButtonExSkin(toggle, kJunk, L"togglebuttonex", 0), 0);
  EXPECT_EQ(SetButtonExState(toggle, 200), 0);
  EXPECT_EQ(GetButtonExState(toggle), 0);
  EXPECT_EQ(ButtonExToolTip(toggle, nullptr), 1);
  EXPECT_EQ(ButtonExToolTip(toggle, nullptr), 1);
  EXPECT_EQ(SetButtonExText(toggle, L"still here"), 1);
  EXPECT_STREQ(GetButtonExText(toggle), L"still here");

  // The host goes first: the buttons' windows go with it, the records stay until freed.
  DestroyWindow(host);
  EXPECT_EQ(SetButtonExText(toggle, L"after"), 1);
  EXPECT_EQ(DisableButtonEx(toggle, 0), 1);
  EXPECT_EQ(FreeButtonEx(-1), 1);
  EXPECT_EQ(FreeButtonEx(-1), 1);
}

TEST(ControlBadInput, TextControls) {
  const HWND host = Host();
  ShowWindow(host, SW_SHOWNOACTIVATE);
  EXPECT_EQ(TextControlEx(nullptr, -1, 0, 0, 10, 10, L"x", 0), 0);
  const int empty = TextControlEx(host, -1, 0, 0, 0, 0, nullptr, 0);
  ASSERT_NE(empty, 0);
  EXPECT_STREQ(GetTextControlExText(empty), L"");
  // Unfinished codes and links.
  for (const wchar_t* text : {L"\\", L"\\l", L"\\l12", L"\\l1|", L"\\c12", L"\\l1a|b|c\\l\\l", L"|||"})
    EXPECT_NE(TextControlEx(host, -1, 0, 0, 0, 0, text, 0), 0) << static_cast<const void*>(text);

  // Absurd paddings for a control that follows its text.
  EXPECT_EQ(SetTextControlExPadding(-1, INT_MAX, INT_MAX, INT_MAX, INT_MAX), 1);
  const int padded = TextControlEx(host, -1, 0, 0, 0, 0, L"padded", 0);
  EXPECT_NE(padded, 0);
  EXPECT_EQ(SetTextControlExPadding(-1, 0, 0, 0, 0), 1);
  EXPECT_GE(TextControlExWidth(padded), 0);
  EXPECT_EQ(SetTextControlExPadding(padded, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1);
  EXPECT_EQ(SetTextControlExLinePadding(padded, INT_MAX), 1);
  EXPECT_EQ(SetTextControlExDimensions(padded, INT_MIN, INT_MAX), 1);

  const int live = TextControlEx(host, -1, 0, 0, 100, 30, L"\\l7Open|OPEN\\l", 0x2000);
  ASSERT_NE(live, 0);
  EXPECT_EQ(SetTextControlExFont(live, static_cast<HFONT>(kJunk), 1), 1);
  EXPECT_EQ(SetTextControlExGradient(live, kJunk), 1);
  EXPECT_EQ(SetTextControlExStyle(live, -1), 1);
  EXPECT_EQ(SetTextControlExText(live, nullptr), 1);
  EXPECT_EQ(SetTextControlExDimensions(live, -5, -5), 1);
  UpdateWindow(host);

  // A control whose panel went behind its back, and one freed.
  const int orphan = TextControlEx(host, -1, 0, 0, 0, 0, L"orphan", 0);
  ASSERT_EQ(FreePanelEx(AsInt(TextControlExID(orphan))), 1);
  const int freed = TextControlEx(host, -1, 0, 0, 0, 0, L"freed", 0);
  const int freedWindow = AsInt(TextControlExID(freed));
  ASSERT_EQ(FreeTextControlEx(freed), 1);
  for (int control : {0, 12345, freed, freedWindow, INT_MIN}) {
    SCOPED_TRACE(control);
    EXPECT_EQ(TextControlExID(control), nullptr);
    EXPECT_EQ(TextControlExWidth(control), 0);
    EXPECT_EQ(TextControlExHeight(control), 0);
    EXPECT_EQ(GetTextControlExStyle(control), 0);
    EXPECT_STREQ(GetTextControlExText(control), L"");
    EXPECT_EQ(SetTextControlExText(control, L"t"), 0);
    EXPECT_EQ(SetTextControlExDimensions(control, 1, 1), 0);
    EXPECT_EQ(SetTextControlExPadding(control, 1, 1, 1, 1), 0);
    EXPECT_EQ(SetTextControlExLinePadding(control, 1), 0);
    EXPECT_EQ(SetTextControlExColour(control, 1, 1), 0);
    EXPECT_EQ(SetTextControlExFont(control, nullptr, 0), 0);
    EXPECT_EQ(SetTextControlExGradient(control, nullptr), 0);
    EXPECT_EQ(SetTextControlExStyle(control, 0), 0);
    EXPECT_EQ(FreeTextControlEx(control), 0);
  }
  EXPECT_EQ(SetTextControlExText(orphan, L"still"), 1);
  EXPECT_EQ(SetTextControlExDimensions(orphan, 0, 0), 1);
  EXPECT_EQ(TextControlExWidth(orphan), 0);
  EXPECT_EQ(FreeTextControlEx(orphan), 1);

  DestroyWindow(host);
  EXPECT_EQ(SetTextControlExText(live, L"after"), 1);
  EXPECT_EQ(FreeTextControlEx(-1), 1);
  EXPECT_EQ(FreeTextControlEx(-1), 1);
}

TEST(ControlBadInput, Scrolling) {
  const HWND host = Host();
  EXPECT_EQ(createScrollbarBox(nullptr, 0, 0, 1), nullptr);
  EXPECT_EQ(createScrollbarBox(static_cast<HWND>(kJunk), 0, 0, 1), nullptr);
  const int panel = CreatePanelEx(-1, host, 0, 0, 200, 100, nullptr);
  ASSERT_NE(panel, 0);
  const HWND page = AddPanelExPage(-1);
  ASSERT_NE(page, nullptr);
  for (int attributes : {-1, 0, INT_MIN, 0x7FFFFFFF})
    for (int onOff : {0, 1, 2, -1}) EXPECT_EQ(SetPanelExPageScrolling(panel, 0, attributes, onOff), 1);
  for (int unknown : {0, 12345, INT_MIN})
    for (int attribute : {16, 32, 64, 256, 512}) {
      EXPECT_EQ(SetPanelExPageScrolling(unknown, 0, attribute, 1), 0);
      EXPECT_EQ(GetPanelExPageScrolling(unknown, 0, attribute), 0);
      EXPECT_EQ(GetPanelExPageScrolling(panel, 7, attribute), 0);
    }
  EXPECT_EQ(GetPanelExPageScrolling(panel, 0, -1), 0);
  // Scroll messages with junk.
  const HWND panelWindow = PanelExID(panel, -1);
  for (LPARAM bar : {LPARAM{0}, reinterpret_cast<LPARAM>(kJunk), reinterpret_cast<LPARAM>(page)})
    for (WPARAM code = 0; code <= 9; ++code) {
      SendMessageW(panelWindow, WM_VSCROLL, MAKEWPARAM(code, 0xFFFF), bar);
      SendMessageW(panelWindow, WM_HSCROLL, MAKEWPARAM(code, 0xFFFF), bar);
    }
  const HWND vertical = reinterpret_cast<HWND>(static_cast<intptr_t>(GetPanelExPageScrolling(panel, 0, 512)));
  for (WPARAM code = 0; code <= 9; ++code)
    SendMessageW(panelWindow, WM_VSCROLL, MAKEWPARAM(code, 0xFFFF), reinterpret_cast<LPARAM>(vertical));
  EXPECT_EQ(FreePanelEx(panel), 1);
  DestroyWindow(host);
}

}  // namespace
