// Form6: 54 exercises on single numbers in three columns of 18 rows: rounding to the
// nearest ten or hundred, odd or even, and greater, equal or less.

#include <string>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kRows = 18;
constexpr int kColumns = 3;
constexpr int kExercises = kRows * kColumns;
constexpr int kFieldHeight = 375;

// The last row stands partly below the client area; the drawn area grows to hold it.
constexpr int kRowTops[kRows] = {720,  1320, 1920, 2640, 3360, 4080, 4680,  5280,  5880,
                                 6600, 7320, 8040, 8640, 9240, 9840, 10560, 11280, 12000};
constexpr int kNumberLefts[kColumns] = {240, 3840, 7200};
constexpr int kMiddleLefts[kColumns] = {1560, 5160, 8520};
constexpr int kAnswerLefts[kColumns] = {2400, 6000, 9600};
constexpr int kNumberWidth = 1215;
constexpr int kMiddleWidth = 855;
constexpr int kAnswerWidth = 1215;

constexpr const char* kAnswerPlace = "..........";
constexpr const char* kComparePlace = "............";

constexpr const char* kRoundingTitleStart = "AŞAĞIDAKİ SAYILARI EN YAKIN ";
constexpr const char* kRoundingTitleEnd = " YUVARLAYINIZ";
constexpr const char* kOddEven = "TEKCIFT";
constexpr const char* kCompare = "BUYUKESITKUCUK";

Page design() {
  Page page = blankPage(PageKind::Form6);

  // Both pictures are outlines to colour; Image1 is switched before Image2.
  page.pictures.push_back(Picture{.name = "Image1",
                                  .artwork = std::string(artwork::kForm6Image1),
                                  .box = {240, 2520, 6735, 3855},
                                  .switched = true});
  page.pictures.push_back(Picture{.name = "Image2",
                                  .artwork = std::string(artwork::kForm6Image2),
                                  .box = {3720, 8520, 3375, 3135},
                                  .switched = true});

  page.texts.push_back(
      numberCell("Label1", kSingle, {600, 120, 9015, kFieldHeight}, Align::Centre));

  for (int i = 0; i < kExercises; ++i) {
    const int column = i / kRows;
    const int top = kRowTops[i % kRows];
    page.texts.push_back(
        numberCell("Label2", i, {kNumberLefts[column], top, kNumberWidth, kFieldHeight}));
    TextField middle = numberCell(
        "Label3", i, {kMiddleLefts[column], top, kMiddleWidth, kFieldHeight}, Align::Left);
    middle.caption = "=";
    page.texts.push_back(middle);
    page.texts.push_back(numberCell(
        "Label4", i, {kAnswerLefts[column], top, kAnswerWidth, kFieldHeight}, Align::Left));
  }
  return page;
}

// The variant is matched both ways: as a number against 10 and 100, as exact text
// against the two words. A variant that matches none leaves the design title.
void writeTitle(Page& page, double variantValue, const std::string& variant) {
  std::string title;
  if (variantValue == 10) {
    title = std::string(kRoundingTitleStart) + "ONLUĞA" + kRoundingTitleEnd;
  } else if (variantValue == 100) {
    title = std::string(kRoundingTitleStart) + "YÜZLÜĞE" + kRoundingTitleEnd;
  } else if (variant == kOddEven) {
    title = "TEK OLANLARA SAYILARA TEK , ÇİFT OLANLARA ÇİFT YAZINIZ";
  } else if (variant == kCompare) {
    title = "İFADELERİN ARASINA BÜYÜK(>),KÜÇÜK(<) veya EŞİT(=) YAZINIZ";
  } else {
    return;
  }
  page.text("Label1").caption = title;
}

void draw(Page& page, const LoadContext& context) {
  const std::string digits = context.block.get(Field::Label1);
  const std::string variant = context.block.get(Field::Label5);

  const double bound = rangeBound(context.numbers.read(digits));
  writeTitle(page, context.numbers.read(variant), variant);

  const bool compare = variant == kCompare;
  for (int i = 0; i < kExercises; ++i) {
    page.text("Label2", i).caption = context.numbers.caption(drawNumber(context.random, bound));
    if (compare) {
      page.text("Label3", i).caption = kComparePlace;
      page.text("Label4", i).caption = context.numbers.caption(drawNumber(context.random, bound));
    } else {
      page.text("Label4", i).caption = kAnswerPlace;
    }
  }
}

}  // namespace

PageDefinition form6Definition() { return {PageKind::Form6, design, Field::Label2, draw}; }

}  // namespace ws
