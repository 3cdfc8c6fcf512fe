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

/* ==== Colours and gradients =============================================== */

/* ==== Images ============================================================== */

/* ==== Fonts and formatted text ============================================ */

#ifdef __cplusplus
}
#endif

#endif /* KELVRA_H */
