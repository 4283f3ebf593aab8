#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pages/artwork.h"
#include "pages/page_frame.h"

// What a pupil sees on the number-line, ordering and clock sheets: ticks and their numbers,
// arrow heads, signs beside their results, the ordering signs of each half, the clock grid and
// the times under the faces. Measured on the laid-out page, not against copied coordinates.
namespace ws {
namespace {

Page drawnSheet(PageKind kind, FractionSource& random, const std::string& label1 = "2") {
  ParameterBlock block;
  block.set(Field::Label1, label1);
  return drawPage(kind, LoadContext{block, random, NumberText{","}});
}

bool horizontal(const Line& l) { return l.y1 == l.y2; }
bool vertical(const Line& l) { return l.x1 == l.x2; }
double length(const Line& l) { return std::hypot(l.x2 - l.x1, l.y2 - l.y1); }
double centreX(const Box& b) { return b.left + b.width / 2.0; }
double centreY(const Box& b) { return b.top + b.height / 2.0; }
// Shortest distance between two boxes; 0 where they touch or overlap.
double gap(const Box& a, const Box& b) {
  const double dx = std::max({0, a.left - b.right(), b.left - a.right()});
  const double dy = std::max({0, a.top - b.bottom(), b.top - a.bottom()});
  return std::hypot(dx, dy);
}

// ---- Number line page ----

// The six number lines, top to bottom: the long horizontal strokes.
std::vector<const Line*> axes(const Page& page) {
  std::vector<const Line*> found;
  for (const Line& l : page.lines) {
    if (horizontal(l) && length(l) > 5000) found.push_back(&l);
  }
  std::ranges::sort(found, {}, [](const Line* l) { return l->y1; });
  return found;
}

double axisLeft(const Line& axis) { return std::min(axis.x1, axis.x2); }
double axisRight(const Line& axis) { return std::max(axis.x1, axis.x2); }

TEST(NumberLineLayout, TwentyThreeEvenTicksEachWithItsOwnNumberCentredOnIt) {
  const Page page = pageDefinition(PageKind::Form7).design();
  const std::vector<const Line*> lines = axes(page);
  ASSERT_EQ(lines.size(), 6u);
  // The scale numbers: small fields along the lines, each given to the nearest line.
  std::map<const Line*, std::vector<const TextField*>> numbers;
  for (const TextField& field : page.texts) {
    const double x = centreX(field.box);
    if (field.box.width > 1000 || x < axisLeft(*lines[0]) || x > axisRight(*lines[0])) continue;
    const Line* nearest = *std::ranges::min_element(
        lines, {}, [&](const Line* l) { return std::abs(centreY(field.box) - l->y1); });
    EXPECT_LT(std::abs(centreY(field.box) - nearest->y1), 400) << field.name << field.index;
    numbers[nearest].push_back(&field);
  }
  for (const Line* axis : lines) {
    SCOPED_TRACE("line at " + std::to_string(axis->y1));
    std::vector<const Line*> ticks;
    for (const Line& l : page.lines) {
      if (vertical(l) && l.x1 > axisLeft(*axis) && l.x1 < axisRight(*axis) &&
          std::min(l.y1, l.y2) < axis->y1 && std::max(l.y1, l.y2) > axis->y1) {
        ticks.push_back(&l);
      }
    }
    std::ranges::sort(ticks, {}, [](const Line* l) { return l->x1; });
    ASSERT_EQ(ticks.size(), 23u);
    const int spacing = ticks[1]->x1 - ticks[0]->x1;
    EXPECT_GT(spacing, 0);
    for (std::size_t k = 1; k < ticks.size(); ++k) {
      EXPECT_EQ(ticks[k]->x1 - ticks[k - 1]->x1, spacing) << "tick " << k;
    }

    std::vector<const TextField*>& scale = numbers[axis];
    std::ranges::sort(scale, {}, [](const TextField* f) { return centreX(f->box); });
    ASSERT_EQ(scale.size(), ticks.size());
    for (std::size_t k = 0; k < scale.size(); ++k) {
      EXPECT_EQ(scale[k]->caption, std::to_string(k));
      EXPECT_EQ(scale[k]->align, Align::Centre) << k;
      EXPECT_NEAR(centreX(scale[k]->box), ticks[k]->x1, 1) << k;
      EXPECT_LE(scale[k]->box.width, spacing) << k;  // no number reaches over its neighbour's
    }
  }
}

TEST(NumberLineLayout, BothArrowHeadsPointOutwardsFromTheEndsOfTheLine) {
  const Page page = pageDefinition(PageKind::Form7).design();
  for (const Line* axis : axes(page)) {
    SCOPED_TRACE("line at " + std::to_string(axis->y1));
    const int y = axis->y1;
    for (const int tipX : {int(axisLeft(*axis)), int(axisRight(*axis))}) {
      SCOPED_TRACE("end at " + std::to_string(tipX));
      const int inwards = tipX == axisLeft(*axis) ? 1 : -1;
      // The arms: strokes other than the line itself that start or end at the tip.
      std::vector<std::pair<int, int>> armEnds;
      for (const Line& l : page.lines) {
        if (&l == axis) continue;
        if (l.x1 == tipX && l.y1 == y) armEnds.push_back({l.x2, l.y2});
        if (l.x2 == tipX && l.y2 == y) armEnds.push_back({l.x1, l.y1});
      }
      ASSERT_EQ(armEnds.size(), 2u);
      int above = 0, below = 0;
      for (const auto& [x, armY] : armEnds) {
        EXPECT_GT((x - tipX) * inwards, 0) << "an arm reaches out beyond the tip";
        EXPECT_GT(std::abs(armY - y), 0);
        EXPECT_EQ(std::abs(x - tipX), std::abs(armEnds[0].first - tipX)) << "lopsided head";
        (armY < y ? above : below) += 1;
      }
      EXPECT_EQ(above, 1);
      EXPECT_EQ(below, 1);
    }
  }
}

// The sign a row shows beside its lower operand, read from its strokes: '+', '-' or '?'.
char signOfRow(const Page& page, int row, const Line& axis) {
  const Box lower = page.text("Label4", row).box;
  std::vector<const Line*> across, upright;
  for (const Line& l : page.lines) {
    const double midY = (l.y1 + l.y2) / 2.0;
    if (std::min(l.x1, l.x2) <= axisRight(axis) || length(l) > 400) continue;
    if (midY < lower.top || midY >= lower.bottom()) continue;
    (horizontal(l) ? across : upright).push_back(&l);
  }
  if (across.size() != 1) return '?';
  const Line& h = *across[0];
  // The sign stands before the number, not under or behind its digits.
  if (std::max(h.x1, h.x2) > lower.left + 60) return '?';
  if (upright.empty()) return '-';
  if (upright.size() != 1 || !vertical(*upright[0])) return '?';
  const Line& v = *upright[0];
  const int third = std::abs(h.x2 - h.x1) / 3;
  const bool crossesMiddle =
      v.x1 > std::min(h.x1, h.x2) + third && v.x1 < std::max(h.x1, h.x2) - third &&
      std::min(v.y1, v.y2) < h.y1 - third && std::max(v.y1, v.y2) > h.y1 + third;
  return crossesMiddle ? '+' : '?';
}

TEST(NumberLineSheet, ThreeSumsOverThreeDifferencesEachSignAgreeingWithItsResult) {
  Generator random;
  const NumberText numbers{","};
  for (int sheet = 0; sheet < 12; ++sheet) {
    const Page page = drawnSheet(PageKind::Form7, random);
    const std::vector<const Line*> lines = axes(page);
    ASSERT_EQ(lines.size(), 6u);
    std::string signs;
    for (int r = 0; r < 6; ++r) {
      SCOPED_TRACE("sheet " + std::to_string(sheet) + " row " + std::to_string(r));
      // The row's operation stands beside its own number line.
      const Box upper = page.text("Label3", r).box, result = page.text("Label5", r).box;
      EXPECT_LT(std::abs(centreY(page.text("Label4", r).box) - lines[r]->y1), 500);
      // Units under units: the operands and the result share one right edge.
      for (const char* name : {"Label3", "Label4", "Label5"}) {
        EXPECT_EQ(page.text(name, r).align, Align::Right) << name;
        EXPECT_EQ(page.text(name, r).box.right(), upper.right()) << name;
      }
      EXPECT_GT(result.top, upper.top);
      const char sign = signOfRow(page, r, *lines[r]);
      signs += sign;
      const double a = numbers.read(page.text("Label3", r).caption);
      const double b = numbers.read(page.text("Label4", r).caption);
      const double shown = numbers.read(page.text("Label5", r).caption);
      EXPECT_GE(a, b);
      if (sign == '+') {
        EXPECT_EQ(shown, a + b);
      } else if (sign == '-') {
        EXPECT_EQ(shown, a - b);
      }
    }
    ASSERT_EQ(signs, "+++---");
  }
}

// ---- Ordering page ----

TEST(OrderingLayout, EveryProblemCarriesItsHalfsSignUnderItsOwnNumbers) {
  const Page page = pageDefinition(PageKind::Form8).design();
  // The two instructions, top to bottom, and the sign each asks for.
  std::vector<const TextField*> titles = {&page.text("Label1", 0), &page.text("Label1", 1)};
  std::ranges::sort(titles, {}, [](const TextField* t) { return t->box.top; });
  std::vector<char> asked;
  for (const TextField* title : titles) {
    const bool largestFirst = title->caption.find("BÜYÜKTEN KÜÇÜĞE") != std::string::npos;
    const bool smallestFirst = title->caption.find("KÜÇÜKTEN BÜYÜĞE") != std::string::npos;
    ASSERT_NE(largestFirst, smallestFirst) << title->caption;
    asked.push_back(largestFirst ? '>' : '<');
  }
  ASSERT_NE(asked[0], asked[1]);

  const char* const fields[] = {"Label2", "Label3", "Label4", "Label5"};
  int inHalf[2] = {0, 0};
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE("problem " + std::to_string(i));
    const TextField& first = page.text(fields[0], i);
    for (int f = 1; f < 4; ++f) {
      const TextField& number = page.text(fields[f], i);
      EXPECT_EQ(number.box.top, first.box.top) << fields[f];
      EXPECT_GE(centreX(number.box) - centreX(page.text(fields[f - 1], i).box), 1000) << fields[f];
    }
    const int half = first.box.top > titles[1]->box.bottom() ? 1 : 0;
    EXPECT_GT(first.box.top, titles[half]->box.bottom());
    ++inHalf[half];

    // The dotted line stands just below its numbers and reaches from the first to the last.
    const TextField& dots = page.text("Label6", i);
    EXPECT_GT(dots.box.top, first.box.top);
    EXPECT_LT(dots.box.top - first.box.top, 700);
    EXPECT_LE(dots.box.left, centreX(first.box));
    EXPECT_GE(dots.box.right(), centreX(page.text(fields[3], i).box));
    const char other = asked[half] == '>' ? '<' : '>';
    EXPECT_EQ(std::ranges::count(dots.caption, asked[half]), 3) << dots.caption;
    EXPECT_EQ(std::ranges::count(dots.caption, other), 0) << dots.caption;
    EXPECT_EQ(std::ranges::count(dots.caption, '.') + 3, std::ssize(dots.caption)) << dots.caption;
  }
  EXPECT_EQ(inHalf[0], 8);
  EXPECT_EQ(inHalf[1], 8);
}

// ---- Clock page ----

std::vector<const Picture*> clockFaces(const Page& page) {
  std::vector<const Picture*> faces;
  for (const Picture& p : page.pictures) {
    if (p.artwork == artwork::kClockFace) faces.push_back(&p);
  }
  std::ranges::sort(faces, {}, [](const Picture* p) { return p->index; });
  return faces;
}

TEST(ClockLayout, NineFacesStandInAThreeByThreeGridInReadingOrder) {
  const Page page = pageDefinition(PageKind::Form9).design();
  const std::vector<const Picture*> faces = clockFaces(page);
  ASSERT_EQ(faces.size(), 9u);
  std::set<int> tops, lefts;
  for (const Picture* face : faces) {
    tops.insert(face->box.top);
    lefts.insert(face->box.left);
  }
  ASSERT_EQ(tops.size(), 3u);
  ASSERT_EQ(lefts.size(), 3u);
  const std::vector<int> rowTops(tops.begin(), tops.end()), columnLefts(lefts.begin(), lefts.end());
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE("face " + std::to_string(k));
    EXPECT_EQ(faces[k]->index, k);
    EXPECT_EQ(faces[k]->box.top, rowTops[k / 3]);
    EXPECT_EQ(faces[k]->box.left, columnLefts[k % 3]);
    EXPECT_EQ(faces[k]->box.width, faces[0]->box.width);
    EXPECT_EQ(faces[k]->box.height, faces[0]->box.height);
    EXPECT_LE(faces[k]->box.right(), page.drawnArea().right());
    EXPECT_LE(faces[k]->box.bottom(), page.drawnArea().bottom());
    for (int j = 0; j < k; ++j) EXPECT_GT(gap(faces[k]->box, faces[j]->box), 0) << j;
  }
}

