// The band exports: add, insert, delete, move, show, and reading a band's id.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "commandbars/commandbar_globals.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"
#include "core/windows/window_class_name.h"

namespace kelvra {

namespace {

bool IsToolbarWindow(HWND window) {
  if (!window) return false;
  std::wstring name(WindowClassName(window).view());
  for (wchar_t& c : name) c = static_cast<wchar_t>(towlower(c));
  return name == L"toolbarwindow32";
}

// The next id: the counter, past any id a band still has (a deleted band before
// the last gives the counter back while later bands keep theirs).
int32_t TakeBandId(RebarRecord& rebar) {
  int32_t id = rebar.bandCounter;
  while (RebarBandById(rebar.Window(), id)) ++id;
  return id;
}

int32_t IndexOfId(HWND rebar, int32_t id) {
  return static_cast<int32_t>(SendMessageW(rebar, RB_IDTOINDEX, static_cast<WPARAM>(id), 0));
}

bool ReadBand(HWND rebar, int32_t index, UINT mask, REBARBANDINFOW& info) {
  info = REBARBANDINFOW{};
  info.cbSize = kRebarBandInfoSize;
  info.fMask = mask;
  return index >= 0 && SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

int32_t AddTo(RebarRecord& rebar, const RebarGadget& gadget) {
  if (gadget.child && !IsWindow(gadget.child)) return -1;
  const HWND window = rebar.Window();
  REBARBANDINFOW& band = rebar.bandTemplate;
  const UINT templateStyle = band.fStyle;

  std::wstring text = gadget.text ? gadget.text : L"";
  text.push_back(L'\0');
  const int32_t id = TakeBandId(rebar);

  auto owned = std::make_unique<RebarBandRecord>();
  owned->host = rebar.parent;
  owned->rebar = window;
  owned->child = gadget.child;
  owned->bandId = id;
  RebarBandRecord* record = RebarBandList().Append(std::move(owned));

  band.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_BACKGROUND | RBBIM_ID |
               RBBIM_IDEALSIZE | RBBIM_LPARAM;
  band.lpText = text.data();
  band.hwndChild = gadget.child;
  band.cxMinChild = gadget.minimumWidth;
  band.cx = band.cxIdeal = gadget.width;
  band.wID = static_cast<UINT>(id);
  band.lParam = reinterpret_cast<LPARAM>(record);
  if (gadget.bandStyle) band.fStyle = gadget.bandStyle;
  if (gadget.background) {
    record->background = gadget.background;
    band.hbmBack = gadget.background;
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~RBS_BANDBORDERS);
  } else if (rebar.background) {
    band.hbmBack = rebar.background;
    band.fStyle |= RBBS_FIXEDBMP;
  } else {
    band.hbmBack = nullptr;
  }

  int32_t height = gadget.minimumHeight;
  // Only a toolbar is asked its button size: to another class the message means
  // something else (a rich edit reads it as EM_GETCHARFORMAT and writes through lParam).
  const bool toolbar = IsToolbarWindow(gadget.child);
  if (!height && toolbar) height = HIWORD(SendMessageW(gadget.child, TB_GETBUTTONSIZE, 0, 0));
  if (!height && gadget.child) {
    RECT rect{};
    GetWindowRect(gadget.child, &rect);
    height = rect.bottom - rect.top;
  }
  band.cyMinChild = band.cyChild = height;
  band.cyIntegral = 1;
  if (toolbar) {
    const LRESULT style = SendMessageW(gadget.child, TB_GETSTYLE, 0, 0);
    SendMessageW(gadget.child, TB_SETSTYLE, 0, style | CCS_NODIVIDER | CCS_NORESIZE);
  }

  const int32_t position = CommandBarState().settings.rebarInsertPosition;
  const LRESULT inserted = SendMessageW(window, RB_INSERTBANDW, static_cast<WPARAM>(position != -2 ? position : -1),
                                        reinterpret_cast<LPARAM>(&band));
  band.lpText = nullptr;
  band.fStyle = templateStyle;
  if (!inserted) {
    RebarBandList().Remove(record);
    return -1;
  }
  rebar.bandCounter = id + 1;
  return id;
}

}  // namespace

int32_t AddRebarGadget(const RebarGadget& gadget) {
  if (Rebars().currentRebar == -1) return 0;
  RebarRecord* rebar = CurrentRebarRecord();
  if (!rebar || !IsWindow(rebar->Window())) return -1;
  return AddTo(*rebar, gadget);
}

int32_t InsertRebarGadget(intptr_t key, int32_t position, const RebarGadget& gadget) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar || !IsWindow(rebar->Window())) return 0;
  const int32_t index = IndexOfId(rebar->Window(), position);
  if (index != -1) position = index;
  Rebars().currentRebar = rebar->number;
  int32_t& insertAt = CommandBarState().settings.rebarInsertPosition;
  insertAt = position;
  const int32_t id = AddTo(*rebar, gadget);
  insertAt = -2;
  return id;
}

int32_t DeleteRebarBand(intptr_t key, int32_t value) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  const HWND window = rebar->Window();
  const int32_t byId = IndexOfId(window, value);
  for (RebarBandRecord* band : RebarBandsOf(window)) {
    int32_t index = -1;
    if (byId != -1) {
      if (band->bandId == value) index = byId;
    } else {
      REBARBANDINFOW info;
      if (ReadBand(window, value, RBBIM_ID, info) && static_cast<int32_t>(info.wID) == band->bandId) index = value;
    }
    if (index == -1) continue;
    SendMessageW(window, RB_DELETEBAND, static_cast<WPARAM>(index), 0);
    RebarBandList().Remove(band);
    --rebar->bandCounter;
    return 1;
  }
  return 0;
}

int32_t MoveRebarBand(intptr_t key, int32_t from, int32_t to) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  return static_cast<int32_t>(
      SendMessageW(rebar->Window(), RB_MOVEBAND, static_cast<WPARAM>(from), static_cast<LPARAM>(to)));
}

int32_t ShowRebarBand(intptr_t key, int32_t value, bool show) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  const HWND window = rebar->Window();
  int32_t index = IndexOfId(window, value);
  if (index == -1) index = value;
  REBARBANDINFOW info;
  if (!ReadBand(window, index, RBBIM_LPARAM, info)) return 0;
  SendMessageW(window, RB_SHOWBAND, static_cast<WPARAM>(index), show ? TRUE : FALSE);
  if (RebarBandRecord* band = RebarBandFromParam(window, info.lParam)) band->visible = show ? -1 : 0;
  LayoutRebarBands(rebar->parent);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return 1;
}

int32_t RebarBandID(intptr_t key, int32_t index) {
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return -1;
  REBARBANDINFOW info;
  if (!ReadBand(rebar->Window(), index, RBBIM_ID, info)) return 0;
  return static_cast<int32_t>(info.wID);
}

}  // namespace kelvra
