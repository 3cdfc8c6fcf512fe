// The text form of hot keys, the key names, and the lists they are kept in:
// parsing, binding again, dropping and matching a key press.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "commandbars/hotkey/hotkey_grammar.h"
#include "commandbars/hotkey/hotkey_map.h"

namespace {

using namespace kelvra;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

TEST(HotKeyGrammar, KeyStrings) {
  const struct {
    std::u16string_view text;
    std::optional<HotKeyStroke> stroke;
  } cases[] = {
      {u"Ctrl+Shift+S", HotKeyStroke{'S', 12}},
      {u"ctrl-shift-s", HotKeyStroke{'S', 12}},
      {u"CTRL SHIFT S", HotKeyStroke{'S', 12}},
      {u"control,shift.s", HotKeyStroke{'S', 12}},
      {u"alt+f4", HotKeyStroke{115, 0x11}},
      {u"ctrl+plus", HotKeyStroke{187, 9}},
      {u"ctrl++s", HotKeyStroke{0, 9}},  // the empty second field ends the text
      {u"ctrl+", HotKeyStroke{0, 9}},
      {u"shift", HotKeyStroke{0, 5}},
      {u"ctrl+foo", std::nullopt},
      {u"ctrl+f25", std::nullopt},
      {u"\\bctrl\\b+x", HotKeyStroke{'X', 8}},
      {u"\\B\\ialt\\u\\s\\n+1", HotKeyStroke{'1', 0x10}},
      {u"ctrl|alt:delete", HotKeyStroke{46, 0x19}},
      {u"alt~shift^f10", HotKeyStroke{121, 0x15}},
      {u"ctrl;/", HotKeyStroke{0, 9}},  // "/" separates: ctrl, then two empty fields
      {u"f24", HotKeyStroke{135, 1}},
      {u"a+b", HotKeyStroke{'B', 0}},  // a later key replaces an earlier one
      {u"f1+x", HotKeyStroke{'X', 0}},
      {u"x+f1", HotKeyStroke{112, 1}},
      {u"ctrl+\u00e4", HotKeyStroke{0xC4, 8}},
      {u"CTRL+\u00c4", HotKeyStroke{0xC4, 8}},
      {u"shift+\u0436", HotKeyStroke{0x416, 4}},
      {u"ctrl+=", HotKeyStroke{'=', 8}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.stroke, ParseHotKeyString(c.text)) << Narrow(c.text);
}

// Every name of the table, and each group of aliases, reads as its key.
TEST(HotKeyGrammar, EveryNameOfTheTable) {
  std::set<std::u16string_view> names;
  for (const HotKeyName& entry : HotKeyNameTable()) {
    EXPECT_TRUE(names.insert(entry.name).second) << Narrow(entry.name) << " twice";
    EXPECT_EQ((HotKeyStroke{entry.code, 1}), ParseHotKeyString(entry.name)) << Narrow(entry.name);
  }
  EXPECT_EQ(109u, names.size());
  const struct {
    std::u16string_view names[4];
    int32_t code;
  } groups[] = {
      {{u"return", u"ret", u"enter", u"ent"}, 13}, {{u"capital", u"caps", u"capslock"}, 20},
      {{u"escape", u"esc"}, 27},                    {{u"prior", u"pageup", u"pgup"}, 33},
      {{u"next", u"pagedown", u"pgdn"}, 34},        {{u"snapshot", u"prtsc"}, 44},
      {{u"insert", u"ins"}, 45},                    {{u"delete", u"del"}, 46},
      {{u"lwin", u"leftwin", u"leftwindows"}, 91},  {{u"rwin", u"rightwin", u"rightwindows"}, 92},
      {{u"numpad0", u"num0", u"pad0"}, 96},         {{u"numpad9", u"num9", u"pad9"}, 105},
      {{u"f1"}, 112},                               {{u"f24"}, 135},
      {{u"back"}, 8},                               {{u"space"}, 32},
      {{u"apps"}, 93},                              {{u"divide"}, 111},
      {{u"numlock"}, 144},                          {{u"scroll"}, 145},
      {{u"comma"}, 188},                            {{u"minus"}, 189},
      {{u"period"}, 190},                           {{u"help"}, 47},
  };
  for (const auto& group : groups)
    for (std::u16string_view name : group.names)
      if (!name.empty()) EXPECT_EQ(group.code, LookupHotKeyName(name)) << Narrow(name);
  EXPECT_FALSE(LookupHotKeyName(u"Tab")) << "the table holds lower-case names only";
}

TEST(HotKeyMap, BindingAgainReplacesAndMinusOneDrops) {
  HotKeyList list;
  ApplyHotKey(list, {'S', 8}, 100);
  ApplyHotKey(list, {115, 0x11}, 101);
  ApplyHotKey(list, {'S', 12}, 102);  // other flags: a record of its own
  ASSERT_EQ(3u, list.size());
  ApplyHotKey(list, {'S', 8}, 200);
  ASSERT_EQ(3u, list.size());
  EXPECT_EQ(200, list[0].id);
  ApplyHotKey(list, {115, 0x11}, -1);
  ASSERT_EQ(2u, list.size());
  EXPECT_EQ(102, list[1].id);
  ApplyHotKey(list, {'Q', 8}, -1);  // nothing bound: nothing happens
  EXPECT_EQ(2u, list.size());
  ApplyHotKey(list, {'Z', 8}, 0x12345);
  EXPECT_EQ(0x2345, list.back().id) << "ids are 16-bit";
  ApplyHotKey(list, {'Z', 8}, 0xFFFF);
  EXPECT_EQ(0xFFFF, list.back().id) << "65535 is an id, not -1";
}

TEST(HotKeyMap, MatchingAKeyPress) {
  HotKeyList list;
  ApplyHotKey(list, {'S', 8}, 1);          // ctrl+s, by character
  ApplyHotKey(list, {115, 0x11}, 2);       // alt+f4
  ApplyHotKey(list, {121, 1}, 3);          // f10
  ApplyHotKey(list, {121, 5}, 4);          // shift+f10
  ApplyHotKey(list, {'X', 0x14}, 5);       // alt+shift+x
  ApplyHotKey(list, {0x53, 9}, 6);         // ctrl and virtual key 0x53, after ctrl+s
  const struct {
    int32_t virtualKey, character, modifiers;
    std::optional<uint16_t> id;
  } presses[] = {
      {0x53, 'S', 8, 1},           // the character record comes first
      {0x53, 'S', 12, std::nullopt},
      {0x53, 'S', 0, std::nullopt},
      {115, 0, 0x10, 2},
      {115, 0, 0x18, std::nullopt},
      {121, 0, 0, 3},
      {121, 0, 4, 4},
      {121, 0, 8, std::nullopt},
      {0x58, 'X', 0x14, 5},
      {0x58, 'X', 0x10, std::nullopt},
      {0x53, 'S', 8 | 0x100, 1},    // bits other than the modifiers are not read
  };
  for (const auto& p : presses)
    EXPECT_EQ(p.id, MatchHotKey(list, p.virtualKey, p.character, p.modifiers))
        << "key " << p.virtualKey << " modifiers " << p.modifiers;
}

TEST(HotKeyMap, KeyIndexKnowsWhatAnyListBindsAndWithWhichModifiers) {
  HotKeyMap map;
  ApplyHotKey(map.Add(L"100"), {'S', 8}, 1);   // ctrl+s, by character
  ApplyHotKey(map.Add(L"0"), {121, 5}, 2);     // shift+f10
  HotKeyKeyIndex index;
  index.Rebuild(map);
  EXPECT_TRUE(index.BindsKey(0x53, 'S'));
  EXPECT_TRUE(index.BindsKey(121, 0));
  EXPECT_FALSE(index.BindsKey(0x54, 'T'));
  EXPECT_FALSE(index.BindsKey(-1, 0));
  EXPECT_FALSE(index.BindsKey(4096, 0));
  EXPECT_TRUE(index.Binds(0x53, 'S', 8));
  EXPECT_FALSE(index.Binds(0x53, 'S', 0)) << "a plain S is bound to nothing";
  EXPECT_FALSE(index.Binds(0x53, 'S', 12));
  EXPECT_TRUE(index.Binds(121, 0, 4));
  EXPECT_FALSE(index.Binds(121, 0, 0));
  map.Remove(L"100");
  index.Rebuild(map);
  EXPECT_FALSE(index.BindsKey(0x53, 'S'));
}

}  // namespace
