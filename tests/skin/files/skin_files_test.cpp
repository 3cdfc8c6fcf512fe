// Skin files under Wine: the skin path, LoadSkin's search and results, which
// values name files and where they are found, and round trips of all three
// forms with their data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

#include "kelvra.h"
#include "skin/builtin/builtin_skin_png_data.h"
#include "skin/builtin/builtin_skin_rows.h"
#include "skin/builtin/builtin_skins.h"
#include "skin/files/skin_document.h"
#include "skin/files/skin_pack.h"
#include "skin/records/skin_record.h"
#include "skin/skin_files_seam.h"
#include "tests/skin/files/hostile_skin_files.h"
#include "tests/skin/files/skin_file_fixtures.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

std::string SkinText(const std::string& name, const std::string& properties) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Skin><Name id=\"" + name + "\"/>" + properties + "</Skin>";
}
std::string PropertyText(const std::string& value, const std::string& property = "p") {
  return "<Component id=\"c\"><State id=\"s\"><Property id=\"" + property + "\">" + value +
         "</Property></State></Component>";
}

class VectorSink final : public PackSink {
 public:
  bool Write(const void* bytes, std::size_t size) override {
    out.append(static_cast<const char*>(bytes), size);
    return true;
  }
  std::string out;
};

// A pack of the given files and XML, as the library writes it.
std::string PackOf(const std::vector<std::pair<std::wstring, std::string>>& files, const std::string& xml) {
  VectorSink sink;
  SkinPackWriter writer(sink);
  auto span = [](const std::string& s) {
    return std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  for (const auto& [name, bytes] : files) EXPECT_TRUE(writer.AddFile(name, span(bytes)));
  EXPECT_TRUE(writer.Finish(span(xml)));
  return sink.out;
}

std::string FixturePng() {
  const auto png = StoredSkinPng(StoredSkinImage::SetAExpandArrow);
  return std::string(png.begin(), png.end());
}

std::vector<SkinDocumentProperty> Sorted(std::vector<SkinDocumentProperty> properties) {
  std::sort(properties.begin(), properties.end(), [](const auto& a, const auto& b) {
    return std::tie(a.component, a.state, a.property, a.value) < std::tie(b.component, b.state, b.property, b.value);
  });
  return properties;
}

const SkinPropertyRecord* PropertyOf(HANDLE skin, const wchar_t* property) {
  const SkinRecord* record = FindSkin(skin);
  if (!record) return nullptr;
  return record->propertyIndex.count(std::wstring(L"c") + L'\0' + L"s" + L'\0' + property)
             ? record->propertyIndex.at(std::wstring(L"c") + L'\0' + L"s" + L'\0' + property)
             : nullptr;
}

using SkinFiles = SkinFileTest;

TEST_F(SkinFiles, SetSkinPathTakesExistingFoldersOnly) {
  Write(L"a file", "x");
  MakeFolder(L"sub");
  const std::wstring sub = Path(L"sub");
  struct {
    std::wstring given;
    bool null;
    int result;
    std::wstring stored;
  } const cases[] = {
      {sub, false, 1, sub + L"\\"},
      {sub + L"\\", false, 1, sub + L"\\"},
      {L"", false, 0, sub + L"\\"},
      {L"", true, 0, sub + L"\\"},
      {Path(L"a file"), false, 0, sub + L"\\"},
      {Path(L"missing"), false, 0, sub + L"\\"},
      {folder_, false, 1, folder_},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetSkinPath(c.null ? nullptr : c.given.c_str()), c.result) << testing::PrintToString(c.given);
    EXPECT_EQ(SkinPath(), c.stored) << testing::PrintToString(c.given);
  }
}

