// Hostile skin files, shared by the pure readers' tests (host build) and
// LoadSkin's (Wine): each with what LoadSkin answers and whether the pure
// readers accept it. Header only; needs zlib.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kelvra::test {

enum class PureVerdict { Refused, UnexpectedElement, Accepted };

struct HostileSkinFile {
  const char* what;
  std::wstring fileName;  // x.skn or x.sknz: LoadSkin(L"x") finds it
  std::string bytes;
  int loadResult;  // what LoadSkin(L"x") returns: 0, -1 or -2; 1 for a skin
  PureVerdict pure;
};

inline std::string PackU32(uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i));
  return out;
}

// One pack entry as it stands in the file.
inline std::string PackEntry(uint32_t unpacked, uint32_t stored, const std::string& bytes) {
  return PackU32(unpacked) + PackU32(stored) + bytes;
}
inline std::string RawEntry(const std::string& bytes) {
  return PackEntry(static_cast<uint32_t>(bytes.size()), static_cast<uint32_t>(bytes.size()), bytes);
}
// A name entry's bytes: UTF-16LE and one 16-bit NUL (ASCII names only here).
inline std::string NameBytes(const std::string& name) {
  std::string out;
  for (char c : name) out += std::string{c, '\0'};
  return out + std::string(2, '\0');
}
inline std::string ZlibStream(const std::string& bytes, int level = 9) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
            static_cast<uLong>(bytes.size()), level);
  out.resize(size);
  return out;
}

inline const char* kSmallSkin =
    "<?xml version=\"1.0\"?><Skin><Name id=\"x\"/><Component id=\"c\"><State id=\"s\">"
    "<Property id=\"p\">#ff0000</Property></State></Component></Skin>";

inline std::string SkinWithValue(const std::string& value) {
  return "<Skin><Name id=\"x\"/><Component id=\"c\"><State id=\"s\"><Property id=\"p\">" + value +
         "</Property></State></Component></Skin>";
}

