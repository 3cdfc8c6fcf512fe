// Hostile skin files under Wine: each gives LoadSkin's documented result and
// leaves the skin list, the current directory, the temporary folder and every
// file as they were; skin names that are no single file name reach no folder
// or pack; a failed SaveSkin leaves the earlier files byte for byte.
#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <string>

#include "kelvra.h"
#include "tests/skin/files/hostile_skin_files.h"
#include "tests/skin/files/skin_file_fixtures.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

using HostileSkinFilesTest = SkinFileTest;

// What of the temporary folder a skin-file operation could touch: the prefix's
// temporary folder is shared with the other programs of the run, which may
// come and go there themselves.
std::map<std::wstring, std::string> TempFilesOfInterest() {
  std::map<std::wstring, std::string> files;
  for (auto& [name, bytes] : Snapshot(TempDirectory())) {
    std::wstring lower = name;
    for (auto& c : lower) c = static_cast<wchar_t>(towlower(c));
    const auto dot = lower.rfind(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : lower.substr(dot);
    if (lower.starts_with(L"skn") || extension == L".ico" || extension == L".png" || extension == L".dat" ||
        extension == L".bmp" || extension == L".skn" || extension == L".sknz")
      files.emplace(name, bytes);
  }
  return files;
}

std::string OneValueSkin(const std::string& name, const std::string& value) {
  return "<Skin><Name id=\"" + name + "\"/><Component id=\"c\"><State id=\"s\"><Property id=\"p\">" + value +
         "</Property></State></Component></Skin>";
}

TEST_F(HostileSkinFilesTest, EachGetsItsResultAndChangesNothing) {
  const std::string image = SolidBmpFile(4, 4, 0xFF123456);
  // The files a hostile value names exist where it points: found nowhere all
  // the same. (The drive's root is the prefix's own.)
  const std::wstring onDrive = L"c:\\outside.png";
  ASSERT_TRUE(WriteBytes(onDrive, image));
  Write(L"outside.png", image);  // beside the cases' folder: what ".." reaches
  const auto temp = TempFilesOfInterest();
  for (const auto& file : HostileSkinFiles()) {
    SCOPED_TRACE(file.what);
    const std::wstring folder = Path(L"case\\");
    RemoveTree(folder);
    MakeFolder(L"case");
    ASSERT_EQ(SetSkinPath(folder.c_str()), 1);
    ASSERT_TRUE(WriteBytes(folder + file.fileName, file.bytes));
    const auto before = Snapshot(folder_);
    const std::size_t skins = SkinList().Size();
    HANDLE result = LoadSkin(L"x");
    if (file.loadResult == 1) {
      // Read as text: the value's "file" is neither followed nor loaded.
      ASSERT_EQ(IsSkin(result), 1);
      EXPECT_EQ(GetSkinPropertyData(result, L"c", L"s", L"p"), nullptr);
      FreeSkin(result);
    } else {
      EXPECT_EQ(Result(result), file.loadResult);
    }
    EXPECT_EQ(SkinList().Size(), skins);
    EXPECT_TRUE(Snapshot(folder_) == before) << "files changed";
    EXPECT_EQ(CurrentDirectory(), directory_);
  }
  EXPECT_TRUE(TempFilesOfInterest() == temp) << "the temporary folder changed";
  EXPECT_EQ(ReadBytes(onDrive), image);
  DeleteFileW(onDrive.c_str());
}

TEST_F(HostileSkinFilesTest, FileArgumentsThatOpenNoDiskFile) {
  MakeFolder(L"folder.skn");
  EXPECT_EQ(Result(Load(L"folder")), 0);
  EXPECT_EQ(Result(Load(L"folder.skn")), 0);
  EXPECT_EQ(Result(Load(L"con")), 0);
  EXPECT_EQ(Result(Load(L"nul")), 0);
  // A pipe whose server waits: connected to, then left unread.
  HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\kelvra_skin_files.skn", PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 4, 4096,
                                 4096, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Result(Load(L"\\\\.\\pipe\\kelvra_skin_files")), 0);
  CloseHandle(pipe);
}

// A skin's name from a file becomes a folder and a pack name: one that is no
// single file name is looked up and made nowhere.
TEST_F(HostileSkinFilesTest, SkinNamesThatAreNoFileNameReachNothing) {
  const std::string image = SolidBmpFile(4, 4, 0xFF00FF00);
  MakeFolder(L"inner");
  MakeFolder(L"evil");
  Write(L"evil\\x.png", image);  // SkinPath\..\evil\x.png from inner
  Write(L"evil.sknz", image);
  ASSERT_EQ(SetSkinPath(Path(L"inner").c_str()), 1);
  Write(L"inner\\named.skn", OneValueSkin("..\\evil", "x.png"));
  EXPECT_EQ(Result(Load(L"named")), -2) << "the folder ..\\evil is not the skin's folder";

  const std::wstring names[] = {L"..\\evil", L"C:\\evil", L"\\\\server\\share\\x", L"con", L"trailing.",
                                L"trailing ", L""};
  for (const auto& name : names) {
    SCOPED_TRACE(testing::PrintToString(name));
    const auto before = Snapshot(folder_);
    HANDLE skin = Keep(CreateSkin(name.c_str()));
    SetSkinProperty(skin, L"c", L"s", L"p", L"#ff0000");
    EXPECT_EQ(SaveSkin(skin, L"saved", 1), 0);
    EXPECT_TRUE(Snapshot(folder_) == before);
    EXPECT_FALSE(Exists(L"c:\\evil.sknz"));
    // The folder form writes the .skn beside the others, in no folder.
    EXPECT_EQ(SaveSkin(skin, L"saved", 0), 1);
    const auto after = Snapshot(folder_);
    EXPECT_EQ(after.size(), before.size() + (before.count(L"inner\\saved.skn") ? 0 : 1));
    EXPECT_TRUE(after.count(L"inner\\saved.skn"));
  }
  EXPECT_EQ(ReadBytes(Path(L"evil.sknz")), image);
  // Names of the .skn itself that are devices or no names at all.
  HANDLE skin = Keep(CreateSkin(L"Fine"));
  for (const wchar_t* file : {L"con", L"nul.skn", L"", L"dir\\", L"a?b"})
    EXPECT_EQ(SaveSkin(skin, file, 0), 0) << testing::PrintToString(std::wstring(file));
  EXPECT_EQ(SaveSkin(skin, nullptr, 0), 0);
  EXPECT_EQ(SaveSkin(nullptr, L"x", 0), 0);
  EXPECT_EQ(SaveSkin(reinterpret_cast<HANDLE>(-1), L"x", 1), 0);
}

