// The stored .ico data of the built-in glyphs, and its decoding into an icon and
// two image lists at start. The icon files are put together at compile time from
// the pixel patterns below, so the bytes are constant data of the library.
#include "core/image/builtin_glyphs.h"

#include <windows.h>
#include <commctrl.h>

#include <array>

#include "core/library/library_globals.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

constexpr int XorRowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }
constexpr int AndRowBytes(int width) { return (width + 31) / 32 * 4; }
constexpr int kDirBytes = 6 + 16;
constexpr int kInfoBytes = 40;
constexpr int ImageBytes(int w, int h, int bits) { return kInfoBytes + (XorRowBytes(w, bits) + AndRowBytes(w)) * h; }
constexpr int IcoBytes(int w, int h, int bits) { return kDirBytes + ImageBytes(w, h, bits); }

template <std::size_t N>
constexpr void Put16(std::array<uint8_t, N>& a, int at, uint32_t v) {
  a[at] = static_cast<uint8_t>(v);
  a[at + 1] = static_cast<uint8_t>(v >> 8);
}
template <std::size_t N>
constexpr void Put32(std::array<uint8_t, N>& a, int at, uint32_t v) {
  Put16(a, at, v & 0xFFFF);
  Put16(a, at + 2, v >> 16);
}

// One-image .ico: `pattern` has W*H characters, top row first; '#' is a pixel of
// `colour` (0xAARRGGBB; alpha only used at 32 bits), anything else is transparent.
template <int W, int H, int Bits>
constexpr std::array<uint8_t, IcoBytes(W, H, Bits)> MakeIco(const char* pattern, uint32_t colour) {
  std::array<uint8_t, IcoBytes(W, H, Bits)> a{};
  Put16(a, 2, 1);  // type: icon
  Put16(a, 4, 1);  // one image
  a[6] = static_cast<uint8_t>(W);
  a[7] = static_cast<uint8_t>(H);
  Put16(a, 10, 1);
  Put16(a, 12, Bits);
  Put32(a, 14, ImageBytes(W, H, Bits));
  Put32(a, 18, kDirBytes);
  const int info = kDirBytes;
  Put32(a, info, kInfoBytes);
  Put32(a, info + 4, W);
  Put32(a, info + 8, H * 2);  // colour and mask images stacked, as icons store them
  Put16(a, info + 12, 1);
  Put16(a, info + 14, Bits);
  Put32(a, info + 20, (XorRowBytes(W, Bits) + AndRowBytes(W)) * H);
  const int xorAt = info + kInfoBytes;
  const int andAt = xorAt + XorRowBytes(W, Bits) * H;
  for (int y = 0; y < H; ++y) {
    const int row = H - 1 - y;  // bottom-up
    for (int x = 0; x < W; ++x) {
      const bool set = pattern[y * W + x] == '#';
      const int p = xorAt + row * XorRowBytes(W, Bits) + x * (Bits / 8);
      if (set) {
        a[p] = static_cast<uint8_t>(colour);
        a[p + 1] = static_cast<uint8_t>(colour >> 8);
        a[p + 2] = static_cast<uint8_t>(colour >> 16);
        if (Bits == 32) a[p + 3] = static_cast<uint8_t>(colour >> 24);
      } else {
        a[andAt + row * AndRowBytes(W) + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  return a;
}

constexpr auto kEmptyIcon = MakeIco<1, 1, 32>(".", 0);

constexpr auto kCheckMark = MakeIco<7, 7, 24>(
    "......#"
    ".....##"
    "#...###"
    "##.###."
    "#####.."
    ".###..."
    "..#....",
    0xFF000000);

constexpr auto kRadioBullet = MakeIco<7, 7, 24>(
    "......."
    "..###.."
    ".#####."
    ".#####."
    ".#####."
    "..###.."
    ".......",
    0xFF000000);

// The first image of a stored .ico file; 0 when the data is not a sound icon file.
HICON DecodeIco(std::span<const uint8_t> file) {
  if (file.size() < kDirBytes) return nullptr;
  auto read32 = [&](std::size_t at) {
    return static_cast<uint32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 | file[at + 3] << 24);
  };
  const int width = file[6] ? file[6] : 256, height = file[7] ? file[7] : 256;
  const uint32_t size = read32(14), offset = read32(18);
  if (offset > file.size() || size > file.size() - offset) return nullptr;
  return CreateIconFromResourceEx(const_cast<PBYTE>(file.data() + offset), size, TRUE, 0x00030000, width,
                                  height, LR_DEFAULTCOLOR);
}

HIMAGELIST MakeGlyphList(std::span<const uint8_t> file) {
  UniqueIcon icon(DecodeIco(file));
  HIMAGELIST list = ImageList_Create(7, 7, ILC_COLOR32 | ILC_MASK, 0, 0);
  // The list copies the icon's pixels, so the icon itself is not kept.
  if (list && icon) ImageList_ReplaceIcon(list, -1, icon.get());
  return list;
}

}  // namespace

std::span<const uint8_t> EmptyIconFile() { return kEmptyIcon; }
std::span<const uint8_t> CheckMarkGlyphFile() { return kCheckMark; }
std::span<const uint8_t> RadioBulletGlyphFile() { return kRadioBullet; }

void LoadBuiltInGlyphs() {
  auto& globals = Globals();
  // Made once; they stay until the process ends.
  if (!globals.emptyIcon) globals.emptyIcon = DecodeIco(EmptyIconFile());
  if (!globals.glyphList1) globals.glyphList1 = MakeGlyphList(CheckMarkGlyphFile());
  if (!globals.glyphList2) globals.glyphList2 = MakeGlyphList(RadioBulletGlyphFile());
}

}  // namespace kelvra
