#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "main_window/commands.h"
#include "main_window/text_sheets.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

// A side-by-side command run on scripted draws: the lines it appends to the text file.
struct SideBySide : testing::Test, test::TextInMemory {
  std::vector<std::string> run(std::string_view item, const std::vector<std::string>& answers,
                               const std::vector<float>& draws, const char* separator = ",") {
    lines.clear();
    const NumberText numbers(separator);
    test::ScriptedFractions fractions(draws);
    TextSheets(block, fractions, numbers, *this, *this, messages).run(*findCommand(item), answers);
    EXPECT_EQ(fractions.remaining(), 0u) << item;
    EXPECT_TRUE(messages.shown.empty()) << item;
    return lines;
  }

  ParameterBlock block;
  test::RecordingMessages messages;
};

// The places answer is read with the full stop whatever the user's separator, and rounded to
// a whole number with halves going to the even one. A fraction of .123456 of the bound 10 is
// 1.23456, so the number shows as many decimals as places were taken.
TEST_F(SideBySide, PlacesAnswersAreReadWithTheFullStopAndRoundHalvesToEven) {
  const std::pair<const char*, const char*> cases[] = {
      {"0.5", "1"},   {"1.5", "1,23"}, {"2.5", "1,23"}, {"3.5", "1,2346"}, {"2.49", "1,23"},
      {"1,5", "1,2"}, {"2,5", "1,23"}, {"Beş", "1"},    {"-2", "1"},       {" 2", "1,23"}};
  for (const auto& [places, shown] : cases) {
    SCOPED_TRACE(places);
    const std::vector<float> draws{0.123456f, 0.123456f};
    EXPECT_EQ(run("mnuyanyanaondalıktopla", {"1", places, "1", "0", "1"}, draws),
              std::vector<std::string>{std::string(shown) + "+1=..."});
    EXPECT_EQ(run("mnuyanyanaondalıktopla", {"1", "0", "1", places, "1"}, draws),
              std::vector<std::string>{"1+" + std::string(shown) + "=..."});
  }
}

// A digit count or a count typed with a plus sign is the number it shows: "+2" digits draw
// up to 100, as "2" does.
TEST_F(SideBySide, ASignedAnswerCountsAsTheNumberItShows) {
  const std::pair<const char*, double> fields[] = {
      {"+2", 2}, {" +2,5", 2.5}, {"+0", 0}, {"-+2", 0}, {"+", 0}};
  const NumberText numbers(",");
  for (const auto& [text, value] : fields) EXPECT_EQ(numbers.read(text), value) << text;
  EXPECT_EQ(run("mnuyanyanatoplama", {"+2", "+1", "+1"}, {0.47f, 0.3f}),
            std::vector<std::string>{"47+3=..."});
}

}  // namespace
}  // namespace ws
