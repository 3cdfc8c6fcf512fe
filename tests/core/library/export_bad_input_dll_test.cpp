// Bad input through Kelvra.dll: zero, -1, freed handles, handles of another kind,
// null or empty texts and absurd numbers get each export's failure value, and the
// library's live objects keep working afterwards.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "kelvra.h"
// After kelvra.h, which brings in <windows.h>.
#include <commctrl.h>
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::TempPath;
using kelvra::test::WriteFileBytes;

constexpr DWORD kHidden = KELVRA_WINDOW_HIDDEN;
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// A 2x2 24-bit BMP, every pixel grey 0x808080.
const uint8_t kGreyBmp[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                            0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                            0, 0, 0, 0, 0, 0, 128, 128, 128, 128, 128, 128, 0, 0, 128, 128, 128, 128, 128, 128, 0, 0};

// A one-image 2x2 32-bit ICO, opaque grey.
std::vector<uint8_t> GreyIco() {
  std::vector<uint8_t> b;
  auto put16 = [&](uint32_t v) { b.push_back(uint8_t(v)); b.push_back(uint8_t(v >> 8)); };
  auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  put16(0); put16(1); put16(1);
  b.insert(b.end(), {2, 2, 0, 0});
  put16(1); put16(32); put32(40 + 16 + 8); put32(22);
  put32(40); put32(2); put32(4); put16(1); put16(32); put32(0); put32(16 + 8);
  put32(0); put32(0); put32(0); put32(0);
  for (int i = 0; i < 4; ++i) put32(0xFF808080);
  for (int i = 0; i < 8; ++i) b.push_back(0);
  return b;
}

HICON MakeIcon() {
  HBITMAP colour = CreateBitmap(2, 2, 1, 32, nullptr);
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

// The first pixel (0x00RRGGBB) of a 32-bit DIB section made by the recolouring exports.
uint32_t FirstPixel(HANDLE bitmap) {
  DIBSECTION section{};
  if (GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) || !section.dsBm.bmBits) return 0xDEAD;
  return *static_cast<const uint32_t*>(section.dsBm.bmBits) & 0xFFFFFF;
}

enum Kind : unsigned {
  kZero = 1u << 0,
  kMinusOne = 1u << 1,
  kStaleGradient = 1u << 2,
  kStaleBitmap = 1u << 3,
  kStaleIcon = 1u << 4,
  kStaleFont = 1u << 5,
  kStaleWindow = 1u << 6,
  kBrush = 1u << 7,
  kFont = 1u << 8,
  kWindow = 1u << 9,
  kGradient = 1u << 10,
  kBitmap = 1u << 11,
  kIcon = 1u << 12,
  kPlainPointer = 1u << 13,
  kAll = (1u << 14) - 1,
};

class ExportBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    StartKelvra();
    const std::wstring bmp = TempPath(L"bad_input_grey.bmp");
    ASSERT_TRUE(WriteFileBytes(bmp, kGreyBmp, sizeof(kGreyBmp)));
    directory_ = bmp.substr(0, bmp.find_last_of(L'\\') + 1);
    const std::vector<uint8_t> ico = GreyIco();
    ASSERT_TRUE(WriteFileBytes(directory_ + L"bad_input_grey.ico", ico.data(), ico.size()));
    ASSERT_TRUE(WriteFileBytes(directory_ + L"bad_input_empty.bmp", "", 0));
    ASSERT_TRUE(WriteFileBytes(directory_ + L"bad_input_cut.bmp", kGreyBmp, 40));
    ASSERT_EQ(ImgPath(directory_.c_str()), 1);

    brush_ = CreateSolidBrush(RGB(1, 2, 3));
    font_ = LoadFontEx(L"Tahoma", 12, 0);
    window_ = OpenWindowEx(L"bad input", 0, 0, 100, 80, kHidden, 0, nullptr);
    gradient_ = CreateGradient(0, 0x11223344, 0x55667788);
    bitmap_ = LoadImg(L"bad_input_grey.bmp", 0, 0, 0);
    icon_ = MakeIcon();
    ASSERT_TRUE(brush_ && font_ && window_ && gradient_ && bitmap_ && icon_);
    ASSERT_EQ(SetGradientColour(gradient_, 0.5f, 0x99), 1);

    staleGradient_ = CreateGradient(1, 0, 0);
    FreeGradient(staleGradient_);
    staleBitmap_ = LoadImg(L"bad_input_grey.bmp", 0, 0, 0);
    FreeImg(staleBitmap_);
    staleIcon_ = MakeIcon();
    DestroyIcon(staleIcon_);
    staleFont_ = LoadFontEx(L"Tahoma", 9, 0);
    FreeFontEx(staleFont_);
    staleWindow_ = OpenWindowEx(nullptr, 0, 0, 10, 10, kHidden, 0, nullptr);
    DestroyWindow(staleWindow_);
  }

  void TearDown() override {
    // Every live object survived whatever was thrown at the exports.
    EXPECT_EQ(GetObjectType(brush_), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_STREQ(GetFontName(font_), L"Tahoma");
    EXPECT_EQ(GetFontSize(font_), 12);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_EQ(GetGradientColour(gradient_, 0.0f), 0x11223344);
    EXPECT_EQ(GetGradientColour(gradient_, 0.5f), 0x99);
    EXPECT_EQ(ImgWidth(bitmap_), 2);
    EXPECT_EQ(ImgHeight(icon_), 2);
    DestroyIcon(icon_);
    EXPECT_NE(FreeImg(bitmap_), 0);
    EXPECT_EQ(FreeGradient(gradient_), 1);
    DestroyWindow(window_);
    EXPECT_NE(FreeFontEx(font_), 0);
    DeleteObject(brush_);
    ImgPath(directory_.c_str());
  }

  std::vector<std::pair<Kind, HANDLE>> Handles() const {
    static int plain = 0;
    return {{kZero, nullptr},
            {kMinusOne, reinterpret_cast<HANDLE>(intptr_t{-1})},
            {kStaleGradient, staleGradient_},
            {kStaleBitmap, staleBitmap_},
            {kStaleIcon, staleIcon_},
            {kStaleFont, staleFont_},
            {kStaleWindow, staleWindow_},
            {kBrush, brush_},
            {kFont, font_},
            {kWindow, window_},
            {kGradient, gradient_},
            {kBitmap, bitmap_},
            {kIcon, icon_},
            {kPlainPointer, &plain}};
  }

  std::wstring directory_;
  HBRUSH brush_ = nullptr;
  HFONT font_ = nullptr;
  HWND window_ = nullptr;
  HANDLE gradient_ = nullptr;
  HANDLE bitmap_ = nullptr;
  HICON icon_ = nullptr;
  HANDLE staleGradient_ = nullptr, staleBitmap_ = nullptr;
  HICON staleIcon_ = nullptr;
  HFONT staleFont_ = nullptr;
  HWND staleWindow_ = nullptr;
};

