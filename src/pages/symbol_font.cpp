#include "symbol_font.h"

#include <algorithm>

namespace ws {

namespace {

constexpr char kPalette[] = {'\x6A', '\x6B', '\x6C', '\x6D', '\x6E', '\x6F', '\x72', '\x73', '\x74',
                             '\x75', '\x76', '\x79', '\x7A', '\x52', '\x54', '\x56', '\xDC', '\xE9',
                             '\xF6', '\xC7', '\x69', '\xF0', '\xDC', '\x98', '\xB2', '\xBA', '\x22',
                             '\xBC', '\xBD', '\xBE', '\xBF', '\xAF', '\xA3', '\xB2', '\x99'};

constexpr char kFiller[] = {'\xB4', '\x20', '\xB4', '\xB4', '\xB4'};

// Filled figures for the digits: none can pass for an operator, a digit, a dot or the empty place.
constexpr char32_t kDigitShapes[10] = {
    U'\u265E',  // 0 knight
    U'\u25B2',  // 1 black triangle
    U'\u265B',  // 2 crown
    U'\u2605',  // 3 black star
    U'\u2665',  // 4 heart
    U'\u25C6',  // 5 black diamond
    U'\u2663',  // 6 club
    U'\u2660',  // 7 spade
    U'\u2691',  // 8 flag
    U'\u273F',  // 9 flower
};

struct CodeShape {
  unsigned char code;
  char32_t glyph;
};

// The blank, the empty place, then the palette's symbols in the order of the palette.
constexpr CodeShape kCodeShapes[] = {
    {0x20, U' '},       // blank
    {0xB4, U'\u25A1'},  // white square: the place the pupil fills
    {0x6A, U'\u25CF'},  // black circle
    {0x6B, U'\u25A0'},  // black square
    {0x6C, U'\u25B2'},  // black up triangle
    {0x6D, U'\u25C6'},  // black diamond
    {0x6E, U'\u2605'},  // black star
    {0x6F, U'\u2665'},  // heart
    {0x72, U'\u2663'},  // club
    {0x73, U'\u2660'},  // spade
    {0x74, U'\u2600'},  // sun
    {0x75, U'\u2601'},  // cloud
    {0x76, U'\u2602'},  // umbrella
    {0x79, U'\u263A'},  // smiling face
    {0x7A, U'\u266A'},  // note
    {0x52, U'\u2708'},  // aeroplane
    {0x54, U'\u2702'},  // scissors
    {0x56, U'\u2693'},  // anchor
    {0xDC, U'\u2744'},  // snowflake
    {0xE9, U'\u271A'},  // heavy cross
    {0xF6, U'\u2716'},  // heavy x
    {0xC7, U'\u25D0'},  // half-filled circle
    {0x69, U'\u25BC'},  // black down triangle
    {0xF0, U'\u273F'},  // flower
    {0x98, U'\u25CB'},  // white circle
    {0xB2, U'\u2606'},  // white star
    {0xBA, U'\u2661'},  // white heart
    {0x22, U'\u25C7'},  // white diamond
    {0xBC, U'\u25B3'},  // white up triangle
    {0xBD, U'\u25CE'},  // bullseye
    {0xBE, U'\u2726'},  // four-pointed star
    {0xBF, U'\u265E'},  // knight
    {0xAF, U'\u265C'},  // rook
    {0xA3, U'\u265B'},  // crown
    {0x99, U'\u2691'},  // flag
};

}  // namespace

char32_t symbolGlyph(unsigned char code) {
  if (code >= '0' && code <= '9') return kDigitShapes[code - '0'];
  for (const CodeShape& shape : kCodeShapes) {
    if (shape.code == code) return shape.glyph;
  }
  const bool printable = (code > 0x20 && code < 0x7F) || code > 0xA0;
  return printable ? char32_t{code} : U' ';
}

double symbolCellEms(std::string_view codes) {
  const bool number =
      std::all_of(codes.begin(), codes.end(), [](char c) { return c >= '0' && c <= '9'; });
  return number ? kDigitCellEms : kPatternCellEms;
}

std::string_view paletteCodes() { return {kPalette, sizeof kPalette}; }

std::string_view fillerGroup() { return {kFiller, sizeof kFiller}; }

}  // namespace ws
