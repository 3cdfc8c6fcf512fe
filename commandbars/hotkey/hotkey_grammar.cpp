// The key-string grammar of hot keys and the table of key names.
#include "commandbars/hotkey/hotkey_grammar.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace kelvra {

namespace {

constexpr HotKeyName kNames[] = {
    {u"back", 8}, {u"tab", 9}, {u"clear", 12}, {u"return", 13}, {u"ret", 13}, {u"enter", 13}, {u"ent", 13},
    {u"pause", 19}, {u"capital", 20}, {u"caps", 20}, {u"capslock", 20}, {u"escape", 27}, {u"esc", 27},
    {u"space", 32}, {u"prior", 33}, {u"pageup", 33}, {u"pgup", 33}, {u"next", 34}, {u"pagedown", 34},
    {u"pgdn", 34}, {u"end", 35}, {u"home", 36}, {u"left", 37}, {u"up", 38}, {u"right", 39}, {u"down", 40},
    {u"select", 41}, {u"print", 42}, {u"execute", 43}, {u"snapshot", 44}, {u"prtsc", 44}, {u"insert", 45},
    {u"ins", 45}, {u"delete", 46}, {u"del", 46}, {u"help", 47}, {u"lwin", 91}, {u"leftwin", 91},
    {u"leftwindows", 91}, {u"rwin", 92}, {u"rightwin", 92}, {u"rightwindows", 92}, {u"apps", 93},
    {u"numpad0", 96}, {u"numpad1", 97}, {u"numpad2", 98}, {u"numpad3", 99}, {u"numpad4", 100},
    {u"numpad5", 101}, {u"numpad6", 102}, {u"numpad7", 103}, {u"numpad8", 104}, {u"numpad9", 105},
    {u"num0", 96}, {u"num1", 97}, {u"num2", 98}, {u"num3", 99}, {u"num4", 100}, {u"num5", 101}, {u"num6", 102},
    {u"num7", 103}, {u"num8", 104}, {u"num9", 105}, {u"pad0", 96}, {u"pad1", 97}, {u"pad2", 98}, {u"pad3", 99},
    {u"pad4", 100}, {u"pad5", 101}, {u"pad6", 102}, {u"pad7", 103}, {u"pad8", 104}, {u"pad9", 105},
    {u"multiply", 106}, {u"add", 107}, {u"separator", 108}, {u"subtract", 109}, {u"decimal", 110},
    {u"divide", 111}, {u"f1", 112}, {u"f2", 113}, {u"f3", 114}, {u"f4", 115}, {u"f5", 116}, {u"f6", 117},
    {u"f7", 118}, {u"f8", 119}, {u"f9", 120}, {u"f10", 121}, {u"f11", 122}, {u"f12", 123}, {u"f13", 124},
    {u"f14", 125}, {u"f15", 126}, {u"f16", 127}, {u"f17", 128}, {u"f18", 129}, {u"f19", 130}, {u"f20", 131},
    {u"f21", 132}, {u"f22", 133}, {u"f23", 134}, {u"f24", 135}, {u"numlock", 144}, {u"scroll", 145},
    {u"plus", 187}, {u"comma", 188}, {u"minus", 189}, {u"period", 190},
};
static_assert(std::size(kNames) == 109);

constexpr std::u16string_view kMarkupCodes = u"biuscn";
constexpr std::u16string_view kSeparators = u"| -,.~^/\\:;";

char16_t LowerCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x410 && c <= 0x42F)) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

// Lower case, without markup codes, every separator a "+".
std::u16string Normalised(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = LowerCase(text[i]);
    if (c == u'\\' && i + 1 < text.size() && kMarkupCodes.find(LowerCase(text[i + 1])) != std::u16string_view::npos) {
      ++i;
      continue;
    }
    out.push_back(kSeparators.find(c) != std::u16string_view::npos ? u'+' : c);
  }
  return out;
}

}  // namespace

char16_t HotKeyUpperCase(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x430 && c <= 0x44F)) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

std::span<const HotKeyName> HotKeyNameTable() { return kNames; }

std::optional<int32_t> LookupHotKeyName(std::u16string_view name) {
  for (const HotKeyName& entry : kNames)
    if (entry.name == name) return entry.code;
  return std::nullopt;
}

std::optional<HotKeyStroke> ParseHotKeyString(std::u16string_view text) {
  const std::u16string normalised = Normalised(text);
  const std::u16string_view rest(normalised);
  int32_t modifiers = 0, key = 0;
  bool character = false;
  for (size_t start = 0; start <= rest.size();) {
    const size_t end = std::min(rest.find(u'+', start), rest.size());
    const std::u16string_view field = rest.substr(start, end - start);
    if (field.empty()) break;
    if (field == u"alt") {
      modifiers |= kHotKeyAlt;
    } else if (field == u"ctrl" || field == u"control") {
      modifiers |= kHotKeyCtrl;
    } else if (field == u"shift") {
      modifiers |= kHotKeyShift;
    } else if (const auto code = LookupHotKeyName(field)) {
      key = *code;
      character = false;
    } else if (field.size() == 1) {
      key = HotKeyUpperCase(field[0]);
      character = true;
    } else {
      return std::nullopt;
    }
    start = end + 1;
  }
  return HotKeyStroke{key, modifiers | (character ? 0 : kHotKeyVirtual)};
}

}  // namespace kelvra
