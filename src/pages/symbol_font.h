#pragma once

#include <string_view>

// The shape-pattern and shape-sum pages write their rows in the symbol font "Wingdings 2", by
// character code. That font is not at hand on Linux, so every code the pages use is drawn with a
// shape of DejaVu Sans instead: the captions keep their codes, the painter maps each to its glyph.
namespace ws {

inline constexpr std::string_view kSymbolFontFamily = "Wingdings 2";
inline constexpr std::string_view kSymbolStandInFamily = "DejaVu Sans";

// The DejaVu Sans code point that stands for a symbol-font code. Codes the pages never use keep
// their Latin-1 character where it is printable and become a blank otherwise, so a stray code shows
// as itself instead of posing as one of the shapes.
char32_t symbolGlyph(unsigned char code);

// The shape-pattern palette: 35 codes, two of them (positions 17 and 23, 25 and 34) repeated.
std::string_view paletteCodes();

// What follows a pattern's head, over and over: an empty place, a blank, four empty places.
std::string_view fillerGroup();

// The code of the empty place in which the pupil draws the next symbol.
inline constexpr unsigned char kEmptyPlaceCode = 0xB4;

// Every shape stands centred in a cell of one width, so numbers stand digit under digit and a row
// of shapes steps evenly. A cell is as wide as the widest shape of its set, in ems of the font
// size: the digit shapes for a caption of digits only, the pattern shapes for any other. A blank
// takes half a cell.
inline constexpr double kDigitCellEms = 0.9;
inline constexpr double kPatternCellEms = 1.05;
double symbolCellEms(std::string_view codes);

}  // namespace ws
