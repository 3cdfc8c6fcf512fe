/*
 * kelvra.h: the public interface of Kelvra.dll, a skinnable user-interface library
 * for 32-bit Windows. Every export is a plain __stdcall function with an
 * undecorated name; arguments and results are 32-bit values. Text is UTF-16.
 *
 * Linking (32-bit programs only; ship bin/Kelvra.dll beside the program):
 *  - MinGW-w64:  -I <sdk>/include, then -L <sdk>/lib -lKelvra (libKelvra.dll.a)
 *  - MSVC:       /I <sdk>\include, and link <sdk>\lib\Kelvra.lib
 *  - CMake:      find_package(Kelvra 1.36 REQUIRED) with <sdk> in CMAKE_PREFIX_PATH,
 *                then target_link_libraries(app PRIVATE Kelvra::Kelvra)
 * The library starts itself when the DLL is loaded: call StartKelvra on the
 * user-interface thread, and Kelvra_End before the program ends.
 *
 * Conventions used throughout:
 *  - Success is 1 and failure 0 unless an export says otherwise.
 *  - Exports that return text return a pointer to the library's result string,
 *    valid until the next text-returning call on the same thread.
 *  - A colour is a 32-bit value; -1 means "no colour".
 */
#ifndef KELVRA_H
#define KELVRA_H

#include <windows.h>

#if defined(KELVRA_STATIC) || defined(KELVRA_BUILDING)
#define KELVRA_API
#else
#define KELVRA_API __declspec(dllimport)
#endif
#define KELVRA_CALL __stdcall

