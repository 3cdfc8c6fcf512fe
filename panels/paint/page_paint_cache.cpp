// The per-page paint cache's life.
#include "panels/paint/page_paint_cache.h"

#include <new>

#include "core/platform/gdiplus_objects.h"

namespace kelvra {

PagePaintCache::~PagePaintCache() {
  // A bitmap made while GDI+ ran cannot be disposed of once it has shut down;
  // its memory went with GDI+.
  if (stretchBitmap && GdiPlus().token) GdiPlus().GdipDisposeImage(stretchBitmap);
}

void PagePaintCacheDeleter::operator()(PagePaintCache* cache) const { delete cache; }

PagePaintCache* PaintCacheOf(PanelExPageRecord& page) {
  if (!page.paintCache) page.paintCache.reset(new (std::nothrow) PagePaintCache());
  return page.paintCache.get();
}

}  // namespace kelvra
