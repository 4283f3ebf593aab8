#include "main_window/text_sheets.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "main_window/commands.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

namespace fs = std::filesystem;

// The text sheets on a real file in a fresh folder; the fixture stands in for the editor.
class TextSheetsOnDisk : public testing::Test, public Editor {
 protected:
  std::optional<std::string> start(const std::string& path, Failed) override {
    started_.push_back(path);
    return std::nullopt;
  }
  ~TextSheetsOnDisk() override { fs::remove_all(dir_); }

  // Runs a command on `file`; what the file in the test's folder then holds.
  std::string run(std::string_view item, const std::vector<std::string>& answers,
                  FractionSource& random, TextFile& file) {
    TextSheets(block_, random, numbers_, file, *this, messages_).run(*findCommand(item), answers);
    if (!fs::is_regular_file(path_)) return "(no file)";
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  const fs::path dir_ =
      mkdtemp((fs::temp_directory_path() / "ruvakto-test-XXXXXX").string().data());
  const fs::path path_ = dir_ / "ruvakto.txt";
  ParameterBlock block_;
  NumberText numbers_{","};
  AppendingTextFile file_{path_};
  std::vector<std::string> started_;  // the paths the editor was started on
  test::RecordingMessages messages_;
};

TEST_F(TextSheetsOnDisk, EveryKindWritesItsLinesFromItsDrawsInOrder) {
  // Each draw is the fraction of its operand's bound: with 1 and 2 digits .3 is 3, .47 is 47.
  struct Case {
    std::string_view item;
    std::vector<std::string> answers;
    std::vector<float> draws;
    std::string lines;
    std::string separator = ",";
  } cases[] = {
      // clang-format off
      {"mnuyanyanabilincarpma", {"1", "1", "0"}, {}, ""},  // no lines, yet the file is made
      {"mnuyanyanatoplama", {"1", "2", "1"}, {.3, .47}, "3+47=...\r\n"},
      {"mnuyanyanaçıkarma", {"1", "2", "1"}, {.3, .47}, "47-3=...\r\n"},
      {"mnuyanyanacarpma", {"1", "2", "1"}, {.3, .47}, "3x47=...\r\n"},
      {"mnuyanyanabolme", {"1", "2", "1"}, {.7, 0, .3, .47}, "47/3=...\r\n"},  // 7/0 drawn again
      {"mnuyanyanatoplamabilin", {"1", "1", "2"}, {.4, .5, .2, .3, .7, .1, .1, .2, .3, .4, 1, 0},
       "4+5=...\r\n...+3=5\r\n7+...=8\r\n1+2=...\r\n...+4=7\r\n10+...=10\r\n"},
      {"mnuYanyanabilinmeyenliçıkarma", {"1", "1", "1"}, {.4, .5, .2, .3, .5, .5},
       "5-4=...\r\n...-2=1\r\n5-...=0\r\n"},
      {"mnuyanyanabilincarpma", {"1", "1", "1"}, {.4, .5, 0, .3, .7, .1},
       "5x4=...\r\n...x0=0\r\n7x...=7\r\n"},
      {"mnuyanyanabilinmeyenbolme", {"1", "1", "1"}, {.4, .5, 0, .3, .2, .3, 0, .6, .1, .7},
       "20/4=...\r\n.../2=3\r\n7/...=7\r\n"},  // the product is the dividend; divisors 0 redrawn
      {"mnuyanyanaondalıkcarp", {"1", "1", "2", "2", "1"}, {.01, .003}, "0,3x0,1=...\r\n"},
      {"mnuyanyanaondalıkcıkar", {"1", "1", "1", "1", "1"}, {.25, .75}, "7,5-2,5=...\r\n"},
      {"mnuyanyanaondalıktopla", {"1", "1", "2", "2", "1"}, {.15, .1225}, "1,5+12,25=...\r\n"},
      {"mnuyanyanaondalıktoplamabil", {"1", "2", "1", "2", "1"}, {.42, .135, .01, .02, .3, .68},
       "4,2+1,35=...\r\n...+0,2=0,3\r\n3+...=9,8\r\n"},
      {"mnuonyuzbincarpma", {"2", "1"}, {.47, .05, .93},
       "47x10=...\r\n5x100=...\r\n93x1000=...\r\n"},
      {"mnuyanyanaondalıkbolme", {"1", "3.7", "0", "0", "2,5"}, {.123456, 0, .123456, .75, .5, .75},
       "1,2346/1=...\r\n5/1=...\r\n"},  // places are typed with a full stop
      {"mnuyanyanaondalıkbolme", {"1", "3,7", "0", "1", "1"}, {.123456, .04, .123456, .07},
       "1.235/0.1=...\r\n", "."},  // 0.04 shows as 0: drawn again
      // clang-format on
  };
  std::string expected;  // each command's lines directly behind those of the one before
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.answers[1]);
    numbers_ = NumberText(c.separator);
    test::ScriptedFractions fractions(c.draws);
    const std::string written = run(c.item, c.answers, fractions, file_);
    expected += c.lines;
    EXPECT_EQ(written, expected);
    EXPECT_EQ(fractions.remaining(), 0u);
  }
  EXPECT_EQ(started_, std::vector<std::string>(std::size(cases), path_.string()));
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(TextSheetsOnDisk, NoDivisionLineDividesByZero) {
  using Answers = std::vector<std::string>;
  const std::pair<std::string_view, Answers> runs[] = {
      {"mnuyanyanabolme", {"0", "0", "1000"}},
      {"mnuyanyanabolme", {"1", "0", "1000"}},
      {"mnuyanyanabilinmeyenbolme", {"0", "0", "1000"}},
      {"mnuyanyanabilinmeyenbolme", {"0", "1", "1000"}},
      {"mnuyanyanaondalıkbolme", {"0", "0", "0", "0", "1000"}},
      {"mnuyanyanaondalıkbolme", {"0", "1", "1", "1", "1000"}},  // 0,04 shows as 0
  };
  Generator generator;
  std::string written;
  for (const auto& [item, answers] : runs) written = run(item, answers, generator, file_);

  std::istringstream lines(written);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    const std::size_t slash = line.find('/'), equals = line.find('=');
    const std::string dividend = line.substr(0, slash);
    const std::string divisor = line.substr(slash + 1, equals - slash - 1);
    const std::string quotient = line.substr(equals + 1);
    if (divisor == "...") {
      // Dividend 0 over a divisor not 0 leaves only the quotient 0.
      EXPECT_TRUE(numbers_.read(dividend) != 0 || numbers_.read(quotient) == 0) << line;
    } else {
      EXPECT_NE(numbers_.read(divisor), 0) << line;
    }
  }
  EXPECT_EQ(count, 10000);
}

}  // namespace
}  // namespace ws
