// Band layout: fill bands take the host's free height below the other bands,
// sizable bands share the height of a fill or sizable band in their row, and
// toolbar bands follow their toolbar's row count.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <vector>

#include "commandbars/commandbars_seam.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"

namespace kelvra {

namespace {

struct BandFacts {
  REBARBANDINFOW info{};
  RECT rect{};
  bool hidden = false;
};

BandFacts ReadFacts(HWND rebar, int index) {
  BandFacts facts;
  facts.info.cbSize = kRebarBandInfoSize;
  facts.info.fMask = RBBIM_STYLE | RBBIM_CHILDSIZE | RBBIM_ID | RBBIM_LPARAM | RBBIM_CHILD;
  SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&facts.info));
  SendMessageW(rebar, RB_GETRECT, index, reinterpret_cast<LPARAM>(&facts.rect));
  facts.hidden = (facts.info.fStyle & RBBS_HIDDEN) != 0;
  if (const RebarBandRecord* band = RebarBandFromParam(rebar, facts.info.lParam))
    facts.hidden = facts.hidden || band->visible == 0;
  return facts;
}

// The first y down the host's column at `x` where the topmost child there is
// neither the rebar nor nothing: what a scan of ChildWindowFromPoint point by
// point finds, from one walk over the children. The topmost child at a point
// only changes where some child starts or ends, so only those rows are tried.
bool FirstOtherChildBelow(HWND host, HWND rebar, int x, int bottom, int& found) {
  struct Child {
    HWND window;
    RECT rect;
  };
  std::vector<Child> column;  // in z-order, topmost first
  for (HWND child = GetWindow(host, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, host, reinterpret_cast<POINT*>(&rect), 2);
    if (x >= rect.left && x < rect.right && rect.bottom > rect.top) column.push_back({child, rect});
  }
  std::set<int> rows;
  for (const Child& child : column) {
    rows.insert(std::max<int>(child.rect.top, 0));
    rows.insert(child.rect.bottom);
  }
  for (int y : rows) {
    if (y < 0 || y >= bottom) continue;
    for (const Child& child : column) {
      if (y < child.rect.top || y >= child.rect.bottom) continue;
      if (child.window == rebar) break;
      found = y;
      return true;
    }
  }
  return false;
}

bool HasLibraryBits(uint32_t style) { return (style & (kRebarBandFillBits | kRebarBandSizableHeight)) != 0; }

void LayoutRebar(RebarRecord& rebar, int depth) {
  const HWND window = rebar.Window();
  const HWND host = rebar.parent;
  RECT client{};
  GetClientRect(host, &client);
  const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));

  for (int index = 0; index < count; ++index) {
    const BandFacts facts = ReadFacts(window, index);
    if (!(facts.info.fStyle & kRebarBandFillBits)) continue;
    RebarBandRecord* band = RebarBandFromParam(window, facts.info.lParam);
    const int offset = CalcRebarBandOffset(window, static_cast<int32_t>(facts.info.wID));
    int margin = band ? band->fillMargin : 0;
    int y = 0;
    if (FirstOtherChildBelow(host, window, client.right / 2, client.bottom, y)) {
      margin = client.bottom - y + 5;
      if (band && !band->fillMargin) band->fillMargin = margin;
    }
    SetRebarBandChildHeight(window, index, client.bottom - margin - offset);
  }

  for (int index = 0; index < count; ++index) {
    const BandFacts facts = ReadFacts(window, index);
    if (!(facts.info.fStyle & kRebarBandSizableHeight)) continue;
    RebarBandRecord* band = RebarBandFromParam(window, facts.info.lParam);
    bool matched = false;
    for (int other = 0; other < count && !matched; ++other) {
      if (other == index) continue;
      const BandFacts partner = ReadFacts(window, other);
      if (partner.rect.top != facts.rect.top || !HasLibraryBits(partner.info.fStyle)) continue;
      matched = true;
      if (band && !band->savedChildHeight) band->savedChildHeight = static_cast<int32_t>(facts.info.cyMinChild);
      if (partner.info.cyMinChild != facts.info.cyMinChild)
        SetRebarBandChildHeight(window, index, static_cast<int>(partner.info.cyMinChild));
    }
    if (!matched && band && band->savedChildHeight) {
      SetRebarBandChildHeight(window, index, band->savedChildHeight);
      band->savedChildHeight = 0;
      // Its row changed with its height: everything is laid out again. Each
      // round puts one saved height back, so the rounds end.
      if (depth < 64) return LayoutRebar(rebar, depth + 1);
    }
  }
}

}  // namespace

void SetRebarBandChildHeight(HWND rebar, int index, int height) {
  REBARBANDINFOW info{};
  info.cbSize = kRebarBandInfoSize;
  info.fMask = RBBIM_CHILDSIZE;
  SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
  info.fMask = RBBIM_CHILDSIZE;
  info.cyMinChild = static_cast<UINT>(std::max(height, 0));
  SendMessageW(rebar, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
}

int32_t CalcRebarBandOffset(HWND rebar, int32_t bandId) {
  const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
  struct Row {
    int top;
    int height;
    bool own;
  };
  std::vector<Row> rows;
  for (int index = 0; index < count; ++index) {
    const BandFacts facts = ReadFacts(rebar, index);
    if (facts.hidden) continue;
    const bool own = static_cast<int32_t>(facts.info.wID) == bandId;
    if (rows.empty() || rows.back().top != facts.rect.top) {
      RECT borders{};
      SendMessageW(rebar, RB_GETBANDBORDERS, index, reinterpret_cast<LPARAM>(&borders));
      const int height = static_cast<int>(SendMessageW(rebar, RB_GETROWHEIGHT, index, 0));
      rows.push_back({static_cast<int>(facts.rect.top), height + borders.top + borders.bottom, own});
    } else if (own) {
      rows.back().own = true;
    }
  }
  int32_t offset = 0;
  for (const Row& row : rows)
    if (!row.own) offset += row.height;
  return offset;
}

void LayoutRebarBands(HWND host) {
  for (RebarRecord& rebar : RebarList()) {
    if (rebar.parent != host) continue;
    if (IsWindow(rebar.Window())) LayoutRebar(rebar, 0);
    return;
  }
}

void GrowRebarBandOfChild(HWND child, int delta) {
  if (!delta || !child) return;
  const RebarRecord* rebar = FindRebarByWindow(GetParent(child));
  if (!rebar) return;
  const HWND window = rebar->Window();
  const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    REBARBANDINFOW info{};
    info.cbSize = kRebarBandInfoSize;
    info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE;
    if (!SendMessageW(window, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info)) || info.hwndChild != child)
      continue;
    SetRebarBandChildHeight(window, index, static_cast<int>(info.cyMinChild) + delta);
    return;
  }
}

void FitRebarsOnPage(HWND page) {
  RECT client{};
  GetClientRect(page, &client);
  for (RebarRecord* rebar : [&] {
         std::vector<RebarRecord*> onPage;
         for (RebarRecord& record : RebarList())
           if (record.parent == page) onPage.push_back(&record);
         return onPage;
       }()) {
    if (!RebarList().Contains(rebar)) continue;
    const HWND window = rebar->Window();
    const int height = static_cast<int>(SendMessageW(window, RB_GETBARHEIGHT, 0, 0));
    SetWindowPos(window, nullptr, 0, 0, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    LayoutRebarBands(page);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

}  // namespace kelvra
