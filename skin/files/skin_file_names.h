// The names of skin files: which property values name a data file, which names
// are safe to join to the skin path, and the parts of a file argument. Names read
// from files become file-system names, so every check that keeps a hostile skin
// inside its own folder lives here. Pure code: no <windows.h>.
#pragma once

#include <string>
#include <string_view>

#include "skin/values/colour_string.h"

namespace kelvra {

// 1 when the text is not empty, not "." once trimmed, and holds only the digits
// "0"-"9" and "."; else 0.
int32_t IsNumericString(std::wstring_view text);

// A file name as a value may name it: not empty, no control character and none
// of " * / : < > ? \ |.
bool IsValidFileNamePart(std::wstring_view name);

// A skin's name joined to the skin path as a folder or pack name: a valid file
// name that is also one safe component: not "." or "..", no trailing dot or
// blank, at most 240 characters (room for ".sknz" and temporary names), and
// none of the device names (con, prn, aux, nul, com1-com9, lpt1-lpt9, with or
// without an extension).
bool IsValidSkinName(std::wstring_view name);

// A path a skin file may name: relative and staying below where it is joined:
// no drive or other ":", not rooted, not UNC, no ".." component.
bool IsContainedRelativePath(std::wstring_view path);

// A path named by the caller (not read from a file) that must not be joined to
// the skin path: it has a drive, is rooted, or is UNC.
bool IsAbsolutePath(std::wstring_view path);

// Of a path the caller names (a file argument): the text after the last "\" or
// "/" (all of it when there is none), and the text up to and including that
// separator.
std::wstring_view FilePartOf(std::wstring_view path);
std::wstring_view DirectoryPartOf(std::wstring_view path);
// The file part up to its first ".".
std::wstring_view BaseNameOf(std::wstring_view path);

// What a property value says about a file.
struct SkinFileValue {
  bool fileLike = false;      // the value names a file (look for it)
  std::wstring_view path;     // the value's first field, trimmed
  std::wstring_view filePart; // the bare file name: the text after the last "\"
  bool hasDirectory = false;  // path holds a "\"
};

// A value names a file when its first field holds a "." with text before it and
// text between the first and a second "." (or the end), is not numeric, has a
// valid file part (so "images/x.png" names none: only "\" separates), holds no bracket ("(", ")", "{", "}") and is not one colour
// to the colour parser: so "0.5", "#ff0000", "8;", "x: 50%; y: 50%;", ".\x.png",
// "rgba(255,0,0,0.5)" and "rgba(0,0,0,.25)" name no file, while "border.png",
// "16x16.png" and "images\glyph.ico; width: 16; height: 16;" do. The views
// point into `value`.
SkinFileValue ClassifySkinFileValue(std::wstring_view value, const ColourLookups& lookups);

}  // namespace kelvra
