#include <optional>
#include <string>

#include "common/number_draw.h"
#include "main_window/questions.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kRows = 12;
constexpr int kMaxTerms = 15;
constexpr double kDrawBound = 100;  // start terms and steps are drawn from 0 to 100
constexpr const char* kSeparator = " , ";
constexpr const char* kBlank = "......";
// Of every four steps, counted across the whole sheet, the third and fourth are left blank.
constexpr int kBlankCycle = 4;
constexpr int kFirstBlankInCycle = 2;

// The teacher's three answers. The direction follows from them, so it is the same for
// every row and every sheet of a command.
struct Bounds {
  double start;
  double step;
  double end;
  bool forward() const { return end > start; }
};

Bounds readBounds(const ParameterBlock& block, const NumberText& numbers) {
  Bounds bounds;
  bounds.start = numbers.read(block.get(Field::Label2));
  bounds.step = numbers.read(block.get(Field::Label4));
  bounds.end = numbers.read(block.get(Field::Label3));
  return bounds;
}

// A start term must lie in 0..start counting forward and in start..100 counting backward,
// a step in 1..step bound; beyond these limits no redraw could ever end, so the command
// refuses such answers before the page is loaded.
constexpr double kLowestForwardStart = 0;
constexpr double kHighestBackwardStart = kDrawBound;
constexpr double kLowestStep = 1;

std::string quoted(Prompt prompt) { return "\"" + std::string(promptText(prompt)) + "\""; }

std::optional<std::string> check(const ParameterBlock& block, const NumberText& numbers) {
  const Bounds bounds = readBounds(block, numbers);
  if (bounds.forward() && !(bounds.start >= kLowestForwardStart)) {
    return "İleriye saymada " + quoted(Prompt::StartBound) + " sorusunun cevabı en az 0 olabilir.";
  }
  if (!bounds.forward() && !(bounds.start <= kHighestBackwardStart)) {
    return "Geriye saymada " + quoted(Prompt::StartBound) +
           " sorusunun cevabı en fazla 100 olabilir.";
  }
  if (!(bounds.step >= kLowestStep)) {
    return quoted(Prompt::StepBound) + " sorusunun cevabı en az 1 olabilir.";
  }
  return std::nullopt;
}

double atLeast(double value, double limit) { return value >= limit ? value : limit; }
double atMost(double value, double limit) { return value <= limit ? value : limit; }

Page design() {
  Page page = blankPage(PageKind::Form10);

  page.pictures.push_back(
      picture("Image1", kSingle, artwork::kForm10Image1, {3480, 2640, 6615, 5295}));

  page.texts.push_back(caption("Label1", kSingle, {240, 120, 10335, 375}, "Label1"));

  for (int i = 0; i < kRows; ++i) {
    page.texts.push_back(numberCell("Label2", i, {240, 840 + 960 * i, 10335, 495}, Align::Left));
  }
  return page;
}

void draw(Page& page, const LoadContext& context) {
  const Bounds bounds = readBounds(context.block, context.numbers);
  const bool forward = bounds.forward();
  page.text("Label1").caption = std::string("SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ.") +
                                (forward ? " ileriye sayma" : " geriye sayma");

  // The command refuses answers outside the limits; held to them here as well, a page
  // loaded some other way still cannot hang. Within the limits they change nothing.
  const double startLimit = forward ? atLeast(bounds.start, kLowestForwardStart)
                                    : atMost(bounds.start, kHighestBackwardStart);
  const double stepLimit = atLeast(bounds.step, kLowestStep);

  // Carried across rows, so the blanks shift from one row to the next.
  int blankCounter = 0;
  for (int i = 0; i < kRows; ++i) {
    double term;
    do {
      term = drawNumber(context.random, kDrawBound);
    } while (forward ? term > startLimit : term < startLimit);
    double step;
    do {
      step = drawNumber(context.random, kDrawBound);
    } while (step == 0 || step > stepLimit);

    std::string row = NumberText::spaced(term);
    // The term that reaches or passes the end bound is still written.
    for (int terms = 1; terms < kMaxTerms && (forward ? term < bounds.end : term > bounds.end);
         ++terms) {
      term = forward ? term + step : term - step;
      row += kSeparator;
      row += blankCounter >= kFirstBlankInCycle ? std::string(kBlank) : NumberText::spaced(term);
      blankCounter = (blankCounter + 1) % kBlankCycle;
    }
    page.text("Label2", i).caption = row;
  }
}

}  // namespace

PageDefinition form10Definition() { return {PageKind::Form10, design, Field::Label1, draw, check}; }

}  // namespace ws
