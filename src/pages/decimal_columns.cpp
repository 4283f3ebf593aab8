#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/column_layout.h"
#include "pages/page_units.h"

namespace ws {

namespace {

// Six rows of three problems. Every number stands in two cells around a fixed comma, so
// the commas of a problem's three lines stand one under the other.
constexpr std::array kColumnLefts{600, 4200, 7800};
constexpr int kColumns = static_cast<int>(kColumnLefts.size());
constexpr int kRows = 6;
constexpr int kProblems = kRows * kColumns;

constexpr int kCellWidth = 1215;
constexpr int kCellHeight = 375;
constexpr int kLineStep = 360;
// A number's whole part and fraction stand a comma's width apart, each 60 twips in from the
// designer's cells, so it reads "7,5" and not "7 , 5"; the answer's places keep the designer's
// room around the comma to write in.
constexpr int kFractionOffset = 1440;  // from a problem's left edge to its fraction cell
constexpr int kTowardsComma = 60;
// Each comma sits on its number's baseline, in the middle of the gap between the whole-part
// and fraction cells.
constexpr int kCommaOffset = 1140;
constexpr int kCommaSize = 375;

constexpr const char* kAnswerPlace = "...";

// What sets the addition and the subtraction page apart.
struct DecimalPage {
  PageKind kind;
  const char* title;
  int titleTop;
  std::array<int, kRows> rowTops;
  bool plusSign;  // the vertical stroke that turns the sign's stroke into a "+"
  Box image1;
  Box image2;
  std::string_view image1Artwork;
  std::string_view image2Artwork;
};

constexpr DecimalPage kAddition{PageKind::Form18,
                                "TOPLAMA İŞLEMLERİNİ YAPALIM.",
                                120,
                                {840, 3000, 5280, 7320, 9480, 11280},
                                true,
                                {3240, 720, 4215, 3840},
                                {0, 8880, 3975, 3615},
                                artwork::kForm18Image1_0,
                                artwork::kForm18Image2};
constexpr DecimalPage kSubtraction{PageKind::Form19,
                                   "ÇIKARMA İŞLEMLERİNİ YAPALIM.",
                                   0,
                                   {720, 2880, 5160, 7200, 9360, 11160},
                                   false,
                                   {3240, 2640, 4215, 3840},
                                   {6840, 6960, 3975, 3615},
                                   artwork::kForm19Image1_0,
                                   artwork::kForm19Image2};

Page design(const DecimalPage& kind) {
  Page page = blankPage(kind.kind);

  TextField title =
      numberCell("Label1", kSingle, {2160, kind.titleTop, 6975, kCellHeight}, Align::Centre);
  title.caption = kind.title;
  page.texts.push_back(title);

  // Upper number, lower number, result: whole-part field and fraction field of each line.
  constexpr std::array<std::pair<const char*, const char*>, 3> kLines{
      {{"Label2", "Label6"}, {"Label3", "Label7"}, {"Label4", "Label8"}}};

  for (int k = 0; k < kProblems; ++k) {
    const int left = kColumnLefts[k % kColumns];
    const int top = kind.rowTops[k / kColumns];
    for (int line = 0; line < 3; ++line) {
      const int lineTop = top + line * kLineStep;
      const int inwards = line < 2 ? kTowardsComma : 0;
      page.texts.push_back(
          numberCell(kLines[line].first, k, {left + inwards, lineTop, kCellWidth, kCellHeight}));
      page.texts.push_back(numberCell(
          kLines[line].second, k,
          {left + kFractionOffset - inwards, lineTop, kCellWidth, kCellHeight}, Align::Left));
      TextField comma =
          numberCell("Label5", 3 * k + line, {left + kCommaOffset, lineTop, kCommaSize, kCommaSize},
                     Align::Centre);
      comma.caption = ",";
      page.texts.push_back(comma);
    }
    const int barY = top + 2 * kLineStep;
    page.lines.push_back(stroke("Line1", k, left - 240, barY, left + 2520, barY));
    addSign(page, k, left - 240, left, top + kLineStep, kind.plusSign);
  }

  page.pictures.push_back(picture("Image1", 0, kind.image1Artwork, kind.image1));
  page.pictures.push_back(picture("Image2", kSingle, kind.image2Artwork, kind.image2));
  return page;
}

constexpr double kFirstExponentNumber = 1e15;  // the number text writes "1E+15"

struct SplitNumber {
  std::string whole;
  std::string fraction;
};

// The two cells of a number 0 or greater: the digits before and after the point of the text
// every number is written in (15 significant digits, rounded), "0" where it has no fraction.
// So 99999999999999.99 shows 100000000000000,0, as the number text writes it.
SplitNumber split(double value, const NumberText& numbers) {
  if (value >= kFirstExponentNumber) return {numbers.caption(std::trunc(value)), "0"};
  const std::string text = NumberText::spaced(value).substr(1);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return {text, "0"};
  return {text.substr(0, point), text.substr(point + 1)};
}

void drawProblems(Page& page, const LoadContext& context) {
  const double firstBound = boundIn(context, Field::Label1);
  const double secondBound = boundIn(context, Field::Label3);
  const bool drawn = context.numbers.read(context.block.get(Field::Label5)) == 0;
  const int firstPlaces = placesIn(context, Field::Label4);
  const int secondPlaces = placesIn(context, Field::Label8);
  if (!drawn) return;

  for (int k = 0; k < kProblems; ++k) {
    double upper = drawNumber(context.random, firstBound, firstPlaces);
    double lower = drawNumber(context.random, secondBound, secondPlaces);
    if (upper < lower) std::swap(upper, lower);
    const SplitNumber u = split(upper, context.numbers);
    const SplitNumber w = split(lower, context.numbers);
    page.text("Label2", k).caption = u.whole;
    page.text("Label3", k).caption = w.whole;
    page.text("Label6", k).caption = u.fraction;
    page.text("Label7", k).caption = w.fraction;
    page.text("Label4", k).caption = kAnswerPlace;
    page.text("Label8", k).caption = kAnswerPlace;
  }
}

}  // namespace

PageDefinition form18Definition() {
  return {PageKind::Form18, [] { return design(kAddition); }, Field::Label2, drawProblems};
}

PageDefinition form19Definition() {
  return {PageKind::Form19, [] { return design(kSubtraction); }, Field::Label2, drawProblems};
}

}  // namespace ws
