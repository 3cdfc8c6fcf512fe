// The entry codec of skin packs: "JC" and then a zlib stream (deflate, level 9),
// kept only when it is smaller than the bytes themselves. Pure code: no
// <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kelvra {

// What an entry stores: the compressed form when it is smaller, else the bytes
// as they are (an entry stored at its own size is raw). False when memory runs out.
bool EncodePackEntry(std::span<const uint8_t> bytes, std::vector<uint8_t>& stored);

// The entry's bytes, which must be exactly `unpackedSize` long. Accepted only
// when the stored size equals the unpacked size (raw), or when it is smaller,
// starts with "JC", and the zlib stream after it inflates to exactly
// `unpackedSize` bytes and ends exactly at the entry's end. Memory grows with
// what the stream really yields, not with what the entry claims. False (and
// `bytes` empty) otherwise.
bool DecodePackEntry(std::span<const uint8_t> stored, uint32_t unpackedSize, std::vector<uint8_t>& bytes);

}  // namespace kelvra
