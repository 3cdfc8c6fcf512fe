// RLE8 and RLE4 expansion of BMP palette files: runs, absolute runs, end of line,
// delta and end of bitmap, every read checked against the data's end.
#include "core/image/decode/image_decode_bmp_layout.h"

namespace kelvra::image::bmp {
namespace {

class RleCanvas {
 public:
  RleCanvas(int width, int height, std::vector<uint8_t>& indices, std::vector<uint8_t>& written)
      : width_(width), height_(height), indices_(indices), written_(written) {}

  // Pixels past the row's end are dropped: a run may not wrap onto the next row.
  void Put(uint8_t index) {
    if (x_ < width_ && row_ < height_) {
      const size_t at = static_cast<size_t>(height_ - 1 - row_) * width_ + x_;  // bottom-up rows
      indices_[at] = index;
      written_[at] = 1;
    }
    if (x_ < width_) ++x_;
  }
  void NextLine() { x_ = 0; ++row_; }
  void Move(int dx, int dy) {
    x_ = x_ + dx > width_ ? width_ : x_ + dx;
    row_ += dy;
  }
  bool Full() const { return row_ >= height_; }

 private:
  int width_, height_;
  int x_ = 0, row_ = 0;
  std::vector<uint8_t>& indices_;
  std::vector<uint8_t>& written_;
};

}  // namespace

bool ExpandRle(const uint8_t* data, size_t size, bool fourBit, int width, int height,
               std::vector<uint8_t>& indices, std::vector<uint8_t>& written) {
  indices.assign(static_cast<size_t>(width) * height, 0);
  written.assign(indices.size(), 0);
  RleCanvas canvas(width, height, indices, written);
  size_t at = 0;
  while (!canvas.Full()) {
    if (size - at < 2) return false;  // the data ends before the bitmap does
    const uint8_t count = data[at], value = data[at + 1];
    at += 2;
    if (count > 0) {  // a run: one index, or two alternating nibbles
      for (int i = 0; i < count; ++i)
        canvas.Put(fourBit ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    switch (value) {
      case 0: canvas.NextLine(); break;
      case 1: return true;  // end of bitmap: the rest stays unwritten
      case 2:
        if (size - at < 2) return false;
        canvas.Move(data[at], data[at + 1]);
        at += 2;
        break;
      default: {  // an absolute run of `value` pixels, padded to a 16-bit boundary
        const size_t bytes = fourBit ? (value + 1u) / 2 : value;
        const size_t padded = bytes + (bytes & 1);
        if (size - at < bytes) return false;
        for (int i = 0; i < value; ++i) {
          const uint8_t byte = data[at + (fourBit ? i / 2 : i)];
          canvas.Put(fourBit ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
        }
        at += padded <= size - at ? padded : size - at;
        break;
      }
    }
  }
  return true;
}

}  // namespace kelvra::image::bmp
