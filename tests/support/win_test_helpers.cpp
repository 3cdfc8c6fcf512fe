// Shared test helpers for windows, messages and pixels.
#include "tests/support/win_test_helpers.h"

#include <psapi.h>

#include <algorithm>

namespace kelvra::test {

bool DllSwitchedOff(const wchar_t* dll) {
  wchar_t value[512] = {};
  GetEnvironmentVariableW(L"WINEDLLOVERRIDES", value, 512);
  return std::wstring(value).find(std::wstring(dll) + L"=d") != std::wstring::npos;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
  PumpMessages();
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

const wchar_t* PlainWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"KelvraTestWindow";
    RegisterClassExW(&wc);
    return L"KelvraTestWindow";
  }();
  return name;
}

const wchar_t* RegisterTestWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
  return name;
}

TestWindow::TestWindow(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                       HWND parent, DWORD exStyle, const wchar_t* title)
    : window_(CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}

TestWindow::~TestWindow() {
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

HBITMAP CreateTopDownDib32(int width, int height, uint32_t** bits) {
  BITMAPINFO info = TopDown32(width, height);
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  if (bits) *bits = static_cast<uint32_t*>(memory);
  return bitmap;
}

Dib32::Dib32(int width, int height, uint32_t fill) : width_(width), height_(height) {
  bitmap_ = CreateTopDownDib32(width, height, &bits_);
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  Fill(fill);
}

Dib32::~Dib32() {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

uint32_t Dib32::Pixel(int x, int y) const {
  GdiFlush();
  if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0xDEADBEEF;
  return bits_[y * width_ + x];
}

void Dib32::SetPixel(int x, int y, uint32_t value) {
  GdiFlush();
  if (bits_ && x >= 0 && y >= 0 && x < width_ && y < height_) bits_[y * width_ + x] = value;
}

void Dib32::Fill(uint32_t value) {
  GdiFlush();
  if (!bits_) return;
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = value;
}

std::wstring TempPath(const std::wstring& name) {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  std::wstring dir = std::wstring(base) + L"kelvra-tests-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir + L"\\" + name;
}

bool WriteFileBytes(const std::wstring& path, const void* data, size_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  return ok && written == size;
}

BitmapPixels ReadBitmapPixels(HBITMAP bitmap) {
  BitmapPixels result;
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return result;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(header.bmiHeader);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;  // top row first
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (rows != info.bmHeight) return result;
  result.width = info.bmWidth;
  result.height = info.bmHeight;
  result.pixels = std::move(pixels);
  return result;
}

size_t ProcessMemoryBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize;
}

size_t HeapBytesInUse() {
  std::vector<HANDLE> heaps(64);
  DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
  if (count > heaps.size()) {
    heaps.resize(count);
    count = GetProcessHeaps(count, heaps.data());
  }
  heaps.resize(std::min<size_t>(count, heaps.size()));
  size_t total = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    HeapUnlock(heap);
  }
  return total;
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM counter) {
  ++*reinterpret_cast<int*>(counter);
  EnumChildWindows(window, CountChild, counter);
  return TRUE;
}

}  // namespace

int ThreadWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO info = TopDown32(width, height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) pixels.clear();
  return pixels;
}

}  // namespace kelvra::test