inline std::vector<HostileSkinFile> HostileSkinFiles() {
  using P = PureVerdict;
  const std::string xml = RawEntry(kSmallSkin);
  const std::string name = RawEntry(NameBytes("a.dat"));
  std::string data;
  for (int i = 0; i < 8; ++i) data += "some bytes that a pack carries; ";
  const std::string stream = ZlibStream(data);
  const auto compressed = [&](const std::string& body, uint32_t unpacked) {
    return PackEntry(unpacked, static_cast<uint32_t>(body.size()), body);
  };
  const uint32_t dataSize = static_cast<uint32_t>(data.size());
  std::vector<HostileSkinFile> files = {
      {"truncated XML", L"x.skn", "<Skin><Component id=\"a\"><State id=\"s\"><Prop", 0, P::Refused},
      {"mismatched tags", L"x.skn", "<Skin><Component></State></Skin>", 0, P::Refused},
      {"unknown encoding", L"x.skn", "<?xml version=\"1.0\" encoding=\"x-no-such\"?><Skin/>", 0, P::Refused},
      {"billion laughs", L"x.skn",
       "<?xml version=\"1.0\"?><!DOCTYPE Skin [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><Skin><Name id=\"&c;\"/></Skin>",
       0, P::Refused},
      {"external entity", L"x.skn",
       "<!DOCTYPE Skin [<!ENTITY e SYSTEM \"file:///c:/windows/win.ini\">]><Skin><Name id=\"x\"/>&e;</Skin>", 0,
       P::Refused},
      {"10 MB id", L"x.skn", "<Skin><Name id=\"" + std::string(10'000'000, 'n') + "\"/></Skin>", 0, P::Refused},
      {"100,000 levels", L"x.skn",
       [] {
         std::string s = "<Skin>";
         for (int i = 0; i < 100000; ++i) s += "<Component>";
         return s;
       }(),
       0, P::Refused},
      {"over 16 MiB", L"x.skn", "<Skin>" + std::string(16 << 20, ' ') + "</Skin>", 0, P::Refused},
      {"root not Skin", L"x.skn", "<Skins><Name id=\"x\"/></Skins>", 0, P::Refused},
      {"another element beside the components", L"x.skn",
       "<Skin><Component id=\"c\"><State id=\"s\"><Property id=\"p\">1</Property></State></Component><Extra/></Skin>",
       -1, P::UnexpectedElement},
      {"another element in a component", L"x.skn", "<Skin><Component id=\"c\"><Property id=\"p\">1</Property></Component></Skin>",
       -1, P::UnexpectedElement},
      {"an element inside a property", L"x.skn",
       "<Skin><Component id=\"c\"><State id=\"s\"><Property id=\"p\">1<b/></Property></State></Component></Skin>", -1,
       P::UnexpectedElement},
      {"a value with a drive", L"x.skn", SkinWithValue("c:\\outside.png"), -2, P::Accepted},
      {"a value with a colon", L"x.skn", SkinWithValue("sub:dir\\outside.png"), -2, P::Accepted},
      // A colon in the file name, or a path starting with ".": no file name at
      // all, the value is text.
      {"a value with a colon in its file name", L"x.skn", SkinWithValue("x:outside.png"), 1, P::Accepted},
      {"a rooted value", L"x.skn", SkinWithValue("\\outside.png"), -2, P::Accepted},
      {"a UNC value", L"x.skn", SkinWithValue("\\\\server\\share\\outside.png"), -2, P::Accepted},
      {"a value climbing with ..", L"x.skn", SkinWithValue("..\\outside.png"), 1, P::Accepted},
      {"a value climbing inside", L"x.skn", SkinWithValue("a.b\\..\\..\\outside.png"), -2, P::Accepted},
      {"a value climbing with dots", L"x.skn", SkinWithValue("...\\outside.png"), 1, P::Accepted},
      {"a value climbing after a folder", L"x.skn", SkinWithValue("images.x\\...\\outside.png"), -2, P::Accepted},
      {"a missing file", L"x.skn", SkinWithValue("missing.png"), -2, P::Accepted},

      {"a pack of no entry", L"x.sknz", "", 0, P::Refused},
      {"a pack of an even number of entries", L"x.sknz", name + RawEntry(data), 0, P::Refused},
      {"a pack with a size past its end", L"x.sknz", name + PackEntry(100, 100, data) + xml, 0, P::Refused},
      {"a pack entry stored above unpacked", L"x.sknz", name + PackEntry(dataSize - 1, dataSize, data) + xml, 0,
       P::Refused},
      {"a pack entry over its cap", L"x.sknz", name + compressed("JC" + stream, 0xFFFFFFFF) + xml, 0, P::Refused},
      {"a name of odd length", L"x.sknz", RawEntry(NameBytes("a.dat") + "x") + RawEntry(data) + xml, 0,
       P::Refused},
      {"a name without its NUL", L"x.sknz", RawEntry(std::string("a\0.\0d\0a\0t\0", 10)) + RawEntry(data) + xml, 0,
       P::Refused},
      {"a name with an inner NUL", L"x.sknz", RawEntry(std::string("a\0\0\0d\0\0\0", 8)) + RawEntry(data) + xml, 0,
       P::Refused},
      {"a corrupt stream", L"x.sknz",
       name + compressed("JC" + stream.substr(0, 2) + std::string(stream.size() - 2, '\x55'), dataSize) + xml, 0,
       P::Refused},
      {"trailing bytes after the stream", L"x.sknz", name + compressed("JC" + stream + "zz", dataSize) + xml, 0,
       P::Refused},
      {"a stream inflating past its claim", L"x.sknz", name + compressed("JC" + stream, dataSize - 1) + xml, 0,
       P::Refused},
      {"a stream short of its claim", L"x.sknz", name + compressed("JC" + stream, dataSize + 1) + xml, 0,
       P::Refused},
      {"another build's body", L"x.sknz", name + compressed("XC" + stream, dataSize) + xml, 0, P::Refused},
      {"a pack whose XML does not parse", L"x.sknz", name + RawEntry(data) + RawEntry("<Skin><Name"), 0,
       P::Refused},
  };
  // More than one load may read: each entry inflates to 60 MB from a few KB.
  const std::string big(60u << 20, '\0');
  const std::string bigEntry = compressed("JC" + ZlibStream(big), static_cast<uint32_t>(big.size()));
  std::string overBudget;
  for (int i = 0; i < 5; ++i) overBudget += RawEntry(NameBytes("big" + std::to_string(i) + ".dat")) + bigEntry;
  files.push_back({"a pack past the read budget", L"x.sknz", overBudget + xml, 0, P::Refused});
  return files;
}

}  // namespace kelvra::test
