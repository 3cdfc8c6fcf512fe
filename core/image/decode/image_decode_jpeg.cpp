// JPEG to pixels through libjpeg-turbo. libjpeg's default error handler calls
// exit(); ours jumps back here, and a premature end of data counts as failure
// rather than the grey fill libjpeg would otherwise hand back.
#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

#include "core/image/decode/image_decode.h"

namespace kelvra::image {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  bool truncated = false;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

void OutputMessage(j_common_ptr) {}

// Everything that must survive a longjmp lives outside the frame that calls setjmp.
struct JpegState {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  PixelBuffer result;
};

bool Run(JpegState& s, const uint8_t* data, size_t size) {
  if (setjmp(s.errors.jump)) return false;
  jpeg_create_decompress(&s.info);
  jpeg_mem_src(&s.info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&s.info, TRUE) != JPEG_HEADER_OK) return false;
  if (!SizeAllowed(s.info.image_width, s.info.image_height)) return false;
  s.info.out_color_space = JCS_EXT_BGRA;  // bytes B, G, R, 0xFF
  if (!jpeg_start_decompress(&s.info)) return false;
  if (s.info.output_components != 4 || !SizeAllowed(s.info.output_width, s.info.output_height)) return false;
  const size_t width = s.info.output_width;
  s.result.pixels.resize(width * s.info.output_height);
  while (s.info.output_scanline < s.info.output_height && !s.errors.truncated) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(s.result.pixels.data() + width * s.info.output_scanline);
    if (jpeg_read_scanlines(&s.info, &row, 1) != 1) return false;
  }
  if (s.errors.truncated) return false;
  s.result.width = static_cast<int>(s.info.output_width);
  s.result.height = static_cast<int>(s.info.output_height);
  return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, PixelBuffer& out) {
  out = PixelBuffer{};
  if (!data || size < 4) return false;
  JpegState state;
  state.info.err = jpeg_std_error(&state.errors.base);
  state.errors.base.error_exit = ErrorExit;
  state.errors.base.emit_message = EmitMessage;
  state.errors.base.output_message = OutputMessage;
  bool ok = false;
  try {
    ok = Run(state, data, size);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  jpeg_destroy_decompress(&state.info);
  if (!ok) return false;
  out = std::move(state.result);
  return true;
}

}  // namespace kelvra::image