#ifdef __cplusplus
extern "C" {
#endif

/* ==== Library start and end ============================================== */

/* Builds the library's state. The DLL calls it itself when it is loaded; a
 * program that links the library statically calls it first. A second call does
 * nothing. */
KELVRA_API void KELVRA_CALL Kelvra_Init(void);
/* One-time start on the application's user-interface thread: hooks window
 * creation on this thread, starts GDI+ and the animation thread. Returns 0;
 * later calls do nothing and return 0. */
KELVRA_API int KELVRA_CALL StartKelvra(void);
/* Ends the library: stops the animation thread, frees every control, removes
 * the hooks, gives subclassed windows their own procedures back, destroys the
 * process's top-level windows and releases GDI+, UxTheme and dwmapi. Call it
 * before FreeLibrary. Returns 0; a second call does nothing. */
KELVRA_API int KELVRA_CALL Kelvra_End(void);
/* The library's version, 1.36. */
KELVRA_API float KELVRA_CALL KelvraVersion(void);
/* The high 16 bits of value, 0 to 65535. */
KELVRA_API int KELVRA_CALL HWord(int value);
/* The low 16 bits of value, 0 to 65535. */
KELVRA_API int KELVRA_CALL LWord(int value);

/* ==== Window utilities ==================================================== */

/* Window flags of OpenWindowEx. The frame bits have the values of the matching
 * WS_ styles; KELVRA_WINDOW_SIZEABLE_TITLED (0x10CF0001) is a hidden, centred,
 * sizable window with title bar, system menu, minimise and maximise boxes. */
#define KELVRA_WINDOW_SCREEN_CENTRED 0x00000001 /* centred on the work area of
                                 the primary monitor (a child: on its parent's client
                                 area); x and y are then not read */
#define KELVRA_WINDOW_MAXIMIZE_BOX   0x00010000 /* maximise box (WS_MAXIMIZEBOX) */
#define KELVRA_WINDOW_MINIMIZE_BOX   0x00020000 /* minimise box (WS_MINIMIZEBOX) */
#define KELVRA_WINDOW_SIZEABLE       0x00040000 /* sizing border (WS_THICKFRAME) */
#define KELVRA_WINDOW_SYSTEM_MENU    0x00080000 /* system menu (WS_SYSMENU) */
#define KELVRA_WINDOW_TITLE_BAR      0x00C00000 /* title bar and border (WS_CAPTION);
                                 a top-level window without it is a borderless popup */
#define KELVRA_WINDOW_HIDDEN         0x10000000 /* created hidden; without it the
                                 window is shown at once */
#define KELVRA_WINDOW_CHILD          0x40000000 /* a child window in the parent's
                                 client area (a parent is required); without it a
                                 given parent owns a top-level window */
#define KELVRA_WINDOW_SIZEABLE_TITLED 0x10CF0001

/* Keeps a window's size within limits: while the user or the program sizes the
 * window it is never made smaller than the minimum or larger than the maximum
 * width and height (0 = no limit on that side). A window sized from its left or
 * top edge keeps its right or bottom edge; moves, minimising, maximising and
 * restoring are not limited. A window already outside its limits is sized into
 * them at once (its position is kept). The limits are enforced for windows
 * created on the thread that called StartKelvra, after StartKelvra. Returns 1,
 * also when the window does not exist (then nothing is stored). */
KELVRA_API int KELVRA_CALL LimitWindowSize(HWND window, int minimumWidth, int minimumHeight,
                                           int maximumWidth, int maximumHeight);
/* Opens a window of the library's plain window class (procedure DefWindowProcW,
 * button-face background): title (NULL: none), position (x, y) on the screen or,
 * for a child, in the parent's client area, client-area size width by height,
 * flags (KELVRA_WINDOW_*; other bits are ignored), `unused` (not read), parent
 * (0: none). Returns the window handle; 0 when the window could not be created,
 * when width or height is negative, when parent is given but is no window, or
 * when KELVRA_WINDOW_CHILD is given without a parent. */
KELVRA_API HWND KELVRA_CALL OpenWindowEx(LPCWSTR title, int x, int y, int width, int height,
                                         int flags, int unused, HWND parent);
/* Sends WM_SETFONT (font, redraw TRUE) to the window; returns what the window
 * answers (0 for a window that does not exist). */
KELVRA_API int KELVRA_CALL SetWindowFont(HWND window, HFONT font);
/* Shows icon as the image of one sub-item of a report-view list view, through
 * its small image list (LVS_EX_SUBITEMIMAGES is switched on). Each icon is added
 * to a list's image list once; the same icon given again for the same list view
 * reuses its image. The caller keeps the icon. Returns 0 (also when the list view
 * has no small image list or the icon cannot be added: then nothing changes). */
KELVRA_API int KELVRA_CALL changeListiconSubIcon(HWND listView, int item, int subItem, HICON icon);

/* ==== Colours and gradients =============================================== */

/* ARGB colour 0xAARRGGBB: alpha << 24 | red << 16 | green << 8 | blue. The
 * arguments are not masked: a value above 255 spills into the bits above its own. */
KELVRA_API int KELVRA_CALL MakeColour(int alpha, int red, int green, int blue);
/* The same as MakeColour. */
KELVRA_API int KELVRA_CALL MakeColor(int alpha, int red, int green, int blue);
/* RGB colour (Win32 order): red + green * 256 + blue * 65536, unmasked. */
KELVRA_API int KELVRA_CALL MakeRGB(int red, int green, int blue);
/* RGB blend of two RGB colours: per channel (c2 * alpha + c1 * (256 - alpha)) / 256,
 * truncated. Alpha 0 gives colour1, 256 colour2; alpha is not clamped. The top
 * bytes of the inputs are ignored and the result's is 0. */
KELVRA_API int KELVRA_CALL AlphaBlendColour(int colour1, int colour2, int alpha);
/* The same as AlphaBlendColour. */
KELVRA_API int KELVRA_CALL AlphaBlendColor(int colour1, int colour2, int alpha);
/* Makes a gradient: type 0 horizontal, 1 vertical, 2 rectangle, 3 ellipse (other
 * values are stored unchecked); start colour at 0.0 and end colour at 1.0 (ARGB).
 * Returns its handle, or 0 when GDI+ is not available. */
KELVRA_API HANDLE KELVRA_CALL CreateGradient(int type, int startColour, int endColour);
/* Sets a gradient's type. 1, or 0 for an unknown gradient. */
KELVRA_API int KELVRA_CALL SetGradient(HANDLE gradient, int type);
/* Sets the ARGB colour at a position: exactly 0.0 and 1.0 are the start and end
 * colours, any other position a stop (replaced when one has that exact position,
 * else inserted in order; positions are not range-checked). 1, or 0 for an
 * unknown gradient. */
KELVRA_API int KELVRA_CALL SetGradientColour(HANDLE gradient, float position, int colour);
/* The colour at exactly that position; -1 when no stop has it (also for a stop
 * whose colour is 0xFFFFFFFF); -2 for an unknown gradient. */
KELVRA_API int KELVRA_CALL GetGradientColour(HANDLE gradient, float position);
/* Removes the stop at exactly that position (1), or every stop for -1.0 (1, also
 * when there were none). 0 when no stop has the position (0.0 and 1.0 included:
 * the end colours are never removed) or for an unknown gradient. */
KELVRA_API int KELVRA_CALL RemoveGradientColour(HANDLE gradient, float position);
/* Frees a gradient and its stops. 1, or 0 for an unknown gradient. */
KELVRA_API int KELVRA_CALL FreeGradient(HANDLE gradient);

/* ==== Images ============================================================== */

/* Sets the directory put in front of every file name LoadImg opens; a backslash
 * is appended when the text does not end with one (so "" becomes "\"). Returns 1. */
KELVRA_API int KELVRA_CALL ImgPath(LPCWSTR directory);
/* Loads an icon file, or a PNG, JPEG or BMP file as a 32-bit DIB-section bitmap.
 * width/height: 0 keeps the image's own size (a missing one keeps its own value
 * when the other is given). flags: 2 returns an icon, 4 shares the image through
 * the library's cache by the file name exactly as given (width, height and flag 2
 * are then not looked at when the name is already cached). Returns the HICON or
 * HBITMAP, or 0 for a missing, empty or undecodable file. Release with FreeImg. */
KELVRA_API HANDLE KELVRA_CALL LoadImg(LPCWSTR file, int width, int height, int flags);
/* Width of an icon or bitmap in pixels; 0 when it cannot be measured (also an
 * icon without a colour bitmap). */
KELVRA_API int KELVRA_CALL ImgWidth(HANDLE image);
/* Height of an icon or bitmap in pixels; 0 when it cannot be measured. */
KELVRA_API int KELVRA_CALL ImgHeight(HANDLE image);
/* Releases an image. A shared image with further holders only loses one holder
 * (non-zero); otherwise the icon or bitmap is destroyed and the result is that of
 * DestroyIcon or DeleteObject (non-zero on success, 0 for an unknown handle). */
KELVRA_API int KELVRA_CALL FreeImg(HANDLE image);
/* A recoloured upright 32-bit copy of an icon or bitmap. Per pixel: with flag 1
 * greyscale first; tint toward colour (RGB) by amount/256; contrast (clamped to
 * -255..255; 0 keeps); brightness added; alpha (clamped to 1..255) scales the
 * pixel's alpha (an icon's mask supplies alpha where it is 0). flags: 1 greyscale,
 * 2 return an icon, 4 release the source through FreeImg. Returns the new
 * handle, or 0 for an image whose size cannot be read or is empty. */
KELVRA_API HANDLE KELVRA_CALL ImgBlend(HANDLE image, float alpha, float contrast, float brightness, int colour,
                                      float amount, int flags);
/* Repaints an image in the hue and saturation of colour (RGB; saturation shifted
 * by saturationShift, clamped to 0..1) at each pixel's luma adjusted by lightness
 * (0 black, 0.5 the pixel's own, 1 white), then tints toward blendColour (RGB) by
 * amount/256. alpha and flags 2 and 4 as for ImgBlend. New handle, or 0. */
KELVRA_API HANDLE KELVRA_CALL ImgHueBlend(HANDLE image, float alpha, int colour, float saturationShift,
                                         float lightness, int blendColour, float amount, int flags);

/* ==== Fonts and formatted text ============================================ */

/* Creates a font of the face name and point size (scaled by the screen's
 * vertical DPI). styleFlags: 1 bold, 2 italic, 4 underline, 8 strike-out,
 * 0x100 bold, 0x200 italic; the whole value 700 to 708 means bold plus the
 * value less 700; 400 means normal weight; 0x10000 antialiased, 0x20000
 * non-antialiased, 0x40000 ClearType quality (the first one set wins).
 * Returns the font, which the caller frees with FreeFontEx; 0 on failure. */
KELVRA_API HFONT KELVRA_CALL LoadFontEx(LPCWSTR faceName, int pointSize, int styleFlags);
/* Deletes a font. Returns the result of DeleteObject (non-zero on success). */
KELVRA_API int KELVRA_CALL FreeFontEx(HFONT font);
/* The face name of a font; the empty text when the handle is no font. */
KELVRA_API LPCWSTR KELVRA_CALL GetFontName(HFONT font);
/* The point size of a font at the screen's vertical DPI, rounded; 0 when the
 * handle is no font. */
KELVRA_API int KELVRA_CALL GetFontSize(HFONT font);

/* ==== Skins: records, property values, colour strings and skin files ===== */

/* A skin is a named tree of component, state and property whose leaves are short
 * value texts ("gradient: vertical, #bfdbff, #6591cd;", "font: Tahoma, 8, bold;").
 * A skin handle is valid from CreateSkin or CopySkin until FreeSkin; every export
 * checks it, so 0, -1, a window or a freed skin get the export's failure value.
 * Component, state, property and param names are matched lower-cased; a null
 * text reads as "". Readers look a component up under "component:theme" (the
 * global colour-theme word) first, then bare; a component given as
 * "component:theme" is tried as given, then bare. Colours come back as signed
 * decimal text or 32-bit values: top byte 0 is a Win32 RGB colour (red in the low
 * byte), any other ARGB; -1 is no colour. */

/* Makes an empty skin named name (the case is kept; names need not be unique)
 * that re-applies itself to open windows when a property changes. Returns the
 * handle, 0 on failure. Free it with FreeSkin. */
KELVRA_API HANDLE KELVRA_CALL CreateSkin(LPCWSTR name);
/* Makes a copy of a skin with the same name, auto-update flag and properties;
 * the copy shares the source's gradients, fonts and images, which stay valid
 * until the last skin holding them is freed. Returns the copy, 0 for no skin. */
KELVRA_API HANDLE KELVRA_CALL CopySkin(HANDLE skin);
/* Frees a skin and every gradient, font, icon and image it built or was given
 * for its properties that no other skin holds (a caller's fonts and other
 * handles stay the caller's). 1, or 0 for no skin. */
KELVRA_API int KELVRA_CALL FreeSkin(HANDLE skin);
/* 1 when skin is a skin, else 0. */
KELVRA_API int KELVRA_CALL IsSkin(HANDLE skin);
/* The first skin created (and not freed) whose name equals name case-blind; 0
 * for none. */
KELVRA_API HANDLE KELVRA_CALL GetSkinHandle(LPCWSTR name);
/* The skin's name as given; "" for no skin. */
KELVRA_API LPCWSTR KELVRA_CALL GetSkinName(HANDLE skin);
/* The auto-update flag (1 after CreateSkin); 0 for no skin. */
KELVRA_API int KELVRA_CALL GetSkinAutoUpdate(HANDLE skin);
/* flag 0 clears the auto-update flag, 1 sets it, any other value leaves it.
 * 1 for a skin, else 0. */
KELVRA_API int KELVRA_CALL SetSkinAutoUpdate(HANDLE skin, BYTE flag);
/* Stores a property value (lower-cased), creating the component, state and
 * property as needed; "Comp : Theme" is stored as "comp:theme". A "gradient"
 * param of two or more colours builds a gradient, a "font" param (face, size,
 * style words bold, italic, underline, strike) a font, kept as the property's
 * data (the font when both); data replaced stays valid until the skin is freed.
 * An auto-updating skin is then re-applied to every window (message 40099).
 * Returns 1; 0 for no skin; -1 when the value names a file found nowhere (the
 * value is stored all the same). A value that names a data file (see "Skin
 * files" below) loads that file as the property's data instead, without
 * re-applying the skin: 1 when it loaded, 0 when the file was found but could
 * not be read (the property keeps its data). */
KELVRA_API int KELVRA_CALL SetSkinProperty(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property,
                                           LPCWSTR value);
/* The value of a property; a value that is one colour comes back as its decimal
 * number ("#ff0000" reads "255"). "" when the skin or the property is missing. */
KELVRA_API LPCWSTR KELVRA_CALL GetSkinProperty(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property);
/* Attaches a handle to a property (creating it with an empty value when
 * missing). A gradient attached so belongs to the skin and is freed with it;
 * other handles stay the caller's. 1, or 0 for no skin. */
KELVRA_API int KELVRA_CALL SetSkinPropertyData(HANDLE skin, LPCWSTR component, LPCWSTR state, LPCWSTR property,
                                               HANDLE data);
/* Stores a property's data size (creating the property when missing). 1, or 0
 * for no skin. */
KELVRA_API int KELVRA_CALL SetSkinPropertyDataSize(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                   LPCWSTR property, int size);
/* The data of a property: the gradient or font built from its value, or what
 * was attached; 0 when missing. */
KELVRA_API HANDLE KELVRA_CALL GetSkinPropertyData(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                  LPCWSTR property);
/* The data size of a property (4 for a built gradient, 0 for a built font); 0
 * when missing. */
KELVRA_API int KELVRA_CALL GetSkinPropertyDataSize(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                   LPCWSTR property);
/* Merges nothing: when skin1 and skin2 are both skins, adds an empty skin named
 * name (reach it with GetSkinHandle). Always returns 0. */
KELVRA_API int KELVRA_CALL MergeSkins(HANDLE skin1, HANDLE skin2, LPCWSTR name);
/* Re-applies a skin (0: every skin) to every window of the process: each child
 * window receives message 40099 with lParam the skin. 1; 0 when skin is neither
 * 0 nor a skin. */
KELVRA_API int KELVRA_CALL UpdateSkins(HANDLE skin);
/* The value of one param of a property ("colour" of "font: Tahoma, 8; colour:
 * navy;"), a param that is one colour as its decimal number; a param name alone
 * in the value reads "true". param "" gives the first field ("hand;" gives
 * "hand"). "" when the skin, property or param is missing. */
KELVRA_API LPCWSTR KELVRA_CALL GetSkinPropertyParam(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                    LPCWSTR property, LPCWSTR param);
/* The number of ","-separated sub-params of a param. Only the first bracketed
 * span of each kind is left whole when counting, so "rgb(1,2,3), rgb(4,5,6)"
 * counts 4 although it holds two items. 0 when anything is missing or param is
 * "". */
KELVRA_API int KELVRA_CALL CountSkinPropertySubParams(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                      LPCWSTR property, LPCWSTR param);
/* Sub-param index (from 1) of a param, trimmed; "," inside quotes or one level
 * of brackets does not separate. A colour comes back as its signed decimal
 * number. "" when missing. */
KELVRA_API LPCWSTR KELVRA_CALL GetSkinPropertySubParam(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                       LPCWSTR property, LPCWSTR param, int index);
/* The colour of sub-param index of a param; -1 when missing or no colour. */
KELVRA_API int KELVRA_CALL GetSkinPropertySubParamColour(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                         LPCWSTR property, LPCWSTR param, int index);
/* The whole value of a property as one colour: "rgba(r,g,b,a)" (a fraction with
 * a ".", else 0-255; 0 or none is 1), "rgb(r,g,b)", "getuicolour(style, name,
 * mode)", "#rrggbb" (exactly six digits), a "COLOR_" system colour name or a
 * colour name, with an optional ";". -1 when missing or not one colour. */
KELVRA_API int KELVRA_CALL GetSkinPropertyColour(HANDLE skin, LPCWSTR component, LPCWSTR state,
                                                 LPCWSTR property);

/* ---- Skin files
 * A skin is written and read as a .skn file (XML: "Skin" holding "Name", then
 * "Component" / "State" / "Property" elements, each with an "id" attribute, a
 * property's text being its value), as a folder named after the skin holding
 * the .skn and the data files its values name, or as one .sknz pack holding
 * those files and the XML. Names are joined to the skin path (SetSkinPath;
 * until then the current directory, which the library never changes).
 *
 * A value names a data file when its first ";"-field holds a "." with text
 * before it and after it ("border.png", "16x16.png", "images\glyph.ico; width:
 * 16; height: 16;"), is not a number ("0.5"), does not start with "." (".\x.png"),
 * holds no bracket and is not one colour ("rgba(0,0,0,0.5)"), and its file name
 * (after the last "\") holds none of " * / : < > ? \ | or control characters.
 * Such a file is looked for below the skin path, then in the folder named after
 * the skin, then (a name without a folder) in the pack named after the skin;
 * while a skin file is read or saved, first in the skin's own place (the folder
 * of the .skn it was read from, or the pack). Only a disk file of at least one
 * byte counts (not a device, pipe or folder). It becomes an icon ("width" and
 * "height" params: the size wanted, 0 or none its own), else an image (PNG,
 * JPEG, BMP; readers get its bitmap), else a block of its bytes (data size =
 * its byte count); all three belong to the skin and go with FreeSkin. A skin
 * loads each distinct file once: setting a value naming a file it holds (same
 * file, size, write time and icon size) attaches the object it holds. Data that
 * a property held before stays valid until the skin is freed (controls keep
 * painting it until they are re-skinned).
 *
 * Files are hostile until read: the XML may not declare a DOCTYPE, and a
 * document is at most 16 MiB, 64 levels and 262,144 elements deep and large,
 * with no name, attribute value or text over 1 MiB. A pack holds at most 65,537
 * entries, name entries of at most 512 bytes, data entries no larger than the
 * image decoders take (about 65 MB). One LoadSkin reads or unpacks at most 256
 * MiB in all. While a skin file is read, a value whose path has a drive or any
 * ":", is rooted, is UNC or climbs with ".." names a file found nowhere (values
 * set in code may name any path); a skin name that is not one valid file name
 * (such as "..\x", "c:\x", "con", a trailing dot or blank) has no folder or pack.
 * Data attached in code (SetSkinPropertyData, the built-in skins' images) is not
 * carried by SaveSkin: the value is written as it is. */

/* Sets the skin path. 1 when directory names an existing folder (a "\" is
 * added when it does not end in one); 0 for a null or empty text or anything
 * else, the path then staying as it was. */
KELVRA_API int KELVRA_CALL SetSkinPath(LPCWSTR directory);
/* Reads a skin. file "glass" (or any name whose extension is not "skn") reads
 * glass.skn, else glass\glass.skn, else glass.sknz, below the skin path (an
 * absolute file as it stands); the first that reads as a skin document wins. A
 * pack is checked whole (every entry) before anything is made. Returns the new
 * skin; 0 when no document was found or read: missing, not a disk file,
 * malformed or truncated XML, an encoding the reader does not know, a DOCTYPE,
 * past a limit above, a root that is not "Skin", a pack that is broken anywhere
 * (no entry, an even number of entries, sizes past the end, stored above
 * unpacked, an entry over its cap, a name entry of odd length or without its
 * one final NUL, a compressed entry that does not inflate to exactly its size
 * ending at the entry's end, a pack of another build), or past the 256 MiB of
 * reading; (HANDLE)-1 when another element stands where a "Component",
 * "State" or "Property" is expected (an element inside a "Property" included);
 * (HANDLE)-2 when a value names a file found nowhere. On every failure no skin
 * is left. A "Skin" without components, or with an empty component or state,
 * loads as a skin holding what it has. A value read from a file does not
 * re-apply an auto-updating skin; UpdateSkins does. */
KELVRA_API HANDLE KELVRA_CALL LoadSkin(LPCWSTR file);
/* Writes a skin. flags bit 0 set: the pack <skin name>.sknz below the skin
 * path, holding every file the values name; clear: <base name of file>.skn,
 * in a new folder named after the skin with copies of those files when no file
 * or folder of that name exists (else below the skin path itself). Values that
 * name files are written as the bare file name ("images\glyph.ico; width: 16;"
 * becomes "glyph.ico; width: 16;"); the "Name" is the skin's name, or the base
 * name of file when that is empty. Everything is written under temporary names
 * and put in place only when complete, so files taken from the pack being
 * replaced are kept. Returns 1 when written; 0 for no skin, a null or empty
 * file or one whose name part is no valid file name (or a device name), a skin
 * name that is no valid file name (pack form), a value naming a file that
 * cannot be found or read, two different files of one name, text that XML 1.0
 * cannot carry (control characters, lone surrogates, U+FFFE, U+FFFF), anything
 * past the limits above, or a file that cannot be written. On 0 the files that
 * were there before are as they were and no temporary file is left. */
KELVRA_API int KELVRA_CALL SaveSkin(HANDLE skin, LPCWSTR file, int flags);

/* ==== UI colours, colour modes and colour themes ========================= */

/* UI styles of menus and toolbars, and the UI colour modes. Modes 0 and 5 follow
 * the scheme of the desktop's visual style (blue, olive, silver or grey; grey
 * without a visual style); the others name their scheme. Modes 5 to 9 read the
 * custom colours that SetUIColour changes, 0 to 4 the built-in defaults. */
#define UISTYLE_WHIDBEY 5
#define UISTYLE_OFFICE2003 0x1000000
#define UISTYLE_OFFICE2007 0x2000000
#define UICOLOURMODE_DEFAULT 0
#define UICOLOURMODE_DEFAULT_BLUE 1
#define UICOLOURMODE_DEFAULT_OLIVE 2
#define UICOLOURMODE_DEFAULT_SILVER 3
#define UICOLOURMODE_DEFAULT_GREY 4
#define UICOLOURMODE_CUSTOM 5
#define UICOLOURMODE_CUSTOM_BLUE 6
#define UICOLOURMODE_CUSTOM_OLIVE 7
#define UICOLOURMODE_CUSTOM_SILVER 8
#define UICOLOURMODE_CUSTOM_GREY 9

/* The UI colour of index (0 to 55, the UI colour names of skins' getuicolour())
 * for style (UISTYLE_*) in mode (0 to 9), as a Win32 colour (red in the low
 * byte). Modes 1 to 4 and 6 to 9 read their scheme; any other mode reads the
 * current mode's colour (for UISTYLE_WHIDBEY the custom colour of the current
 * scheme). 0 for another index or style. */
KELVRA_API int KELVRA_CALL GetUIColour(int style, int index, int mode);
/* Sets the custom colour of index (0 to 55) for style (UISTYLE_*) in the scheme
 * that mode names (1 to 4 and 6 to 9: blue, olive, silver, grey; 0 and 5: the
 * scheme in use). colour is a Win32 colour. Unless noRefresh is non-zero, menus,
 * toolbars and rebars are repainted in the new colours. Returns 1; 0 (nothing
 * changed) for another style, index or mode. The built-in defaults never change.
 * Index 20 (menudropshadow) is the colour of popup menus' shadows, whose stored
 * alpha is the shadow's opacity: a colour set here is stored opaque, so its
 * shadow is drawn at full opacity. */
KELVRA_API int KELVRA_CALL SetUIColour(int style, int index, int colour, int mode, BYTE noRefresh);
/* The current UI colour mode (0 to 9; 0 at start). */
KELVRA_API int KELVRA_CALL GetUIColourMode(void);
/* Selects the UI colour mode (0 to 9), sets the colour-theme word it names
 * ("blue", "olive", "silver", "grey"; none for 0 and 5, which follow the visual
 * style) and repaints every window of the process. Returns 1; 0 (nothing changed)
 * for another mode. */
KELVRA_API int KELVRA_CALL SetUIColourMode(int mode);
/* The colour scheme in use: 1 blue, 2 olive, 3 silver, 4 grey; in
 * UICOLOURMODE_CUSTOM 6 blue, 7 olive, 8 silver, 9 grey. */
KELVRA_API int KELVRA_CALL GetCurrentColourScheme(void);
/* The colour-theme word that themed skin components are read with ("blue" reads
 * "explorerbar:blue" before "explorerbar"): the word set by
 * SetGlobalSkinColourTheme, or the default word while none is set. */
KELVRA_API LPCWSTR KELVRA_CALL GetGlobalSkinColourTheme(void);
/* The default colour-theme word detected from the system ("blue" on NT 6 and
 * later; before, from the visual style's colour: "blue", "olive", "silver" or
 * "grey"). */
KELVRA_API LPCWSTR KELVRA_CALL GetDefaultGlobalSkinColourTheme(void);
/* Sets the colour-theme word (trimmed, lower-cased; empty or NULL brings back the
 * default word) and re-applies every skin to every window of the process.
 * Returns 1. */
KELVRA_API int KELVRA_CALL SetGlobalSkinColourTheme(LPCWSTR word);

/* ==== PanelEx panels, pages, page settings and scrolling ================= */

/* A panel is a child window holding a stack of pages, of which one, its current
 * page, is shown. Arguments named `panel` take the panel's number or its window
 * (cast to int); `page` and `position` take a page's index within its panel or its
 * window, the index tried first. Numbers given as -1 are chosen by the library.
 * Pages report their mouse, command, notification and paint messages to the
 * panel's callback, a WNDPROC called with CallWindowProcW:
 *  - WM_ERASEBKGND, then WM_PAINT, with the page window; wParam is the DC to draw
 *    on (the page's visible area starts at its origin), lParam the panel window;
 *  - WM_SIZE and WM_WINDOWPOSCHANGING with the panel window, after the pages were
 *    fitted; a non-zero result is the panel's result (for WM_SIZE it also skips
 *    the repaint of the current page);
 *  - WM_COMMAND with the panel window; when it returns 0 the message goes on to
 *    the panel's parent, whose result is returned;
 *  - mouse moves, button presses and releases, double clicks and WM_MOUSELEAVE
 *    with the page window, in page coordinates; each also goes to the panel's
 *    parent unchanged. A mouse move (or WM_SETCURSOR) whose wParam and lParam
 *    repeat the last one is not passed to the callback again;
 *  - WM_NOTIFY with the page window (also sent on to the parent, unless a
 *    ToolBarEx sent it);
 *  - the link messages of text controls on the page (0x857F, 0x8580) and the
 *    rebar height message (0x8953) with the page window, each also sent on to
 *    the parent;
 *  - every other message a page receives, with the page window;
 *  - the skin-changed message (40099) twice: with the panel window, then with the
 *    page window.
 * The callback may call any panel export, and may free its own panel. */

/* Passed for any argument of SetPanelExPageBackground, leaves that setting alone
 * (for the image argument: (HANDLE)PANELEX_UNCHANGED). */
#define PANELEX_UNCHANGED ((int)0xF0000001)

/* Creates a panel at (x, y) of width by height in parent's client area; callback
 * may be NULL. The first page added becomes its current page; later pages wait
 * for ShowPanelExPage. Pages are added to the panel created last (or named last
 * by an insert). Returns the number chosen when number is -1, else the panel's
 * window; 0 when the number is in use, the parent is no window or the window
 * could not be made. */
KELVRA_API int KELVRA_CALL CreatePanelEx(int number, HWND parent, int x, int y, int width, int height,
                                         WNDPROC callback);
/* Adds a page to the panel created (or inserted into) last, covering the panel's
 * client area. background: -1 none (the parent shows through), a themed
 * background 0 (tab pane), 1 to 7 (explorer-bar and rebar backgrounds), 8 to 11
 * (push button normal, hot, pressed, disabled), or a gradient handle. Returns the
 * page window; 0 when there is no such panel or the page could not be made. */
KELVRA_API HWND KELVRA_CALL AddPanelExPage(int background);
/* AddPanelExPage with a background image (an icon or bitmap, which stays the
 * caller's) placed at (x, y) at width by height (0: the image's own width or
 * height). flags: placement, as for SetPanelExPageBackground. */
KELVRA_API HWND KELVRA_CALL AddPanelExImagePage(int background, HANDLE image, int x, int y, int width,
                                                int height, int flags);
/* Adds a page to panel before the page `position` (-1: after the last one) and
 * numbers the panel's pages 0, 1, 2, ... again; the panel becomes the one pages
 * are added to. The next page added gets the index after (number of pages + 1).
 * Returns the page window; 0 when the panel or position is unknown or the page
 * could not be made. */
KELVRA_API HWND KELVRA_CALL InsertPanelExPage(int panel, int position, int background);
KELVRA_API HWND KELVRA_CALL InsertPanelExImagePage(int panel, int position, int background, HANDLE image, int x,
                                                   int y, int width, int height, int flags);
/* Makes a page its panel's current page: the old one is hidden, this one shown
 * and repainted. Returns -1 (not 1) on success; 0 when the panel or page is
 * unknown. */
KELVRA_API int KELVRA_CALL ShowPanelExPage(int panel, int page);
/* Frees a panel (-1: every panel) with its pages; windows placed on its pages
 * are handed to the panel's parent first. Returns 1 when a panel was freed or -1
 * was given, else 0. */
KELVRA_API int KELVRA_CALL FreePanelEx(int panel);
/* Frees a page (-1: every page of the panel); the windows on it are handed to the
 * panel's parent, the remaining pages are numbered again from 0, and when the
 * current page goes the page before it (else the one after it) is shown.
 * Returns 1 when the page was freed or -1 was given for a known panel, else 0. */
KELVRA_API int KELVRA_CALL FreePanelExPage(int panel, int page);
/* The window of the panel whose number is `number` when pageIndex is negative,
 * else the window of its page with that index; 0 when unknown. */
KELVRA_API HWND KELVRA_CALL PanelExID(int number, int pageIndex);
/* Width and height of the panel's window; -1 when the panel is unknown. */
KELVRA_API int KELVRA_CALL PanelExWidth(int panel);
KELVRA_API int KELVRA_CALL PanelExHeight(int panel);
/* For a panel: the index its current page has now (0 without pages); for a page
 * window: that page's index; -1 when the value names neither. */
KELVRA_API int KELVRA_CALL PanelExPageIndex(int panelOrPage);
/* Repaints the panel's current page at once. 1, or 0 when the panel is unknown. */
KELVRA_API int KELVRA_CALL RefreshPanelEx(int panel);

/* Placement flags of page images (SetPanelExPageBackground, AddPanelExImagePage):
 * 0x1 x and 0x2 y are percentages of the page's width and height at which the
 * image's centre lies; 0x4 a page nested in another page is not clipped to its
 * panel; 0x10 / 0x20 centre horizontally / vertically; 0x80 stretch the image over
 * the page (overlay: draw it once at the top-left corner); 0x100 / 0x200 tile
 * horizontally / vertically; 0x400 / 0x800 x / y measured from the right / bottom
 * edge; 0x1000 white pixels of a bitmap are transparent (the caller's bitmap is
 * not changed); 0x2000 the call sets the overlay drawn over the background; 0x8000
 * the page lets the mouse through to the window below; 0x10000 accepted by
 * AddPanelExImagePage, no effect. */
/* Sets a page's background (as for AddPanelExPage), its image (an icon or bitmap,
 * which stays the caller's; 0 keeps the image), the image's placement x, y,
 * width and height (0 or PANELEX_UNCHANGED: the image's own size) and flags; with
 * flag 0x2000 all of it goes to the page's overlay instead. Each argument given as
 * PANELEX_UNCHANGED keeps its setting; with the image PANELEX_UNCHANGED a width or
 * height given changes only the size the image is placed at. noRedraw (its low
 * byte): 0 repaints the page at once. Returns 1, or 0 when unknown. */
KELVRA_API int KELVRA_CALL SetPanelExPageBackground(int panel, int page, int background, HANDLE image, int x,
                                                    int y, int width, int height, int flags, int noRedraw);
/* Frames a page with a border image (a 32-bit DIB section, e.g. from LoadImg; 0:
 * none), cut along margins {left, top, right, bottom} in image pixels (NULL: found
 * in the image): corners drawn once, edges tiled. mask: a mask bitmap whose
 * non-zero pixels are cut away from the page, (HBITMAP)0 a mask found in the
 * border image, (HBITMAP)-1 no mask, (HBITMAP)-2 a mask found in the border image
 * that only shapes the page (the border itself is not drawn). Returns 1; 0 when
 * the panel or page is unknown or the image, mask or margins are refused (no DIB
 * section, margins outside the image). */
KELVRA_API int KELVRA_CALL SetPanelExPageBorder(int panel, int page, HBITMAP borderImage, HBITMAP mask,
                                                const RECT* margins, int noRedraw);
/* Sets the cursor shown over a page: a cursor handle, a system cursor identifier
 * (32512 to 32651, IDC_ARROW to IDC_HELP, loaded by the library), 0 for the arrow,
 * or -1 to leave the cursor to others. Returns the cursor stored; 0 when unknown. */
KELVRA_API int KELVRA_CALL SetPanelExPageCursor(int panel, int page, int cursor);
/* Sets a page's opacity, 0 (invisible) to 255 (opaque); other values are brought
 * into that range. noRedraw (its low byte): 0 repaints the page at once. Safe to
 * call from another thread with noRedraw set. Returns 1, or 0 when unknown. */
KELVRA_API int KELVRA_CALL SetPanelExPageAlpha(int panel, int page, int alpha, int noRedraw);

/* Page scrolling. A scrolling page is sized to its content and moved inside its
 * panel; standard scroll bars (SM_CXHTHUMB wide, SM_CYVTHUMB high) and a filler
 * box sit along the panel's right and bottom edges. Attribute bits:
 *  16 / 32     the horizontal / vertical bar: made or shown (on) / hidden (off);
 *              asked for alone, a bar is the page's own child and its messages
 *              go to the panel's callback;
 *  64          automatic scrolling: the library measures the page's children,
 *              shows the bars the content needs and scrolls with them (10 pixels
 *              a line, the bar's page a page);
 *  128         stored, no effect;
 *  1024 / 2048 the library never shows the horizontal / vertical bar itself.
 * onOff must be exactly 1 (on) or 0 (off); any other value changes nothing.
 * Returns 1, or 0 when the panel or page is unknown. */
KELVRA_API int KELVRA_CALL SetPanelExPageScrolling(int panel, int page, int attributes, int onOff);
/* One attribute of a page's scrolling: 16 / 32 the horizontal / vertical bar is
 * on (1) or not (0), 64 automatic scrolling (0/1), 256 / 512 the horizontal /
 * vertical bar's window. 0 for any other attribute or an unknown panel or page. */
KELVRA_API int KELVRA_CALL GetPanelExPageScrolling(int panel, int page, int attribute);
/* Makes a scroll-bar box, the button-face filler between two scroll bars,
 * SM_CXHTHUMB wide and SM_CYVTHUMB high at (x, y) in parent, shown when visible
 * is non-zero. Returns its window, 0 when it could not be made. */
KELVRA_API HWND KELVRA_CALL createScrollbarBox(HWND parent, int x, int y, int visible);

/* ==== ButtonEx family ==================================================== */

/* Skinned buttons, each a panel with one page: push buttons (ButtonEx), image
 * buttons, toggle buttons, check boxes with an optional third state and radio
 * buttons in groups. Arguments named `button` take the button's number or its
 * window (cast to int). A number given as -1 is chosen by the library from the
 * command ids, 0xFFFE downwards, skipping numbers buttons use. A click (a left
 * release over the button, wherever the press was) posts WM_COMMAND to the
 * button's parent with wParam the full number and lParam 0; a disabled button
 * ignores the mouse. Images are icons or bitmaps (pure green 0x00FF00 is
 * transparent in a bitmap) and stay the caller's; 0 for none. A button shows ten
 * looks, the skin states "normal", "hot", "pressed", "disabled", "selected",
 * "selected hot", "selected pressed", "inbetween", "inbetween hot" and
 * "inbetween pressed" of its skin component. */

/* Creates a push button at (x, y) of width by height in parent (0 by 0: the
 * normal image's size) showing text (formatted-text codes allowed) and the normal
 * image, and hot, pressed and disabled images for those states. skin: a skin
 * (component "buttonex"); 0, or a value that is no skin, the built-in
 * "sysbuttonskin"; a negative value that is no skin: none (apply one with
 * SetButtonExSkin). Returns the number chosen when number is -1, else the
 * button's window; 0 when the number is in use or the button could not be made
 * (nothing is left behind, and the panel pages are added to is unchanged). */
KELVRA_API int KELVRA_CALL ButtonEx(HWND parent, int number, int x, int y, int width, int height, LPCWSTR text,
                                    HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE disabled, HANDLE skin);
/* A button of images only, with the built-in "imagebuttonskin" (component
 * "imagebuttonex"). Returns as ButtonEx. */
KELVRA_API int KELVRA_CALL ImageButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE disabled);
/* A button that each click selects or deselects, with images for the selected
 * looks too. skin (component "togglebuttonex"): 0 the built-in
 * "systogglebuttonskin", 1 "sysstickybuttonskin" (stays pressed while selected),
 * else a skin. Returns as ButtonEx. */
