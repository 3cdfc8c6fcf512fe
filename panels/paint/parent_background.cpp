// The parent's background under see-through pages, kept per parent.
//
// Asking the parent to draw means sending it messages, each a trip through every
// hook on the thread and so several requests to the window server; a window full
// of buttons asked once per button per paint. Instead the parent draws its whole
// client area once into a bitmap of its own, which every page over it copies its
// piece from. That is only sound while we see every paint of the parent: it must
// be a window that CommonSubclassProc subclassed, on this thread. Its paints and
// erases move its entry's paint epoch; the kept bitmap is stale once the epoch, the
// window-look epoch (theme, system colours, settings), its client size, its class
// brush or the visual style moved on. Any other parent is asked by each page, as
// the visual-styles API does it.
//
// The kept bitmap holds the class brush and what the parent draws for
// WM_PRINTCLIENT, not its WM_ERASEBKGND: when a page asked through the visual-styles
// API, CommonSubclassProc cut every panel over the erased area out of the parent's
// erase, so the erase never reached the pixels behind a page; drawn once for pages
// made later, it would.
#include "panels/paint/parent_background.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/memory_canvas.h"
#include "core/image/runtime_image.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"
#include "core/windows/window_map.h"
#include "panels/paint/page_paint_steps.h"

namespace kelvra {

namespace {

// Larger parents are asked page by page rather than kept whole.
constexpr int64_t kMaxKeptPixels = int64_t{2048} * 2048;
// The parents kept at once (the least recently used goes first): the pages that
// paint together mostly sit on one or two.
constexpr size_t kMaxKeptParents = 4;

// What the kept pixels were drawn from.
struct KeptKey {
  HWND parent = nullptr;
  int width = 0, height = 0;
  uint32_t paintEpoch = 0, lookEpoch = 0;
  LONG_PTR brush = 0;
  COLORREF brushColour = 0;  // of a COLOR_* + 1 brush
  int visualStyles = 0;
  uint32_t themeGeneration = 0;
  bool operator==(const KeptKey&) const = default;
};

struct Kept {
  KeptKey key;
  bool valid = false;
  bool filling = false;  // the parent is drawing into it (messages run meanwhile)
  uint64_t used = 0;
  std::unique_ptr<image::RuntimeImage> image;
  UniqueDc dc;
  HGDIOBJ previous = nullptr;

