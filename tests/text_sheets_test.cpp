#include "main_window/text_sheets.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "main_window/command_runner.h"
#include "main_window/commands.h"
#include "main_window/text_file.h"
#include "pages/hand_over.h"
#include "support/doubles.h"
#include "support/scripted_fractions.h"

namespace ws {
namespace {

namespace fs = std::filesystem;
using test::ScriptedFractions;

// The file kept in memory: the lines written between one open and its close.
class MemoryTextFile final : public TextFile {
 public:
  std::string path() const override { return "/home/ogretmen/ruvakto.txt"; }
  std::optional<std::string> open() override {
    ++opens;
    if (openFailure) return openFailure;
    isOpen = true;
    return std::nullopt;
  }
  void writeLine(std::string_view line) override {
    EXPECT_TRUE(isOpen) << "a line written outside open and close";
    lines.emplace_back(line);
  }
  std::optional<std::string> close() override {
    EXPECT_TRUE(isOpen);
    isOpen = false;
    ++closes;
    return std::nullopt;
  }

  std::vector<std::string> lines;
  int opens = 0;
  int closes = 0;
  bool isOpen = false;
  std::optional<std::string> openFailure;
};

class RecordingEditor final : public Editor {
 public:
  std::optional<std::string> start(const std::string& path) override {
    started.push_back(path);
    return failure;
  }
  std::vector<std::string> started;
  std::optional<std::string> failure;
};

struct Draw {
  double value;
  double bound;
  int places = 0;
};

// A fraction that a draw with this bound and these places turns into the value.
float fractionFor(const Draw& draw) {
  double step = 1;
  for (int i = 0; i < draw.places; ++i) step /= 10;
  const float u = static_cast<float>((draw.value + step / 4) / draw.bound);
  return u < 1.0f ? u : std::nextafter(1.0f, 0.0f);
}

std::vector<float> fractionsFor(const std::vector<Draw>& draws) {
  std::vector<float> fractions;
  for (const Draw& draw : draws) fractions.push_back(fractionFor(draw));
  return fractions;
}

std::vector<std::string> fieldsOf(const ParameterBlock& block) {
  std::vector<std::string> texts;
  for (Field f : {Field::Label1, Field::Label2, Field::Label3, Field::Label4, Field::Label5,
                  Field::Label8, Field::Label9}) {
    texts.push_back(block.get(f));
  }
  return texts;
}

// One text sheet run straight, with the file and the editor as doubles.
struct Bench {
  ParameterBlock block;
  NumberText numbers{","};
  MemoryTextFile file;
  RecordingEditor editor;
  test::RecordingMessages messages;