KELVRA_API int KELVRA_CALL ToggleButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                          LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE selected,
                                          HANDLE selectedHot, HANDLE selectedPressed, HANDLE disabled, HANDLE skin);
/* A check box (glyph and text) that SetButtonExState can also put in its third,
 * "inbetween" state; a click selects or deselects it. skin (component
 * "checkbuttonex"): a skin, else the built-in "syscheckbuttonskin". Returns as
 * ButtonEx; 0 when parent is no window. */
KELVRA_API int KELVRA_CALL CheckButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, HANDLE skin);
/* A radio button: clicking it selects it and deselects the selected one of its
 * group; a selected one stays selected. Radio buttons made between two calls with
 * parent 0 form a group; such a call makes nothing and returns 0. skin
 * (component "radiobuttonex"): a skin, else the built-in "sysradiobuttonskin".
 * Returns as ButtonEx. */
KELVRA_API int KELVRA_CALL RadioButtonEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, HANDLE skin);
/* The window of the button whose number is `number` (numbers only); 0 when
 * unknown. */
KELVRA_API HWND KELVRA_CALL ButtonExID(int number);
/* Sets the text of the button's tool tip (made on the first call). 1, or 0 when
 * the button is unknown. */
KELVRA_API int KELVRA_CALL ButtonExToolTip(int button, LPCWSTR text);
/* Replaces the images of the normal, hot, pressed, selected, selected hot,
 * selected pressed and disabled looks (0 keeps an image; the selected ones count
 * only for toggle, check and radio buttons) and repaints the button. A button
 * made without images takes the first image's size. Returns 1; 0 when the button
 * is unknown; -1 when an image could not be added (the images before it are
 * replaced, the rest are not). */
