// PNG through libpng's simplified writer; JPEG through libjpeg with its errors
// turned into a return value instead of the library's default exit().
#include "picture_writers.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>  // after <cstdio>: it uses FILE without including it
#include <png.h>

namespace showcase_icons {

bool WritePng(const std::string& path, const Canvas& canvas, std::string& error) {
  const std::vector<uint8_t> pixels = canvas.Rgba8();
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(canvas.width());
  image.height = static_cast<png_uint_32>(canvas.height());
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr)) {
    error = path + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

namespace {

struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegFailed(j_common_ptr info) {
  auto* trap = reinterpret_cast<JpegErrorTrap*>(info->err);
  trap->manager.format_message(info, trap->message);
  std::longjmp(trap->jump, 1);
}

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

bool WriteJpeg(const std::string& path, const Canvas& canvas, int quality, std::string& error) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    error = path + ": cannot be opened for writing";
    return false;
  }
  const std::vector<uint8_t> pixels = canvas.Rgb8();
  jpeg_compress_struct info{};
  JpegErrorTrap trap{};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = JpegFailed;
  // libjpeg jumps back here on any error; no C++ object is made between here and
  // the calls that can jump, so none is skipped.
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&info);
    error = path + ": " + trap.message;
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file.get());
  info.image_width = static_cast<JDIMENSION>(canvas.width());
  info.image_height = static_cast<JDIMENSION>(canvas.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  // Full-resolution colour: stars are a pixel or two wide and would bleed at 4:2:0.
  for (int i = 0; i < info.num_components; ++i) {
    info.comp_info[i].h_samp_factor = 1;
    info.comp_info[i].v_samp_factor = 1;
  }
  info.dct_method = JDCT_ISLOW;
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  const JDIMENSION stride = info.image_width * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + static_cast<size_t>(info.next_scanline) * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  if (std::fflush(file.get()) != 0) {
    error = path + ": write failed";
    return false;
  }
  return true;
}

}  // namespace showcase_icons
