// The version information of Kelvra.dll and the showcase, read back the way the
// file properties read it; the numbers are the ones KelvraVersion() returns.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/dll_exports.h"

namespace {

std::wstring Hex4(WORD value) {
  static const wchar_t digits[] = L"0123456789abcdef";
  std::wstring text;
  for (int shift = 12; shift >= 0; shift -= 4) text += digits[(value >> shift) & 0xF];
  return text;
}

struct VersionInfo {
  std::vector<BYTE> block;

  bool Read(const wchar_t* file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    if (size == 0) return false;
    block.assign(size, 0);
    return GetFileVersionInfoW(file, 0, size, block.data()) != 0;
  }
  const VS_FIXEDFILEINFO* Fixed() {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return nullptr;
    return static_cast<const VS_FIXEDFILEINFO*>(value);
  }
  // The first translation the file lists, as Explorer picks it.
  std::wstring StringValue(const wchar_t* name) {
    struct Translation {
      WORD language;
      WORD codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
      return L"(no translation)";
    }
    const std::wstring path = L"\\StringFileInfo\\" + Hex4(translation->language) + Hex4(translation->codePage) + L"\\" + name;
    wchar_t* text = nullptr;
    if (!VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length) || !text) {
      return L"(missing)";
    }
    return text;
  }
};

struct FileCase {
  const wchar_t* file;
  DWORD fileType;
  const wchar_t* originalName;
};

TEST(VersionResource, DllAndShowcaseCarryTheLibraryVersion) {
  // The expected numbers come from the library itself, so the resource and the
  // export cannot drift apart.
  kelvra::test::LoadedKelvra kelvra;
  ASSERT_TRUE(kelvra.LoadWithStartAndEnd());
  float(WINAPI * version)() = nullptr;
  ASSERT_TRUE(kelvra.Bind(version, "KelvraVersion"));
  const float reported = version();
  const DWORD major = static_cast<DWORD>(reported);
  const DWORD minor = static_cast<DWORD>(std::lround((reported - static_cast<float>(major)) * 100.0f));
  EXPECT_EQ(1u, major);
  EXPECT_EQ(36u, minor);
  kelvra.end();
  FreeLibrary(kelvra.module);
  const std::wstring dotted = std::to_wstring(major) + L"." + std::to_wstring(minor) + L".0.0";

  const FileCase cases[] = {
      {L"Kelvra.dll", VFT_DLL, L"Kelvra.dll"},
      {L"panel_showcase.exe", VFT_APP, L"panel_showcase.exe"},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "file " << std::string(c.file, c.file + wcslen(c.file)));
    VersionInfo info;
    ASSERT_TRUE(info.Read(c.file));
    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_TRUE(fixed);
    EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
    EXPECT_EQ(MAKELONG(minor, major), fixed->dwFileVersionMS);
    EXPECT_EQ(0u, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(c.fileType, fixed->dwFileType);
    EXPECT_EQ(static_cast<DWORD>(VOS_NT_WINDOWS32), fixed->dwFileOS);
    EXPECT_EQ(0u, fixed->dwFileFlags & fixed->dwFileFlagsMask);  // a release: no debug or pre-release flag

    EXPECT_EQ(dotted, info.StringValue(L"FileVersion"));
    EXPECT_EQ(dotted, info.StringValue(L"ProductVersion"));
    EXPECT_EQ(L"Kelvra", info.StringValue(L"ProductName"));
    EXPECT_EQ(c.originalName, info.StringValue(L"OriginalFilename"));
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"LegalCopyright", L"InternalName"}) {
      const std::wstring value = info.StringValue(name);
      EXPECT_FALSE(value.empty() || value[0] == L'(' || value.find(L'@') != std::wstring::npos)
          << std::string(name, name + wcslen(name)) << " is not filled in";
    }
  }
}

}  // namespace
