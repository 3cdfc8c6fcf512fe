// What the skin-file tests under Wine share: a fresh skin path of its own for
// each test case under the build tree (the temporary folder lies in the
// prefix), files written and read back byte for byte, snapshots of folders,
// and small image files made here.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "kelvra.h"
#include "skin/files/skin_path.h"
#include "skin/records/skin_list.h"

namespace kelvra::test {

inline std::wstring CurrentDirectory() {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(std::size(buffer)), buffer);
  return std::wstring(buffer, length);
}

inline std::wstring TempDirectory() {
  wchar_t buffer[MAX_PATH * 2];
  const DWORD length = GetTempPathW(static_cast<DWORD>(std::size(buffer)), buffer);
  return std::wstring(buffer, length);
}

inline std::wstring WithSeparator(std::wstring path) {
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

// Deletes a file or a folder with everything in it.
inline void RemoveTree(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WithSeparator(path) + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") RemoveTree(WithSeparator(path) + name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

inline bool WriteBytes(const std::wstring& path, std::span<const uint8_t> bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                                    written == bytes.size());
  CloseHandle(file);
  return ok;
}
inline bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  return WriteBytes(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

inline std::optional<std::string> ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  const bool ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                                    read == bytes.size());
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

inline bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every file and folder below `folder` (relative names; folders end in "\")
// with the bytes of each file.
inline std::map<std::wstring, std::string> Snapshot(const std::wstring& folder, const std::wstring& below = L"") {
  std::map<std::wstring, std::string> files;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WithSeparator(folder) + below + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      files[below + name + L"\\"] = "";
      for (auto& entry : Snapshot(folder, below + name + L"\\")) files.insert(std::move(entry));
    } else {
      files[below + name] = ReadBytes(WithSeparator(folder) + below + name).value_or("<unreadable>");
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return files;
}

// The names in a folder (not below it).
inline std::set<std::wstring> Names(const std::wstring& folder) {
  std::set<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WithSeparator(folder) + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

inline void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// A 32-bit BMP file of one colour (0xAARRGGBB), bottom-up.
inline std::string SolidBmpFile(int width, int height, uint32_t argb) {
  std::string file = "BM";
  const uint32_t pixels = static_cast<uint32_t>(width * height * 4);
  PutU32(file, 54 + pixels);
  PutU32(file, 0);
  PutU32(file, 54);
  PutU32(file, 40);
  PutU32(file, static_cast<uint32_t>(width));
  PutU32(file, static_cast<uint32_t>(height));
  PutU16(file, 1);
  PutU16(file, 32);
  for (int i = 0; i < 6; ++i) PutU32(file, 0);
  for (int i = 0; i < width * height; ++i) PutU32(file, argb);
  return file;
}

// An .ico file of one 32-bit image of one colour, side by side pixels.
inline std::string SolidIcoFile(int side, uint32_t argb) {
  std::string image;
  PutU32(image, 40);
  PutU32(image, static_cast<uint32_t>(side));
  PutU32(image, static_cast<uint32_t>(side * 2));  // colour and mask
  PutU16(image, 1);
  PutU16(image, 32);
  for (int i = 0; i < 6; ++i) PutU32(image, 0);
  for (int i = 0; i < side * side; ++i) PutU32(image, argb);
  const int maskRow = ((side + 31) / 32) * 4;
  image.append(static_cast<std::size_t>(maskRow * side), '\0');
  std::string file;
  PutU16(file, 0);
  PutU16(file, 1);
  PutU16(file, 1);
  file.push_back(static_cast<char>(side));
  file.push_back(static_cast<char>(side));
  file.push_back(0);
  file.push_back(0);
  PutU16(file, 1);
  PutU16(file, 32);
  PutU32(file, static_cast<uint32_t>(image.size()));
  PutU32(file, 22);
  return file + image;
}

// Every test case reads and writes in a fresh folder of its own below the
// working folder (the build tree), made the skin path; each ends with the
// skin path it found, the current directory as it was and no skin left over.
class SkinFileTest : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    root_ = WithSeparator(CurrentDirectory()) + L"skin_files_data\\";
    folder_ = root_ + std::wstring(name.begin(), name.end()) + L"\\";
    CreateDirectoryW(root_.c_str(), nullptr);
    RemoveTree(folder_);
    ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
    savedSkinPath_ = SkinPath();
    ASSERT_EQ(SetSkinPath(folder_.c_str()), 1);
    directory_ = CurrentDirectory();
    skins_ = SkinList().Size();
  }
  void TearDown() override {
    EXPECT_EQ(CurrentDirectory(), directory_) << "no skin-file operation changes the current directory";
    for (HANDLE skin : made_) FreeSkin(skin);
    EXPECT_EQ(SkinList().Size(), skins_);
    SkinPath() = savedSkinPath_;
  }

  std::wstring Path(const std::wstring& relative) const { return folder_ + relative; }
  void Write(const std::wstring& relative, const std::string& bytes) {
    ASSERT_TRUE(WriteBytes(Path(relative), bytes)) << testing::PrintToString(relative);
  }
  void MakeFolder(const std::wstring& relative) { CreateDirectoryW(Path(relative).c_str(), nullptr); }
  // Freed when the test case ends.
  HANDLE Keep(HANDLE skin) {
    if (FindSkin(skin)) made_.push_back(skin);
    return skin;
  }
  HANDLE Load(const std::wstring& file) { return Keep(LoadSkin(file.c_str())); }

  std::wstring root_, folder_;
  std::wstring savedSkinPath_, directory_;
  std::size_t skins_ = 0;
  std::vector<HANDLE> made_;
};

inline intptr_t Result(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

}  // namespace kelvra::test
