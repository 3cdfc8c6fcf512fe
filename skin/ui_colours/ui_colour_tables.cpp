// The UI colour tables: their default contents and the read rule of GetUIColour.
#include "skin/ui_colours/ui_colour_tables.h"

#include "skin/ui_colours/default_ui_colours.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/ui_colours/ui_colour_scheme.h"

namespace kelvra {

namespace {

// Entries whose defaults are copies of another entry's, made once at start.
struct EntryCopy {
  UITable table;
  int32_t to, from;
  bool blueAndGreyOnly;
};

constexpr EntryCopy kCopies[] = {
    {UITable::Whidbey, kMenuHeldColour, kMenuBarColour, false},
    {UITable::Whidbey, kMenuCheckBoxBorder, kMenuHotBorder, false},
    {UITable::Whidbey, kMenuCheckBoxSelectedBorder, kMenuHotBorder, true},
    {UITable::Whidbey, kSelectedColour, kMenuHotColour, false},
    {UITable::Whidbey, kSelectedBorder, kMenuHotBorder, false},
    {UITable::Office2003, kMenuCheckBoxSelectedBorder, kMenuCheckBoxBorder, false},
    {UITable::Office2003, kStickySelectBorderColour, kMenuHotBorder, false},
    {UITable::Office2003, kToolBarButtonDisabledTextColour, kDisabledColour, false},
    {UITable::Office2003, kToolBarHotGradientColour1, kMenuHotGradientColour1, false},
    {UITable::Office2003, kToolBarHotGradientColour2, kMenuHotGradientColour2, false},
    {UITable::Office2003, kToolBarSeparator, kSeparatorBar, false},
    {UITable::Office2007, kToolBarButtonDisabledTextColour, kDisabledColour, false},
};

constexpr int kBlue = DefaultColumn(ColourScheme::Blue);
constexpr int kOlive = DefaultColumn(ColourScheme::Olive);
constexpr int kSilver = DefaultColumn(ColourScheme::Silver);
constexpr int kGrey = DefaultColumn(ColourScheme::Grey);

}  // namespace

UIColourTables& ColourTables() {
  static UIColourTables tables;
  return tables;
}

std::optional<UITable> TableOfStyle(uint32_t style, bool recordForm) {
  switch (style) {
    case kUIStyleWhidbey: return UITable::Whidbey;
    case kUIStyleOffice2003: return UITable::Office2003;
    case kUIStyleOffice2007: return UITable::Office2007;
    case kUIStyleOffice2003Record:
      if (recordForm) return UITable::Office2003;
      break;
    default: break;
  }
  return std::nullopt;
}

void FillDefaultUIColours(UIColourTables& tables) {
  tables = UIColourTables{};
  const auto rows = DefaultUIColourRows();
  for (int32_t index = 0; index < kUIColourNames; ++index) {
    const DefaultUIColourRow& row = rows[index];
    for (int column = kBlue; column <= kGrey; ++column) {
      tables.at(UITable::Whidbey, index, column) = row.whidbey[column];
      tables.at(UITable::Office2003, index, column) = row.office2003[column];
    }
    tables.at(UITable::Office2007, index, kBlue) = row.office2007[0];
    tables.at(UITable::Office2007, index, kSilver) = row.office2007[1];
    tables.at(UITable::Office2007, index, kGrey) = row.office2007[2];
  }
  for (const EntryCopy& copy : kCopies)
    for (int column = kBlue; column <= kGrey; ++column)
      if (!copy.blueAndGreyOnly || column == kBlue || column == kGrey)
        tables.at(copy.table, copy.to, column) = tables.at(copy.table, copy.from, column);
  for (int32_t index = 0; index < kUIColourEntries; ++index)
    tables.at(UITable::Office2007, index, kOlive) = tables.at(UITable::Office2007, index, kBlue);
  for (auto& table : tables.colours)
    for (auto& entry : table)
      for (int column = kBlue; column <= kGrey; ++column) entry[column + 4] = entry[column];
}

uint32_t UIColourOfMode(const UIColourTables& tables, uint32_t style, int32_t index, int32_t mode,
                        ColourScheme detected) {
  if (index < 0 || index >= kUIColourNames) return 0;
  const auto table = TableOfStyle(style, false);
  if (!table) return 0;
  const bool namesScheme = (mode >= 1 && mode <= 4) || (mode >= 6 && mode <= 9);
  int column;
  if (namesScheme)
    column = ColumnOfMode(mode, detected);
  else if (*table == UITable::Whidbey)
    column = CustomColumn(SchemeOfMode(tables.mode, detected));  // custom even in mode 0, as it always was
  else
    column = ColumnOfMode(tables.mode, detected);
  return UIColourToColorRef(tables.at(*table, index, column));
}

}  // namespace kelvra
