#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "pages/hand_over.h"
#include "support/doubles.h"

namespace ws {
namespace {

std::vector<std::string> captions(const Page& page) {
  std::vector<std::string> all;
  for (const TextField& field : page.texts) all.push_back(field.caption);
  return all;
}

struct HandOverTest : testing::Test {
  ParameterBlock block;
  Generator generator;
  NumberText numbers{","};
  test::RecordingPrinter printer;
  test::RecordingPageHost host;
  size_t fronts = 0;
  PageFrame frame{LoadContext{block, generator, numbers}, printer, [this] { ++fronts; }};
  HandOver handOver{block, numbers, frame, host};

  HandOverTest() {
    block.set(Field::Label1, "2");  // a column addition of two 2-digit numbers
    block.set(Field::Label3, "2");
  }
};

TEST_F(HandOverTest, APreviewStaysOpenUnprintedUntilTheNextHandOverToItsPage) {
  block.set(Field::Label2, "E");
  handOver.run(PageKind::Form2, "0");
  handOver.run(PageKind::Form3, "0");
  EXPECT_TRUE(host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
  EXPECT_EQ(printer.printed.size() + fronts, 0u) << "a preview neither prints nor calls Form1 back";
  EXPECT_EQ(block.get(Field::Label9), "0");
  const std::vector<std::string> first = captions(host.open.at(PageKind::Form2));
  EXPECT_TRUE(host.open.at(PageKind::Form2).picture("Image1").visible);

  // Drawn anew from new answers: only a lone capital E shows pictures; mixed starts with a minus.
  block.set(Field::Label5, "2");
  block.set(Field::Label2, "E ");
  handOver.run(PageKind::Form2, "0");
  const Page& second = host.open.at(PageKind::Form2);
  EXPECT_EQ(host.unloads, 1);
  EXPECT_NE(captions(second), first);
  EXPECT_FALSE(second.line("Line2", 0).visible || second.picture("Image1").visible);

  handOver.run(PageKind::Form2, "2");  // closes the preview unprinted; the other page stays
  EXPECT_EQ(host.unloads, 2);
  EXPECT_EQ(printer.printed.size(), 2u);
  EXPECT_TRUE(!host.isOpen(PageKind::Form2) && host.isOpen(PageKind::Form3));
}

TEST_F(HandOverTest, ABatchPrintsEverySheetFreshlyDrawnUnlessTheFlagReadsOne) {
  const std::tuple<const char*, const char*, size_t> cases[] = {
      {"3", "Label9", 3}, {"2,5", "2", 2}, {"2", "1,0", 0}, {"-2", "0", 0}};
  for (auto [count, flag, sheets] : cases) {
    SCOPED_TRACE(std::string(count) + " " + flag);
    printer = {};
    fronts = 0;
    block.set(Field::Label9, flag);
    handOver.run(PageKind::Form2, count);
    EXPECT_EQ(printer.printed.size(), sheets);
    // One batch around its sheets, so that the printer tells what befell them once, at the end.
    EXPECT_EQ(printer.batches, count[0] == '-' ? 0 : 1);
    EXPECT_EQ(printer.printedInBatch, int(sheets));
    EXPECT_FALSE(printer.inBatch);
    EXPECT_EQ(fronts, sheets);
    EXPECT_TRUE(host.open.empty());
    EXPECT_EQ(block.get(Field::Label9), flag) << "a batch does not write the preview flag";
    for (size_t i = 1; i < printer.printed.size(); ++i) {
      EXPECT_NE(captions(printer.printed[i]), captions(printer.printed[i - 1]));
    }
  }
}

}  // namespace
}  // namespace ws
