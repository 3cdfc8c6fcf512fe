// The default colours of the three UI colour tables, one row per UIColourIndex.
// Pure data: no <windows.h>.
#include "skin/ui_colours/default_ui_colours.h"

namespace kelvra {

namespace {

// A colour written red, green, blue (0xRRGGBB) and held in COLORREF form.
constexpr uint32_t C(uint32_t rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }
// A colour held in ARGB form, written 0xAARRGGBB.
constexpr uint32_t A(uint32_t argb) { return argb; }

constexpr DefaultUIColourRow kRows[kUIColourNames] = {
    // 0 menutitletextcolor
    {{C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0xFFFFFF)}},
    // 1 menutitlehottextcolor
    {{C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000)}},
    // 2 menutitleheldtextcolor
    {{C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000)}},
    // 3 menutitleinactivetextcolor
    {{C(0xACA899), C(0xACA899), C(0xACA899), C(0x808080)},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {C(0x4B4B6F), C(0x4B4B6F), C(0xF0F0F0)}},
    // 4 menutextcolor
    {{C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000)}},
    // 5 menuhotcolor
    {{C(0xC1D2EE), C(0xCED2C5), C(0xE8E8EC), C(0xB6BED3)},
     {0, 0, 0, 0},
     {0, 0, 0}},
    // 6 menuhotgradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFFFF4CC), A(0xFFFFF4CC), A(0xFFFFF4CC), A(0xFFB6BDD2)},
     {A(0xFFFFF5CC), A(0xFFFFF5CC), A(0xFFFFF5CC)}},
    // 7 menuhotgradientcolor2
    {{0, 0, 0, 0},
     {A(0xFFFFD69A), A(0xFFFFD69A), A(0xFFFFD69A), A(0xFFB6BDD2)},
     {A(0xFFFFDC7A), A(0xFFFFDC7A), A(0xFFFFDC7A)}},
    // 8 menuhotborder
    {{C(0x316AC5), C(0x93A070), C(0xB2B4BF), C(0x0A246A)},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {C(0xFFBD69), C(0xFFBD69), C(0xFFBD69)}},
    // 9 menuheldcolor
    {{C(0xEFEDDE), C(0xEFEDDE), C(0xE5E4E7), C(0xDCD8D2)},
     {0, 0, 0, 0},
     {0, 0, 0}},
    // 10 menuheldgradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFE3EFFF), A(0xFFECF0D5), A(0xFFE8E9F1), A(0xFFF9F7F6)},
     {A(0xFFE3EFFE), A(0xFFE8E9F1), A(0xFF9199A4)}},
    // 11 menuheldgradientcolor2
    {{0, 0, 0, 0},
     {A(0xFF93B5E7), A(0xFFC2CE9F), A(0xFFBAB9CD), A(0xFFEDEBE8)},
     {A(0xFF90B9EE), A(0xFFB4B3C8), A(0xFF67707C)}},
    // 12 menuheldborder
    {{C(0x716F64), C(0x716F64), C(0x716F64), C(0x676767)},
     {C(0x002D96), C(0x758D5E), C(0x7C7C94), C(0x666666)},
     {C(0x6593CF), C(0x7C7C94), C(0x9199A4)}},
    // 13 menubarcolor
    {{C(0xEFEDDE), C(0xEFEDDE), C(0xE5E4E7), C(0xDCD8D2)},
     {0, 0, 0, 0},
     {0, 0, 0}},
    // 14 menucheckboxbackground
    {{C(0xE3E7E9), C(0xEDECE1), C(0xEBEAED), C(0xD5D6DA)},
     {C(0xFFC06F), C(0xFFC06F), C(0xFFC06F), C(0xD4D5D8)},
     {C(0xFFBD69), C(0xFFC06F), C(0xFFBD69)}},
    // 15 menucheckboxborder
    {{C(0x316AC5), C(0x93A070), C(0xB2B4BF), C(0x0A246A)},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {C(0xFFAB3F), C(0xFFAB3F), C(0xFFAB3F)}},
    // 16 menucheckboxselectedbackground
    {{C(0x99B5E3), C(0xCAD0B8), C(0xD4D4DA), C(0x8592B5)},
     {C(0xFE803E), C(0xFE803E), C(0xFE803E), C(0x8592B5)},
     {C(0xFFAB3F), C(0xFE803E), C(0xFFAB3F)}},
    // 17 menucheckboxselectedborder
    {{C(0x316AC5), C(0x8C996B), C(0x999BA4), C(0x0A246A)},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {C(0xFB8C3C), C(0xFB8C3C), C(0xFB8C3C)}},
    // 18 menucheckboxdisabledbackground
    {{C(0xF6F5EE), C(0xF6F5EE), C(0xF1F1F2), C(0xECEAE7)},
     {0, 0, 0, 0},
     {0, 0, 0}},
    // 19 menucheckboxdisabledborder
    {{C(0xACA899), C(0xACA899), C(0x9D9DA1), C(0x808080)},
     {C(0x6582AB), C(0x8A956D), C(0x76768B), C(0x9F9C96)},
     {C(0x8D8D8D), C(0x8D8D8D), C(0x8D8D8D)}},
    // 20 menudropshadow
    {{A(0x32000000), A(0x32000000), A(0x32000000), A(0x32000000)},
     {A(0x576A8CCB), A(0x3F608058), A(0x3F6E6D8F), A(0x7D666666)},
     {A(0x9B000000), A(0x78736C8C), A(0x9B000000)}},
    // 21 bargradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFE3EFFF), A(0xFFFFFFED), A(0xFFF9F9FF), A(0xFFF9F8F7)},
     {A(0xFFE9EEEE), A(0xFFEFEFEF), A(0xFFEFEFEF)}},
    // 22 bargradientcolor2
    {{0, 0, 0, 0},
     {A(0xFFCAE0FB), A(0xFFCDDBA6), A(0xFFE0E1EC), A(0xFFE9E7E4)},
     {A(0xFFE9EEEE), A(0xFFEFEFEF), A(0xFFEFEFEF)}},
    // 23 bargradientcolor3
    {{0, 0, 0, 0},
     {A(0xFFCBE1FC), A(0xFFCEDCA7), A(0xFFE1E2EC), A(0xFFEAE8E4)},
     {A(0xFFE9EEEE), A(0xFFEFEFEF), A(0xFFEFEFEF)}},
    // 24 bargradientcolor4
    {{0, 0, 0, 0},
     {A(0xFF87ADE4), A(0xFFB8C792), A(0xFF9F9DB9), A(0xFFD7D3CC)},
     {A(0xFFE9EEEE), A(0xFFEFEFEF), A(0xFFEFEFEF)}},
    // 25 separatorbar
    {{C(0xC6C5BA), C(0xC6C5BA), C(0xBDBAC4), C(0xA7A7A7)},
     {C(0x6A8CCB), C(0x608058), C(0x6E6D8F), C(0xA6A6A6)},
     {C(0x9AC6FF), C(0x6E6D8F), C(0x9199A4)}},
    // 26 selectedcolor
    {{C(0xC1D2EE), C(0xCED2C5), C(0xE8E8EC), C(0xB6BED3)},
     {C(0xFFEEC2), C(0xFFEEC2), C(0xFFEEC2), C(0xB6BDD2)},
     {C(0xFFE7A2), C(0xFFEEC2), C(0xFFE7A2)}},
    // 27 selectedtextcolor
    {{C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000)}},
    // 28 selectedborder
    {{C(0x316AC5), C(0x93A070), C(0xB2B4BF), C(0x0A246A)},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {C(0xFFBD69), C(0xFFBD69), C(0xFFBD69)}},
    // 29 disabledcolor
    {{C(0xC5C3B8), C(0xC5C3B8), C(0xC5C3B8), C(0xA7A7A7)},
     {C(0x8D8D8D), C(0x8D8D8D), C(0x8D8D8D), C(0xA6A6A6)},
     {C(0x8D8D8D), C(0x8D8D8D), C(0x8D8D8D)}},
    // 30 background
    {{C(0xFDFCFA), C(0xFDFCFA), C(0xFBFBFB), C(0xF9F9F8)},
     {C(0xF6F6F6), C(0xF4F4EE), C(0xFDFAFF), C(0xF9F8F7)},
     {C(0xF6F6F6), C(0xFDFAFF), C(0xF6F6F6)}},
    // 31 rebarbackground1
    {{0, 0, 0, 0},
     {A(0xFF9EBEF5), A(0xFFD9D9A7), A(0xFFD7D7E5), A(0xFFD4D0C8)},
     {A(0xFFBFDBFF), A(0xFFD7D7E5), A(0xFF535353)}},
    // 32 rebarbackground2
    {{0, 0, 0, 0},
     {A(0xFFC3DAF9), A(0xFFF2F0E4), A(0xFFF3F3F7), A(0xFFF5F5F4)},
     {A(0xFFBFDBFF), A(0xFFF3F3F7), A(0xFF535353)}},
    // 33 toolstripbackground1
    {{0, 0, 0, 0},
     {A(0xFFDDECFE), A(0xFFF4F7DE), A(0xFFF3F4FA), A(0xFFF5F4F2)},
     {A(0xFFE3EFFF), A(0xFFF3F4FA), A(0xFFCDD0D5)}},
    // 34 toolstripbackground2
    {{0, 0, 0, 0},
     {A(0xFFCAE1FC), A(0xFFCEDCA7), A(0xFFE1E2EC), A(0xFFEAE8E4)},
     {A(0xFFE3EFFF), A(0xFFE1E2EC), A(0xFFBBC0C6)}},
    // 35 toolstripbackground3
    {{0, 0, 0, 0},
     {A(0xFFC4DBF9), A(0xFFCEDCA7), A(0xFFDADBE7), A(0xFFE8E6E1)},
     {A(0xFFDEECFF), A(0xFFDADBE7), A(0xFFB7BCC4)}},
    // 36 toolstripbackground4
    {{0, 0, 0, 0},
     {A(0xFF81A9E2), A(0xFFB7C691), A(0xFF9997B5), A(0xFFD5D2CA)},
     {A(0xFFB1D3FF), A(0xFF9997B5), A(0xFF949CA6)}},
    // 37 toolstripdropdowngradient1
    {{0, 0, 0, 0},
     {A(0xFF75A6F1), A(0xFFB0C28C), A(0xFFB3B2C8), A(0xFFA0A0A0)},
     {A(0xFFB3B2C8), A(0xFFB3B2C8), A(0xFFB3B2C8)}},
    // 38 toolstripdropdowngradient2
    {{0, 0, 0, 0},
     {A(0xFF527FD0), A(0xFF8DA06B), A(0xFF9B9BB4), A(0xFF8D8D8D)},
     {A(0xFF9B9BB4), A(0xFF9B9BB4), A(0xFF9B9BB4)}},
    // 39 toolstripdropdowngradient3
    {{0, 0, 0, 0},
     {A(0xFF4B78CA), A(0xFF899C6B), A(0xFF9897B1), A(0xFF8B8B8B)},
     {A(0xFF9897B1), A(0xFF9897B1), A(0xFF9897B1)}},
    // 40 toolstripdropdowngradient4
    {{0, 0, 0, 0},
     {A(0xFF003591), A(0xFF60776B), A(0xFF767492), A(0xFF808080)},
     {A(0xFF767492), A(0xFF767492), A(0xFF767492)}},
    // 41 toolstripshadow
    {{0, 0, 0, 0},
     {A(0xFF3B619C), A(0xFF608058), A(0xFF7C7C94), A(0xFFDBD8D1)},
     {A(0xFF6F9DD9), A(0xFF7C7C94), A(0xFF4C535C)}},
    // 42 grippersolid
    {{0, 0, 0, 0},
     {C(0x274176), C(0x515E33), C(0x545475), C(0xA0A0A0)},
     {C(0x6F9DD9), C(0x545475), C(0x373C43)}},
    // 43 grippershadow
    {{0, 0, 0, 0},
     {C(0xFFFFFF), C(0xFFFFFF), C(0xFFFFFF), C(0xFFFFFF)},
     {C(0xFFFFFF), C(0xFFFFFF), C(0xFFFFFF)}},
    // 44 selectgradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFFE914E), A(0xFFFE914E), A(0xFFFE914E), A(0xFF8592B5)},
     {A(0xFFFC973D), A(0xFFFC973D), A(0xFFFC973D)}},
    // 45 selectgradientcolor2
    {{0, 0, 0, 0},
     {A(0xFFFFD38E), A(0xFFFFD38E), A(0xFFFFD38E), A(0xFF8592B5)},
     {A(0xFFFFB85E), A(0xFFFFB85E), A(0xFFFFB85E)}},
    // 46 stickyselectgradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFFFD58C), A(0xFFFFD58C), A(0xFFFFD58C), A(0xFFD4D5D8)},
     {A(0xFFFFCF92), A(0xFFFFCF92), A(0xFFFFCF92)}},
    // 47 stickyselectgradientcolor2
    {{0, 0, 0, 0},
     {A(0xFFFFAD55), A(0xFFFFAD55), A(0xFFFFAD55), A(0xFFD4D5D8)},
     {A(0xFFFFAF49), A(0xFFFFAF49), A(0xFFFFAF49)}},
    // 48 stickyselectbordercolor
    {{0, 0, 0, 0},
     {C(0x000080), C(0x3F5D38), C(0x4B4B6F), C(0x0A246A)},
     {A(0xFFFFAB3F), A(0xFFFFAB3F), A(0xFFFFAB3F)}},
    // 49 toolbarbuttontextcolor
    {{0, 0, 0, 0},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0x000000), C(0x000000)}},
    // 50 toolbarbuttonhottextcolor
    {{0, 0, 0, 0},
     {C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
     {C(0x000000), C(0xFF0000), C(0x000000)}},
    // 51 toolbarbuttondisabledtextcolor
    {{0, 0, 0, 0},
     {C(0x8D8D8D), C(0x8D8D8D), C(0x8D8D8D), C(0xA6A6A6)},
     {C(0x8D8D8D), C(0x8D8D8D), C(0x8D8D8D)}},
    // 52 toolbarhotgradientcolor1
    {{0, 0, 0, 0},
     {A(0xFFFFF4CC), A(0xFFFFF4CC), A(0xFFFFF4CC), A(0xFFB6BDD2)},
     {A(0xFFFFF5CC), A(0xFFFFF5CC), A(0xFFFFF5CC)}},
    // 53 toolbarhotgradientcolor2
    {{0, 0, 0, 0},
     {A(0xFFFFD69A), A(0xFFFFD69A), A(0xFFFFD69A), A(0xFFB6BDD2)},
     {A(0xFFFFDB75), A(0xFFFFDB75), A(0xFFFFDB75)}},
    // 54 toolbarseparator
    {{0, 0, 0, 0},
     {C(0x6A8CCB), C(0x608058), C(0x6E6D8F), C(0xA6A6A6)},
     {C(0x9AC6FF), C(0x6E6D8F), C(0x9199A4)}},
    // 55 toolbarseparatorshadow
    {{0, 0, 0, 0},
     {C(0xFFFFFF), C(0xFFFFFF), C(0xFFFFFF), C(0xFFFFFF)},
     {C(0xFFFFFF), C(0xFFFFFF), C(0xDDE0E3)}},
};

}  // namespace

std::span<const DefaultUIColourRow, kUIColourNames> DefaultUIColourRows() { return kRows; }

}  // namespace kelvra