  void run(std::string_view item, const std::vector<std::string>& answers, FractionSource& random,
           TextFile* realFile = nullptr) {
    const Command* command = findCommand(item);
    ASSERT_NE(command, nullptr) << item;
    ASSERT_TRUE(command->isTextSheet()) << item;
    TextSheets sheets(block, random, numbers, realFile ? *realFile : file, editor, messages);
    sheets.run(*command, answers);
  }
};

struct KindCase {
  std::string_view item;
  std::vector<std::string> answers;
  std::vector<Draw> draws;
  std::vector<std::string> lines;
  std::string label1, label3, label5;
};

TEST(TextSheets, EveryKindWritesItsLinesFromItsDrawsInOrder) {
  const std::string untouched = ParameterBlock().get(Field::Label5);
  const KindCase cases[] = {
      // The additions and the open multiplication keep the second number where it was drawn.
      {"mnuyanyanatoplama",
       {"1", "2", "1"},
       {{3, 10}, {47, 100}},
       {"3+47=..."},
       "3",
       "47",
       untouched},
      {"mnuyanyanaçıkarma",
       {"1", "2", "1"},
       {{3, 10}, {47, 100}},
       {"47-3=..."},
       "47",
       "3",
       untouched},
      {"mnuyanyanacarpma",
       {"1", "2", "1"},
       {{3, 10}, {47, 100}},
       {"3x47=..."},
       "3",
       "47",
       untouched},
      {"mnuyanyanabolme", {"1", "2", "1"}, {{7, 10}, {0, 100}}, {"7/0=..."}, "7", "0", untouched},
      {"mnuyanyanatoplamabilin",
       {"1", "1", "1"},
       {{4, 10}, {5, 10}, {2, 10}, {3, 10}, {7, 10}, {1, 10}},
       {"4+5=...", "...+3=5", "7+...=8"},
       "7",
       "1",
       "8"},
      {"mnuYanyanabilinmeyenliçıkarma",
       {"1", "1", "1"},
       {{4, 10}, {5, 10}, {2, 10}, {3, 10}, {7, 10}, {1, 10}},
       {"5-4=...", "...-2=1", "7-...=6"},
       "7",
       "1",
       "6"},
      {"mnuyanyanabilincarpma",
       {"1", "1", "1"},
       {{4, 10}, {5, 10}, {0, 10}, {3, 10}, {7, 10}, {1, 10}},
       {"5x4=...", "...x0=0", "7x...=7"},
       "7",
       "1",
       "7"},
      // The product is the dividend: the quotient, then the dividend, then the divisor asked.
      {"mnuyanyanabilinmeyenbolme",
       {"1", "1", "1"},
       {{4, 10}, {5, 10}, {0, 10}, {3, 10}, {6, 10}, {6, 10}},
       {"20/4=...", ".../0=3", "36/...=6"},
       "6",
       "6",
       "36"},
      {"mnuyanyanaondalıkbolme",
       {"1", "1", "2", "2", "1"},
       {{7.5, 10, 1}, {0, 100, 2}},
       {"7,5/0=..."},
       "7,5",
       "0",
       untouched},
      // Unlike its whole twin, the decimal multiplication puts the larger number first.
      {"mnuyanyanaondalıkcarp",
       {"1", "1", "2", "2", "1"},
       {{2.5, 10, 1}, {12.75, 100, 2}},
       {"12,75x2,5=..."},
       "12,75",
       "2,5",
       untouched},
      {"mnuyanyanaondalıkcıkar",
       {"1", "1", "1", "1", "1"},
       {{2.5, 10, 1}, {2.5, 10, 1}},
       {"2,5-2,5=..."},
       "2,5",
       "2,5",
       untouched},
      {"mnuyanyanaondalıktopla",
       {"1", "1", "2", "2", "1"},
       {{1.5, 10, 1}, {12.25, 100, 2}},
       {"1,5+12,25=..."},
       "1,5",
       "12,25",
       untouched},
      {"mnuyanyanaondalıktoplamabil",
       {"1", "2", "1", "2", "1"},
       {{4.2, 10, 2}, {1.35, 10, 2}, {0.1, 10, 2}, {0.2, 10, 2}, {2.25, 10, 2}, {6.8, 10, 2}},
       {"4,2+1,35=...", "...+0,2=0,3", "2,25+...=9,05"},
       "2,25",
       "6,8",
       "9,05"},
      {"mnuonyuzbincarpma",
       {"2", "1"},
       {{47, 100}, {5, 100}, {93, 100}},
       {"47x10=...", "5x100=...", "93x1000=..."},
       "93",
       "1000",
       "..."},
  };
  for (const KindCase& c : cases) {
    SCOPED_TRACE(std::string(c.item));
    Bench bench;
    bench.block.set(Field::Label2, "E");
    bench.block.set(Field::Label9, "0");
    const std::vector<std::string> before = fieldsOf(bench.block);
    ScriptedFractions fractions(fractionsFor(c.draws));
    bench.run(c.item, c.answers, fractions);

    EXPECT_EQ(bench.file.lines, c.lines);
    EXPECT_EQ(fractions.remaining(), 0u);
    EXPECT_EQ(bench.block.get(Field::Label1), c.label1);
    EXPECT_EQ(bench.block.get(Field::Label3), c.label3);
    EXPECT_EQ(bench.block.get(Field::Label5), c.label5);
    const std::vector<std::string> after = fieldsOf(bench.block);
    for (std::size_t other : {1u, 3u, 5u, 6u}) EXPECT_EQ(after[other], before[other]) << other;
    EXPECT_EQ(bench.file.opens, 1);
    EXPECT_EQ(bench.file.closes, 1);
    EXPECT_EQ(bench.editor.started, std::vector<std::string>{"/home/ogretmen/ruvakto.txt"});
    EXPECT_TRUE(bench.messages.shown.empty());
  }
}

TEST(TextSheets, EveryRepetitionOfAMissingNumberKindDrawsItsOwnSixNumbers) {
  Bench bench;
  ScriptedFractions fractions(fractionsFor({{1, 10},
                                            {2, 10},
                                            {3, 10},
                                            {4, 10},
                                            {5, 10},
                                            {6, 10},
                                            {7, 10},
                                            {8, 10},
                                            {9, 10},
                                            {10, 10},
                                            {0, 10},
                                            {10, 10}}));
  bench.run("mnuyanyanatoplamabilin", {"1", "1", "2"}, fractions);
  EXPECT_EQ(bench.file.lines, (std::vector<std::string>{"1+2=...", "...+4=7", "5+...=11", "7+8=...",
                                                        "...+10=19", "0+...=10"}));
  EXPECT_EQ(fractions.remaining(), 0u);
}

TEST(TextSheets, TheExactDivisionWithADivisorOfZeroHasTheDividendZero) {
  Bench bench;
  ScriptedFractions fractions(fractionsFor({{7, 10}, {0, 10}, {7, 10}, {0, 10}, {0, 10}, {7, 10}}));
  bench.run("mnuyanyanabilinmeyenbolme", {"1", "1", "1"}, fractions);
  EXPECT_EQ(bench.file.lines, (std::vector<std::string>{"0/0=...", ".../0=7", "0/...=7"}));
  EXPECT_EQ(bench.block.get(Field::Label5), "0");
}

TEST(TextSheets, TheCountIsReadAsTheNumberItStartsWith) {
  const std::pair<std::string, int> cases[] = {{"0", 0},  {"2", 2},   {"2,5", 2},   {" 3", 3},
                                               {"-3", 0}, {"abc", 0}, {"1 tane", 1}};
  for (const auto& [count, repetitions] : cases) {
    SCOPED_TRACE(count);
    Bench bench;
    ScriptedFractions fractions(std::vector<float>(3 * repetitions, 0.5f));
    bench.run("mnuonyuzbincarpma", {"1", count}, fractions);
    EXPECT_EQ(bench.file.lines.size(), 3u * repetitions);
    EXPECT_EQ(fractions.remaining(), 0u);
    // Even with nothing to write the file is opened and shown.
    EXPECT_EQ(bench.file.opens, 1);
    EXPECT_EQ(bench.editor.started.size(), 1u);
  }
}

TEST(TextSheets, DecimalPlacesAreReadWithTheFullStopAndRoundedHalfToEven) {
  // 0.123456 of a bound of 10, drawn with the places that the answer gives.
  const std::pair<std::string, std::string> cases[] = {
      {"2", "1,23"},     {"2.5", "1,23"}, {"3.5", "1,2346"}, {"3,7", "1,235"},
      {"3.7", "1,2346"}, {"abc", "1"},    {"-1", "1"},       {"0", "1"}};
  for (const auto& [places, first] : cases) {
    SCOPED_TRACE(places);
    Bench bench;
    ScriptedFractions fractions({0.123456f, 0.0f});
    bench.run("mnuyanyanaondalıkbolme", {"1", places, "0", "0", "1"}, fractions);
    EXPECT_EQ(bench.file.lines, std::vector<std::string>{first + "/0=..."});
  }
}

TEST(TextSheets, NumbersCarryTheUsersDecimalSeparator) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {",", {"12,75x2,5=...", "0,3x0,1=..."}}, {".", {"12.75x2.5=...", "0.3x0.1=..."}}};
  for (const auto& [separator, lines] : cases) {
    SCOPED_TRACE(separator);
    Bench bench;
    bench.numbers = NumberText(separator);
    ScriptedFractions fractions(
        fractionsFor({{2.5, 10, 1}, {12.75, 100, 2}, {0.1, 10, 1}, {0.3, 100, 2}}));
    bench.run("mnuyanyanaondalıkcarp", {"1", "1", "2", "2", "2"}, fractions);
    EXPECT_EQ(bench.file.lines, lines);
  }
}