TEST_F(ExportBadInput, HandleArgumentsOfTheWrongKindFail) {
  struct Case {
    const char* name;
    unsigned kinds;  // the handles the failure value is documented for
    intptr_t failure;
    std::function<intptr_t(HANDLE)> call;
  };
  const auto window = [](HANDLE h) { return static_cast<HWND>(h); };
  const auto font = [](HANDLE h) { return static_cast<HFONT>(h); };
  const unsigned images = kBitmap | kIcon;
  // Releasing through DestroyIcon/DeleteObject is what FreeImg and FreeFontEx are:
  // they are not handed live GDI objects of another kind here.
  const unsigned gdiObjects = kBrush | kFont | kBitmap | kIcon;
  const std::vector<Case> cases = {
      {"SetGradient", kAll & ~kGradient, 0, [](HANDLE h) { return SetGradient(h, 2); }},
      {"SetGradientColour", kAll & ~kGradient, 0, [](HANDLE h) { return SetGradientColour(h, 0.25f, 7); }},
      {"GetGradientColour", kAll & ~kGradient, -2, [](HANDLE h) { return GetGradientColour(h, 0.0f); }},
      {"RemoveGradientColour all", kAll & ~kGradient, 0, [](HANDLE h) { return RemoveGradientColour(h, -1.0f); }},
      {"FreeGradient", kAll & ~kGradient, 0, [](HANDLE h) { return FreeGradient(h); }},
      {"ImgWidth", kAll & ~images, 0, [](HANDLE h) { return ImgWidth(h); }},
      {"ImgHeight", kAll & ~images, 0, [](HANDLE h) { return ImgHeight(h); }},
      {"ImgBlend", kAll & ~images, 0,
       [](HANDLE h) { return reinterpret_cast<intptr_t>(ImgBlend(h, 255, 0, 0, 0, 0, 0)); }},
      {"ImgBlend releasing the source", kAll & ~images, 0,
       [](HANDLE h) { return reinterpret_cast<intptr_t>(ImgBlend(h, 255, 0, 0, 0, 0, 4 | 2)); }},
      {"ImgHueBlend releasing the source", kAll & ~images, 0,
       [](HANDLE h) { return reinterpret_cast<intptr_t>(ImgHueBlend(h, 255, 0xFF, 0, 0.5f, 0, 0, 4)); }},
      {"FreeImg", kAll & ~gdiObjects, 0, [](HANDLE h) { return FreeImg(h); }},
      {"FreeFontEx", kAll & ~gdiObjects, 0, [=, this](HANDLE h) { return FreeFontEx(font(h)); }},
      {"GetFontSize", kAll & ~kFont, 0, [=, this](HANDLE h) { return GetFontSize(font(h)); }},
      {"GetFontName", kAll & ~kFont, 0,
       [=, this](HANDLE h) -> intptr_t {
         const wchar_t* name = GetFontName(font(h));
         return name && !*name ? 0 : 1;
       }},
      {"SetWindowFont", kAll, 0, [=, this](HANDLE h) { return SetWindowFont(window(h), font_); }},
      {"SetWindowFont with a wrong font", kWindow, 0,
       [=, this](HANDLE) { return SetWindowFont(window_, reinterpret_cast<HFONT>(brush_)); }},
      {"LimitWindowSize", kAll & ~kWindow, 1, [=, this](HANDLE h) { return LimitWindowSize(window(h), 10, 10, 20, 20); }},
      {"changeListiconSubIcon", kAll, 0, [=, this](HANDLE h) { return changeListiconSubIcon(window(h), 0, 0, icon_); }},
      {"OpenWindowEx with a parent", kAll & ~kWindow, 0,
       [=, this](HANDLE h) {
         return reinterpret_cast<intptr_t>(
             OpenWindowEx(L"child", 0, 0, 10, 10, kHidden | KELVRA_WINDOW_CHILD, 0, window(h)));
       }},
  };
  for (const Case& c : cases)
    for (const auto& [kind, handle] : Handles()) {
      if (!(c.kinds & kind)) continue;
      SCOPED_TRACE(testing::Message() << c.name << " with handle kind bit " << kind);
      EXPECT_EQ(c.call(handle), c.failure);
    }
}

