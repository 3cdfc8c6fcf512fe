#include "commandbars/rebar/rebar_registry.h"

namespace kelvra {

ControlList<RebarRecord>& RebarList() {
  static ControlList<RebarRecord> list;
  return list;
}

ControlList<RebarBandRecord>& RebarBandList() {
  static ControlList<RebarBandRecord> list;
  return list;
}

RebarState& Rebars() {
  static RebarState state;
  return state;
}

RebarRecord* FindRebar(intptr_t key) { return RebarList().Find(key); }

RebarRecord* FindRebarByWindow(HWND window) { return window ? RebarList().FindByWindow(window) : nullptr; }

RebarRecord* CurrentRebarRecord() {
  const int32_t number = Rebars().currentRebar;
  return number == -1 ? nullptr : RebarList().FindByNumber(number);
}

std::vector<RebarBandRecord*> RebarBandsOf(HWND rebar) {
  std::vector<RebarBandRecord*> bands;
  for (RebarBandRecord& band : RebarBandList())
    if (band.rebar == rebar) bands.push_back(&band);
  return bands;
}

RebarBandRecord* RebarBandFromParam(HWND rebar, LPARAM param) {
  RebarBandRecord* band = RebarBandList().FindByAddress(reinterpret_cast<const void*>(param));
  return band && band->rebar == rebar ? band : nullptr;
}

RebarBandRecord* RebarBandById(HWND rebar, int32_t id) {
  for (RebarBandRecord& band : RebarBandList())
    if (band.rebar == rebar && band.bandId == id) return &band;
  return nullptr;
}

HBITMAP RebarBackgroundBitmap(uint32_t style) {
  const int slot = RebarBackgroundSlot(style);
  if (slot < 0 || !Rebars().backgrounds[slot]) return nullptr;
  return Rebars().backgrounds[slot]->Bitmap();
}

}  // namespace kelvra