KELVRA_API int KELVRA_CALL ChangeButtonEx(int button, HANDLE normal, HANDLE hot, HANDLE pressed, HANDLE selected,
                                          HANDLE selectedHot, HANDLE selectedPressed, HANDLE disabled);
/* state non-zero disables the button (it shows its "disabled" look and ignores
 * the mouse), 0 enables it (it shows "normal", even when selected, until the
 * next mouse event or SetButtonExState). 1, or 0 when the button is unknown. */
KELVRA_API int KELVRA_CALL DisableButtonEx(int button, BYTE state);
/* Frees a button (-1: every button) with its windows, image lists and tool tip.
 * 1, or 0 when the button is unknown. */
KELVRA_API int KELVRA_CALL FreeButtonEx(int button);
/* The skin the button's looks were last read from; 0 when unknown or none. */
KELVRA_API HANDLE KELVRA_CALL GetButtonExSkin(int button);
/* The check state of a toggle, check or radio button: 0 unselected, 1 selected,
 * 2 inbetween; 0 for other buttons and unknown ones. */
KELVRA_API int KELVRA_CALL GetButtonExState(int button);
/* Sets the check state of a toggle, check or radio button: 0 unselected, 1
 * selected, 2 inbetween (check boxes only); other values, other buttons and
 * unknown ones change nothing. Selecting a radio button deselects the selected
 * one of its group. The button shows its "normal", "selected" or "inbetween"
 * look and is repainted. Always returns 0. */
