// SetButtonExSkin on real buttons: what each property becomes in the ten looks
// (positions, margins, cursors, colours, fonts, images), which component is read,
// refusals, the one gradient a colour background makes however often it is
// applied, and re-skinning when an automatic skin changes.
#include <gtest/gtest.h>

#include <string>

#include "core/colour/gradient_list.h"
#include "core/border/border_image_set_record.h"
#include "tests/panels/button/button_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ButtonSkin : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
    skin_ = CreateSkin(L"button test skin");
    SetSkinAutoUpdate(skin_, 0);
    button_ = ButtonEx(host_, -1, 10, 10, 100, 30, L"text", nullptr, nullptr, nullptr, nullptr,
                       reinterpret_cast<HANDLE>(-1));
  }
  void TearDown() override {
    FreeButtonEx(-1);
    FreeSkin(skin_);
  }
  void Set(const wchar_t* state, const wchar_t* property, const wchar_t* value,
           const wchar_t* component = L"buttonex") {
    SetSkinProperty(skin_, component, state, property, value);
  }
  int Apply(const wchar_t* component = L"") { return SetButtonExSkin(button_, skin_, component, 1); }
  const ButtonExLook& Look(int state) { return Button(button_)->looks[state]; }

  HWND host_ = nullptr;
  HANDLE skin_ = nullptr;
  int button_ = 0;
};

TEST_F(ButtonSkin, PositionsOfBackgroundOverlayImageAndText) {
  Set(L"normal", L"background position", L"x: 50%; y: 50%;");
  Set(L"hot", L"background position", L"right: 4; top: 50%; masked: true;");
  Set(L"pressed", L"background position", L"x: centre; y: repeat; stretch: true;");
  Set(L"disabled", L"background position", L"x: 3; left: 7; tile: true; y: 9; bottom: 2;");
  Set(L"normal", L"overlay position", L"left: 25%; bottom: centre;");
  Set(L"normal", L"image position", L"x: 0; y: centre;");
  Set(L"hot", L"image position", L"right: 6; bottom: 3;");
  Set(L"pressed", L"image position", L"left: 30%; top: 10%;");
  Set(L"normal", L"text position", L"x: centre; y: 4;");
  ASSERT_EQ(Apply(), 1);

  struct Case {
    const char* name;
    int flags, x, y;
  } pages[] = {
      {"x/y percent", Look(0).background.flags, Look(0).background.x, Look(0).background.y},
      {"right, top percent, masked", Look(1).background.flags, Look(1).background.x, Look(1).background.y},
      {"centre, repeat, stretch", Look(2).background.flags, Look(2).background.x, Look(2).background.y},
      {"later params win", Look(3).background.flags, Look(3).background.x, Look(3).background.y},
      {"overlay", Look(0).overlay.flags, Look(0).overlay.x, Look(0).overlay.y},
  };
  const int expected[][3] = {{0x3, 50, 50}, {0x1402, 4, 50}, {0x290, 0, 0}, {0xB00, 7, 2}, {0x821, 25, 0}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(pages[i].flags, expected[i][0]) << pages[i].name;
    EXPECT_EQ(pages[i].x, expected[i][1]) << pages[i].name;
    EXPECT_EQ(pages[i].y, expected[i][2]) << pages[i].name;
  }

  auto placement = [](const ButtonExPlacement& p) {
    return std::to_string(p.x) + (p.xPercent ? "%" : "") + "," + std::to_string(p.y) + (p.yPercent ? "%" : "") +
           " anchor " + std::to_string(p.anchor);
  };
  EXPECT_EQ(placement(Look(0).image), "0,50% anchor 0");
  EXPECT_EQ(placement(Look(1).image), "6,3 anchor 12");
  EXPECT_EQ(placement(Look(2).image), "30%,10% anchor 0");
  EXPECT_EQ(placement(Look(0).text), "50%,4 anchor 0");
  EXPECT_EQ(placement(Look(5).text), "0,0 anchor 0") << "a state the skin does not name";
}

