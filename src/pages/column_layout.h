#pragma once

#include <string>

#include "common/parameter_block.h"
#include "pages/page_kind.h"

// What the column-multiplication and division pages share: how a number of a problem is
// drawn, and how two drawn numbers are put in order.
namespace ws {

// The range and decimal places of one number of a problem, as the command's answers give them.
struct Operand {
  double bound = 1;
  int places = 0;
};

// The range bound of the digit count in `field`.
double boundIn(const LoadContext& context, Field field);
// The decimal places in `field`; an answer that is not a whole number of 0 to 15 is taken
// to the nearest one, so a draw never has places it cannot show.
int placesIn(const LoadContext& context, Field field);

// Draws the first number into `upper` and the second into `lower`, then exchanges the
// captions when the lower one shows the greater value: the larger number stands on top.
// Two draws, `first` before `second`.
void drawOrderedPair(TextField& upper, TextField& lower, Operand first, Operand second,
                     const LoadContext& context);

// The value one field shows times the value another shows, as a caption.
std::string productCaption(const TextField& a, const TextField& b, const NumberText& numbers);

}  // namespace ws