// An icon from a pack is made in memory: a file of its name in the temporary
// folder is never touched.
TEST_F(HostileSkinFilesTest, PackedIconsLeaveTheTemporaryFolderAlone) {
  const std::wstring decoy = TempDirectory() + L"glyph.ico";
  ASSERT_TRUE(WriteBytes(decoy, "not an icon, and not to be overwritten"));
  const auto temp = TempFilesOfInterest();
  MakeFolder(L"src");
  Write(L"src\\glyph.ico", SolidIcoFile(16, 0xFF0000FF));
  HANDLE skin = Keep(CreateSkin(L"Packed"));
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"src\\glyph.ico"), 1);
  ASSERT_EQ(SaveSkin(skin, L"Packed", 1), 1);
  RemoveTree(Path(L"src"));
  HANDLE loaded = Load(L"Packed");
  ASSERT_EQ(IsSkin(loaded), 1);
  ICONINFO info{};
  EXPECT_TRUE(GetIconInfo(static_cast<HICON>(GetSkinPropertyData(loaded, L"c", L"s", L"p")), &info));
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  EXPECT_TRUE(TempFilesOfInterest() == temp);
  EXPECT_EQ(ReadBytes(decoy), "not an icon, and not to be overwritten");
  DeleteFileW(decoy.c_str());
}

// A save that fails leaves the earlier skin files byte for byte, and no
// temporary file beside them.
TEST_F(HostileSkinFilesTest, AFailedSaveLeavesTheEarlierFiles) {
  MakeFolder(L"src");
  Write(L"src\\a.png", SolidBmpFile(4, 4, 0xFF0000FF));
  HANDLE skin = Keep(CreateSkin(L"Kept"));
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"src\\a.png"), 1);
  ASSERT_EQ(SaveSkin(skin, L"Kept", 1), 1);
  ASSERT_EQ(SaveSkin(skin, L"Kept", 0), 1);  // Kept\Kept.skn and Kept\a.png
  MakeFolder(L"Kept2");                      // taken: the .skn goes beside it
  HANDLE second = Keep(CreateSkin(L"Kept2"));
  ASSERT_EQ(SetSkinProperty(second, L"c", L"s", L"p", L"src\\a.png"), 1);
  ASSERT_EQ(SaveSkin(second, L"Kept2", 0), 1);  // Kept2.skn and a.png
  const auto before = Snapshot(folder_);

  // A lone surrogate in a value: XML cannot carry it.
  const std::wstring lone = L"x" + std::wstring(1, static_cast<wchar_t>(0xD800));
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"q", lone.c_str()), 1);
  ASSERT_EQ(SetSkinProperty(second, L"c", L"s", L"q", lone.c_str()), 1);
  EXPECT_EQ(SaveSkin(skin, L"Kept", 1), 0);
  EXPECT_EQ(SaveSkin(skin, L"Kept", 0), 0);
  EXPECT_EQ(SaveSkin(second, L"Kept2", 0), 0);
  EXPECT_TRUE(Snapshot(folder_) == before);
  SetSkinProperty(skin, L"c", L"s", L"q", L"fine");
  SetSkinProperty(second, L"c", L"s", L"q", L"fine");

  // A referenced file that cannot be read (held open without sharing), where
  // the skin has no folder or pack of its name to find it in instead.
  HANDLE locked = CreateFileW(Path(L"src\\a.png").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_EQ(SaveSkin(second, L"Kept2", 0), 0);
  EXPECT_EQ(SaveSkin(second, L"Kept2", 1), 0);
  CloseHandle(locked);
  EXPECT_TRUE(Snapshot(folder_) == before);

  // Gone from where the value names it: the skin's folder has it still.
  DeleteFileW(Path(L"src\\a.png").c_str());
  EXPECT_EQ(SaveSkin(skin, L"Kept", 1), 1) << "from the skin's folder";
  RemoveTree(Path(L"Kept.sknz"));
  RemoveTree(Path(L"Kept"));
  EXPECT_EQ(SaveSkin(skin, L"Kept", 0), 0) << "found nowhere";
  EXPECT_FALSE(Exists(Path(L"Kept"))) << "the folder made for the save goes again";
  for (const auto& [name, bytes] : Snapshot(folder_))
    EXPECT_TRUE(name.find(L".tmp") == std::wstring::npos) << testing::PrintToString(name);
}

}  // namespace
