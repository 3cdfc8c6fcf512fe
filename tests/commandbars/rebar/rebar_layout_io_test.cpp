// Saving and loading rebar layout files on a real rebar: what the file holds,
// what a load restores, and files that must change nothing.
#include "tests/commandbars/rebar/rebar_test_support.h"

#include <fstream>
#include <sstream>

namespace kelvra::test {
namespace {

std::string ReadAll(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<none>";
  std::string bytes(1 << 16, '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

bool Write(const std::wstring& path, const std::string& bytes) { return WriteFileBytes(path, bytes.data(), bytes.size()); }

struct BandState {
  int id;
  UINT cx;
  UINT style;
  friend bool operator==(const BandState&, const BandState&) = default;
};
std::vector<BandState> States(HWND rebar) {
  std::vector<BandState> states;
  for (int i = 0; i < BandCount(rebar); ++i) {
    const REBARBANDINFOW info = BandInfo(rebar, i, RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE);
    states.push_back({static_cast<int>(info.wID), info.cx, info.fStyle});
  }
  return states;
}

class RebarLayoutIoTest : public RebarTest {};

TEST_F(RebarLayoutIoTest, SavesBandsInOrderAndLoadRestoresThem) {
  const HWND rebar = MakeRebar(3);
  const int key = Key(rebar);
  const std::wstring path = TempPath(L"rebar_layout.xml");
  ASSERT_EQ(1, SaveRebarLayout(key, path.c_str()));
  const std::string file = ReadAll(path);
  EXPECT_EQ(0u, file.find("<?xml")) << file;
  std::ostringstream expected;
  expected << "<Layout>\n";
  for (const BandState& band : States(rebar))
    expected << "   <Band ID=\"" << band.id << "\" cx=\"" << band.cx << "\" fStyle=\"" << band.style << "\"/>\n";
  expected << "</Layout>";
  EXPECT_NE(std::string::npos, file.find(expected.str())) << file;

  const std::vector<BandState> saved = States(rebar);
  MoveRebarBand(key, 0, 2);
  REBARBANDINFOW info{};
  info.cbSize = 80;
  info.fMask = RBBIM_SIZE | RBBIM_STYLE;
  info.cx = 77;
  info.fStyle = RBBS_BREAK;
  SendMessageW(rebar, RB_SETBANDINFOW, 1, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(saved, States(rebar));
  EXPECT_EQ(1, LoadRebarLayout(key, path.c_str()));
  EXPECT_EQ(saved, States(rebar));
}

TEST_F(RebarLayoutIoTest, EmptyRebarAndNamesAndRoots) {
  const HWND rebar = MakeRebar(0);
  const int key = Key(rebar);
  const std::wstring path = TempPath(L"rebar_empty.xml");
  ASSERT_EQ(1, SaveRebarLayout(key, path.c_str()));
  EXPECT_NE(std::string::npos, ReadAll(path).find("<Band ID=\"0\" cx=\"0\" fStyle=\"0\"/>"));
  EXPECT_EQ(1, LoadRebarLayout(key, path.c_str())) << "a band past the count does nothing";

  for (const wchar_t* name : {L"lay:out.xml", L"what?.xml", L"", L"dir\\"}) {
    const std::wstring bad = TempPath(L"") + name;
    EXPECT_EQ(0, SaveRebarLayout(key, bad.c_str())) << name;
    EXPECT_EQ(0, LoadRebarLayout(key, bad.c_str())) << name;
  }
  EXPECT_EQ(0, SaveRebarLayout(key, nullptr));
  EXPECT_EQ(0, LoadRebarLayout(key, nullptr));
  EXPECT_EQ(0, SaveRebarLayout(12345, path.c_str()));
  EXPECT_EQ(0, LoadRebarLayout(12345, path.c_str()));
  EXPECT_EQ(0, LoadRebarLayout(key, TempPath(L"no_such_layout.xml").c_str()));
}

TEST_F(RebarLayoutIoTest, CapitalRootAndUnknownIdsStillApplyByPosition) {
  const HWND rebar = MakeRebar(2);
  const std::wstring path = TempPath(L"rebar_upper.xml");
  ASSERT_TRUE(Write(path, "<LAYOUT><Band ID='1' cx='120' fStyle='4'/><Band ID='55' cx='90' fStyle='8'/></LAYOUT>"));
  EXPECT_EQ(1, LoadRebarLayout(Key(rebar), path.c_str()));
  const auto states = States(rebar);
  EXPECT_EQ(1, states[0].id);
  EXPECT_EQ(120u, states[0].cx);
  EXPECT_EQ(0, states[1].id) << "id 55 moves nothing";
  EXPECT_EQ(90u, states[1].cx);
  EXPECT_EQ(8u, states[1].style);

  // A hidden style in the file hides the band and its record follows.
  ASSERT_TRUE(Write(path, "<Layout><Band ID='1' cx='120' fStyle='12'/></Layout>"));
  EXPECT_EQ(1, LoadRebarLayout(Key(rebar), path.c_str()));
  EXPECT_EQ(0, RebarBandById(rebar, 1)->visible);
  // Widths past the control's range are clamped, not wrapped.
  ASSERT_TRUE(Write(path, "<Layout><Band ID='1' cx='2147483647' fStyle='4'/><Band ID='0' cx='-5'/></Layout>"));
  EXPECT_EQ(1, LoadRebarLayout(Key(rebar), path.c_str()));
  EXPECT_EQ(-1, RebarBandById(rebar, 1)->visible);
}

TEST_F(RebarLayoutIoTest, RefusedFilesChangeNothing) {
  const HWND rebar = MakeRebar(3);
  MoveRebarBand(Key(rebar), 2, 0);
  const std::vector<BandState> before = States(rebar);
  std::string many = "<Layout>";
  for (int i = 0; i < 100000; ++i) many += "<Band ID='0' cx='5'/>";
  many += "</Layout>";  // over a megabyte
  std::string deep = "<Layout>";
  for (int i = 0; i < 100000; ++i) deep += "<a>";
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("<Skin><Band ID='0' cx='5'/></Skin>")) {
    utf16 += c;
    utf16 += '\0';
  }
  const std::string valid = "<Band ID='0' cx='33'/>";
  struct Case {
    const char* what;
    std::string file;
  };
  const std::vector<Case> cases{
      {"empty", ""},
      {"not XML", "ID=0 cx=33"},
      {"truncated", "<Layout>" + valid + "<Band ID='1' cx="},
      {"another root", "<Skin>" + valid + "</Skin>"},
      {"another root in UTF-16", utf16},
      {"a document type", "<!DOCTYPE Layout [<!ENTITY a 'b'>]><Layout>" + valid + "</Layout>"},
      {"over a megabyte", many},
      {"deeper than 64", deep},
      {"past 32 bits after a good band", "<Layout>" + valid + "<Band ID='99999999999'/></Layout>"},
      {"hexadecimal", "<Layout>" + valid + "<Band fStyle='0x10'/></Layout>"},
      {"trailing letters", "<Layout>" + valid + "<Band cx='12abc'/></Layout>"},
      {"empty value", "<Layout>" + valid + "<Band ID=''/></Layout>"},
  };
  const std::wstring path = TempPath(L"rebar_hostile.xml");
  for (const Case& c : cases) {
    ASSERT_TRUE(Write(path, c.file)) << c.what;
    EXPECT_EQ(0, LoadRebarLayout(Key(rebar), path.c_str())) << c.what;
    EXPECT_EQ(before, States(rebar)) << c.what;
  }

  // Many bands within the size limit: as many apply as the rebar has.
  std::string plenty = "<Layout>";
  for (int i = 0; i < 100000; ++i) plenty += "<Band/>";
  plenty += "</Layout>";
  ASSERT_TRUE(Write(path, plenty));
  EXPECT_EQ(1, LoadRebarLayout(Key(rebar), path.c_str()));
  EXPECT_EQ(3, BandCount(rebar));
}

TEST_F(RebarLayoutIoTest, AFailedSaveLeavesTheOldFile) {
  const HWND rebar = MakeRebar(2);
  const std::wstring path = TempPath(L"rebar_kept.xml");
  ASSERT_TRUE(Write(path, "old layout"));
  // The file beside it cannot be made: the save fails before the target is touched.
  const std::wstring beside = path + L".saving";
  CreateDirectoryW(beside.c_str(), nullptr);
  EXPECT_EQ(0, SaveRebarLayout(Key(rebar), path.c_str()));
  EXPECT_EQ("old layout", ReadAll(path));
  RemoveDirectoryW(beside.c_str());
  EXPECT_EQ(1, SaveRebarLayout(Key(rebar), path.c_str()));
  EXPECT_NE(std::string::npos, ReadAll(path).find("<Layout>"));
}

}  // namespace
}  // namespace kelvra::test
