// The skin pack's entry codec over zlib.
#include "skin/files/skin_pack_codec.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace kelvra {

namespace {

constexpr uint8_t kMark[2] = {'J', 'C'};

struct Deflater {
  z_stream stream{};
  bool ready = deflateInit(&stream, 9) == Z_OK;
  ~Deflater() {
    if (ready) deflateEnd(&stream);
  }
};

struct Inflater {
  z_stream stream{};
  bool ready = inflateInit(&stream) == Z_OK;
  ~Inflater() {
    if (ready) inflateEnd(&stream);
  }
};

}  // namespace

bool EncodePackEntry(std::span<const uint8_t> bytes, std::vector<uint8_t>& stored) {
  try {
    stored.clear();
    if (bytes.size() > std::numeric_limits<uInt>::max()) return false;
    Deflater deflater;
    if (!deflater.ready) return false;
    // Only a result smaller than the bytes is kept: room for exactly that.
    if (bytes.size() > sizeof kMark) {
      std::vector<uint8_t> packed(bytes.size() - 1);
      std::memcpy(packed.data(), kMark, sizeof kMark);
      auto& z = deflater.stream;
      z.next_in = const_cast<Bytef*>(bytes.data());
      z.avail_in = static_cast<uInt>(bytes.size());
      z.next_out = packed.data() + sizeof kMark;
      z.avail_out = static_cast<uInt>(packed.size() - sizeof kMark);
      if (deflate(&z, Z_FINISH) == Z_STREAM_END) {
        packed.resize(sizeof kMark + z.total_out);
        stored = std::move(packed);
        return true;
      }
    }
    stored.assign(bytes.begin(), bytes.end());
    return true;
  } catch (const std::bad_alloc&) {
    stored.clear();
    return false;
  }
}

bool DecodePackEntry(std::span<const uint8_t> stored, uint32_t unpackedSize, std::vector<uint8_t>& bytes) {
  bytes.clear();
  try {
    if (stored.size() == unpackedSize) {
      bytes.assign(stored.begin(), stored.end());
      return true;
    }
    if (stored.size() > unpackedSize || stored.size() < sizeof kMark + 2 ||
        std::memcmp(stored.data(), kMark, sizeof kMark) != 0)
      return false;
    Inflater inflater;
    if (!inflater.ready) return false;
    auto& z = inflater.stream;
    z.next_in = const_cast<Bytef*>(stored.data() + sizeof kMark);
    z.avail_in = static_cast<uInt>(stored.size() - sizeof kMark);
    // Inflated a piece at a time and appended, so memory grows with what the
    // stream really yields, not with what the entry claims.
    std::vector<uint8_t> piece(std::size_t{1} << 16);
    for (;;) {
      z.next_out = piece.data();
      z.avail_out = static_cast<uInt>(piece.size());
      const int status = inflate(&z, Z_NO_FLUSH);
      const std::size_t produced = piece.size() - z.avail_out;
      if (bytes.size() + uint64_t{produced} > unpackedSize) break;  // more than it claims
      bytes.insert(bytes.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(produced));
      if (status == Z_STREAM_END) {
        // Exactly the claimed size, and nothing after the stream.
        if (bytes.size() != unpackedSize || z.avail_in != 0) break;
        return true;
      }
      // Corrupt data, or a stream that stops short of its end.
      if (status != Z_OK || (produced == 0 && z.avail_in == 0)) break;
    }
  } catch (const std::bad_alloc&) {
  }
  bytes.clear();
  return false;
}

}  // namespace kelvra