KELVRA_API int KELVRA_CALL SetButtonExState(int button, BYTE state);
/* The button's text; "" when unknown. */
KELVRA_API LPCWSTR KELVRA_CALL GetButtonExText(int button);
/* Sets the button's text and repaints it. 1, or 0 when unknown. */
KELVRA_API int KELVRA_CALL SetButtonExText(int button, LPCWSTR text);
/* Reads the button's ten looks from a skin's component (NULL or "": the
 * button's own component, "buttonex" for a push button). Per look the skin state
 * gives: "background" (a themed background number such as 8, -1 for none, a
 * colour, or a "gradient" param), "background image" with "background position"
 * (x, left, right, y, top, bottom: a number, a percentage, "centre" or "repeat";
 * stretch, tile, masked), "overlay", "overlay image", "overlay position" (the
 * same), "border image" (top, left, bottom, right: its slice margins, all four or
 * none) and "border mask", "image" (replacing that look's image; "noclip: true"
 * draws image and text over the border) with "image position" (x, left, right,
 * y, top, bottom: a number, a percentage or "centre"; right and bottom measure
 * from the far edge) and "image padding", "text" (font: face, size, style words;
 * colour) with "text position" and "text padding", and "cursor" (a number or
 * appstarting, arrow, cross, hand, help, ibeam, no, wait, size, sizeall,
 * sizenesw, sizens, sizenwse, sizewe, uparrow). The button shows its "normal"
 * look at once; noRedraw 0 repaints it. When the skin updates automatically,
 * changing it re-applies it. Returns 1, or 0 when the button or the skin is
 * unknown. */
KELVRA_API int KELVRA_CALL SetButtonExSkin(int button, HANDLE skin, LPCWSTR component, BYTE noRedraw);

/* ==== ExplorerBar ======================================================== */

/* A task pane: a vertically scrolling panel of groups, each a header (a toggle
 * button) over a body holding item buttons. Clicking a header shuts or opens
 * its group: the body's foot eases to its new height while it fades (without
 * StartKelvra, at once), the groups below follow, and the header shows a shut
 * group as selected. Groups go to the bar made last, items to the group added
 * last to it. Arguments named `bar` take the bar's number or its window (cast to
 * int). A click on an item posts WM_COMMAND to the bar's parent with wParam the
 * item's id, whole, and lParam 0: automatic ids (id -1) are 32-bit numbers that
 * do not fit the low word, so compare wParam with the id, or give your own ids
 * below 0x10000 to switch on LOWORD(wParam). The looks come from three skin
 * components, all in state "normal" but for the buttons': "explorerbar" (the
 * bar: "margin", "group margin" (inside a body, around its items), "group
 * padding" (around each group), "item padding", each as top, left, bottom,
 * right; "header height" (0 or none: 25) and "item height" (0 or none: 22); the
 * bar page's "background", "background image", "background position", "border
 * image", "border mask", "overlay", "overlay image", "overlay position" as for
 * SetButtonExSkin, and the same eight names after "group " for every body),
 * "explorerbar group header" (the headers' ten looks) and "explorerbar group
 * item" (the items'). */

