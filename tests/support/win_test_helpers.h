// Helpers shared by the test programs: message pumping, plain test windows and
// 32-bit DIB sections whose pixels a test can read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Rectangles compared and printed in tests (EXPECT_EQ on window rectangles).
inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace kelvra::test {

// Dispatches every message waiting for this thread.
void PumpMessages();
// Pumps for about `milliseconds`, so posted work and timers get their turn.
void PumpMessagesFor(DWORD milliseconds);
// Pumps until `done` holds (true) or `timeoutMs` pass (false): for work of other
// threads and of the system's input that reaches this thread's windows.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// A top-level or child window of a plain test class, destroyed with the object.
class TestWindow {
 public:
  TestWindow(const wchar_t* className, DWORD style, int x, int y, int width, int height,
             HWND parent = nullptr, DWORD exStyle = 0, const wchar_t* title = L"");
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  HWND get() const { return window_; }
  operator HWND() const { return window_; }
  HWND release() { HWND w = window_; window_ = nullptr; return w; }

 private:
  HWND window_;
};

// The class name of plain test windows (DefWindowProcW), registered on first use.
const wchar_t* PlainWindowClass();
// Registers a window class of this program with `procedure` (arrow cursor, no
// background) and returns its name; a second call with the same name does nothing.
const wchar_t* RegisterTestWindowClass(const wchar_t* name, WNDPROC procedure);

// A top-down 32-bit DIB section that no DC holds (nullptr when GDI refuses);
// `bits` receives its pixels, row 0 first.
HBITMAP CreateTopDownDib32(int width, int height, uint32_t** bits);

// A top-down 32-bit DIB section selected into its own memory DC.
class Dib32 {
 public:
  Dib32(int width, int height, uint32_t fill = 0);
  ~Dib32();
  Dib32(const Dib32&) = delete;
  Dib32& operator=(const Dib32&) = delete;
  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // 0xAARRGGBB as stored (blue in the low byte).
  uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, uint32_t value);
  void Fill(uint32_t value);
  uint32_t* bits() const { return bits_; }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

// The pixels of any bitmap as 32-bit 0xAARRGGBB values, top row first (alpha as the
// bitmap stores it); empty when the handle is no bitmap.
struct BitmapPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t Alpha(int x, int y) const { return At(x, y) >> 24; }
};
BitmapPixels ReadBitmapPixels(HBITMAP bitmap);

// A path under the test program's temporary folder (created on first use).
std::wstring TempPath(const std::wstring& name);
// Writes bytes to a file; true on success.
bool WriteFileBytes(const std::wstring& path, const void* data, size_t size);

// Whether this run switched a system DLL off through WINEDLLOVERRIDES ("uxtheme",
// "gdiplus", ...), as the ctest variants do.
bool DllSwitchedOff(const wchar_t* dll);

// Working-set size of the process, for handle-hygiene checks over many cycles.
size_t ProcessMemoryBytes();
// Bytes the process's heaps hand out now (the C++ runtime's included), block by
// block: a leak of one small object per cycle shows in a hundred cycles, where
// the working set moves in pages.
size_t HeapBytesInUse();
// Windows of the calling thread, top-level and every child of them.
int ThreadWindowCount();

// A bitmap's pixels as 0xAARRGGBB, top row first, read with GetDIBits at 32 bits;
// empty when fewer than `height` rows could be read.
std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height);

}  // namespace kelvra::test
