// Form13 and Form14: two targets written on pictures, each with nine boxed problems around it
// whose completed result is the target (a sum on Form13, a difference on Form14).

#include <algorithm>
#include <bit>
#include <cstdint>

#include "common/number_draw.h"
#include "pages/artwork.h"
#include "pages/page_units.h"

namespace ws {

namespace {

constexpr int kProblemsPerHalf = 9;
constexpr int kProblems = 2 * kProblemsPerHalf;
// A given addend far above a small target is rejected almost every time: with seven or more
// digits and a target of 1 only a fraction of exactly 0 qualifies, once in the generator's
// 2^24 draws. Past this many misses the addend is drawn below the target instead; an addend
// with no more digits than the sum gets this far on at most about one sheet in 140,000.
constexpr int kMaxAddendDraws = 1'000'000;

struct Point {
  int x, y;
};
struct Segment {
  Point from, to;
};

// Where everything stands on one of the two pages; problem k = 0..8 in the upper half.
struct Layout {
  PageKind kind;
  const char* title;
  Box titleBox;
  Point fields[kProblems];
  Point boxes[kProblems];
  Box pictures[2];
  std::string_view artwork[2];
  Point targets[2];
  bool opaqueTargets;
  Segment divider;
  Segment connectors[2][9];  // Line1..Line9, upper half then lower half
};

const Layout kForm13{
    .kind = PageKind::Form13,
    .title = "EKSİK İŞLEMLERİ TAMAMLAYINIZ, ŞEKLİ BOYAYINIZ",
    .titleBox = {2400, 0, 6975, 375},
    .fields = {{1800, 840},
               {4440, 840},
               {7320, 840},
               {1200, 2520},
               {8400, 2520},
               {1200, 4320},
               {8400, 4320},
               {2160, 6000},
               {6360, 6000},
               {1800, 7200},
               {4440, 7200},
               {7320, 7200},
               {1200, 8880},
               {8400, 8880},
               {1200, 10680},
               {8400, 10680},
               {1440, 11760},
               {8400, 11760}},
    .boxes = {{1440, 600},
              {4080, 600},
              {6960, 600},
              {840, 2280},
              {8040, 2280},
              {840, 4080},
              {8040, 4080},
              {1800, 5760},
              {6000, 5760},
              {1440, 6960},
              {4080, 6960},
              {6960, 6960},
              {840, 8640},
              {8040, 8640},
              {840, 10440},
              {8040, 10440},
              {960, 11520},
              {8040, 11520}},
    .pictures = {{3360, 1800, 4215, 3840}, {3360, 8160, 4215, 3840}},
    .artwork = {artwork::kForm13Image1_0, artwork::kForm13Image1_1},
    .targets = {{4560, 3240}, {4680, 10080}},
    .opaqueTargets = false,
    .divider = {{480, 6720}, {9960, 6720}},
    .connectors = {{{{2880, 1320}, {4080, 2400}},
                    {{5280, 1320}, {5280, 1800}},
                    {{8040, 1320}, {6600, 2640}},
                    {{8040, 2640}, {6840, 3120}},
                    {{3000, 2760}, {3480, 2880}},
                    {{3000, 4440}, {3720, 4200}},
                    {{2880, 5760}, {4320, 4680}},
                    {{6960, 5760}, {6600, 5400}},
                    {{8040, 4560}, {7560, 4200}}},
                   {{{2880, 7680}, {4080, 8760}},
                    {{5280, 7680}, {5280, 8160}},
                    {{8040, 7680}, {6600, 9000}},
                    {{8040, 9000}, {7440, 9240}},
                    {{3000, 9120}, {3480, 9240}},
                    {{3000, 10800}, {3720, 10560}},
                    {{3120, 11880}, {3720, 11520}},
                    {{8040, 12000}, {6600, 11760}},
                    {{8040, 10920}, {7200, 10560}}}},
};

const Layout kForm14{
    .kind = PageKind::Form14,
    .title = "EKSİK İŞLEMLERİ TAMAMLAYINIZ",
    .titleBox = {1920, 0, 6975, 375},
    .fields = {{1320, 840},
               {3960, 840},
               {6840, 840},
               {720, 2520},
               {7920, 2520},
               {720, 4320},
               {7920, 4320},
               {1680, 6000},
               {5880, 6000},
               {1320, 7200},
               {3960, 7200},
               {6840, 7200},
               {720, 8880},
               {7920, 8880},
               {720, 10680},
               {7920, 10680},
               {720, 11760},
               {7920, 11640}},
    .boxes = {{960, 600},
              {3600, 600},
              {6480, 600},
              {360, 2280},
              {7560, 2280},
              {360, 4080},
              {7560, 4080},
              {1320, 5760},
              {5520, 5760},
              {960, 6960},
              {3600, 6960},
              {6480, 6960},
              {360, 8640},
              {7560, 8640},
              {360, 10440},
              {7560, 10440},
              {360, 11520},
              {7560, 11400}},
    .pictures = {{2880, 1800, 4215, 3840}, {2880, 8160, 4215, 3840}},
    .artwork = {artwork::kForm14Image1_0, artwork::kForm14Image1_1},
    .targets = {{3240, 3240}, {4200, 9360}},
    .opaqueTargets = true,
    .divider = {{0, 6720}, {9480, 6720}},
    .connectors = {{{{2400, 1320}, {3600, 2400}},
                    {{4800, 1320}, {4800, 1800}},
                    {{7560, 1320}, {6120, 2640}},
                    {{7560, 2640}, {6360, 3120}},
                    {{2520, 2760}, {3000, 2880}},
                    {{2520, 4440}, {3240, 4200}},
                    {{2400, 5760}, {3840, 4680}},
                    {{6480, 5760}, {6120, 5400}},
                    {{7560, 4560}, {7080, 4200}}},
                   {{{2400, 7680}, {3600, 8760}},
                    {{4800, 7680}, {4800, 8160}},
                    {{7560, 7680}, {6120, 9000}},
                    {{7560, 9000}, {6960, 9240}},
                    {{2520, 9120}, {3000, 9240}},
                    {{2520, 10800}, {3240, 10560}},
                    {{2520, 12000}, {3240, 11520}},
                    {{7560, 11880}, {6120, 11760}},
                    {{7560, 10920}, {6720, 10560}}}},
};

Page design(const Layout& layout) {
  Page page = blankPage(layout.kind);
  for (int h = 0; h < 2; ++h) {
    page.pictures.push_back(Picture{.name = "Image1",
                                    .index = h,
                                    .artwork = std::string(layout.artwork[h]),
                                    .box = layout.pictures[h]});
  }
  for (int k = 0; k < kProblems; ++k) {
    Shape box;
    box.name = "Shape1";
    box.index = k;
    box.kind = ShapeKind::RoundedRectangle;
    box.box = {layout.boxes[k].x, layout.boxes[k].y, 2175, 735};
    page.shapes.push_back(box);
  }
  for (int h = 0; h < 2; ++h) {
    for (int n = 0; n < 9; ++n) {
      const Segment& s = layout.connectors[h][n];
      page.lines.push_back(
          stroke("Line" + std::to_string(n + 1), h, s.from.x, s.from.y, s.to.x, s.to.y, 1));
    }
  }
  page.lines.push_back(stroke("Line10", kSingle, layout.divider.from.x, layout.divider.from.y,
                              layout.divider.to.x, layout.divider.to.y, 1));

  page.texts.push_back(caption("Label1", kSingle, layout.titleBox, layout.title));
  for (int h = 0; h < 2; ++h) {
    TextField target = numberCell(
        "Label3", h, {layout.targets[h].x, layout.targets[h].y, 1215, 375}, Align::Centre);
    target.opaque = layout.opaqueTargets;
    page.texts.push_back(target);
  }
  for (int k = 0; k < kProblems; ++k) {
    page.texts.push_back(
        numberCell("Label2", k, {layout.fields[k].x, layout.fields[k].y, 1215, 375}));
  }
  return page;
}

struct Targets {
  double upper;
  double lower;
};

struct Bounds {
  double given;   // the given addend or subtrahend
  double target;  // the sum or difference
};

Bounds readBounds(const LoadContext& context) {
  const double given = rangeBound(context.numbers.read(context.block.get(Field::Label1)));
  const double target = rangeBound(context.numbers.read(context.block.get(Field::Label3)));
  return {given, target};
}

// Draws both targets into Label3(0) and Label3(1); the page goes on with the values
// that the fields show.
Targets drawTargets(Page& page, const LoadContext& context, double bound) {
  for (int h = 0; h < 2; ++h) {
    page.text("Label3", h).caption = context.numbers.caption(drawNumber(context.random, bound));
  }
  return {context.numbers.read(page.text("Label3", 0).caption),
          context.numbers.read(page.text("Label3", 1).caption)};
}

// Hands out one given fraction, so a draw can be worked out for any fraction.
class OneFraction final : public FractionSource {
 public:
  explicit OneFraction(float u) : u_(u) {}
  float nextFraction() override { return u_; }