TEST(ClockLayout, EachTimeReadsAsOneGroupCentredJustBelowItsOwnFace) {
  const Page page = pageDefinition(PageKind::Form9).design();
  const std::vector<const Picture*> faces = clockFaces(page);
  ASSERT_EQ(faces.size(), 9u);
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE("clock " + std::to_string(k));
    const Box face = faces[k]->box;
    const TextField &hour = page.text("Label2", k), &colon = page.text("Label3", k),
                    &minute = page.text("Label4", k);
    EXPECT_EQ(colon.caption, ":");
    // "7 : 05": the hour runs up to the colon, the minute starts right after it.
    EXPECT_EQ(hour.align, Align::Right);
    EXPECT_EQ(colon.align, Align::Centre);
    EXPECT_EQ(minute.align, Align::Left);
    EXPECT_LT(hour.box.left, colon.box.left);
    EXPECT_LT(std::abs(hour.box.right() - centreX(colon.box)), 200);
    EXPECT_LT(std::abs(minute.box.left - centreX(colon.box)), 200);
    EXPECT_GT(minute.box.right(), colon.box.right());
    EXPECT_NEAR((hour.box.right() + minute.box.left) / 2.0, centreX(face), face.width / 10.0);
    EXPECT_NEAR(centreX(colon.box), centreX(face), face.width / 10.0);
    for (const TextField* part : {&hour, &colon, &minute}) {
      EXPECT_EQ(part->box.top, colon.box.top);
      EXPECT_GE(part->box.top, face.bottom()) << part->name;
      EXPECT_LT(part->box.top - face.bottom(), 400) << part->name;
      for (int j = 0; j < 9; ++j) {
        if (j == k) continue;
        EXPECT_LT(gap(part->box, face), gap(part->box, faces[j]->box))
            << part->name << " face " << j;
      }
    }
  }
}

