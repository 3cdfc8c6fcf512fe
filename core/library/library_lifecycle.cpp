// Kelvra_Init, StartKelvra and Kelvra_End: the order in which the library comes up
// and goes down.
#include "core/library/library_lifecycle.h"

#include <windows.h>
#include <shlwapi.h>

#include "core/animation/animation_thread.h"
#include "core/image/builtin_glyphs.h"
#include "core/windows/creation_hook.h"
#include "core/library/library_globals.h"
#include "core/library/os_version.h"
#include "core/platform/platform_bindings.h"
#include "core/shadow/drop_shadow.h"
#include "core/library/reentrant_lock.h"
#include "core/library/subsystem_steps.h"
#include "core/text/font_loading.h"

namespace kelvra {

namespace {

void ReadDefaultUIFont(LibraryGlobals& globals) {
  LOGFONTW menuFont{};
  if (ReadSystemMenuFont(menuFont)) globals.defaultUIFont = CreateFontIndirectW(&menuFont);
  if (!globals.defaultUIFont) globals.defaultUIFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int32_t ReadOsVersionCode() {
  // Only "NT 6.0 or later" matters (code 70 and above); an unreadable version
  // counts as later.
  OsVersion version;
  if (!ReadOsVersion(version)) return 70;
  if (version.major >= 6) return 70 + static_cast<int32_t>(version.major - 6) * 10 + static_cast<int32_t>(version.minor);
  return static_cast<int32_t>(version.major * 10 + version.minor);
}

CommonControlsVersion ReadCommonControlsVersion() {
  CommonControlsVersion version;
  HMODULE comctl = LoadLibraryW(L"Comctl32.dll");
  if (!comctl) return version;
  using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
  auto getVersion = reinterpret_cast<DllGetVersionFn>(GetProcAddress(comctl, "DllGetVersion"));
  DLLVERSIONINFO info{};
  info.cbSize = 20;
  if (getVersion && SUCCEEDED(getVersion(&info))) {
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
  }
  FreeLibrary(comctl);
  return version;
}

BOOL CALLBACK HideProcessWindowProc(HWND window, LPARAM processId) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == static_cast<DWORD>(processId)) ShowWindow(window, SW_HIDE);
  return TRUE;
}

BOOL CALLBACK DestroyProcessWindowProc(HWND window, LPARAM processId) {
  DWORD owner = 0;
  DWORD thread = GetWindowThreadProcessId(window, &owner);
  // DestroyWindow only works on the window's own thread; windows of other threads
  // of the process end with their threads.
  if (owner == static_cast<DWORD>(processId) && thread == GetCurrentThreadId()) DestroyWindow(window);
  return TRUE;
}

void RemoveHook(HHOOK& hook) {
  if (hook) UnhookWindowsHookEx(hook);
  hook = nullptr;
}

}  // namespace

void InitLibrary() {
  auto& globals = Globals();
  // A second call (the DLL's attach has already run it) must not empty registries
  // under live, subclassed windows or re-create locks that may be held.
  if (globals.state != LibraryState::Loaded) return;
  if (!globals.instance) globals.instance = GetModuleHandleW(nullptr);  // linked into a program

  // Steps 1 and 2: the core's registries and locks are built on first use; make
  // sure the locks exist before any other thread can reach them.
  Locks();
  steps::InitColourTables();
  steps::RegisterImageDecoders();
  LoadBuiltInGlyphs();

  globals.arrowCursor = LoadCursorW(nullptr, IDC_ARROW);
  globals.handCursor = LoadCursorW(nullptr, IDC_HAND);
  globals.sizeWECursor = LoadCursorW(nullptr, IDC_SIZEWE);
  globals.sizeNSBandCursor = LoadCursorW(nullptr, IDC_SIZENS);
  globals.sizeNSCursor = LoadCursorW(nullptr, IDC_SIZENS);

  globals.settings = LibrarySettings{};
  steps::InitCommandBarSettings();
  ReadDefaultUIFont(globals);
  SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &globals.dropShadowSetting, 0);
  globals.osVersionCode = ReadOsVersionCode();
  globals.comctlVersion = ReadCommonControlsVersion();

  if (HMODULE gdi = LoadLibraryW(L"Gdi32.dll")) {
    globals.gdiAlphaBlend = GetProcAddress(gdi, "GdiAlphaBlend");
    // Gdi32 stays loaded for the life of the process: the address must stay valid.
  } else {
    MessageBoxW(nullptr, L"Can't open Gdi32.dll", L"Error!", MB_ICONERROR);
    globals.gdiAlphaBlend = nullptr;
  }

  LoadUxTheme();
  LoadDwmApi();
  globals.state = LibraryState::Initialised;
}

void StartLibrary() {
  auto& globals = Globals();
  if (globals.state == LibraryState::Loaded) InitLibrary();
  if (globals.started) return;
  InstallCallWndProcHook();
  StartGdiPlus();
  globals.started = true;
  globals.state = LibraryState::Started;
  StartAnimationThread();
}

void EndLibrary(EndContext context) {
  auto& globals = Globals();
  if (globals.state == LibraryState::Ended && context == EndContext::LoaderLock) {
    // An animation thread that Kelvra_End left still ending, and that holds no
    // reference on the module: the module may not go before it has left its code.
    const NoMessagesWhileWaiting quiet;
    StopAnimationThread(true);
    return;
  }
  if (globals.state == LibraryState::Loaded || globals.state == LibraryState::Ended) return;
  if (context == EndContext::ProcessExit) {
    // Every other thread is gone and the process is going: nothing here needs
    // putting back, and waiting or sending messages could only hang the exit.
    globals.state = LibraryState::Ended;
    return;
  }
  const bool underLoaderLock = context == EndContext::LoaderLock;
  // Under the loader lock no window procedure may run: lock waits serve no messages.
  const NoMessagesWhileWaiting quiet(underLoaderLock);
  const LPARAM processId = static_cast<LPARAM>(GetCurrentProcessId());

  StopAnimationThread(underLoaderLock);
  EnumWindows(HideProcessWindowProc, processId);

  steps::FreeAllRebars();
  steps::FreeAllToolBars();
  steps::FreeAllExplorerBars();
  steps::FreeAllButtons();
  steps::FreeAllMenus();
  steps::FreeAllTextControls();
  steps::FreeAllSplitters();
  steps::FreeAllPanels();

  RemoveHook(globals.callWndProcHook);
  globals.hookThreadId = 0;
  steps::RemoveMenuHooks();

  steps::RestoreHostWindowProcedures();
  steps::RestoreWindowMapProcedures();

  EnumWindows(DestroyProcessWindowProc, processId);
  steps::FreeCommandBarFonts();
  // The system unregisters no class of an unloaded DLL: the shadow class and its
  // cached strips go now, so a later load registers the class with its own procedure.
  EndDropShadows();

  CloseThemeLibrary(underLoaderLock);
  ShutdownGdiPlus(underLoaderLock);
  CloseDwmLibrary(underLoaderLock);
  globals.state = LibraryState::Ended;
}

}  // namespace kelvra
