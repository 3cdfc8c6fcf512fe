// What a text control shows, where its text box goes and which link a point is
// over, without windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/text_control/text_control_layout.h"

namespace kelvra {
namespace {

TEST(TextControlDisplayText, LinksShowTheirNormalOrHotPart) {
  struct Case {
    const wchar_t* text;
    int32_t hot;
    const wchar_t* shown;
  } cases[] = {
      {L"Press \\l7Open|OPEN\\l now", -1, L"Press \\l7Open\\l now"},
      {L"Press \\l7Open|OPEN\\l now", 0, L"Press \\l7OPEN\\l now"},
      {L"Press \\l7Open|OPEN\\l now", 1, L"Press \\l7Open\\l now"},
      // Counted in the order the links close; a link without "|" shows the same.
      {L"\\l1a|A\\l \\l2same\\l \\l3c|C\\l", 2, L"\\l1a\\l \\l2same\\l \\l3C\\l"},
      {L"\\l1a|A\\l \\l2same\\l \\l3c|C\\l", 0, L"\\l1A\\l \\l2same\\l \\l3c\\l"},
      // "\|" in a link is a line break, "\\|" a backslash and then the separator.
      {L"\\l4one\\|two|hot\\l", 0, L"\\l4hot\\l"},
      {L"\\l4one\\|two|hot\\l", -1, L"\\l4one\\|two\\l"},
      {L"\\l5back\\\\|slash\\l", -1, L"\\l5back\\\\\\l"},
      // Codes inside either part stay.
      {L"\\l6\\bbold\\b|\\cFF0000red\\l", 0, L"\\l6\\cFF0000red\\l"},
      // An empty hot part, and a "|" outside any link.
      {L"\\l8go|\\l a|b", 0, L"\\l8\\l a|b"},
      // A link never closed is no link: its text stays as written.
      {L"\\l9open|OPEN", 0, L"\\l9open|OPEN"},
      {L"plain | text", 0, L"plain | text"},
      {L"", -1, L""},
  };
  for (const Case& c : cases) EXPECT_EQ(TextControlDisplayText(c.text, c.hot), c.shown) << c.text << " hot " << c.hot;
}

std::string Text(const TextBox& b) {
  return std::to_string(b.left) + "," + std::to_string(b.top) + "," + std::to_string(b.right) + "," +
         std::to_string(b.bottom);
}

TEST(TextControlBox, PlacedWithinThePaddedArea) {
  const TextPaddings none{}, pads{10, 6, 20, 4};
  struct Case {
    const char* name;
    uint32_t style;
    TextPaddings pad;
    int32_t mw, mh;
    const char* box;
  } cases[] = {
      {"top left", 0, none, 50, 16, "0,0,200,16"},
      {"top left, padded", 0, pads, 50, 16, "10,6,180,22"},
      // Centred in the padded area: 10 + (170 / 2) - 25, 6 + (90 / 2) - 8.
      {"centred", kTextCentreX | kTextCentreY, pads, 50, 16, "70,43,120,59"},
      {"centred, equal paddings", kTextCentreX | kTextCentreY, TextPaddings{8, 8, 8, 8}, 50, 16, "75,42,125,58"},
      {"centred across only", kTextCentreX, pads, 51, 16, "70,6,121,22"},
      {"right", kTextAlignRight, pads, 50, 16, "130,6,180,22"},
      {"centring wins over right", kTextCentreX | kTextAlignRight, none, 50, 16, "75,0,125,16"},
      // Too big for the area: kept at its top-left corner, cut at right and bottom.
      {"too wide, centred", kTextCentreX, pads, 400, 16, "10,6,180,22"},
      {"too wide, right", kTextAlignRight, pads, 400, 16, "10,6,180,22"},
      {"too tall", kTextCentreY, pads, 50, 300, "10,6,180,96"},
      // A top padding moves the block down whole: its last rows stay inside.
      {"top padding keeps the last rows", 0, TextPaddings{0, 30, 0, 0}, 50, 40, "0,30,200,70"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(PlaceTextBox(c.style, 200, 100, c.pad, c.mw, c.mh)), c.box) << c.name;
}

TEST(TextControlBox, HugeNumbersDoNotOverflow) {
  const TextPaddings huge{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
  const TextBox box = PlaceTextBox(kTextCentreX | kTextCentreY, INT32_MAX, INT32_MAX, huge, INT32_MAX, INT32_MAX);
  EXPECT_EQ(box.left, INT32_MAX);
  EXPECT_EQ(box.top, INT32_MAX);
}

TEST(TextControlLinks, EdgesCountAndTheLaterLinkWins) {
  const std::vector<TextControlExLink> links = {{7, 10, 5, 40, 21}, {8, 40, 5, 60, 21}, {9, 0, 30, 20, 46}};
  struct Case {
    int32_t x, y, index;
  } cases[] = {
      {10, 5, 0}, {39, 21, 0}, {10, 13, 0}, {25, 21, 0},  // corners and edges of the first
      {40, 13, 1},                                        // the shared edge: the later link
      {60, 21, 1}, {61, 13, -1}, {9, 13, -1}, {25, 4, -1}, {25, 22, -1},
      {0, 30, 2}, {20, 46, 2}, {21, 46, -1}, {10, 25, -1},  // between the lines
  };
  for (const Case& c : cases) EXPECT_EQ(HitTestTextLinks(links, c.x, c.y), c.index) << c.x << "," << c.y;
  EXPECT_EQ(HitTestTextLinks({}, 0, 0), -1);
}

}  // namespace
}  // namespace kelvra
