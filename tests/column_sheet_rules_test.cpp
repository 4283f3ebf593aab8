#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/random.h"
#include "pages/page_frame.h"

// What a pupil checks on the colouring tables and the number-sense sheet, over many sheets of
// the program's own random series: every number in its range, every result in both clouds.
namespace ws {
namespace {

const NumberText kNumbers{","};

// `sheets` pages of one kind drawn one after another from one series, with `answers`.
std::vector<Page> sheets(PageKind kind, int count,
                         std::initializer_list<std::pair<Field, std::string>> answers) {
  ParameterBlock block;
  for (const auto& [field, text] : answers) block.set(field, text);
  Generator generator;
  std::vector<Page> pages;
  for (int i = 0; i < count; ++i) pages.push_back(drawPage(kind, {block, generator, kNumbers}));
  return pages;
}

double value(const Page& page, const char* name, int index) {
  return kNumbers.read(page.text(name, index).caption);
}

// The 16 results of one grid, worked out as the pupil does: the row number beside a cell with
// the column number over it, by the sign in that grid's box.
std::vector<std::string> gridResults(const Page& page, int grid) {
  const bool adds = page.text("Label4", grid).caption == "+";
  std::vector<std::string> results;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const double row = value(page, "Label3", 4 * grid + r);
      const double column = value(page, "Label2", 4 * grid + c);
      results.push_back(kNumbers.caption(adds ? row + column : row * column));
    }
  }
  return results;
}

TEST(ColouringTables, EachCloudHoldsEveryCellResultOfBothGridsOnce) {
  // Mixed, addition, multiplication, and an answer that is none of them (both grids add).
  for (const char* operation : {"0", "1", "2", "7"}) {
    SCOPED_TRACE(operation);
    int mixed = 0;
    for (const Page& page :
         sheets(PageKind::Form16, 20,
                {{Field::Label1, "1"}, {Field::Label3, "1"}, {Field::Label5, operation}})) {
      const std::string upper = page.text("Label4", 0).caption;
      const std::string lower = page.text("Label4", 1).caption;
      ASSERT_TRUE((upper == "+" || upper == "x") && (lower == "+" || lower == "x"));
      mixed += upper != lower;

      std::vector<std::string> expected = gridResults(page, 0);
      const std::vector<std::string> second = gridResults(page, 1);
      expected.insert(expected.end(), second.begin(), second.end());
      std::sort(expected.begin(), expected.end());
      for (int cloud = 0; cloud < 2; ++cloud) {
        std::vector<std::string> shown;
        for (int k = 0; k < 32; ++k) shown.push_back(page.text("Label5", 32 * cloud + k).caption);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, expected) << "cloud " << cloud;
      }
    }
    EXPECT_EQ(mixed, std::string(operation) == "0" ? 20 : 0);
  }
}

TEST(NumberSenseSheet, NumbersSpanTheirDigitCountAndComparedPairsAreDrawnApart) {
  for (const char* variant : {"10", "100", "TEKCIFT", "BUYUKESITKUCUK"}) {
    for (int digits : {1, 2}) {
      SCOPED_TRACE(std::string(variant) + " " + std::to_string(digits));
      const bool compare = std::string(variant) == "BUYUKESITKUCUK";
      std::vector<const char*> numbers{"Label2"};
      if (compare) numbers.push_back("Label4");
      const double largest = digits == 1 ? 10 : 100;
      std::vector<double> top(numbers.size(), 0);
      int equal = 0;
      for (const Page& page : sheets(PageKind::Form6, 10,
                                     {{Field::Label1, std::to_string(digits)},
                                      {Field::Label2, "H"},
                                      {Field::Label5, variant}})) {
        for (int i = 0; i < 54; ++i) {
          for (std::size_t n = 0; n < numbers.size(); ++n) {
            const double shown = value(page, numbers[n], i);
            EXPECT_TRUE(shown >= 0 && shown <= largest) << page.text(numbers[n], i).caption;
            top[n] = std::max(top[n], shown);
          }
          if (compare) equal += page.text("Label2", i).caption == page.text("Label4", i).caption;
        }
      }
      // 540 numbers from 0 to 10 or 100 on either side: the top of the range comes up too.
      EXPECT_EQ(top, std::vector<double>(numbers.size(), largest));
      // The two numbers of a row are independent: now and then equal, mostly not.
      if (compare) {
        EXPECT_TRUE(equal > 0 && equal < 540 / 4) << equal;
      }
    }
  }
}

// Only the single capital letter E shows a page's pictures, all of them, on every page that
// asks; the problems are drawn the same either way.
TEST(ColumnPictures, OnlyACapitalEShowsEveryPictureAndTheProblemsStayTheSame) {
  const PageKind kinds[] = {PageKind::Form2, PageKind::Form3,  PageKind::Form4, PageKind::Form5,
                            PageKind::Form6, PageKind::Form18, PageKind::Form19};
  for (PageKind kind : kinds) {
    std::vector<std::string> texts;
    for (const char* answer : {"E", "H", "e", " E", "Evet"}) {
      SCOPED_TRACE(std::string(formName(kind)) + " '" + answer + "'");
      const Page page = sheets(kind, 1,
                               {{Field::Label1, "2"},
                                {Field::Label3, "1"},
                                {Field::Label2, answer},
                                {Field::Label5, kind == PageKind::Form6 ? "10" : "0"}})
                            .front();
      ASSERT_FALSE(page.pictures.empty());
      for (const Picture& picture : page.pictures) {
        EXPECT_EQ(picture.visible, std::string(answer) == "E") << picture.name << picture.index;
      }
      std::string all;
      for (const TextField& field : page.texts) all += field.caption + "|";
      texts.push_back(all);
    }
    EXPECT_EQ(std::count(texts.begin(), texts.end(), texts.front()), 5);
  }
}

}  // namespace
}  // namespace ws