TEST_F(ExportBadInput, TextsAndNumbersOutOfRangeFail) {
  struct Case {
    const char* name;
    intptr_t failure;
    std::function<intptr_t()> call;
  };
  const auto handle = [](HANDLE h) { return reinterpret_cast<intptr_t>(h); };
  const std::wstring longName(300, L'x');
  const std::vector<Case> cases = {
      {"LoadImg null", 0, [=, this] { return handle(LoadImg(nullptr, 0, 0, 0)); }},
      {"LoadImg empty (the directory itself)", 0, [=, this] { return handle(LoadImg(L"", 0, 0, 4)); }},
      {"LoadImg missing", 0, [=, this] { return handle(LoadImg(L"bad_input_missing.bmp", 0, 0, 4)); }},
      {"LoadImg very long name", 0, [=, this] { return handle(LoadImg(longName.c_str(), 0, 0, 0)); }},
      {"LoadImg empty file", 0, [=, this] { return handle(LoadImg(L"bad_input_empty.bmp", 0, 0, 4)); }},
      {"LoadImg truncated file", 0, [=, this] { return handle(LoadImg(L"bad_input_cut.bmp", 0, 0, 4)); }},
      {"LoadImg negative width", 0, [=, this] { return handle(LoadImg(L"bad_input_grey.bmp", -1, 0, 0)); }},
      {"LoadImg negative height", 0, [=, this] { return handle(LoadImg(L"bad_input_grey.bmp", 0, -7, 2)); }},
      {"LoadImg smallest sizes", 0, [=, this] { return handle(LoadImg(L"bad_input_grey.bmp", INT_MIN, INT_MIN, 4)); }},
      {"LoadImg huge sizes", 0, [=, this] { return handle(LoadImg(L"bad_input_grey.bmp", 100000, 100000, 0)); }},
      {"LoadImg huge icon sizes", 0, [=, this] { return handle(LoadImg(L"bad_input_grey.ico", 100000, 100000, 0)); }},
      {"OpenWindowEx negative width", 0, [=, this] { return handle(OpenWindowEx(nullptr, 0, 0, -1, 10, kHidden, 0, 0)); }},
      {"OpenWindowEx smallest height", 0,
       [=, this] { return handle(OpenWindowEx(L"", 0, 0, 10, INT_MIN, kHidden, 0, 0)); }},
      {"OpenWindowEx child without parent", 0,
       [=, this] { return handle(OpenWindowEx(L"", 0, 0, 10, 10, kHidden | KELVRA_WINDOW_CHILD, 0, 0)); }},
      {"GetGradientColour NaN", -1, [=, this] { return GetGradientColour(gradient_, kNaN); }},
      {"RemoveGradientColour NaN", 0, [=, this] { return RemoveGradientColour(gradient_, kNaN); }},
      {"RemoveGradientColour end colour", 0, [=, this] { return RemoveGradientColour(gradient_, 1.0f); }},
      {"changeListiconSubIcon plain window", 0, [=, this] { return changeListiconSubIcon(window_, 0, 0, icon_); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.call(), c.failure);
  }
  // After all of them the cache still shares what it should and ImgPath accepts null.
  HANDLE shared = LoadImg(L"bad_input_grey.bmp", 0, 0, 4);
  ASSERT_TRUE(shared);
  EXPECT_EQ(LoadImg(L"bad_input_grey.bmp", 0, 0, 4), shared);
  EXPECT_NE(FreeImg(shared), 0);
  EXPECT_EQ(ImgWidth(shared), 2);
  EXPECT_NE(FreeImg(shared), 0);
  EXPECT_EQ(ImgWidth(shared), 0);
  EXPECT_EQ(ImgPath(nullptr), 1);
  EXPECT_EQ(LoadImg(L"bad_input_grey.bmp", 0, 0, 0), nullptr);  // now "\bad_input_grey.bmp"
}

TEST_F(ExportBadInput, AbsurdNumbersStillGiveSoundResults) {
  // Sizes far out of range are made or refused by the system; nothing crashes and
  // whatever is made is an ordinary object.
  for (const int size : {INT_MAX, 1 << 20}) {
    HWND huge = OpenWindowEx(nullptr, INT_MIN, INT_MAX, size, size, kHidden, 0, nullptr);
    if (huge) {
      EXPECT_EQ(LimitWindowSize(huge, INT_MAX, INT_MAX, -5, -5), 1);
      DestroyWindow(huge);
    }
  }
  HWND limited = OpenWindowEx(nullptr, 0, 0, 50, 40, kHidden, 0, nullptr);
  ASSERT_TRUE(limited);
  RECT before{}, after{};
  GetWindowRect(limited, &before);
  EXPECT_EQ(LimitWindowSize(limited, -5, INT_MIN, -1, -100), 1);  // negative limits are no limits
  GetWindowRect(limited, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  DestroyWindow(limited);

  for (const int points : {INT_MAX, INT_MIN, 0, -10}) {
    HFONT font = LoadFontEx(nullptr, points, -1);
    ASSERT_TRUE(font) << points;
    EXPECT_GE(GetFontSize(font), 0);
    EXPECT_NE(FreeFontEx(font), 0);
  }
  const std::wstring longFace(300, L'F');
  HFONT longFont = LoadFontEx(longFace.c_str(), -10, 0);
  ASSERT_TRUE(longFont);
  EXPECT_EQ(GetFontSize(longFont), 10);
  EXPECT_LT(std::wcslen(GetFontName(longFont)), size_t{LF_FACESIZE});
  EXPECT_NE(FreeFontEx(longFont), 0);

  // Recolouring with values beyond every range still gives clamped, defined pixels.
  struct Recolour {
    const char* name;
    std::function<HANDLE()> call;
    uint32_t pixel;
  };
  const std::vector<Recolour> recolours = {
      {"ImgBlend NaN everywhere", [=, this] { return ImgBlend(bitmap_, kNaN, kNaN, kNaN, -1, kNaN, 0); }, 0x000000},
      {"ImgBlend huge brightness", [=, this] { return ImgBlend(bitmap_, 1e30f, 1e30f, 1e30f, -1, 0, 0); }, 0xFFFFFF},
      {"ImgBlend huge negative amount", [=, this] { return ImgBlend(bitmap_, -1e30f, 0, 0, 0xFFFFFF, -1e30f, 1); },
       0x000000},
      {"ImgHueBlend lightness far above white", [=, this] { return ImgHueBlend(bitmap_, 255, 0xFF, 0, 1e9f, 0, 0, 0); },
       0xFFFFFF},
      {"ImgHueBlend lightness far below black", [=, this] { return ImgHueBlend(bitmap_, 255, 0xFF, 5, -1e9f, 0, 0, 0); },
       0x000000},
      {"ImgHueBlend NaN lightness and shift", [=, this] { return ImgHueBlend(bitmap_, 255, 0xFF, kNaN, kNaN, 0, 0, 0); },
       0x000000},
  };
  for (const Recolour& r : recolours) {
    SCOPED_TRACE(r.name);
    HANDLE out = r.call();
    ASSERT_TRUE(out);
    EXPECT_EQ(FirstPixel(out), r.pixel);
    EXPECT_NE(FreeImg(out), 0);
  }

  // A real list view with a small image list: absurd item numbers and bad icons
  // change nothing, and a good icon is still taken afterwards.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0, 100, 100, window_, nullptr, nullptr,
                              nullptr);
  ASSERT_TRUE(list);
  HIMAGELIST images = ImageList_Create(2, 2, ILC_COLOR32 | ILC_MASK, 1, 1);
  SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 50;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"a");
  SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  for (HICON icon : {static_cast<HICON>(nullptr), staleIcon_, reinterpret_cast<HICON>(brush_),
                     reinterpret_cast<HICON>(intptr_t{-1})})
    EXPECT_EQ(changeListiconSubIcon(list, 0, 1, icon), 0);
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  EXPECT_EQ(changeListiconSubIcon(list, -1, 1000000, icon_), 0);
  EXPECT_EQ(changeListiconSubIcon(list, INT_MAX, INT_MIN, icon_), 0);
  EXPECT_EQ(changeListiconSubIcon(list, 0, 1, icon_), 0);
  EXPECT_EQ(ImageList_GetImageCount(images), 1);  // the same icon was added once
  LVITEMW read{};
  read.mask = LVIF_IMAGE;
  read.iItem = 0;
  read.iSubItem = 1;
  ASSERT_TRUE(SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read)));
  EXPECT_EQ(read.iImage, 0);
  DestroyWindow(list);
  ImageList_Destroy(images);

  EXPECT_EQ(HWord(-1), 0xFFFF);
  EXPECT_EQ(LWord(INT_MIN), 0);
  EXPECT_EQ(StartKelvra(), 0);  // again: nothing happens
}

}  // namespace