/* Creates a bar at (x, y) of width by height in parent. skin: a skin; 0, or a
 * value that is no skin, the built-in "sysxbarskin"; UISTYLE_OFFICE2007
 * (0x2000000) the built-in "office2007xbarskin". The bar becomes the one groups
 * are added to. Returns the number chosen when number is -1, else the bar's
 * window; 0 when the number is in use, parent is no window or the bar could not
 * be made (nothing is left behind, and the panel pages are added to is
 * unchanged). */
KELVRA_API int KELVRA_CALL CreateExplorerBar(HWND parent, int number, int x, int y, int width, int height,
                                             HANDLE skin);
/* Adds an open group headed by text (formatted-text codes allowed) to the bar
 * made last, with the header's images in the order of ToggleButtonEx (0 for
 * none; the selected ones show while the group is shut). Returns the header's
 * button number (a command id, as ButtonExID takes); 0 when there is no bar or
 * the group could not be made (then nothing is added). */
KELVRA_API int KELVRA_CALL AddExplorerBarImageGroup(LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed,
                                                    HANDLE selected, HANDLE selectedHot, HANDLE selectedPressed,
                                                    HANDLE disabled);
/* AddExplorerBarImageGroup without images. */
KELVRA_API int KELVRA_CALL AddExplorerBarGroup(LPCWSTR text);
/* Adds an item showing text and the images of its normal, hot, pressed and
 * disabled looks (0 for none) to the group added last, whose body grows to hold
 * it (a shut group stays shut: its next header click shuts it again). id: the
 * WM_COMMAND id its click posts, -1 for an automatic one no item of the group
 * has. Returns the id chosen when id is -1, else the item button's window; 0
 * when the group already has an item of that id, there is no group, or the item
 * could not be made (then nothing is added). */
KELVRA_API int KELVRA_CALL ExplorerBarImageItem(int id, LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE pressed,
                                                HANDLE disabled);
/* ExplorerBarImageItem without images. */
KELVRA_API int KELVRA_CALL ExplorerBarItem(int id, LPCWSTR text);
/* The window of the bar whose number is `number` (numbers only); 0 when unknown. */
KELVRA_API HWND KELVRA_CALL ExplorerBarID(int number);
/* The skin the bar's looks were last read from; 0 when the bar is unknown. */
KELVRA_API HANDLE KELVRA_CALL GetExplorerBarSkin(int bar);
/* Reads the bar's looks and metrics from a skin (component NULL or "": the
 * bar's own, "explorerbar" at first), its headers' and items' looks from the
 * same skin, and lays the bar out again. noRedraw 0 repaints it. When the skin
 * updates automatically, changing it re-applies it; a skin-changed message
 * (40099) with wParam 1 moves such a bar to the skin in lParam. Returns 1, or 0
 * when the bar or the skin is unknown. */
KELVRA_API int KELVRA_CALL SetExplorerBarSkin(int bar, HANDLE skin, LPCWSTR component, BYTE noRedraw);
/* Frees a bar (-1: every bar) with its groups and items, and repaints its
 * former parent. Returns 1 when a bar was freed or -1 was given, else 0. */
KELVRA_API int KELVRA_CALL FreeExplorerBar(int bar);

/* ==== TextControlEx ====================================================== */

/* A text control is a label showing formatted text: "\b" bold, "\i" italic, "\u"
 * underline, "\s" strike-out (each a toggle), "\n" back to the base font and
 * colour, "\cRRGGBB" a text colour, "\|" a line break, "\\" a backslash, and links
 * written "\l", a decimal number, the link text, "\l". A link text "normal|hot"
 * shows "normal", and "hot" while the pointer is over the link. Arguments named
 * `control` take the control's number or its window (cast to int); setters that
 * accept -1 for it store the default for controls created afterwards.
 * The parent window of the control receives, posted, with lParam 0:
 *  - 0x857F (link hot), wParam the number of the link under the pointer, or -1
 *    when no link is any more; posted only when that changes;
 *  - 0x8580 (link clicked), wParam the link's number, when the left button is
 *    pressed over a link.
 * Styles (flags): 0x10 text block centred horizontally, 0x20 centred vertically
 * (else at the top), 0x40 right-aligned (without 0x10), 0x1000 filled with the
 * background colour, 0x2000 the control's gradient is its background, 0x4000
 * path ellipsis, 0x8000 end ellipsis, 0x200000 plain text (codes shown as
 * written, no links), 0x400000 "\c" codes ignored. */

/* Creates a text control at (x, y) in parent's client area showing text (NULL:
 * none) in the given style. A width or height of 0 follows the text: the text's
 * size plus that dimension's two paddings. New controls take the defaults set
 * with -1 (paddings, font, colours, gradient, line padding, antialiasing: all 0
 * at first); without a default font the system's message font is made the
 * default. Returns the number chosen when number is -1, else the control's
 * window; 0 when the number is in use or the control could not be made. */
KELVRA_API int KELVRA_CALL TextControlEx(HWND parent, int number, int x, int y, int width, int height,
                                         LPCWSTR text, int style);
/* Frees a control (-1: every control). Returns 1; 0 when the control is unknown. */
KELVRA_API int KELVRA_CALL FreeTextControlEx(int control);
/* The window of the control whose number (not window) is given; 0 when unknown. */
KELVRA_API HWND KELVRA_CALL TextControlExID(int number);
/* Width and height of the control's window; 0 when unknown. */
KELVRA_API int KELVRA_CALL TextControlExWidth(int control);
KELVRA_API int KELVRA_CALL TextControlExHeight(int control);
/* The control's style; 0 when unknown. */
KELVRA_API int KELVRA_CALL GetTextControlExStyle(int control);
/* The control's text as given, codes included; empty when unknown. */
KELVRA_API LPCWSTR KELVRA_CALL GetTextControlExText(int control);
/* Replaces the text (NULL: none); a dimension that follows the text is measured
 * again and the window resized. No link stays hot. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExText(int control, LPCWSTR text);
/* Sets the size; a width or height of 0 follows the text (with its paddings).
 * The window is resized in place. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExDimensions(int control, int width, int height);
/* Space kept free inside the control's edges; the text block stays within it.
 * A dimension that follows the text is measured again. Control -1: the default.
 * Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExPadding(int control, int left, int top, int right, int bottom);
/* Extra pixels below each line of a text with line breaks. A dimension that
 * follows the text is measured again. Control -1: the default. Returns 1, 0 when
 * unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExLinePadding(int control, int linePadding);
/* Text colour and background colour (RGB, MakeRGB; the background is drawn with
 * style 0x1000). Control -1: the defaults. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExColour(int control, int textColour, int backgroundColour);
/* The font (which stays the caller's; 0: the font of the device context drawn on)
 * and antialiasing (low byte non-zero: the text is drawn antialiased). Control
 * -1: the defaults; then font 0 keeps the default font, stores antialias all the
 * same and returns 0. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExFont(int control, HFONT font, int antialias);
/* The control's gradient (CreateGradient; 0: none), its background with style
 * 0x2000. Control -1: the default. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExGradient(int control, HANDLE gradient);
/* Sets the style. No link stays hot. Returns 1, 0 when unknown. */
KELVRA_API int KELVRA_CALL SetTextControlExStyle(int control, int style);

/* ==== SplitterEx ========================================================= */

/* A splitter divides a rectangle of parent between two of the caller's windows
 * (gadgets: left and right, or top and bottom with flag 0x1) with a skinned bar
 * that the user drags; the gadgets are moved onto the splitter and stay the
 * caller's. The bar keeps its place as a percentage of the splitter, so it
 * scales on resize. The top-level window of the bar is posted three messages,
 * each with wParam the bar's page window: 0x8D3B when the pointer enters (lParam
 * 1) or leaves (0) the bar, 0x8D3C when a drag starts and 0x8D3D when it ends
 * (lParam: the mouse position in the bar's page, as the mouse message gave it);
 * every drag started ends exactly once, also when the capture is taken away or
 * the splitter freed. A splitter argument is its number or its window. */

/* Creates a splitter at (x, y) of width by height in parent, holding first and
 * second (either may be 0 and come later by attribute 32 or 64). skin: a skin
 * (component "splitterex"), or 0 for the built-in "syssplitterskin", 1 for
 * "syssplitter2skin", 0x2000000 for "office2007splitterskin"; a value that is
 * no skin gives "syssplitterskin". flags: 0x1 stacked; 0x10000, 0x20000, 0x40000
 * or 0x80000 the click-to-snap side (top, left, bottom, right: a click on the
 * bar gives that side its minimum, a second click brings it back; the first
 * set counts); 0x1000 starts snapped to that side. Returns the number chosen
 * when number is -1, else the splitter's window; 0 when the number is in use or
 * none of parent, first and second is a window (nothing is left behind). */
KELVRA_API int KELVRA_CALL SplitterEx(HWND parent, int number, int x, int y, int width, int height, HWND first,
                                      HWND second, HANDLE skin, int flags);
/* Sets an attribute and lays the splitter out again: 1 orientation (1 stacked,
 * anything else side by side); 2, 4 the first gadget's minimum and maximum, 8, 16
 * the second's (pixels; a maximum of 0 is none); 32, 64 the first and second
 * gadget (the old one goes back to the splitter's parent; a value that is no
 * window changes nothing and returns 0); 128, 256 collapse the first or second
 * gadget (non-zero hides it and the bar, 0 shows them); 512 the bar's left (top
 * when stacked) in pixels, within the limits; 1024 the click-to-snap restore
 * distance (no re-layout); 2048 the click-to-snap side (0x10000, 0x20000,
 * 0x40000 or 0x80000; another value changes nothing and returns 0). Other codes
 * only lay out again. Returns 1; 0 when the splitter is unknown. */