  ~Kept() {
    if (dc && previous) SelectObject(dc.get(), previous);
  }
};

std::vector<std::unique_ptr<Kept>>& AllKept() {
  static std::vector<std::unique_ptr<Kept>> kept;
  return kept;
}

uint64_t NextUse() {
  static uint64_t use = 0;
  return ++use;
}

// The parent's own drawing behind the panel, asked of the parent for this page
// alone. The parent of the panel is drawn: the call is given the panel (it draws
// the parent of the window it is given). The buffer's pixel (0, 0) is the panel's
// client corner, so the logical origin goes to 0 for the call; SaveDC and
// RestoreDC keep the parent's erase from leaving its clip exclusions behind (the
// call restores the clip only when given a rectangle).
void DrawThemedParentBackground(HDC dc, HWND panel) {
  const UxThemeApi& api = UxTheme();
  if (!api.DrawThemeParentBackground) return;
  const int saved = SaveDC(dc);
  if (!saved) return;
  SetWindowOrgEx(dc, 0, 0, nullptr);
  api.DrawThemeParentBackground(panel, dc, nullptr);
  RestoreDC(dc, saved);
}

void AskParent(HDC dc, HWND page, HWND panel, HWND parent) {
  FillParentClassBackground(dc, page, parent);
  DrawThemedParentBackground(dc, panel);
}

// The key of what the parent would draw now; false when it cannot be kept.
bool CurrentKey(HWND parent, KeptKey& key) {
  if (GetWindowThreadProcessId(parent, nullptr) != GetCurrentThreadId()) return false;
  // Mirrored coordinates change with the window's width; such parents are asked.
  if (GetWindowLongW(parent, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) return false;
  RECT client{};
  if (!GetClientRect(parent, &client) || client.right <= 0 || client.bottom <= 0) return false;
  if (int64_t{client.right} * client.bottom > kMaxKeptPixels) return false;
  {
    LockGuard mapLock(Locks().windowMap);
    const WindowMapEntry* entry = mapLock ? GetWindowMap().Find(parent) : nullptr;
    // Only a window whose every message passes CommonSubclassProc tells us when
    // it paints.
    if (!entry || !entry->savedProcedure) return false;
    key.paintEpoch = entry->paintEpoch;
    key.lookEpoch = WindowLookEpoch();
  }
  key.parent = parent;
  key.width = client.right;
  key.height = client.bottom;
  key.brush = GetClassLongPtrW(parent, GCLP_HBRBACKGROUND);
  key.brushColour = key.brush > 0 && key.brush <= COLOR_MENUBAR + 1 ? GetSysColor(static_cast<int>(key.brush - 1)) : 0;
  const UxThemeApi& api = UxTheme();
  key.visualStyles = api.visualStyles;
  key.themeGeneration = api.generation;
  return true;
}

Kept* FindKept(HWND parent) {
  for (const auto& kept : AllKept())
    if (kept->key.parent == parent) return kept.get();
  return nullptr;
}

// A slot for `parent`: its own, a new one, or the least recently used one that
// is not being drawn into. nullptr when none can be had.
Kept* SlotFor(HWND parent) {
  if (Kept* own = FindKept(parent)) return own;
  auto& all = AllKept();
  if (all.size() < kMaxKeptParents) {
    try {
      all.push_back(std::make_unique<Kept>());
    } catch (...) {
      return nullptr;
    }
    return all.back().get();
  }
  Kept* oldest = nullptr;
  for (const auto& kept : all)
    if (!kept->filling && (!oldest || kept->used < oldest->used)) oldest = kept.get();
  if (oldest) oldest->valid = false;
  return oldest;
}

bool EnsureBitmap(Kept& kept, int width, int height) {
  if (kept.image && kept.image->Width() == width && kept.image->Height() == height && kept.dc) return true;
  if (kept.dc && kept.previous) SelectObject(kept.dc.get(), kept.previous);
  kept.previous = nullptr;
  kept.dc.reset();
  kept.image = image::RuntimeImage::Create(width, height, 32);
  if (!kept.image) return false;
  kept.dc.reset(CreateCompatibleDC(nullptr));
  if (!kept.dc) {
    kept.image.reset();
    return false;
  }
  kept.previous = SelectObject(kept.dc.get(), kept.image->Bitmap());
  return true;
}

// The parent draws its client area into the kept bitmap: the class brush, then
// (as the visual-styles API asks it) its WM_PRINTCLIENT drawing. Starts from
// opaque black, as a new back buffer does.
bool Fill(Kept& kept, const KeptKey& key) {
  kept.valid = false;
  kept.key = key;  // found as this parent's (being filled) by paints meanwhile
  if (!EnsureBitmap(kept, key.width, key.height)) return false;
  const HDC dc = kept.dc.get();
  FillImagePixels(*kept.image, RECT{0, 0, key.width, key.height}, 0xFF000000u);
  FillParentClassBackground(dc, key.parent, key.parent);
  if (UxTheme().DrawThemeParentBackground) {
    kept.filling = true;
    SendMessageW(key.parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    kept.filling = false;
    // Its drawing may have freed the library's records, or the window itself.
    if (!IsWindow(key.parent)) return false;
  }
  GdiFlush();
  // The epochs as they are now: what the parent did while drawing for us (a
  // WM_PRINTCLIENT answered through its WM_PAINT) belongs to this drawing.
  KeptKey now{};
  if (!CurrentKey(key.parent, now)) return false;
  kept.key = now;
  kept.valid = now.width == key.width && now.height == key.height;
  return kept.valid;
}

// Copies the piece behind the panel: the panel's client area, cut to the
// parent's, to where the panel's client corner lies in `dc`.
void CopyKept(const Kept& kept, HDC dc, HWND panel) {
  RECT client{};
  GetClientRect(panel, &client);
  POINT corner{0, 0};
  MapWindowPoints(panel, kept.key.parent, &corner, 1);
  RECT source{corner.x, corner.y, corner.x + client.right, corner.y + client.bottom};
  const RECT parentClient{0, 0, kept.key.width, kept.key.height};
  if (!IntersectRect(&source, &source, &parentClient)) return;
  // The destination's device pixel (0, 0) is the panel's corner; BitBlt wants
  // logical coordinates.
  POINT at{source.left - corner.x, source.top - corner.y};
  DPtoLP(dc, &at, 1);
  BitBlt(dc, at.x, at.y, source.right - source.left, source.bottom - source.top, kept.dc.get(), source.left,
         source.top, SRCCOPY);
}

}  // namespace

void DrawParentBackground(HDC dc, HWND page, HWND panel, HWND parent) {
  if (!dc || !parent) return;
  KeptKey key;
  if (!CurrentKey(parent, key)) return AskParent(dc, page, panel, parent);
  Kept* kept = FindKept(parent);
  if (!kept || !kept->valid || kept->filling || !(kept->key == key)) {
    // A page painted while the parent draws for us (from its own drawing) asks
    // for itself.
    if (kept && kept->filling) return AskParent(dc, page, panel, parent);
    kept = SlotFor(parent);
    if (!kept || !Fill(*kept, key)) {
      if (kept) kept->valid = false;
      return AskParent(dc, page, panel, parent);
    }
  }
  kept->used = NextUse();
  CopyKept(*kept, dc, panel);
}

void ReleaseParentBackgrounds() {
  auto& all = AllKept();
  // Slots being drawn into (none at the end) stay.
  all.erase(std::remove_if(all.begin(), all.end(), [](const auto& kept) { return !kept->filling; }), all.end());
}

}  // namespace kelvra