TEST(TextSheets, AFileThatCannotBeOpenedIsReportedBeforeAnythingIsDrawn) {
  Bench bench;
  bench.file.openFailure = "Permission denied";
  const std::vector<std::string> before = fieldsOf(bench.block);
  ScriptedFractions fractions({});
  bench.run("mnuyanyanatoplama", {"1", "1", "5"}, fractions);

  EXPECT_EQ(fieldsOf(bench.block), before);
  EXPECT_TRUE(bench.editor.started.empty());
  ASSERT_EQ(bench.messages.shown.size(), 1u);
  EXPECT_EQ(bench.messages.shown[0].first, "YAN YANA DOĞAL SAYILAR TOPLAMA");
  EXPECT_NE(bench.messages.shown[0].second.find("\"/home/ogretmen/ruvakto.txt\""),
            std::string::npos);
  EXPECT_NE(bench.messages.shown[0].second.find("Permission denied"), std::string::npos);
}

TEST(TextSheets, AnEditorThatCannotStartIsReportedWithTheFilesFullPath) {
  Bench bench;
  bench.editor.failure = "execv: No such file or directory";
  ScriptedFractions fractions(std::vector<float>(2, 0.5f));
  bench.run("mnuyanyanatoplama", {"1", "1", "1"}, fractions);
  EXPECT_EQ(bench.file.lines.size(), 1u);
  ASSERT_EQ(bench.messages.shown.size(), 1u);
  const std::string& text = bench.messages.shown[0].second;
  EXPECT_NE(text.find("\"/home/ogretmen/ruvakto.txt\""), std::string::npos) << text;
  EXPECT_NE(text.find("execv: No such file or directory"), std::string::npos) << text;
}

