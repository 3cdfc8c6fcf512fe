// PNG to pixels through libpng's full reader, as the file stores them: no gamma or
// colour-space conversion (a gAMA, cHRM, sRGB or iCCP chunk changes nothing),
// 16-bit samples scaled to 8 bits with rounding, tRNS turned into alpha, every
// colour type and depth expanded to BGRA. libpng reports errors by longjmp; only
// plain data lives in the frames it jumps over.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

#include "core/image/decode/image_decode.h"

namespace kelvra::image {
namespace {

// Ancillary chunks (text, ICC profiles) are never kept; this bounds what libpng
// allocates for one of them before it is skipped.
constexpr png_alloc_size_t kMaxChunkBytes = 8u << 20;

struct Source {
  const uint8_t* data;
  size_t size;
  size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (count > source->size - source->offset) png_error(png, "truncated");
  std::memcpy(out, source->data + source->offset, count);
  source->offset += count;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// Everything that must survive a longjmp lives outside the frame that calls setjmp.
struct PngState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  Source source{};
  PixelBuffer result;
  std::vector<png_bytep> rows;
};

// The transforms that turn any colour type and depth into 8-bit B, G, R, A.
void AskForBgra(png_structp png, png_infop info) {
  const int colourType = png_get_color_type(png, info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  // Rounded, not truncated: 0x7F80 is 127.5 of 255 and reads 128.
  if (png_get_bit_depth(png, info) == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (!(colourType & PNG_COLOR_MASK_ALPHA)) png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
}

// Sets up the rows once the size is known; false when it is refused. Runs between
// libpng calls, so an allocation failure throws through our frames only.
bool PrepareRows(PngState& s, png_uint_32 width, png_uint_32 height) {
  if (!SizeAllowed(width, height)) return false;
  if (png_get_rowbytes(s.png, s.info) != static_cast<size_t>(width) * 4) return false;
  s.result.pixels.resize(static_cast<size_t>(width) * height);
  s.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    s.rows[y] = reinterpret_cast<png_bytep>(s.result.pixels.data() + static_cast<size_t>(y) * width);
  s.result.width = static_cast<int>(width);
  s.result.height = static_cast<int>(height);
  return true;
}

bool Run(PngState& s) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_set_read_fn(s.png, &s.source, ReadFromMemory);
  png_set_user_limits(s.png, kMaxImageSide, kMaxImageSide);
  png_set_chunk_malloc_max(s.png, kMaxChunkBytes);
  png_read_info(s.png, s.info);
  // The header's claim is checked before anything of that size is allocated.
  if (!SizeAllowed(png_get_image_width(s.png, s.info), png_get_image_height(s.png, s.info))) return false;
  AskForBgra(s.png, s.info);
  png_read_update_info(s.png, s.info);
  if (!PrepareRows(s, png_get_image_width(s.png, s.info), png_get_image_height(s.png, s.info))) return false;
  png_read_image(s.png, s.rows.data());
  return true;
}

// libpng allocates an ancillary chunk's declared length before reading it: a
// 108-byte file whose text chunk claimed 1.4 GB had that much allocated, then
// failed as truncated. Every chunk before the image data is read whole, so one
// that runs past the data's end is refused here, before anything is allocated.
// The image data and what follows it are left to libpng, which reads them in
// pieces and may have all it needs before a cut-short chunk ends.
bool ChunksBeforeImageDataFit(const uint8_t* data, size_t size) {
  auto read32 = [&](size_t at) {
    return uint32_t{data[at]} << 24 | uint32_t{data[at + 1]} << 16 | uint32_t{data[at + 2]} << 8 | data[at + 3];
  };
  for (size_t at = 8; size - at >= 8;) {
    const uint64_t length = read32(at);
    if (std::memcmp(data + at + 4, "IDAT", 4) == 0) return true;
    if (length + 12 > size - at) return false;
    at += static_cast<size_t>(length) + 12;
  }
  return true;
}

}  // namespace

bool DecodePng(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0 || !ChunksBeforeImageDataFit(data, size)) return false;
  PngState state;
  state.source = Source{data, size, 0};
  state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!state.png) return false;
  state.info = png_create_info_struct(state.png);
  bool ok = false;
  if (state.info) {
    try {
      ok = Run(state);
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  png_destroy_read_struct(&state.png, state.info ? &state.info : nullptr, nullptr);
  if (!ok) return false;
  out = std::move(state.result);
  return true;
}

}  // namespace kelvra::image