 private:
  float u_;
};

double drawAt(float u, double bound) {
  OneFraction fraction(u);
  return drawNumber(fraction, bound);
}

// A draw never falls as its fraction grows, so the fractions whose draw lies below `limit` are
// exactly those below the one this finds (1 if there is none): a search over the floats of [0, 1).
float firstFractionNotBelow(double limit, double bound) {
  std::uint32_t low = 0;  // 0.0f
  std::uint32_t high = std::bit_cast<std::uint32_t>(1.0f);
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    if (drawAt(std::bit_cast<float>(middle), bound) < limit) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::bit_cast<float>(low);
}

void drawAdditions(Page& page, const LoadContext& context) {
  const Bounds bounds = readBounds(context);
  Targets targets = drawTargets(page, context, bounds.target);
  // No given addend lies below a target of 0, so such a pair is drawn again. A bound of 1
  // still gives 1 half the time, so this ends at once.
  while (targets.upper == 0 || targets.lower == 0) {
    targets = drawTargets(page, context, bounds.target);
  }
  const double limit = std::min(targets.upper, targets.lower);
  const float firstMiss = firstFractionNotBelow(limit, bounds.given);
  auto givenAddend = [&] {
    for (int attempt = 0; attempt < kMaxAddendDraws; ++attempt) {
      // The same draw as drawNumber's, but a miss costs only the comparison.
      const float u = context.random.nextFraction();
      if (u < firstMiss) return drawAt(u, bounds.given);
    }
    // Only a target tiny beside the addend's bound gets here (a million misses in a row is
    // otherwise unthinkable); one draw below the target then ends the search.
    return drawNumber(context.random, limit - 1);
  };
  for (int j = 0; j < kProblemsPerHalf; ++j) {
    page.text("Label2", 2 * j).caption = "..... + " + NumberText::spaced(givenAddend());
    page.text("Label2", 2 * j + 1).caption = NumberText::spaced(givenAddend()) + " + .....";
  }
}

void drawSubtractions(Page& page, const LoadContext& context) {
  const Bounds bounds = readBounds(context);
  const Targets targets = drawTargets(page, context, bounds.target);
  // The minuend of an odd problem serves both halves: above the larger target.
  const double larger = targets.lower < targets.upper ? targets.upper : targets.lower;
  for (int j = 0; j < kProblemsPerHalf; ++j) {
    const double subtrahend = drawNumber(context.random, bounds.given);
    page.text("Label2", 2 * j).caption = "..... - " + NumberText::spaced(subtrahend);
    const double minuend = larger + drawNumber(context.random, bounds.given);
    page.text("Label2", 2 * j + 1).caption = NumberText::spaced(minuend) + " - .....";
  }
}

}  // namespace

PageDefinition form13Definition() {
  return {PageKind::Form13, [] { return design(kForm13); }, std::nullopt, drawAdditions};
}

PageDefinition form14Definition() {
  return {PageKind::Form14, [] { return design(kForm14); }, std::nullopt, drawSubtractions};
}

}  // namespace ws