TEST_F(ButtonSkin, CursorsByWordAndNumber) {
  Set(L"normal", L"cursor", L"hand;");
  Set(L"hot", L"cursor", L"  IBeam ;");
  Set(L"pressed", L"cursor", L"32651;");
  Set(L"disabled", L"cursor", L"nonsense;");
  ASSERT_EQ(Apply(), 1);
  EXPECT_EQ(Look(0).cursor, LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(Look(1).cursor, LoadCursorW(nullptr, IDC_IBEAM));
  EXPECT_EQ(Look(2).cursor, LoadCursorW(nullptr, IDC_HELP));
  EXPECT_EQ(Look(3).cursor, nullptr);
  EXPECT_EQ(Look(4).cursor, nullptr);
  // Each cursor was set on the page while it was read: the last one stays.
  EXPECT_EQ(WithPage(PageOf(button_), [](auto& p) { return p.cursor; }),
            reinterpret_cast<intptr_t>(LoadCursorW(nullptr, IDC_HELP)));
}

// The skin names the margins; the border set takes them as the slice rectangle's
// sides of the same names.
TEST_F(ButtonSkin, BorderMarginsMapByName) {
  HBITMAP border = SolidBitmap(20, 20, 0xFF102030);
  Set(L"normal", L"border image", L"top: 3; left: 5; bottom: 17; right: 13;");
  SetSkinPropertyData(skin_, L"buttonex", L"normal", L"border image", border);
  Set(L"hot", L"border image", L"top: 3; left: 5; bottom: 0; right: 13;");
  SetSkinPropertyData(skin_, L"buttonex", L"hot", L"border image", border);
  ASSERT_EQ(Apply(), 1);
  const SkinEdges m = Look(0).borderMargins;
  EXPECT_EQ(std::to_string(m.top) + " " + std::to_string(m.left) + " " + std::to_string(m.bottom) + " " +
                std::to_string(m.right),
            "3 5 17 13");
  EXPECT_EQ(Look(0).borderImage, border);
  // The normal look went to the page at once: its border set cut the image there.
  const SliceRect slice = WithPage(PageOf(button_), [](auto& p) {
    return p.border->sliceMap.Find(p.border->currentImageKey)->slice;
  });
  EXPECT_EQ(slice, (SliceRect{5, 3, 13, 17}));
  EXPECT_FALSE(Look(1).borderMargins.AllGiven()) << "a margin of 0: the set finds them itself";
  DeleteObject(border);
}

TEST_F(ButtonSkin, ColoursFontsAndBackgrounds) {
  Set(L"normal", L"background", L"#ff0000;");
  Set(L"hot", L"background", L"rgba(0, 0, 255, 128);");
  Set(L"pressed", L"background", L"10;");
  Set(L"disabled", L"background", L"-1;");
  Set(L"selected", L"background", L"gradient: vertical, white, black;");
  Set(L"normal", L"text", L"font: Tahoma, 12, bold; colour: #102030;");
  Set(L"hot", L"text", L"colour: red;");  // no font: neither is read
  ASSERT_EQ(Apply(), 1);
  auto gradient = [&](int state) { return FindGradient(reinterpret_cast<void*>(Look(state).background.value)); };
  ASSERT_NE(gradient(0), nullptr);
  EXPECT_EQ(gradient(0)->type, 0);
  EXPECT_EQ(gradient(0)->startColour, 0xFFFF0000u) << "red stays red";
  EXPECT_EQ(gradient(0)->endColour, 0xFFFF0000u);
  ASSERT_NE(gradient(1), nullptr);
  EXPECT_EQ(gradient(1)->startColour, 0x800000FFu) << "ARGB colours keep their alpha";
  EXPECT_EQ(Look(2).background.value, 10);
  EXPECT_EQ(Look(3).background.value, -1);
  EXPECT_EQ(Look(4).background.value,
            static_cast<int>(reinterpret_cast<intptr_t>(GetSkinPropertyData(skin_, L"buttonex", L"selected",
                                                                             L"background"))));
  EXPECT_EQ(Look(5).background.value, 0) << "no background reads 0";
  EXPECT_EQ(WithPage(PageOf(button_), [](auto& p) { return p.backgroundSet.background; }),
            Look(0).background.value);

  EXPECT_EQ(Look(0).font, GetSkinPropertyData(skin_, L"buttonex", L"normal", L"text"));
  EXPECT_NE(Look(0).font, nullptr);
  EXPECT_EQ(Look(0).textColour, 0x302010);
  EXPECT_EQ(Look(1).font, nullptr);
  EXPECT_EQ(Look(1).textColour, 0);
}

TEST_F(ButtonSkin, SkinImagesReplaceTheLists) {
  HICON small = SolidIcon(16, 0xFF00FF00), large = SolidIcon(24, 0xFF0000FF);
  const int imaged = ButtonEx(host_, -1, 0, 50, 60, 30, L"", small, small, nullptr, nullptr,
                              reinterpret_cast<HANDLE>(-1));
  SetSkinPropertyData(skin_, L"buttonex", L"hot", L"image", large);
  SetSkinPropertyData(skin_, L"buttonex", L"inbetween", L"image", large);
  Set(L"normal", L"image", L"noclip: true;");
  ASSERT_EQ(SetButtonExSkin(imaged, skin_, L"", 1), 1);
  const ButtonExRecord* button = Button(imaged);
  EXPECT_EQ(button->imageWidth, 24);
  int w = 0, h = 0;
  ImageList_GetIconSize(button->images[kButtonHot].get(), &w, &h);
  EXPECT_EQ(w, 24) << "the hot image given at creation is replaced";
  EXPECT_EQ(ImageList_GetImageCount(button->images[kButtonHot].get()), 1);
  ImageList_GetIconSize(button->images[kButtonInbetween].get(), &w, &h);
  EXPECT_EQ(w, 24);
  EXPECT_EQ(ImageList_GetImageCount(button->images[kButtonNormal].get()), 1) << "the normal one stays";
  EXPECT_EQ(button->looks[kButtonNormal].background.flags & kImageNoClip, kImageNoClip);

  // A button made without images gets lists of the skin image's size.
  ASSERT_EQ(Apply(), 1);
  ImageList_GetIconSize(Button(button_)->images[kButtonHot].get(), &w, &h);
  EXPECT_EQ(w, 24);
  EXPECT_EQ(Button(button_)->images[kButtonNormal].get(), nullptr);
  DestroyIcon(small);
  DestroyIcon(large);
}

// A state without a background image gets the library's empty one when another
// state has an image, so leaving that state takes its image off the page.
TEST_F(ButtonSkin, StatesWithoutABackgroundImageClearIt) {
  HICON icon = SolidIcon(8, 0xFFFF00FF);
  SetSkinPropertyData(skin_, L"buttonex", L"hot", L"background image", icon);
  ASSERT_EQ(Apply(), 1);
  EXPECT_EQ(Look(1).background.image, icon);
  EXPECT_NE(Look(0).background.image, nullptr);
  EXPECT_NE(Look(0).background.image, icon);
  EXPECT_EQ(Look(0).overlay.image, nullptr) << "no state has an overlay image";
  DestroyIcon(icon);
}

TEST_F(ButtonSkin, ComponentsAndRefusals) {
  Set(L"normal", L"background", L"3;");
  Set(L"normal", L"background", L"4;", L"togglebuttonex");
  Set(L"normal", L"background", L"5;", L"checkbuttonex");
  // A new push button reads "buttonex".
  ASSERT_EQ(Apply(), 1);
  EXPECT_EQ(Look(0).background.value, 3);
  EXPECT_EQ(GetButtonExSkin(button_), skin_);
  // A toggle button keeps "togglebuttonex" for "" and NULL; a component given is
  // kept for the next "".
  const int toggle = ToggleButtonEx(host_, -1, 0, 50, 60, 20, L"t", 0, 0, 0, 0, 0, 0, 0, skin_);
  EXPECT_EQ(Button(toggle)->looks[0].background.value, 4);
  EXPECT_EQ(SetButtonExSkin(toggle, skin_, nullptr, 1), 1);
  EXPECT_EQ(Button(toggle)->looks[0].background.value, 4);
  EXPECT_EQ(SetButtonExSkin(toggle, skin_, L"CheckButtonEx", 1), 1);
  EXPECT_EQ(SetButtonExSkin(toggle, skin_, L"", 1), 1);
  EXPECT_EQ(Button(toggle)->looks[0].background.value, 5);

  // An unknown skin or button: 0, nothing changes.
  HANDLE other = CreateSkin(L"other");
  FreeSkin(other);
  EXPECT_EQ(SetButtonExSkin(button_, other, L"", 1), 0);
  EXPECT_EQ(SetButtonExSkin(button_, nullptr, L"", 1), 0);
  EXPECT_EQ(SetButtonExSkin(4242, skin_, L"", 1), 0);
  EXPECT_EQ(GetButtonExSkin(button_), skin_);
  EXPECT_EQ(Look(0).background.value, 3);
}

TEST_F(ButtonSkin, ThemedComponentsComeFirst) {
  SetGlobalSkinColourTheme(L"blue");
  Set(L"normal", L"background", L"3;");
  Set(L"normal", L"text padding", L"left: 9;");
  Set(L"normal", L"background", L"6;", L"buttonex:blue");
  ASSERT_EQ(Apply(), 1);
  EXPECT_EQ(Look(0).background.value, 6);
  EXPECT_EQ(Look(0).textPadding.left, 9);
  // A component that names its own word is read under that word, then bare.
  Set(L"normal", L"background", L"7;", L"buttonex:silver");
  ASSERT_EQ(Apply(L" ButtonEx : Silver "), 1);
  EXPECT_EQ(Look(0).background.value, 7);
  EXPECT_EQ(Look(0).textPadding.left, 9);
  SetGlobalSkinColourTheme(L"");
}

// However often a colour background is applied, the property holds one gradient.
TEST_F(ButtonSkin, ColourBackgroundMakesOneGradient) {
  Set(L"normal", L"background", L"white;");
  Set(L"hot", L"background", L"white;");
  int buttons[10];
  for (int i = 0; i < 10; ++i)
    buttons[i] = ButtonEx(host_, -1, 0, 50, 40, 20, L"", nullptr, nullptr, nullptr, nullptr,
                          reinterpret_cast<HANDLE>(-1));
  const size_t gradientsBefore = GradientList().Size();
  for (int round = 0; round < 100; ++round)
    for (int button : buttons) ASSERT_EQ(SetButtonExSkin(button, skin_, L"", 1), 1);
  const HANDLE held = GetSkinPropertyData(skin_, L"buttonex", L"normal", L"background");
  EXPECT_EQ(GradientList().Size(), gradientsBefore + 2) << "one for each state's property";
  EXPECT_EQ(GetSkinPropertyDataSize(skin_, L"buttonex", L"normal", L"background"), 4);
  for (int button : buttons)
    EXPECT_EQ(Button(button)->looks[0].background.value, static_cast<int>(reinterpret_cast<intptr_t>(held)));
  // A new colour makes a new gradient; the old one stays with the skin.
  Set(L"normal", L"background", L"navy;");
  ASSERT_EQ(SetButtonExSkin(buttons[0], skin_, L"", 1), 1);
  EXPECT_NE(GetSkinPropertyData(skin_, L"buttonex", L"normal", L"background"), held);
  EXPECT_NE(FindGradient(held), nullptr);
  EXPECT_EQ(FindGradient(GetSkinPropertyData(skin_, L"buttonex", L"normal", L"background"))->startColour,
            0xFF000080u);
}

// The library re-skins a button it names by its page, never by a key that an
// earlier button's number may equal.
TEST_F(ButtonSkin, AutomaticReskinsReachTheirOwnButton) {
  HANDLE other = CreateSkin(L"other button skin");
  SetSkinAutoUpdate(other, 0);
  SetSkinProperty(other, L"buttonex", L"normal", L"text padding", L"left: 1;");
  const HWND first = ButtonExID(button_);
  ASSERT_EQ(SetButtonExSkin(button_, other, L"", 1), 1);
  const int second = ButtonEx(host_, -1, 10, 50, 100, 30, L"b", nullptr, nullptr, nullptr, nullptr,
                              reinterpret_cast<HANDLE>(-1));
  Set(L"normal", L"text padding", L"left: 2;");
  ASSERT_EQ(SetButtonExSkin(second, skin_, L"", 1), 1);
  const HWND secondWindow = ButtonExID(second);
  {
    // As though the application had numbered the first button like the second's window.
    ButtonExRecord* record = FindButtonEx(AsKey(first));
    ButtonExList().SetHead(record, AsKey(secondWindow), record->window);
  }
  SetSkinAutoUpdate(skin_, 1);
  Set(L"normal", L"text padding", L"left: 3;");
  EXPECT_EQ(ButtonExList().FindByWindow(secondWindow)->looks[0].textPadding.left, 3);
  const ButtonExRecord* firstRecord = ButtonExList().FindByWindow(first);
  EXPECT_EQ(reinterpret_cast<HANDLE>(firstRecord->skin), other);
  EXPECT_EQ(firstRecord->looks[0].textPadding.left, 1);
  SetSkinAutoUpdate(skin_, 0);
  FreeButtonEx(-1);
  FreeSkin(other);
}

TEST_F(ButtonSkin, AutomaticSkinsReskinTheirButtons) {
  Set(L"normal", L"text padding", L"left: 1;");
  ASSERT_EQ(Apply(), 1);
  HANDLE unrelated = CreateSkin(L"unrelated");
  // Not automatic: nothing changes until the skin is applied again.
  Set(L"normal", L"text padding", L"left: 2;");
  UpdateSkins(skin_);
  EXPECT_EQ(Look(0).textPadding.left, 1);
  // Automatic: the change reaches the button.
  SetSkinAutoUpdate(skin_, 1);
  Set(L"normal", L"text padding", L"left: 3;");
  EXPECT_EQ(Look(0).textPadding.left, 3);
  // Another skin's change leaves it alone; a change of every skin reaches it.
  Set(L"normal", L"text padding", L"left: 4;", L"somethingelse");
  SetSkinProperty(unrelated, L"buttonex", L"normal", L"text padding", L"left: 5;");
  EXPECT_EQ(Look(0).textPadding.left, 3);
  SetSkinAutoUpdate(skin_, 0);
  Set(L"normal", L"text padding", L"left: 6;");
  SetSkinAutoUpdate(skin_, 1);
  UpdateSkins(nullptr);
  EXPECT_EQ(Look(0).textPadding.left, 6);
  FreeSkin(unrelated);
}

}  // namespace