TEST_F(SkinFiles, LoadSkinTriesTheFileThenTheFolderThenThePack) {
  Write(L"glass.skn", SkinText("from file", ""));
  MakeFolder(L"glass");
  Write(L"glass\\glass.skn", SkinText("from folder", ""));
  Write(L"glass.sknz", PackOf({}, SkinText("from pack", "")));
  auto nameOf = [&](const std::wstring& file) {
    HANDLE skin = Load(file);
    return IsSkin(skin) ? std::wstring(GetSkinName(skin)) : L"result " + std::to_wstring(Result(skin));
  };
  EXPECT_EQ(nameOf(L"glass"), L"from file");
  EXPECT_EQ(nameOf(L"glass.skn"), L"from file");
  EXPECT_EQ(nameOf(L"glass.sknz"), L"from file") << "any other extension reads the .skn first";
  // The first that reads as a skin wins: a broken file leaves the folder form.
  Write(L"glass.skn", "<Skin><Name");
  EXPECT_EQ(nameOf(L"glass"), L"from folder");
  DeleteFileW(Path(L"glass.skn").c_str());
  EXPECT_EQ(nameOf(L"glass"), L"from folder");
  RemoveTree(Path(L"glass"));
  EXPECT_EQ(nameOf(L"glass"), L"from pack");
  EXPECT_EQ(nameOf(L"glass.old"), L"from pack") << "the base name stops at the first \".\"";

  EXPECT_EQ(nameOf(L""), L"result 0");
  EXPECT_EQ(Result(LoadSkin(nullptr)), 0);
  EXPECT_EQ(nameOf(L"nothing"), L"result 0");
  Write(L"empty.sknz", "");
  EXPECT_EQ(nameOf(L"empty"), L"result 0");
  // Relative to the skin path, never to the current directory; absolute as given.
  MakeFolder(L"elsewhere");
  Write(L"elsewhere\\far.skn", SkinText("far", ""));
  EXPECT_EQ(nameOf(L"elsewhere\\far"), L"far");
  EXPECT_EQ(nameOf(Path(L"elsewhere\\far.skn")), L"far");
}

TEST_F(SkinFiles, LoadSkinResults) {
  Write(L"good.skn", SkinText("Good", PropertyText("#FF0000;")) );
  Write(L"unexpected.skn", SkinText("U", "<Component id=\"c\"><Style id=\"s\"/></Component>"));
  Write(L"missing.skn", SkinText("M", PropertyText("#ff0000;", "a") + PropertyText("gone.png", "b")));
  Write(L"multiline.skn", SkinText("ML", PropertyText("\r\n\t   gradient: vertical,\r\n\t      #ffffff,\r\n\t"
                                                      "      #000000;\r\n   ")));
  Write(L"empty.skn", SkinText("Empty", "<Component id=\"c\"/><Component id=\"d\"><State id=\"s\"/></Component>"));

  HANDLE good = Load(L"good");
  ASSERT_EQ(IsSkin(good), 1);
  EXPECT_STREQ(GetSkinName(good), L"Good");
  EXPECT_STREQ(GetSkinProperty(good, L"c", L"s", L"p"), L"255");
  EXPECT_EQ(GetSkinAutoUpdate(good), 1);
  EXPECT_EQ(Result(Load(L"unexpected")), -1);
  EXPECT_EQ(Result(Load(L"missing")), -2);
  EXPECT_EQ(SkinList().Size(), skins_ + 1) << "failed loads leave no skin";

  HANDLE multi = Load(L"multiline");
  ASSERT_EQ(IsSkin(multi), 1);
  EXPECT_STREQ(GetSkinProperty(multi, L"c", L"s", L"p"), L"gradient: vertical,      #ffffff,      #000000;");
  HANDLE empty = Load(L"empty");
  ASSERT_EQ(IsSkin(empty), 1) << "a skin without properties reads back as one";
  EXPECT_STREQ(GetSkinName(empty), L"Empty");
}