TEST(ClockSheet, EachModeShowsOnlyItsOwnTimesAndEveryOneOfThemOverMany) {
  const std::set<std::string> everyHour = [] {
    std::set<std::string> hours;
    for (int h = 0; h < 24; ++h) hours.insert(std::to_string(h));
    return hours;
  }();
  const std::set<std::string> fullHours = {"1", "2", "3", "4",  "5",  "6",
                                           "7", "8", "9", "10", "11", "12"};
  const std::set<std::string> fives = {"00", "05", "10", "15", "20", "25",
                                       "30", "35", "40", "45", "50"};
  const struct {
    const char* mode;
    const std::set<std::string>& hours;
    std::set<std::string> minutes;
  } cases[] = {
      {"NORMAL", everyHour, fives},
      {"TAM", fullHours, {"00"}},
      {"TAMYARIMCEYREK", everyHour, {"00", "15", "30", "45"}},
  };
  Generator random;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    std::set<std::string> hours, minutes;
    for (int sheet = 0; sheet < 60; ++sheet) {
      const Page page = drawnSheet(PageKind::Form9, random, c.mode);
      for (int k = 0; k < 9; ++k) {
        hours.insert(page.text("Label2", k).caption);
        minutes.insert(page.text("Label4", k).caption);
      }
    }
    EXPECT_EQ(hours, c.hours);
    EXPECT_EQ(minutes, c.minutes);
  }
}

}  // namespace
}  // namespace ws
