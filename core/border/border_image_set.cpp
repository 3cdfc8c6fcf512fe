// Border image sets: the list, the reference counts, preparing slices and mask
// regions (re-cut only when a CRC-32 of the pixels or the rectangle changed) and
// releasing a set.
#include "core/border/border_image_set.h"

#include <zlib.h>

#include <memory>
#include <optional>

#include "core/image/region/region_from_image.h"
#include "core/library/ui_thread.h"
#include "core/image/runtime_image.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

struct DibFacts {
  int32_t width = 0, height = 0;
  const unsigned char* bits = nullptr;
  size_t byteCount = 0;
};

// A DIB section of positive size, with the byte count of its (row-padded) pixels.
bool ReadDib(HBITMAP bitmap, DibFacts& facts) {
  BITMAP info{};
  if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP || !GetObjectW(bitmap, sizeof(info), &info)) return false;
  if (!info.bmBits || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
  facts.width = info.bmWidth;
  facts.height = info.bmHeight;
  facts.bits = static_cast<const unsigned char*>(info.bmBits);
  const size_t stride = (static_cast<size_t>(info.bmWidth) * info.bmBitsPixel + 31) / 32 * 4;
  facts.byteCount = stride * static_cast<size_t>(info.bmHeight);
  return true;
}

uint32_t Checksum(const unsigned char* bytes, size_t count) {
  uLong crc = crc32(0L, Z_NULL, 0);
  while (count > 0) {  // zlib's length is a uInt
    const uInt chunk = static_cast<uInt>(std::min<size_t>(count, 1u << 30));
    crc = crc32(crc, bytes, chunk);
    bytes += chunk;
    count -= chunk;
  }
  return static_cast<uint32_t>(crc);
}

uint32_t Checksum(const DibFacts& facts) {
  GdiFlush();  // pending GDI drawing must reach the pixels first
  return Checksum(facts.bits, facts.byteCount);
}

uint32_t Checksum(const image::RuntimeImage& image) {
  return Checksum(image.Bits(), static_cast<size_t>(image.Stride()) * image.Height());
}

SliceRect ToSlice(const RECT& r) { return SliceRect{r.left, r.top, r.right, r.bottom}; }

SliceRect FoundSlice(const image::RuntimeImage& image) {
  return NormaliseFoundSlice(FindBorderImageMargins(image), image.Width(), image.Height());
}

// A fresh entry of the source's nine pieces, each made by `makePiece` from its
// copied pixels (an empty handle when it cannot be), or nullopt when a piece
// cannot be made. A piece without pixels stays empty and draws nothing.
template <class Entry, class MakePiece>
std::optional<Entry> CutPieces(const image::RuntimeImage& source, uint32_t checksum,
                               const std::optional<SliceRect>& given, MakePiece makePiece) {
  Entry entry;
  entry.checksum = checksum;
  entry.slice = given ? *given : FoundSlice(source);
  const auto boxes = SlicePieces(source.Width(), source.Height(), entry.slice);
  for (int i = 0; i < kBorderPieceCount; ++i) {
    const PieceBox& box = boxes[i];
    if (box.width <= 0 || box.height <= 0) continue;
    auto pixels = image::CopyRect(source, box.x, box.y, box.width, box.height);
    if (!pixels) return std::nullopt;
    auto piece = makePiece(*pixels, box);
    if (!piece) return std::nullopt;
    entry.pieces[i] = std::move(piece);
    entry.sizes[i] = {box.width, box.height};
  }
  return entry;
}

// The border image's pieces as one-image lists.
std::optional<BorderSliceEntry> CutSlices(const image::RuntimeImage& source, uint32_t checksum,
                                          const std::optional<SliceRect>& given) {
  auto makeList = [](const image::RuntimeImage& pixels, const PieceBox& box) {
    UniqueImageList list(ImageList_Create(box.width, box.height, ILC_COLOR32 | ILC_MASK, 1, 0));
    if (list && ImageList_Add(list.get(), pixels.Bitmap(), nullptr) < 0) list.reset();
    return list;
  };
  return CutPieces<BorderSliceEntry>(source, checksum, given, makeList);
}

// The mask's pieces as regions of their non-zero pixels.
std::optional<BorderMaskEntry> CutMask(const image::RuntimeImage& mask, uint32_t checksum,
                                       const std::optional<SliceRect>& given) {
  auto makeRegion = [](const image::RuntimeImage& pixels, const PieceBox&) {
    return UniqueRegion(CreateRegionFromImage(pixels, 0));
  };
  return CutPieces<BorderMaskEntry>(mask, checksum, given, makeRegion);
}

bool RemakeMask(BorderImageSet& set, const std::wstring& key, const image::RuntimeImage& mask,
                uint32_t checksum, const std::optional<SliceRect>& given) {
  auto entry = CutMask(mask, checksum, given);
  if (!entry) return false;
  set.maskMap.Set(key, std::move(*entry));  // the old regions go with the old entry
  return true;
}