TEST(TextSheets, ACancelAtAnyQuestionTouchesNeitherFileNorFields) {
  for (const Command* command : allCommands()) {
    if (!command->isTextSheet()) continue;
    for (std::size_t cancelAt = 0; cancelAt < command->questions.size(); ++cancelAt) {
      SCOPED_TRACE(std::string(command->item) + " cancelled at " + std::to_string(cancelAt));
      Bench bench;
      ScriptedFractions fractions({});
      test::RecordingPrinter printer;
      test::RecordingPageHost host;
      PageFrame frame(LoadContext{bench.block, fractions, bench.numbers}, printer, [] {});
      HandOver handOver(bench.block, bench.numbers, frame, host);
      TextSheets sheets(bench.block, fractions, bench.numbers, bench.file, bench.editor,
                        bench.messages);
      std::vector<std::string> answers(cancelAt, "1");
      answers.push_back("");
      test::ScriptedQuestioner questioner(answers);
      CommandRunner runner(bench.block, bench.numbers, questioner, bench.messages, handOver,
                           sheets);
      const std::vector<std::string> before = fieldsOf(bench.block);
      runner.run(*command);

      EXPECT_EQ(questioner.asked.size(), cancelAt + 1);
      EXPECT_EQ(bench.file.opens, 0);
      EXPECT_TRUE(bench.editor.started.empty());
      EXPECT_EQ(fieldsOf(bench.block), before);
      EXPECT_TRUE(bench.messages.shown.empty());
    }
  }
}

// The real file in a fresh current directory.
class TextFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "ruvakto-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    previous_ = fs::current_path();
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }

  static std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  fs::path file() const { return dir_ / "ruvakto.txt"; }

  fs::path dir_, previous_;
  Bench bench_;
  AppendingTextFile textFile_;
};

