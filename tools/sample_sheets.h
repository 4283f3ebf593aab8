#pragma once

#include <string>
#include <vector>

#include "common/parameter_block.h"
#include "main_window/commands.h"
#include "pages/page_model.h"

namespace ws {

// The answers a teacher gives a page command: every default, or as many digits and places as a
// sheet sensibly takes; the picture answer as asked.
enum class Answers { Defaults, Demanding };
ParameterBlock sampleAnswers(const Command& command, Answers answers, bool pictures);

// Picture ink that lies under one control a pupil reads or writes in (a number, a sign, an answer
// place, a bar, a tick, a cell, a cloud, an empty box), padded by a little margin.
struct CellInk {
  std::string name;
  int index = kSingle;
  int darkPixels = 0;  // darker than a quarter grey on a greyscale print
  int palePixels = 0;  // lighter ink: allowed under a cell
  int darkestGrey = 255;
};

inline constexpr int kCellPaddingTwips = 45;
// A quarter grey: ink darker than this under a cell gets in a pupil's way.
inline constexpr int kPaleGreyLimit = 191;

// Every visible control of the page with picture ink under it, pictures painted alone at
// ten twips to the pixel.
std::vector<CellInk> pictureInkInCells(const Page& page);

}  // namespace ws