// Makes `key` the latest of the recent keys and drops every other entry.
template <class Entry>
void KeepRecent(StringMap<Entry>& map, RecentKeys& recent, const std::wstring& key) {
  if (!key.empty() && key != recent[0]) {
    recent[1] = std::move(recent[0]);
    recent[0] = key;
  }
  map.RemoveIf([&](const std::wstring& k) { return k != recent[0] && k != recent[1]; });
}

}  // namespace

ControlList<BorderImageSet>& BorderImageSets() {
  AssertUserInterfaceThread();
  static ControlList<BorderImageSet> sets;
  return sets;
}

StringMap<int32_t>& BorderSetReferenceCounts() {
  static StringMap<int32_t> counts(64);
  return counts;
}

BorderImageSet* AddBorderImageSet() {
  BorderImageSet* set = BorderImageSets().Emplace();
  BorderSetReferenceCounts().Set(HandleKey(set), 1);
  return set;
}

int PrepareBorderImageSlices(BorderImageSet* handle, HBITMAP image, intptr_t mask, const RECT* rect) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set) return 0;
  BorderImageSets().SetCurrent(set);

  const std::optional<SliceRect> given = rect ? std::optional<SliceRect>(ToSlice(*rect)) : std::nullopt;
  // Every check comes before any change, so a refusal leaves the set as it was.
  DibFacts imageFacts;
  if (image && (!ReadDib(image, imageFacts) || (given && !SliceFits(*given, imageFacts.width, imageFacts.height))))
    return 0;
  const bool maskBitmap = mask != kMaskFromBorderImage && mask != kNoBorderMask && mask != kMaskOnlyFromBorderImage;
  HBITMAP maskHandle = maskBitmap ? reinterpret_cast<HBITMAP>(mask) : nullptr;
  DibFacts maskFacts;
  if (maskBitmap &&
      (!ReadDib(maskHandle, maskFacts) || (given && !SliceFits(*given, maskFacts.width, maskFacts.height))))
    return 0;

  const std::wstring imageKey = image ? HandleKey(image) : std::wstring();
  bool slicesRemade = false;
  if (image) {
    const uint32_t checksum = Checksum(imageFacts);
    const BorderSliceEntry* entry = set->sliceMap.Find(imageKey);
    if (!entry || (given && *given != entry->slice) || checksum != entry->checksum) {
      auto source = image::RuntimeImage::View(image);
      if (!source) return 0;
      auto fresh = CutSlices(*source, checksum, given);
      if (!fresh) return 0;
      set->sliceMap.Set(imageKey, std::move(*fresh));  // the old image lists go with the old entry
      slicesRemade = true;
    }
  }

  if (maskBitmap) {
    const std::wstring maskKey = HandleKey(maskHandle);
    const uint32_t checksum = Checksum(maskFacts);
    const BorderMaskEntry* entry = set->maskMap.Find(maskKey);
    if (!entry || (given && *given != entry->slice) || checksum != entry->checksum) {
      auto source = image::RuntimeImage::View(maskHandle);
      if (!source || !RemakeMask(*set, maskKey, *source, checksum, given)) return 0;
    }
  } else if (image && mask != kNoBorderMask && (slicesRemade || !set->maskMap.Contains(imageKey))) {
    // Built with the slices, and again when the image's mask was dropped as no
    // longer recent (or was never asked for) while its slices were kept.
    auto source = image::RuntimeImage::View(image);
    if (!source) return 0;
    auto built = CreateBorderMaskImage(*source);
    // An image that gives no mask must not keep the mask of its earlier pixels.
    if (!built) set->maskMap.Remove(imageKey);
    else if (!RemakeMask(*set, imageKey, *built, Checksum(*built), given)) return 0;
  }

  set->currentImageKey = imageKey;
  if (mask == kMaskFromBorderImage) {
    set->currentMaskKey = imageKey;
  } else if (mask == kMaskOnlyFromBorderImage) {
    set->currentMaskKey = imageKey;
    set->currentImageKey.clear();  // the set only clips
  } else if (mask == kNoBorderMask) {
    set->currentMaskKey.clear();
  } else {
    set->currentMaskKey = HandleKey(maskHandle);
  }
  KeepRecent(set->sliceMap, set->recentImageKeys, imageKey);
  KeepRecent(set->maskMap, set->recentMaskKeys, set->currentMaskKey);
  return 1;
}

int ReleaseBorderImageSet(BorderImageSet* handle) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set) return 0;
  BorderSetReferenceCounts().Remove(HandleKey(set));
  BorderImageSets().Remove(set);  // image lists and regions go with the record
  return 0;
}

}  // namespace kelvra