TEST_F(TextFileOnDisk, ACountOfZeroCreatesTheMissingFileAndOpensTheEditorOnIt) {
  ScriptedFractions fractions({});
  bench_.run("mnuyanyanabilincarpma", {"1", "1", "0"}, fractions, &textFile_);
  ASSERT_TRUE(fs::is_regular_file(file()));
  EXPECT_EQ(fs::file_size(file()), 0u);
  EXPECT_EQ(bench_.editor.started, std::vector<std::string>{file().string()});
}

TEST_F(TextFileOnDisk, CommandsAppendBehindWhatTheFileHoldsWithCrLfLineEnds) {
  // A last line without its line end, as an editor may leave it, is appended to as it is.
  writeFile(file(), "1+1=...\r\n2+2=");
  ScriptedFractions fractions(
      fractionsFor({{3, 10}, {47, 100}, {10, 10}, {10, 100}, {5, 10}, {0, 10}, {10, 10}}));
  bench_.run("mnuyanyanatoplama", {"1", "2", "2"}, fractions, &textFile_);
  bench_.run("mnuonyuzbincarpma", {"1", "0,5"}, fractions, &textFile_);
  bench_.run("mnuonyuzbincarpma", {"1", "1"}, fractions, &textFile_);
  EXPECT_EQ(contents(file()),
            "1+1=...\r\n2+2=3+47=...\r\n10+10=...\r\n5x10=...\r\n0x100=...\r\n10x1000=...\r\n");
  EXPECT_EQ(bench_.editor.started.size(), 3u);
}

TEST_F(TextFileOnDisk, AFolderInTheFilesPlaceIsReportedWithTheSystemsReason) {
  fs::create_directory(file());
  const std::vector<std::string> before = fieldsOf(bench_.block);
  ScriptedFractions fractions({});
  bench_.run("mnuyanyanatoplama", {"1", "1", "3"}, fractions, &textFile_);

  ASSERT_EQ(bench_.messages.shown.size(), 1u);
  const std::string& text = bench_.messages.shown[0].second;
  EXPECT_NE(text.find(file().string()), std::string::npos) << text;
  EXPECT_NE(text.find(std::generic_category().message(EISDIR)), std::string::npos) << text;
  EXPECT_TRUE(bench_.editor.started.empty());
  EXPECT_EQ(fieldsOf(bench_.block), before);
  EXPECT_TRUE(fs::is_empty(file()));
}

TEST_F(TextFileOnDisk, AFullDiskIsReportedAndStartsNoEditor) {
  AppendingTextFile full("/dev/full");
  ScriptedFractions fractions(std::vector<float>(2, 0.5f));
  bench_.run("mnuyanyanatoplama", {"1", "1", "1"}, fractions, &full);
  ASSERT_EQ(bench_.messages.shown.size(), 1u);
  const std::string& text = bench_.messages.shown[0].second;
  EXPECT_NE(text.find("/dev/full"), std::string::npos) << text;
  EXPECT_NE(text.find(std::generic_category().message(ENOSPC)), std::string::npos) << text;
  EXPECT_TRUE(bench_.editor.started.empty());
}

// Lowers the largest file this process may write, so that a write stops part way.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = SIG_DFL;
};

TEST_F(TextFileOnDisk, AWriteThatStopsPartWayLeavesTheFileAsItWas) {
  const std::string earlier = "1+1=...\r\n";
  writeFile(file(), earlier);
  Generator generator;
  {
    FileSizeLimit limit(64);
    bench_.run("mnuonyuzbincarpma", {"3", "100"}, generator, &textFile_);
  }
  EXPECT_EQ(contents(file()), earlier);
  ASSERT_EQ(bench_.messages.shown.size(), 1u);
  EXPECT_NE(bench_.messages.shown[0].second.find(std::generic_category().message(EFBIG)),
            std::string::npos);
  EXPECT_TRUE(bench_.editor.started.empty());

  // A file that the failed command would have created is not left behind.
  fs::remove(file());
  {
    FileSizeLimit limit(64);
    bench_.run("mnuonyuzbincarpma", {"3", "100"}, generator, &textFile_);
  }
  EXPECT_FALSE(fs::exists(file()));
}

}  // namespace
}  // namespace ws
