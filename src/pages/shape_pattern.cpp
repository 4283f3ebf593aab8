// Form11: twelve rows of symbols, each a pattern of two, three or four shapes followed by empty
// places in which the pupil carries the pattern on.

#include <algorithm>
#include <initializer_list>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"
#include "pages/symbol_font.h"

namespace ws {

namespace {

constexpr int kRows = 12;
constexpr int kFillerGroups = 80;
constexpr double kRowPoints = 25;
// Palette positions are drawn from 0 to this bound and drawn again until they fit the palette.
constexpr double kPositionBound = 100;

Page design() {
  Page page = blankPage(PageKind::Form11);

  Picture picture{.name = "Image1",
                  .artwork = std::string(artwork::kForm11Image1),
                  .box = {2880, 2880, 6615, 5295}};
  picture.switched = true;
  page.pictures.push_back(picture);

  TextField title = numberCell("Label1", kSingle, {720, 120, 10335, 375}, Align::Centre);
  title.font.family = "Microsoft Sans Serif";
  title.caption = "ŞEKİL ÖRÜNTÜLERİNİ TAMAMLAYINIZ";
  page.texts.push_back(title);

  for (int i = 0; i < kRows; ++i) {
    TextField row = numberCell("Label2", i, {360, 840 + 960 * i, 10335, 495}, Align::Left);
    row.font = Font{.family = std::string(kSymbolFontFamily), .points = 12, .bold = false};
    row.caption.clear();
    // A row runs far past the page; it shows as much as fits, like a line of the printed
    // sheet, rather than squeezing 404 shapes into one line.
    row.cutAtEdge = true;
    page.texts.push_back(row);
  }

  TextField palette = numberCell("Label3", kSingle, {9240, 240, 9975, 735}, Align::Left);
  palette.font = Font{.family = std::string(kSymbolFontFamily), .points = 15.75};
  palette.caption = std::string(paletteCodes());
  palette.visible = false;
  page.texts.push_back(palette);
  return page;
}

// Draws palette positions until one lies in 1..n and differs from every position in `taken`.
int drawPosition(FractionSource& random, int n, std::initializer_list<int> taken) {
  for (;;) {
    const double p = drawNumber(random, kPositionBound);
    if (p < 1 || p > n) continue;
    const int position = static_cast<int>(p);
    if (std::find(taken.begin(), taken.end(), position) == taken.end()) return position;
  }
}

void draw(Page& page, const LoadContext& context) {
  const double periodBound = context.numbers.read(context.block.get(Field::Label4));
  const std::string palette = page.text("Label3").caption;

  for (int i = 0; i < kRows; ++i) {
    const int n = static_cast<int>(palette.size());
    const int e = drawPosition(context.random, n, {});
    const int a = drawPosition(context.random, n, {e});
    const int b = drawPosition(context.random, n, {a, e});
    const int c = drawPosition(context.random, n, {b, a, e});
    const char s1 = palette[e - 1], s2 = palette[a - 1], s3 = palette[b - 1], s4 = palette[c - 1];

    std::string row;
    if (periodBound <= 2) row = {s1, s2, s1, s2};
    if (periodBound == 3) row = {s1, s2, s3, s1};
    if (periodBound >= 4) row = {s1, s2, s3, s4};
    for (int g = 0; g < kFillerGroups; ++g) row += fillerGroup();

    TextField& field = page.text("Label2", i);
    field.font.points = kRowPoints;
    field.caption = std::move(row);
  }
}

// A fractional bound between 2 and 3 or between 3 and 4 matches no pattern length.
std::optional<std::string> check(const ParameterBlock& block, const NumberText& numbers) {
  const double periodBound = numbers.read(block.get(Field::Label4));
  if ((periodBound > 2 && periodBound < 3) || (periodBound > 3 && periodBound < 4)) {
    return "\"Şekil örüntüleri en fazla kaçarlı olsun?\" sorusunun cevabı 2 ile 3 ya da 3 ile 4 "
           "arasında kesirli bir sayı olamaz. Örüntüler 2, 3 veya 4 şekilli olur; lütfen bir tam "
           "sayı giriniz.";
  }
  return std::nullopt;
}

}  // namespace

PageDefinition form11Definition() { return {PageKind::Form11, design, Field::Label2, draw, check}; }

}  // namespace ws