KELVRA_API int KELVRA_CALL SetSplitterExAttribute(int splitter, int code, int value);
/* The attribute's value (codes as SetSplitterExAttribute; 1 gives 1 stacked,
 * -1 side by side; 128 and 256 give 0 or 1; 512 the bar's current left or top).
 * -1 for another code or an unknown splitter. */
KELVRA_API int KELVRA_CALL GetSplitterExAttribute(int splitter, int code);
/* Reads the bar's size and paddings ("gripper size", "first padding", "second
 * padding" of states "normal" and "normal vertical") and the looks of the
 * splitter and its bar in the states "normal", "hot", "pressed" and "disabled"
 * (" vertical" appended when stacked; the bar's properties start with
 * "gripper ") from a skin's component (NULL or "": the splitter's own,
 * "splitterex" at first), then lays the splitter out; noRedraw non-zero leaves
 * the repaint to the caller. Returns 1; 0 when the splitter or the skin is
 * unknown. */
KELVRA_API int KELVRA_CALL SetSplitterExSkin(int splitter, HANDLE skin, LPCWSTR component, BYTE noRedraw);
/* The skin the splitter's looks were last read from; 0 when unknown. */
KELVRA_API HANDLE KELVRA_CALL GetSplitterExSkin(int splitter);
/* The window of the splitter whose number is `number` (numbers only); 0 when
 * unknown. */
KELVRA_API HWND KELVRA_CALL SplitterExID(int number);
/* Frees a splitter (-1: every splitter), ending a drag in progress; its gadgets
 * go back to the splitter's parent. 1, or 0 when the splitter is unknown. */
KELVRA_API int KELVRA_CALL FreeSplitterEx(int splitter);

/* ==== MenuEx menus ======================================================= */

/* ==== Hot keys =========================================================== */

/* Binds a key combination to a command: while a window of the root (top-level
 * ancestor) of window is in use, pressing the keys sends that root WM_COMMAND
 * with id in the low word (high word 0, lParam 0), and the key press reaches
 * nobody else. Window 0 binds keys for whichever window is active; they apply
 * when the active window's own root binds nothing for the keys. keys names the
 * combination: modifiers "alt", "ctrl" (or "control") and "shift" and one key,
 * joined by "+" (or any of | space - , . ~ ^ / \ : ;), case-blind: a single
 * character ("Ctrl+Shift+S"), or a key name: back, tab, clear, return (ret,
 * enter, ent), pause, capital (caps, capslock), escape (esc), space, prior
 * (pageup, pgup), next (pagedown, pgdn), end, home, left, up, right, down,
 * select, print, execute, snapshot (prtsc), insert (ins), delete (del), help,
 * lwin (leftwin, leftwindows), rwin (rightwin, rightwindows), apps, numpad0 to
 * numpad9 (num0 to num9, pad0 to pad9), multiply, add, separator, subtract,
 * decimal, divide, f1 to f24, numlock, scroll, plus, comma, minus, period. The
 * first empty field ends the text ("ctrl++s" is Ctrl alone: write "ctrl+plus");
 * the formatted-text codes \b \i \u \s \c \n are ignored. Binding the same
 * keys again gives them the new id; id -1 drops the binding; keys "" drops every
 * binding of window's root. Ids are 16-bit. The keys act on the thread that made
 * the first binding. Returns 1; 0 (nothing changed) for a NULL keys, an unknown
 * key name, a window that does not exist, or after Kelvra_End. */
KELVRA_API int KELVRA_CALL HotKey(HWND window, int id, LPCWSTR keys);
/* disable non-zero: texts of menu items bind no hot keys from their "$" part
 * ("Open$Ctrl+O"); 0: they do again (the start). Returns 0. */
KELVRA_API int KELVRA_CALL MenuExAutoHotKeyDisable(BYTE disable);
/* disable non-zero: F10 does not enter the menu bar (Alt still does); 0: it
 * does (the start). Returns 0. */
KELVRA_API int KELVRA_CALL MenuExF10Disable(BYTE disable);

/* ==== ToolBarEx toolbars ================================================= */

/* Native toolbars ("ToolbarWindow32") on a host window, with three image lists
 * (normal, hot, disabled: one image per button at the button's index), tool-tip
 * texts, drop-down buttons that open a menu, and gadgets: child windows placed
 * over a button slot. Arguments named `toolbar` take the toolbar's number or its
 * window (cast to int). Buttons are added to the toolbar made last, or with the
 * Insert functions to a given toolbar at a position (-1 or past the end: append;
 * below -1: 0). `id` is the button's command id, -1 to let the library choose one
 * (0xFFFE downwards, skipping ids any toolbar's button has); ids are unique per
 * toolbar. Texts may carry formatted-text codes (the toolbar shows them plain
 * until it is painted by the library). Icons (or bitmaps) stay the caller's; 0
 * for none: a missing hot icon is the normal one, a missing disabled icon the
 * normal one tinted for the toolbar's UI style. The button style is a BTNS_*
 * byte; BTNS_SEP (1) makes a separator. Notifications of the toolbar go to its
 * parent. A toolbar whose parent was destroyed went with it: the calls then fail
 * (FreeToolBarEx still frees what the library kept of it). */

/* CreateToolBarEx flags beyond the TBSTYLE_* and CCS_* styles of the control. */
#define TOOLBAREX_HIDECLIPPEDBUTTONS 0x800000 /* buttons cut off at the end are hidden */
/* UI styles of toolbars (bits of the flags; SetToolBarExStyle takes them too):
 * UISTYLE_OFFICE2003, UISTYLE_OFFICE2007, and buttons of icons only, sized to
 * their icons (wins over the other two). */
#define UISTYLE_IMAGEONLY 0x4000000

/* Makes a visible flat toolbar with tool tips on parent, with image lists of
 * imageWidth by imageHeight (1 to 256; 0 by 0: no image lists, buttons without
 * images), and makes it the toolbar new buttons go to. Returns the number chosen
 * when number is -1, else the toolbar's window; 0 when the number is in use,
 * parent is no window, the size is out of range or the control could not be
 * made. */
KELVRA_API int KELVRA_CALL CreateToolBarEx(int number, HWND parent, int imageWidth, int imageHeight, int flags);
/* Appends a button without an image. Returns its command id; 0 when there is no
 * current toolbar, the id is in use on it or the button could not be added. */
KELVRA_API int KELVRA_CALL ToolBarButtonEx(int id, LPCWSTR text, int style);
/* Appends a button with images. Returns as ToolBarButtonEx; 0 also when the
 * normal image is neither an icon nor a bitmap (nothing is added). */
KELVRA_API int KELVRA_CALL ToolBarImageButtonEx(int id, LPCWSTR text, HANDLE normal, HANDLE hot, HANDLE disabled,
                                                int style);
/* Appends a drop-down button (BTNS_DROPDOWN added unless BTNS_DROPDOWN or
 * BTNS_WHOLEDROPDOWN is given) bound to menu: a MenuEx number or menu handle.
 * Returns as ToolBarImageButtonEx. */
KELVRA_API int KELVRA_CALL ToolBarDropdownImageButtonEx(int id, int menu, LPCWSTR text, HANDLE normal, HANDLE hot,
                                                        HANDLE disabled, int style);
/* Appends a 6-pixel separator with a fresh id. Returns its id; 0 without a
 * current toolbar. */
KELVRA_API int KELVRA_CALL ToolBarSeparatorEx(void);
/* Appends a slot as wide as the gadget window plus the left and right margins
 * and puts the gadget over it (re-parented to the toolbar, at the slot's left +
 * left and top + top, as high as the slot less bottom). hotTracking non-zero: a
 * combo box gadget is drawn flat and shows when the pointer is over it. Returns
 * its id; 0 when gadget is no window of this process (or the toolbar itself or
 * an ancestor of it), besides the failures of ToolBarButtonEx. */
KELVRA_API int KELVRA_CALL ToolBarExGadget(int id, HWND gadget, int left, int top, int right, int bottom,
                                           BYTE hotTracking);
/* The same five at `position` of `toolbar`; 0 also for an unknown toolbar. The
 * toolbar new buttons go to stays as it was. */
KELVRA_API int KELVRA_CALL InsertToolBarButtonEx(int toolbar, int position, int id, LPCWSTR text, int style);
KELVRA_API int KELVRA_CALL InsertToolBarImageButtonEx(int toolbar, int position, int id, LPCWSTR text, HANDLE normal,
                                                      HANDLE hot, HANDLE disabled, int style);
KELVRA_API int KELVRA_CALL InsertToolBarDropdownImageButtonEx(int toolbar, int position, int id, int menu,
                                                              LPCWSTR text, HANDLE normal, HANDLE hot,
                                                              HANDLE disabled, int style);
KELVRA_API int KELVRA_CALL InsertToolBarExGadget(int toolbar, int position, int id, HWND gadget, int left, int top,
                                                 int right, int bottom, BYTE hotTracking);
KELVRA_API int KELVRA_CALL InsertToolBarSeparatorEx(int toolbar, int position);
/* Replaces a button's text and images (0: normal and hot become empty, disabled
 * the normal one tinted; -1 leaves that image as it is). 1, or 0 when the toolbar
 * or button is unknown. */
KELVRA_API int KELVRA_CALL ChangeToolbarExButton(int toolbar, int id, LPCWSTR text, HANDLE normal, HANDLE hot,
                                                 HANDLE disabled);
/* disable non-zero disables the button, 0 enables it. The toolbar's answer (1
 * done); 0 when the toolbar or button is unknown. */