TEST_F(SkinFiles, WhichValuesNameFilesAndWhereTheyAreFound) {
  HANDLE skin = Keep(CreateSkin(L"Glass"));
  SetSkinAutoUpdate(skin, 0);
  const std::string png = FixturePng();
  Write(L"top.png", png);
  MakeFolder(L"Glass");
  Write(L"Glass\\infolder.png", png);
  Write(L"Glass.sknz", PackOf({{L"inpack.png", png}}, SkinText("Glass", "")));
  Write(L"zero.png", "");
  MakeFolder(L"images");
  struct {
    const wchar_t* value;
    int found;
  } const cases[] = {
      {L"0.5", 0},
      {L"#ff0000", 0},
      {L"8;", 0},
      {L"x: 50%; y: 50%;", 0},
      {L".\\x.png", 0},
      {L"rgba(255,0,0,0.5)", 0},
      {L"16x16.png", -1},
      {L"images\\glyph.ico; width: 16; height: 16;", -1},
      {L"top.png", 1},
      {L"infolder.png", 1},
      {L"inpack.png; width: 3;", 1},
      {L"images\\inpack.png", -1},  // a pack holds bare names only
      {L"zero.png", -1},            // a file of no byte is no file
      {L"images", 0},
  };
  const SkinRecord& record = *FindSkin(skin);
  for (const auto& c : cases)
    EXPECT_EQ(FindSkinPropertyFile(record, c.value), c.found) << testing::PrintToString(std::wstring(c.value));
  Write(L"images\\glyph.ico", SolidIcoFile(16, 0xFF00FF00));
  EXPECT_EQ(FindSkinPropertyFile(record, L"images\\glyph.ico; width: 16; height: 16;"), 1);

  // What SetSkinProperty makes of them.
  EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"16x16.png"), -1);
  EXPECT_EQ(GetSkinPropertyData(skin, L"c", L"s", L"p"), nullptr);
  EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"inpack.png"), 1);
  EXPECT_EQ(GetObjectType(GetSkinPropertyData(skin, L"c", L"s", L"p")), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"rgba(255,0,0,0.5)"), 1) << "a colour, not a file";
  EXPECT_EQ(GetSkinPropertyColour(skin, L"c", L"s", L"p"), static_cast<int>(0x80FF0000));
  EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"navy ;"), 1);
  EXPECT_EQ(GetSkinPropertyColour(skin, L"c", L"s", L"p"), 0x800000);
}

// Every built-in skin saved in each form reads back with the same properties.
TEST_F(SkinFiles, EveryBuiltInSkinRoundTripsInAllThreeForms) {
  // Built on first use, they stay: they are not this test's to free.
  for (const auto& table : BuiltInSkinTables()) ASSERT_NE(BuiltInSkin(table.key), 0u);
  skins_ = SkinList().Size();
  for (const auto& table : BuiltInSkinTables()) {
    const std::wstring name = table.displayName;
    SCOPED_TRACE(testing::PrintToString(name));
    HANDLE builtIn = reinterpret_cast<HANDLE>(BuiltInSkin(table.key));
    const auto expected = Sorted(SkinDocumentProperties(*FindSkin(builtIn)));
    auto reads = [&](const char* form) {
      SCOPED_TRACE(form);
      HANDLE loaded = LoadSkin(name.c_str());
      ASSERT_EQ(IsSkin(loaded), 1) << Result(loaded);
      EXPECT_EQ(std::wstring(GetSkinName(loaded)), name);
      EXPECT_EQ(Sorted(SkinDocumentProperties(*FindSkin(loaded))), expected);
      FreeSkin(loaded);
    };
    ASSERT_EQ(SaveSkin(builtIn, name.c_str(), 1), 1);
    reads("pack");
    RemoveTree(Path(name + L".sknz"));
    ASSERT_EQ(SaveSkin(builtIn, name.c_str(), 0), 1);
    EXPECT_TRUE(Exists(Path(name + L"\\" + name + L".skn")));
    reads("folder");
    // With a folder of that name there already, the .skn goes beside it.
    RemoveTree(Path(name + L"\\" + name + L".skn"));
    ASSERT_EQ(SaveSkin(builtIn, name.c_str(), 0), 1);
    EXPECT_TRUE(Exists(Path(name + L".skn")));
    reads("file");
    RemoveTree(Path(name + L".skn"));
    RemoveTree(Path(name));
  }
}

