#pragma once

#include <QString>

namespace design {

// The characters a symbol can be: codes 32 to 255 of its font, shown in a
// list whose index is the code minus 32.
constexpr int kFirstSymbolCode = 32;
constexpr int kSymbolCount = 224;

// How many columns the list shows for a font of this point size: small
// glyphs fit many to a row, large ones few.
int SymbolColumns(int pointSize);

// The list entry of a caption's first character; the first entry when the
// caption is empty or starts below code 32 (a design file may hold that).
int SymbolIndexOfCaption(const QString& caption);

// The character of a list entry.
QString SymbolOfIndex(int index);

// The font button's caption: "Wingdings, 24pt " then "Bold " or "Italic "
// (italic when both).
QString SymbolFontCaption(const QString& family, int pointSize, bool bold, bool italic);

} // namespace design
