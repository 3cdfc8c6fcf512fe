// SetSplitterExAttribute and GetSplitterExAttribute: limits, gadgets, collapsed
// sides, the bar's place and the click-to-snap settings, each change followed
// by a re-layout.
#include <optional>

#include "panels/page/page_settings.h"
#include "panels/splitter/splitter_move.h"
#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"
#include "panels/splitter/splitter_skin.h"

namespace kelvra {

namespace {

enum SplitterExAttribute : int32_t {
  kAttributeOrientation = 1,
  kAttributeFirstMinimum = 2,
  kAttributeFirstMaximum = 4,
  kAttributeSecondMinimum = 8,
  kAttributeSecondMaximum = 16,
  kAttributeFirstGadget = 32,
  kAttributeSecondGadget = 64,
  kAttributeCollapseFirst = 128,
  kAttributeCollapseSecond = 256,
  kAttributeBarPosition = 512,
  kAttributeRestore = 1024,
  kAttributeSnapMode = 2048,
};

bool IsSnapMode(int32_t value) {
  return value == kSnapTop || value == kSnapLeft || value == kSnapBottom || value == kSnapRight;
}

// A new gadget in place of `slot`: the old one goes back to the container's
// parent, the new one onto the container page. False for a non-window.
bool ReplaceGadget(SplitterExRecord& splitter, HWND& slot, HWND gadget) {
  if (!IsUsableGadget(gadget, GetParent(splitter.Container()), &splitter)) return false;
  const HWND old = slot;
  const HWND page = splitter.containerPage;
  const HWND home = GetParent(splitter.Container());
  slot = gadget;
  if (old && old != gadget && IsWindow(old) && GetParent(old) == page) SetParent(old, home);
  SetParent(gadget, page);
  return true;
}

// Hides or shows a gadget, then the bar: hidden while either side is collapsed.
void Collapse(SplitterExRecord& splitter, bool first, bool collapse) {
  (first ? splitter.firstCollapsed : splitter.secondCollapsed) = collapse;
  const HWND gadget = first ? splitter.first : splitter.second;
  const bool hideBar = splitter.firstCollapsed || splitter.secondCollapsed;
  const HWND bar = splitter.bar;
  if (gadget) ShowWindow(gadget, collapse ? SW_HIDE : SW_SHOWNA);
  if (IsWindow(bar)) ShowWindow(bar, hideBar ? SW_HIDE : SW_SHOWNA);
}

// The orientation changes the bar's cursor and which looks the states show.
void SetOrientation(SplitterExRecord& splitter, bool stacked) {
  const bool was = splitter.IsStacked();
  splitter.flags = stacked ? (splitter.flags | kSplitterStacked) : (splitter.flags & ~kSplitterStacked);
  if (was == stacked) return;
  const int32_t number = splitter.number;
  SetPageCursor(splitter.barPanel, 0, reinterpret_cast<intptr_t>(stacked ? IDC_SIZENS : IDC_SIZEWE));
  if (SplitterExRecord* again = FindSplitterExByNumber(number); again && again->skin)
    ApplySplitterSkin(*again, again->skin, L"", false);
}

}  // namespace

int SetSplitterAttribute(intptr_t key, int32_t code, int32_t value) {
  SplitterExRecord* splitter = FindSplitterEx(key);
  if (!splitter) return 0;
  const int32_t number = splitter->number;
  const HWND container = splitter->Container();
  std::optional<int32_t> target;
  switch (code) {
    case kAttributeOrientation: SetOrientation(*splitter, value == 1); break;
    case kAttributeFirstMinimum: splitter->firstMinimum = value; break;
    case kAttributeFirstMaximum: splitter->firstMaximum = value; break;
    case kAttributeSecondMinimum: splitter->secondMinimum = value; break;
    case kAttributeSecondMaximum: splitter->secondMaximum = value; break;
    case kAttributeFirstGadget:
      if (!ReplaceGadget(*splitter, splitter->first, reinterpret_cast<HWND>(static_cast<intptr_t>(value)))) return 0;
      break;
    case kAttributeSecondGadget:
      if (!ReplaceGadget(*splitter, splitter->second, reinterpret_cast<HWND>(static_cast<intptr_t>(value)))) return 0;
      break;
    case kAttributeCollapseFirst: Collapse(*splitter, true, value != 0); break;
    case kAttributeCollapseSecond: Collapse(*splitter, false, value != 0); break;
    case kAttributeBarPosition: target = value; break;
    case kAttributeRestore: splitter->restore = value; return 1;
    case kAttributeSnapMode:
      if (!IsSnapMode(value)) return 0;
      splitter->snapMode = value;
      break;
    default: break;  // accepted: a re-layout all the same
  }
  // Showing, hiding and re-parenting ran window procedures.
  splitter = FindSplitterExByNumber(number);
  if (!splitter || splitter->Container() != container) return 1;
  RelayOutSplitterEx(*splitter, target);
  return 1;
}

int32_t GetSplitterAttribute(intptr_t key, int32_t code) {
  const SplitterExRecord* splitter = FindSplitterEx(key);
  if (!splitter) return -1;
  auto asValue = [](HWND window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); };
  switch (code) {
    case kAttributeOrientation: return splitter->IsStacked() ? 1 : -1;
    case kAttributeFirstMinimum: return splitter->firstMinimum;
    case kAttributeFirstMaximum: return splitter->firstMaximum;
    case kAttributeSecondMinimum: return splitter->secondMinimum;
    case kAttributeSecondMaximum: return splitter->secondMaximum;
    case kAttributeFirstGadget: return asValue(splitter->first);
    case kAttributeSecondGadget: return asValue(splitter->second);
    case kAttributeCollapseFirst: return splitter->firstCollapsed ? 1 : 0;
    case kAttributeCollapseSecond: return splitter->secondCollapsed ? 1 : 0;
    case kAttributeBarPosition: {
      const SplitterBox bar = BarBoxInContainer(splitter->bar, splitter->containerPage);
      return splitter->IsStacked() ? bar.y : bar.x;
    }
    case kAttributeRestore: return splitter->restore;
    case kAttributeSnapMode: return splitter->snapMode;
    default: return -1;
  }
}

}  // namespace kelvra