class SkinFileData : public SkinFileTest {
 protected:
  // A skin whose values name a PNG, a 16 by 16 icon and raw bytes in a folder
  // of the skin path.
  HANDLE MakeSkin(const wchar_t* name) {
    MakeFolder(L"src");
    Write(L"src\\arrow.png", FixturePng());
    Write(L"src\\glyph.ico", SolidIcoFile(16, 0xFF00FF00));
    Write(L"src\\table.dat", raw_);
    HANDLE skin = Keep(CreateSkin(name));
    SetSkinAutoUpdate(skin, 0);
    EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"image", L"src\\arrow.png"), 1);
    EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"icon", L"src\\glyph.ico; width: 16; height: 16;"), 1);
    EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"data", L"src\\table.dat"), 1);
    EXPECT_EQ(SetSkinProperty(skin, L"c", L"s", L"plain", L"#00ff00"), 1);
    return skin;
  }
  // The three properties hold what their files hold.
  void ExpectData(HANDLE skin) {
    ASSERT_EQ(IsSkin(skin), 1) << Result(skin);
    const SkinPropertyRecord* image = PropertyOf(skin, L"image");
    const SkinPropertyRecord* icon = PropertyOf(skin, L"icon");
    const SkinPropertyRecord* data = PropertyOf(skin, L"data");
    ASSERT_TRUE(image && icon && data);
    EXPECT_EQ(image->kind, kSkinDataImage);
    BITMAP bitmap{};
    EXPECT_EQ(GetObjectW(reinterpret_cast<HGDIOBJ>(image->data), sizeof bitmap, &bitmap),
              static_cast<int>(sizeof bitmap));
    EXPECT_GT(bitmap.bmWidth, 0);
    EXPECT_EQ(icon->kind, kSkinDataIcon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(icon->data), &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 16);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(data->kind, kSkinDataOther);
    ASSERT_EQ(data->size, static_cast<int32_t>(raw_.size()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data->data), raw_.size()), raw_) << "byte for byte";
    EXPECT_STREQ(GetSkinProperty(skin, L"c", L"s", L"plain"), L"65280");
  }

  const std::string raw_ = std::string("raw\0bytes\r\n\xFF\x01", 14) + std::string(100, 'r');
};

TEST_F(SkinFileData, FilesTravelWithEveryForm) {
  HANDLE skin = MakeSkin(L"Data");
  ExpectData(skin);
  ASSERT_EQ(SaveSkin(skin, L"Data", 1), 1);
  ASSERT_EQ(SaveSkin(skin, L"Data", 0), 1);
  // Values are saved with their bare file names.
  const std::string skn = ReadBytes(Path(L"Data\\Data.skn")).value_or("");
  EXPECT_NE(skn.find("<Property id=\"icon\">glyph.ico; width: 16; height: 16;</Property>"), std::string::npos) << skn;
  EXPECT_EQ(ReadBytes(Path(L"Data\\table.dat")), raw_);
  RemoveTree(Path(L"src"));  // only the saved copies remain

  ExpectData(Load(L"Data"));  // the folder form
  RemoveTree(Path(L"Data"));
  ExpectData(Load(L"Data"));  // the pack
  EXPECT_STREQ(GetSkinProperty(made_.back(), L"c", L"s", L"icon"), L"glyph.ico; width: 16; height: 16;");
}

TEST_F(SkinFileData, APackSavedOverItselfKeepsItsFiles) {
  HANDLE skin = MakeSkin(L"Self");
  ASSERT_EQ(SaveSkin(skin, L"Self", 1), 1);
  RemoveTree(Path(L"src"));
  HANDLE loaded = Load(L"Self");
  ExpectData(loaded);
  // Its files are only inside the pack it replaces.
  ASSERT_EQ(SaveSkin(loaded, L"Self", 1), 1);
  ExpectData(Load(L"Self"));
  // And the folder form takes them from the pack too.
  ASSERT_EQ(SaveSkin(loaded, L"Self", 0), 1);
  EXPECT_EQ(ReadBytes(Path(L"Self\\table.dat")), raw_);
  DeleteFileW(Path(L"Self.sknz").c_str());
  ExpectData(Load(L"Self"));
}

// A skin is read from where it is, whatever its file is called.
TEST_F(SkinFileData, RenamedMovedAndAbsoluteSkinsLoadWithTheirFiles) {
  HANDLE skin = MakeSkin(L"Moving");
  ASSERT_EQ(SaveSkin(skin, L"Moving", 1), 1);
  ASSERT_EQ(SaveSkin(skin, L"Moving", 0), 1);
  RemoveTree(Path(L"src"));
  ASSERT_TRUE(MoveFileW(Path(L"Moving.sknz").c_str(), Path(L"Renamed.sknz").c_str()));
  ASSERT_TRUE(MoveFileW(Path(L"Moving").c_str(), Path(L"Other").c_str()));
  ASSERT_TRUE(MoveFileW(Path(L"Other\\Moving.skn").c_str(), Path(L"Other\\Other.skn").c_str()));
  // A decoy of the skin's own name must not lend its files.
  Write(L"Moving.sknz", PackOf({{L"table.dat", "decoy"}, {L"arrow.png", FixturePng()}},
                               SkinText("Decoy", "")));
  ExpectData(Load(L"Renamed"));
  ExpectData(Load(L"Other"));
  MakeFolder(L"deeper");
  ASSERT_TRUE(MoveFileW(Path(L"Renamed.sknz").c_str(), Path(L"deeper\\Renamed.sknz").c_str()));
  ExpectData(Load(L"deeper\\Renamed"));
  ExpectData(Load(Path(L"deeper\\Renamed.sknz")));
  // The .skn of a folder named by its path.
  ExpectData(Load(Path(L"Other\\Other.skn")));
}

