// DwmApi: the run-time table of desktop composition and its composition flag.
#pragma once

#include <windows.h>

namespace kelvra {

struct DwmApi {
  HMODULE module = nullptr;

  HRESULT(WINAPI* DwmIsCompositionEnabled)(BOOL* enabled) = nullptr;
  HRESULT(WINAPI* DwmEnableComposition)(UINT action) = nullptr;
  HRESULT(WINAPI* DwmSetWindowAttribute)(HWND, DWORD attribute, const void* value, DWORD size) = nullptr;
  HRESULT(WINAPI* DwmFlush)() = nullptr;
  // The parameters structure (DWM_PRESENT_PARAMETERS) is passed through untouched.
  HRESULT(WINAPI* DwmSetPresentParameters)(HWND, void* parameters) = nullptr;

  // Read once at start; the host-window procedure renews it when composition changes.
  BOOL compositionEnabled = FALSE;
};

// The process's table (filled by LoadDwmApi, cleared by CloseDwmLibrary).
DwmApi& Dwm();

}  // namespace kelvra
