// showcase_capture TITLE OUT.png [--close] [--wait SECONDS] [--after MILLISECONDS]
// Waits for a shown top-level window with exactly that title (of any process),
// lets it run for --after milliseconds (0 by default: what moves has had time to
// move), makes it paint, saves its client area as read from the screen (GetDC(NULL)) as
// a PNG and, with --close, asks it to close (WM_CLOSE). Exit code 0 on success.
#include <windows.h>

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

HWND WaitForWindow(const wchar_t* title, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowW(nullptr, title);
    if (window && IsWindowVisible(window)) return window;
    if (GetTickCount() - start >= milliseconds) return nullptr;
    Sleep(100);  // another process: nothing here to wait on but time
  }
}

// Returns once the window's thread has answered and painted everything invalid.
bool MakeItPaint(HWND window) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer)) return false;
  SetForegroundWindow(window);
  BringWindowToTop(window);
  // RDW_UPDATENOW sends the paint messages and returns after they were handled.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer) != 0;
}

// The client area's pixels from the screen, top row first, 3 bytes a pixel (RGB).
bool ReadClientArea(HWND window, int& width, int& height, std::vector<uint8_t>& rgb) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  width = client.right;
  height = client.bottom;
  if (width < 1 || height < 1) return false;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY) != 0;
  GdiFlush();
  rgb.resize(static_cast<size_t>(width) * height * 3);
  const auto* pixels = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    rgb[i * 3] = static_cast<uint8_t>(pixels[i] >> 16);
    rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 8);
    rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i]);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return copied;
}

bool WritePng(const wchar_t* path, int width, int height, const std::vector<uint8_t>& rgb) {
  FILE* file = _wfopen(path, L"wb");
  if (!file) return false;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const bool written = png_image_write_to_stdio(&image, file, 0, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return std::fclose(file) == 0 && written;
}

int Fail(const char* what) {
  std::fprintf(stderr, "showcase_capture: %s\n", what);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: showcase_capture TITLE OUT.png [--close] [--wait SECONDS] [--after MILLISECONDS]");
  bool close = false;
  DWORD waitMilliseconds = 60000, afterMilliseconds = 0;
  for (int i = 3; i < argc; ++i) {
    if (!std::wcscmp(argv[i], L"--close")) close = true;
    else if (!std::wcscmp(argv[i], L"--wait") && i + 1 < argc) waitMilliseconds = 1000 * std::wcstoul(argv[++i], nullptr, 10);
    else if (!std::wcscmp(argv[i], L"--after") && i + 1 < argc) afterMilliseconds = std::wcstoul(argv[++i], nullptr, 10);
    else return Fail("unknown argument");
  }
  HWND window = WaitForWindow(argv[1], waitMilliseconds);
  if (!window) return Fail("no shown window with that title appeared");
  Sleep(afterMilliseconds);  // another process's animation: nothing to wait on but time
  if (!MakeItPaint(window)) return Fail("the window does not answer");
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  const bool ok = ReadClientArea(window, width, height, rgb) && WritePng(argv[2], width, height, rgb);
  if (close) PostMessageW(window, WM_CLOSE, 0, 0);
  return ok ? 0 : Fail("the window could not be read or the picture not written");
}
