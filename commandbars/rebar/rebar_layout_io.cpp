// Saving and loading a rebar's layout file: the control read into a band list
// and a checked list applied back.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "commandbars/rebar/rebar_height_notify.h"
#include "commandbars/rebar/rebar_layout_file.h"
#include "commandbars/rebar/rebar_operations.h"
#include "commandbars/rebar/rebar_registry.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

std::wstring Unquoted(const wchar_t* path) {
  std::wstring plain;
  for (const wchar_t* c = path; *c; ++c)
    if (*c != L'"') plain.push_back(*c);
  return plain;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > static_cast<LONGLONG>(kMaxRebarLayoutBytes))
    return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
    return std::nullopt;
  return bytes;
}

// Written beside the target and moved over it only once complete: a save that
// fails halfway leaves the old layout as it was.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
  const std::wstring temporary = path + L".saving";
  {
    UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size() && FlushFileBuffers(file.get());
    if (!ok) {
      file.reset();
      DeleteFileW(temporary.c_str());
      return false;
    }
  }
  if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace

int32_t SaveRebarLayout(intptr_t key, const wchar_t* path) {
  if (!path || !IsRebarLayoutFileNameAllowed(path)) return 0;
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  const HWND window = rebar->Window();
  const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
  std::vector<RebarLayoutBand> bands;
  for (int index = 0; index < count; ++index) {
    REBARBANDINFOW info{};
    info.cbSize = kRebarBandInfoSize;
    info.fMask = RBBIM_STYLE | RBBIM_SIZE | RBBIM_ID;
    if (!SendMessageW(window, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info))) continue;
    bands.push_back({static_cast<int32_t>(info.wID), static_cast<int32_t>(info.cx), info.fStyle});
  }
  const std::string file = WriteRebarLayout(bands);
  return !file.empty() && WriteWholeFile(Unquoted(path), file) ? 1 : 0;
}

int32_t LoadRebarLayout(intptr_t key, const wchar_t* path) {
  if (!path || !IsRebarLayoutFileNameAllowed(path)) return 0;
  RebarRecord* rebar = FindRebar(key);
  if (!rebar) return 0;
  const auto bytes = ReadWholeFile(Unquoted(path));
  if (!bytes) return 0;
  // Checked whole before a band moves: a refused file changes nothing.
  const auto bands = ReadRebarLayout(std::span<const uint8_t>(*bytes));
  if (!bands) return 0;
  const HWND window = rebar->Window();
  const int count = static_cast<int>(SendMessageW(window, RB_GETBANDCOUNT, 0, 0));
  const int applied = std::min<int>(count, static_cast<int>(bands->size()));
  for (int index = 0; index < applied; ++index) {
    const RebarLayoutBand& band = (*bands)[index];
    const LRESULT from = SendMessageW(window, RB_IDTOINDEX, static_cast<WPARAM>(band.id), 0);
    if (from != -1 && from != index) SendMessageW(window, RB_MOVEBAND, static_cast<WPARAM>(from), index);
    REBARBANDINFOW info{};
    info.cbSize = kRebarBandInfoSize;
    info.fMask = RBBIM_STYLE | RBBIM_SIZE;
    info.fStyle = band.style;
    // The control keeps widths in 16 bits' worth of pixels (larger ones read back 0).
    info.cx = static_cast<UINT>(std::clamp<int32_t>(band.cx, 0, 32767));
    SendMessageW(window, RB_SETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
    // The record follows the band's hidden bit, as ShowRebarBand would have left it.
    info = REBARBANDINFOW{};
    info.cbSize = kRebarBandInfoSize;
    info.fMask = RBBIM_LPARAM;
    if (SendMessageW(window, RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)))
      if (RebarBandRecord* record = RebarBandFromParam(window, info.lParam))
        record->visible = (band.style & RBBS_HIDDEN) ? 0 : -1;
  }
  ToolbarBandRefit(window);
  if (MakeRebarCurrentByWindow(window)) NotifyRebarHeightChange(0);
  return 1;
}

}  // namespace kelvra