KELVRA_API int KELVRA_CALL DisableToolbarExButton(int toolbar, int id, int disable);
/* Switches the toolbar's visual style off (no fading of hot buttons); Office
 * toolbars grow by 3 pixels. 1; 1 without effect when visual styles are not
 * available; 0 before Windows Vista or for an unknown toolbar. */
KELVRA_API int KELVRA_CALL DisableToolBarExButtonFade(int toolbar);
/* hide non-zero hides the button (and its gadget), 0 shows it. The toolbar's
 * answer; 0 when unknown. */
KELVRA_API int KELVRA_CALL HideToolBarExButton(int toolbar, int id, BYTE hide);
/* Removes the button with command id idOrIndex, or (byIndex non-zero) the button
 * at that index. A gadget goes back to the top-level window, hidden. The
 * toolbar's answer (1 removed); 0 when unknown or past the last index. */
KELVRA_API int KELVRA_CALL RemoveToolBarExButton(int toolbar, int idOrIndex, BYTE byIndex);
/* check non-zero checks the button, 0 unchecks it. The toolbar's answer; 0 when
 * unknown. */
KELVRA_API int KELVRA_CALL SelectToolbarExButton(int toolbar, int id, BYTE check);
/* Sets the button's width (plus its gadget margins; 0 to 32767 in all). 1, or 0
 * when unknown or refused. */
KELVRA_API int KELVRA_CALL SetToolBarExButtonWidth(int toolbar, int id, int width);
/* Sets the height of the toolbar's buttons (0 to 32767), their width kept. The
 * toolbar's answer (1 done); 0 when unknown. */
KELVRA_API int KELVRA_CALL SetToolBarExHeight(int toolbar, int height);
/* Sets the toolbar's UI style (0, UISTYLE_OFFICE2003, UISTYLE_OFFICE2007 or
 * UISTYLE_IMAGEONLY; any value is kept), re-tints derived disabled images and
 * repaints the top-level window. 1, or 0 when unknown. */
KELVRA_API int KELVRA_CALL SetToolBarExStyle(int toolbar, int style);
/* Binds the drop-down button id to another menu (a MenuEx number or menu
 * handle). 1, or 0 when the toolbar has no drop-down button with that id. */
KELVRA_API int KELVRA_CALL ToolBarExAttachDropdownMenu(int toolbar, int id, int menu);
/* Sets the tool-tip text of command id (shared by every toolbar's button with
 * that id). 1, or 0 for an unknown toolbar. */
KELVRA_API int KELVRA_CALL ToolBarExToolTip(int toolbar, int id, LPCWSTR text);
/* Sets the delays of the toolbar's tool tips in milliseconds (0 leaves one as
 * it is). 1, or 0 when unknown. */
KELVRA_API int KELVRA_CALL ToolBarExToolTipDelay(int toolbar, int initial, int autoPop, int reshow);
/* The button's width; 0 when unknown. */
KELVRA_API int KELVRA_CALL ToolBarExButtonWidth(int toolbar, int id);
/* The height of the toolbar's buttons; 0 when unknown. */
KELVRA_API int KELVRA_CALL ToolBarExHeight(int toolbar);
/* The window of the toolbar whose number is `number` (numbers only); 0 when
 * unknown. */
KELVRA_API HWND KELVRA_CALL ToolBarExID(int number);
/* The gadget window of button id; 0 when unknown or none. */
KELVRA_API HWND KELVRA_CALL ToolBarExGadgetID(int toolbar, int id);
/* Frees a toolbar (-1: every toolbar) with its window, image lists, tool tips
 * and drop-down bindings; its gadgets go back to the top-level window, hidden.
 * 1, or 0 when unknown. The toolbar new buttons go to is not changed. */
KELVRA_API int KELVRA_CALL FreeToolBarEx(int toolbar);

/* ==== Rebars ============================================================= */

/* A rebar is a native rebar control on a host window; each band holds one child
 * window (usually a ToolBarEx). A rebar argument takes the rebar's number or its
 * window. Rebars are used on the thread that made them. */

/* Band-style bits of the library, beside the RBBS_* bits of AddRebarGadget's
 * band style: a band whose child fills the host's free client height below the
 * other children (either bit), and a band whose top and bottom edges the user can
 * drag (in a row with a fill band it takes that band's height). */
#define RBBS_FILLPARENT 0x20000
#define RBBS_FILLPARENT2 0x40000
#define RBBS_SIZABLEHEIGHT 0x800000

/* Makes a rebar across the top of parent and makes it the rebar new bands go to.
 * flags: RBS_* and CCS_* styles (CCS_NODIVIDER is always added), plus
 * UISTYLE_OFFICE2003 or UISTYLE_OFFICE2007 for the Office looks (a gradient
 * background from UI colours 31 and 32; these two bits never reach the window
 * style). background: a bitmap tiled behind every band (0 none; it stays the
 * caller's). A background or Office 2003 takes RBS_BANDBORDERS off. composited
 * non-zero: the rebar is drawn composited once the host is first sized. Returns
 * the number chosen when number is -1, else the rebar's window; 0 when the number
 * is in use, parent is no window or the control could not be made. */
KELVRA_API int KELVRA_CALL CreateRebar(int number, HWND parent, HBITMAP background, int flags, int composited);
/* Adds a band holding child to the current rebar (the one made, or inserted
 * into, last): its text, width, minimum width and minimum height (0: a toolbar's
 * button height, else the child's height), its own background bitmap (0: the
 * rebar's) and band style (0: RBBS_CHILDEDGE). A toolbar child gets CCS_NODIVIDER
 * and CCS_NORESIZE. Returns the new band's id (ids count from 0 and stay unique
 * among the rebar's bands); 0 when there is no current rebar; -1 when the current
 * rebar no longer exists, child is no window, or the control refused the band. */
KELVRA_API int KELVRA_CALL AddRebarGadget(HWND child, LPCWSTR text, int width, int minimumWidth, int minimumHeight,
                                          HBITMAP background, int bandStyle);
/* As AddRebarGadget, into rebar before position (a band id, or an index when no
 * band has that id; -1 the end), and makes that rebar current. 0 for an unknown
 * rebar. */
KELVRA_API int KELVRA_CALL InsertRebarGadget(int rebar, int position, HWND child, LPCWSTR text, int width,
                                             int minimumWidth, int minimumHeight, HBITMAP background, int bandStyle);
/* Deletes a band (its id, or its index when no band has that id); the child
 * stays where it is. 1; 0 when the rebar or the band is unknown. */
KELVRA_API int KELVRA_CALL DeleteRebarBand(int rebar, int band);
/* Moves the band at index from to index to. The control's answer (non-zero when
 * moved); 0 for an unknown rebar. */
KELVRA_API int KELVRA_CALL MoveRebarBand(int rebar, int from, int to);
/* Shows (show non-zero) or hides a band (its id, or its index), lays the bands
 * out and repaints. 1; 0 when the rebar or the band is unknown. */
KELVRA_API int KELVRA_CALL ShowRebarBand(int rebar, int band, int show);
/* The id of the band at index; 0 when the index is invalid; -1 for an unknown
 * rebar. */
KELVRA_API int KELVRA_CALL RebarBandID(int rebar, int index);
/* The rebar's height in pixels; 0 when rebar is neither a rebar of the library
 * nor a window of class "ReBarWindow32". */
KELVRA_API int KELVRA_CALL RebarHeight(int rebar);
/* The window of the rebar whose number is number (numbers only); 0 when unknown. */
KELVRA_API HWND KELVRA_CALL RebarID(int number);
/* Gives the rebar the UI style 0 (the system's look; its own background and
 * band borders come back), UISTYLE_OFFICE2003 or UISTYLE_OFFICE2007 (the
 * style's gradient background on every band without a bitmap of its own).
 * Other values change nothing. Always 0. */
KELVRA_API int KELVRA_CALL SetRebarStyle(int rebar, int style);
/* Sets the procedure that is told first when the rebar's height changes: it is
 * called like a window procedure with the rebar window, message 0x8953, wParam
 * the new height and lParam the rebar window (then the message is sent to the
 * rebar's top-level window and to its parent). Returns the previous callback (0
 * when there was none); -1, changing nothing, for callback 0 or an unknown
 * rebar. */
KELVRA_API int KELVRA_CALL SetRebarUserCallback(int rebar, WNDPROC callback);
/* Frees a rebar (-1: every rebar): the bands' children go back to the rebar's
 * parent, the control is destroyed. 1 (also for -1); 0 when unknown. */
KELVRA_API int KELVRA_CALL FreeRebar(int rebar);
/* Saves the band order, widths and styles as an XML file (root "Layout", one
 * "Band" element with "ID", "cx" and "fStyle" per band). The file is written
 * beside path and replaces it only once complete. 1 when written; 0 when the
 * rebar is unknown, the file-name part of path is empty or holds a control
 * character or one of " * / : < > ? \ |, or the file could not be written. */
KELVRA_API int KELVRA_CALL SaveRebarLayout(int rebar, LPCWSTR path);
/* Applies a file of SaveRebarLayout: band i of the file is moved to index i
 * (when the rebar has a band of its id) and gets its width and style. The file
 * is checked whole first; a file that is no such document (not XML, over 1 MiB,
 * a root other than "layout" in any case, a value that is no 32-bit signed
 * decimal) changes nothing. 1 when applied; 0 otherwise (names as
 * SaveRebarLayout). */
KELVRA_API int KELVRA_CALL LoadRebarLayout(int rebar, LPCWSTR path);

#ifdef __cplusplus
}
#endif

#endif /* KELVRA_H */
