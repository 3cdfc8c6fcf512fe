/*
 * kelvra.h: the public interface of Kelvra.dll, a skinnable user-interface library
 * for 32-bit Windows. Every export is a plain __stdcall function with an
 * undecorated name; arguments and results are 32-bit values. Text is UTF-16.
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
 * changed) for another style, index or mode. The built-in defaults never change. */
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

/* ==== ButtonEx family ==================================================== */

/* ==== ExplorerBar ======================================================== */

/* ==== TextControlEx ====================================================== */

/* ==== SplitterEx ========================================================= */

/* ==== MenuEx menus ======================================================= */

/* ==== Hot keys =========================================================== */

/* ==== ToolBarEx toolbars ================================================= */

/* ==== Rebars ============================================================= */

#ifdef __cplusplus
}
#endif

#endif /* KELVRA_H */
