#include "pages/page_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/hand_over.h"
#include "support/doubles.h"

namespace ws {
namespace {

using test::RecordingPageHost;
using test::RecordingPrinter;

// What a pupil reads on a sheet: every caption of its text fields, in order.
std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& field : page.texts) all.push_back(field.caption);
  return all;
}

// A column-addition command's answers in the parameter block, then the hand-over alone.
struct HandOverTest : testing::Test {
  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  RecordingPrinter printer;
  RecordingPageHost host;
  int fronts = 0;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [this] { ++fronts; }};
  HandOver handOver{block, numbers, frame, host};

  HandOverTest() {
    block.set(Field::Label1, "2");
    block.set(Field::Label3, "2");
    block.set(Field::Label2, "E");
    block.set(Field::Label5, "0");
  }
};

TEST_F(HandOverTest, PreviewLeavesOnePageOpenAndPrintsNothing) {
  handOver.run(PageKind::Form2, "0");
  EXPECT_EQ(host.open.size(), 1u);
  EXPECT_TRUE(host.isOpen(PageKind::Form2));
  EXPECT_TRUE(printer.printed.empty());
  EXPECT_EQ(fronts, 0) << "a previewed page must not send the main window to the front";
  EXPECT_EQ(block.get(Field::Label9), "0");
}

struct CountCase {
  const char* count;
  size_t sheets;
};

TEST_F(HandOverTest, BatchPrintsEverySheetFreshlyDrawnAndLeavesNoneOpen) {
  const CountCase cases[] = {{"1", 1}, {"3", 3}, {"2,5", 2}, {"-2", 0}, {"0,5", 0}};
  for (const CountCase& c : cases) {
    SCOPED_TRACE(c.count);
    printer.printed.clear();
    fronts = 0;
    handOver.run(PageKind::Form2, c.count);
    EXPECT_EQ(printer.printed.size(), c.sheets);
    EXPECT_EQ(fronts, static_cast<int>(c.sheets));
    EXPECT_TRUE(host.open.empty());
    EXPECT_EQ(block.get(Field::Label9), "Label9") << "a batch does not write the preview flag";
    for (size_t i = 1; i < printer.printed.size(); ++i) {
      EXPECT_NE(captions(printer.printed[i]), captions(printer.printed[i - 1]));
    }
  }
}

TEST_F(HandOverTest, BatchAfterPreviewClosesThePreviewUnprinted) {
  handOver.run(PageKind::Form2, "0");
  handOver.run(PageKind::Form2, "2");
  EXPECT_EQ(host.unloads, 1);
  EXPECT_TRUE(host.open.empty());
  ASSERT_EQ(printer.printed.size(), 2u);
  EXPECT_EQ(fronts, 2);
  // After a preview the flag reads "0", so the batch still prints.
  EXPECT_EQ(block.get(Field::Label9), "0");
}

TEST_F(HandOverTest, SecondPreviewReplacesTheFirstWithANewSheetOfTheNewVariant) {
  handOver.run(PageKind::Form2, "0");
  const Page first = host.open.at(PageKind::Form2);
  block.set(Field::Label5, "2");
  handOver.run(PageKind::Form2, "0");
  EXPECT_EQ(host.unloads, 1);
  ASSERT_EQ(host.open.size(), 1u);
  Page& second = host.open.at(PageKind::Form2);
  EXPECT_NE(captions(second), captions(first));
  EXPECT_FALSE(second.line("Line2", 0).visible) << "the mixed sheet's first sign is a minus";
  EXPECT_TRUE(printer.printed.empty());
}

TEST_F(HandOverTest, PreviewsOfDifferentPagesStandSideBySide) {
  handOver.run(PageKind::Form2, "0");
  handOver.run(PageKind::Form3, "0");
  EXPECT_TRUE(host.isOpen(PageKind::Form2));
  EXPECT_TRUE(host.isOpen(PageKind::Form3));
  EXPECT_EQ(host.unloads, 0);
}

struct FlagCase {
  const char* flag;
  bool prints;
};

TEST_F(HandOverTest, OnlyAPreviewFlagReadingOneHoldsThePrintBack) {
  const FlagCase cases[] = {{"1", false}, {" 1", false},    {"1,0", false}, {"1 tane", false},
                            {"0", true},  {"Label9", true}, {"", true},     {"2", true},
                            {"-1", true}, {"0,9", true}};
  for (const FlagCase& c : cases) {
    SCOPED_TRACE(c.flag);
    printer.printed.clear();
    fronts = 0;
    block.set(Field::Label9, c.flag);
    const Page page = frame.load(PageKind::Form2);
    ASSERT_EQ(printer.printed.size(), c.prints ? 1u : 0u);
    EXPECT_EQ(fronts, c.prints ? 1 : 0);
    if (c.prints) {
      EXPECT_EQ(captions(printer.printed[0]), captions(page));
    }
  }
}

struct SwitchCase {
  const char* answer;
  bool shows;
};

TEST(PictureSwitch, OnlyASingleCapitalEShowsThePictures) {
  const SwitchCase cases[] = {{"E", true},   {"H", false},    {"e", false}, {"E ", false},
                              {" E", false}, {"Evet", false}, {"", false},  {"1", false}};
  const NumberText numbers{","};
  std::vector<std::string> problemsWithPictures;
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.answer);
    ParameterBlock block;
    block.set(Field::Label1, "1");
    block.set(Field::Label3, "1");
    block.set(Field::Label5, "0");
    block.set(Field::Label2, c.answer);
    for (PageKind kind : {PageKind::Form2, PageKind::Form3}) {
      Generator generator;
      const Page page = drawPage(kind, LoadContext{block, generator, numbers});
      ASSERT_EQ(page.pictures.size(), 2u);
      for (const Picture& picture : page.pictures) EXPECT_EQ(picture.visible, c.shows);
      // The pictures change nothing of the problems.
      Generator same;
      block.set(Field::Label2, "E");
      EXPECT_EQ(captions(page), captions(drawPage(kind, LoadContext{block, same, numbers})));
      block.set(Field::Label2, c.answer);
    }
  }
}

TEST(PageFrame, EveryLoadStartsFromTheDesign) {
  ParameterBlock block;
  Generator generator;
  const NumberText numbers{","};
  RecordingPrinter printer;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, nullptr};
  block.set(Field::Label9, "1");
  block.set(Field::Label2, "H");
  block.set(Field::Label5, "2");
  Page mixed = frame.load(PageKind::Form2);
  EXPECT_FALSE(mixed.line("Line2", 0).visible);

  block.set(Field::Label2, "E");
  block.set(Field::Label5, "0");
  const Page plain = frame.load(PageKind::Form2);
  for (const Line& line : plain.lines) EXPECT_TRUE(line.visible) << line.name << line.index;
  for (const Picture& picture : plain.pictures) EXPECT_TRUE(picture.visible);
}

}  // namespace
}  // namespace ws
