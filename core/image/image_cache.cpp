// Loading image files through the cache, and releasing them.
#include "core/image/image_cache.h"

#include "core/image/bitmap_conversion.h"
#include "core/image/runtime_image.h"

namespace kelvra {

std::mutex& ImageCacheLock() {
  static std::mutex* lock = new std::mutex();
  return *lock;
}

ImageCache& TheImageCache() {
  static ImageCache cache;
  return cache;
}

namespace {
std::wstring& PathDirectory() {
  static std::wstring directory;
  return directory;
}
}  // namespace

std::wstring ImgPathDirectory() {
  std::lock_guard<std::mutex> guard(ImageCacheLock());
  return PathDirectory();
}

void SetImgPathDirectory(std::wstring directory) {
  std::lock_guard<std::mutex> guard(ImageCacheLock());
  PathDirectory() = std::move(directory);
}

namespace {

bool FileHasBytes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  return data.nFileSizeHigh != 0 || data.nFileSizeLow != 0;
}

HANDLE LoadUncached(const std::wstring& path, int width, int height, int32_t flags) {
  if (!FileHasBytes(path)) return nullptr;
  if (HANDLE icon = LoadImageW(nullptr, path.c_str(), IMAGE_ICON, width, height, LR_LOADFROMFILE)) return icon;
  auto image = image::DecodeFile(path);
  if (!image) return nullptr;
  if (width || height) {
    const int w = width ? width : image->Width();
    const int h = height ? height : image->Height();
    if (w != image->Width() || h != image->Height()) {
      image = image::Resize(*image, w, h);
      if (!image) return nullptr;
    }
  }
  if (flags & kLoadAsIcon) return BitmapToIcon(image->Bitmap());
  return image->Detach();
}

}  // namespace

HANDLE LoadImageFile(const std::wstring& file, int width, int height, int32_t flags) {
  ImageCache& cache = TheImageCache();
  const bool shared = (flags & kLoadShared) != 0;
  if (shared) {
    std::lock_guard<std::mutex> guard(ImageCacheLock());
    if (HANDLE* cached = cache.imagePathMap.Find(file)) {
      if (ImageUse* use = cache.imageUseMap.Find(HandleKey(*cached))) ++use->holders;
      return *cached;
    }
  }
  HANDLE result = LoadUncached(ImgPathDirectory() + file, width, height, flags);
  if (result && shared) {
    // Another thread may have loaded the same file meanwhile: the first one in is
    // shared, and this one stays the caller's own.
    std::lock_guard<std::mutex> guard(ImageCacheLock());
    if (!cache.imagePathMap.Contains(file)) {
      cache.imageUseMap.Set(HandleKey(result), ImageUse{0, file});
      cache.imagePathMap.Set(file, result);
    }
  }
  return result;
}

int FreeImage(HANDLE image) {
  ImageCache& cache = TheImageCache();
  const std::wstring key = HandleKey(image);
  {
    std::lock_guard<std::mutex> guard(ImageCacheLock());
    if (ImageUse* use = cache.imageUseMap.Find(key)) {
      if (use->holders > 0) {
        --use->holders;
        return 1;
      }
      cache.imagePathMap.Remove(use->file);
      cache.imageUseMap.Remove(key);
    }
  }
  if (!image) return 0;
  if (DestroyIcon(static_cast<HICON>(image))) return 1;
  return DeleteObject(image);
}

}  // namespace kelvra
