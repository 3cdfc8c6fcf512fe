// Which values name data files, which names are safe to join to the skin path,
// and the choice of an icon file's image.
#include <gtest/gtest.h>

#include <string>

#include "skin/builtin/builtin_skin_rows.h"
#include "skin/files/ico_directory.h"
#include "skin/files/skin_file_names.h"
#include "tests/skin/values/fake_colour_lookups.h"
#include "tests/skin/files/builtin_skin_documents.h"

namespace {

using kelvra::ClassifySkinFileValue;
using kelvra::test::FakeColourLookups;

TEST(SkinFileNames, WhichValuesNameFiles) {
  struct {
    const wchar_t* value;
    bool fileLike;
    const wchar_t* path;
    const wchar_t* filePart;
  } const cases[] = {
      {L"0.5", false, L"0.5", L"0.5"},
      {L"#ff0000", false, L"#ff0000", L"#ff0000"},
      {L"8;", false, L"8", L"8"},
      {L"x: 50%; y: 50%;", false, L"x: 50%", L"x: 50%"},
      {L".\\x.png", false, L".\\x.png", L"x.png"},
      {L"16x16.png", true, L"16x16.png", L"16x16.png"},
      {L"border.png", true, L"border.png", L"border.png"},
      {L"  images\\glyph.ico; width: 16; height: 16;", true, L"images\\glyph.ico", L"glyph.ico"},
      {L"c:\\skins\\x.png", true, L"c:\\skins\\x.png", L"x.png"},  // for values set in code
      {L"images/glyph.ico", false, L"images/glyph.ico", L"images/glyph.ico"},  // "/" in the file name
      {L"x.", false, L"x.", L"x."},
      {L"a..b", false, L"a..b", L"a..b"},
      {L"1.2.3", false, L"1.2.3", L"1.2.3"},
      {L"what?.png", false, L"what?.png", L"what?.png"},
      {L"images\\", false, L"images\\", L""},
      // Colours with a fraction, and anything with a bracket.
      {L"rgba(255,0,0,0.5)", false, L"rgba(255,0,0,0.5)", L"rgba(255,0,0,0.5)"},
      {L"rgba(0,0,0,.25);", false, L"rgba(0,0,0,.25)", L"rgba(0,0,0,.25)"},
      {L"gradient: 0.5", false, L"gradient: 0.5", L"gradient: 0.5"},
      {L"photo (1).png", false, L"photo (1).png", L"photo (1).png"},
      {L"{1.2}", false, L"{1.2}", L"{1.2}"},
  };
  const FakeColourLookups lookups;
  for (const auto& c : cases) {
    const auto file = ClassifySkinFileValue(c.value, lookups);
    EXPECT_EQ(file.fileLike, c.fileLike) << testing::PrintToString(std::wstring(c.value));
    EXPECT_EQ(file.path, c.path) << testing::PrintToString(std::wstring(c.value));
    EXPECT_EQ(file.filePart, c.filePart) << testing::PrintToString(std::wstring(c.value));
  }
  EXPECT_EQ(kelvra::IsNumericString(L""), 0);
  EXPECT_EQ(kelvra::IsNumericString(L" . "), 0);
  EXPECT_EQ(kelvra::IsNumericString(L"1.25"), 1);
  EXPECT_EQ(kelvra::IsNumericString(L" 1"), 0);
}

// The built-in skins name no file, so building them never looks at the disk.
TEST(SkinFileNames, NoBuiltInValueNamesAFile) {
  const FakeColourLookups lookups;
  for (const auto& table : kelvra::BuiltInSkinTables())
    for (const auto& property : kelvra::test::BuiltInSkinDocument(table).properties)
      EXPECT_FALSE(ClassifySkinFileValue(property.value, lookups).fileLike)
          << testing::PrintToString(property.value);
}

TEST(SkinFileNames, SafeNamesAndPaths) {
  struct {
    std::wstring name;
    bool valid;
  } const names[] = {
      {L"Glass", true},        {L"my skin 2", true}, {L"a.b", true},  {L"", false},     {L"..\\evil", false},
      {L"C:\\evil", false},    {L"\\\\server\\share\\x", false},     {L"con", false},  {L"CON.txt", false},
      {L"nul .x", false},      {L"com1", false},     {L"lpt9", false}, {L"com0", true}, {L"console", true},
      {L"trailing.", false},   {L"trailing ", false}, {L".", false},  {L"..", false},   {L"a/b", false},
      {L"tab\there", false},   {std::wstring(241, L'n'), false},
  };
  for (const auto& c : names)
    EXPECT_EQ(kelvra::IsValidSkinName(c.name), c.valid) << testing::PrintToString(c.name);

  struct {
    const wchar_t* path;
    bool contained;
  } const paths[] = {
      {L"x.png", true},           {L"images\\x.png", true}, {L"a.b\\x.png", true},    {L".\\x.png", true},
      {L"c:\\x.png", false},      {L"c:x.png", false},      {L"x:y.png", false},      {L"\\x.png", false},
      {L"/x.png", false},         {L"\\\\srv\\s\\x.png", false}, {L"..\\x.png", false}, {L"a\\..\\x.png", false},
      {L"a/../x.png", false},     {L"...\\x.png", false},   {L".. \\x.png", false},   {L"a..b\\x.png", true},
  };
  for (const auto& c : paths)
    EXPECT_EQ(kelvra::IsContainedRelativePath(c.path), c.contained) << testing::PrintToString(std::wstring(c.path));

  EXPECT_EQ(kelvra::FilePartOf(L"a\\b/c.skn"), L"c.skn");
  EXPECT_EQ(kelvra::DirectoryPartOf(L"a\\b/c.skn"), L"a\\b/");
  EXPECT_EQ(kelvra::BaseNameOf(L"dir.d\\glass.old.skn"), L"glass");
}

TEST(IcoDirectory, PicksTheImageForTheWantedSize) {
  // Three images: 32x32 at 8 bits, 16x16 at 4 and at 32 bits.
  std::vector<uint8_t> file = {0, 0, 1, 0, 3, 0};
  auto entry = [&](uint8_t side, uint16_t bits, uint32_t offset) {
    const uint8_t e[16] = {side, side, 0, 0, 1, 0, static_cast<uint8_t>(bits), 0, 8, 0, 0, 0,
                           static_cast<uint8_t>(offset), 0, 0, 0};
    file.insert(file.end(), e, e + 16);
  };
  entry(32, 8, 54);
  entry(16, 4, 62);
  entry(16, 32, 70);
  file.resize(78, 0xAB);
  struct {
    int width, height;
    std::size_t offset;
  } const cases[] = {{0, 0, 54}, {16, 16, 70}, {32, 32, 54}, {20, 20, 54}, {48, 48, 54}, {8, 8, 62}};
  for (const auto& c : cases) {
    const auto image = kelvra::PickIcoImage(file, c.width, c.height);
    ASSERT_TRUE(image.has_value()) << c.width;
    EXPECT_EQ(image->offset, c.offset) << c.width;
  }
  auto broken = file;
  broken[2] = 2;  // a cursor file
  EXPECT_FALSE(kelvra::PickIcoImage(broken, 16, 16).has_value());
  broken = file;
  broken.resize(75);  // the chosen image runs past the end
  EXPECT_FALSE(kelvra::PickIcoImage(broken, 16, 16).has_value());
  EXPECT_FALSE(kelvra::PickIcoImage(std::vector<uint8_t>{0, 0, 1, 0, 0, 0}, 0, 0).has_value());
}

}  // namespace