TEST_F(SkinFileData, PackEntries) {
  Write(L"noise.dat", [] {
    std::string noise;
    uint32_t x = 99;
    for (int i = 0; i < 100; ++i) noise.push_back(static_cast<char>((x = x * 1103515245u + 12345u) >> 24));
    return noise;
  }());
  HANDLE skin = Keep(CreateSkin(L"Entries"));
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"noise.dat"), 1);
  ASSERT_EQ(SaveSkin(skin, L"x", 1), 1);
  const std::string pack = ReadBytes(Path(L"Entries.sknz")).value_or("");
  // name (raw), the 100 bytes (raw: they do not shrink), the XML (compressed).
  const std::string name = NameBytes("noise.dat");
  ASSERT_GT(pack.size(), 8 + name.size() + 108 + 12);
  EXPECT_EQ(pack.substr(0, 8 + name.size()), RawEntry(name));
  const std::string data = pack.substr(8 + name.size(), 108);
  EXPECT_EQ(data.substr(0, 8), PackU32(100) + PackU32(100));
  EXPECT_EQ(data.substr(8), ReadBytes(Path(L"noise.dat")).value_or(""));
  const std::string xml = pack.substr(8 + name.size() + 108);
  auto u32 = [&](std::size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(xml[at + i]);
    return v;
  };
  EXPECT_LT(u32(4), u32(0)) << "stored below unpacked";
  EXPECT_EQ(u32(4), xml.size() - 8) << "the XML is the last entry";
  EXPECT_EQ(xml.substr(8, 4), std::string("JC\x78\xDA"));
}

// A translucent colour is no file name: such a skin saves and reads back.
TEST_F(SkinFiles, TranslucentColoursReadBack) {
  HANDLE skin = Keep(CreateSkin(L"Translucent"));
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"a", L"rgba(255,0,0,0.5)"), 1);
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"b", L"rgba(0,0,0,.25);"), 1);
  ASSERT_EQ(SaveSkin(skin, L"Translucent", 0), 1);
  HANDLE loaded = Load(L"Translucent");
  ASSERT_EQ(IsSkin(loaded), 1) << Result(loaded);
  EXPECT_EQ(GetSkinPropertyColour(loaded, L"c", L"s", L"a"), static_cast<int>(0x80FF0000));
  EXPECT_EQ(GetSkinPropertyColour(loaded, L"c", L"s", L"b"), static_cast<int>(0x40000000));
}

// The saved directory slot of old is gone: nested operations and failures all
// leave the current directory where the program put it.
TEST_F(SkinFiles, NothingChangesTheCurrentDirectory) {
  MakeFolder(L"cwd");
  ASSERT_TRUE(SetCurrentDirectoryW(Path(L"cwd").c_str()));
  Write(L"cwd\\here.png", FixturePng());  // found only if the current directory were used
  Write(L"nested.skn", SkinText("Nested", PropertyText("here.png")));
  EXPECT_EQ(Result(Load(L"nested")), -2);
  HANDLE skin = Keep(CreateSkin(L"Saver"));
  Write(L"there.png", FixturePng());
  ASSERT_EQ(SetSkinProperty(skin, L"c", L"s", L"p", L"there.png"), 1);
  EXPECT_EQ(SaveSkin(skin, L"Saver", 0), 1);
  EXPECT_EQ(SaveSkin(skin, L"Saver", 1), 1);
  EXPECT_EQ(IsSkin(Load(L"Saver")), 1);
  EXPECT_EQ(CurrentDirectory(), Path(L"cwd"));
  ASSERT_TRUE(SetCurrentDirectoryW(directory_.c_str()));
}

}  // namespace
