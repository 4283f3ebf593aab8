#include "main_window/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "main_window/command_runner.h"
#include "main_window/text_sheets.h"
#include "support/doubles.h"

namespace ws {
namespace {

// The program's side of one command from a fresh start: the generator in its first state, and the
// text file, editor, windows and printer replaced.
struct Program final : test::TextInMemory, PagePrinter {
  struct FirstSheet {};
  void print(const Page&) override {
    ++printed;
    if (stopAtFirstSheet) throw FirstSheet{};
  }

  // A question beyond the script fails the test.
  void run(std::string_view item, std::vector<std::string> answers) {
    questioner.script(std::move(answers));
    runner.run(*findCommand(item));
  }
  bool madeNothing() const { return opened == 0 && printed == 0 && host.open.empty(); }

  ParameterBlock block;
  Generator random;
  NumberText numbers{","};
  test::ScriptedQuestioner questioner;
  test::RecordingMessages messages;
  test::RecordingPageHost host;
  TextSheets textSheets{block, random, numbers, *this, *this, messages};
  PageFrame frame{LoadContext{block, random, numbers}, *this, {}};
  HandOver handOver{block, numbers, frame, host};
  CommandRunner runner{block, numbers, questioner, messages, handOver, textSheets};
  int printed = 0;
  bool stopAtFirstSheet = false;  // thousands of sheets would take seconds
};

// Every question by a short name, with its prompt and default answer; the count's default
// depends on the command.
struct QuestionText {
  const char *prompt, *defaultAnswer;
};
const std::map<std::string, QuestionText> kQuestions{
    {"D1", {"Birinci sayının basamak sayısı kaç?", "1"}},
    {"P1", {"Birinci sayının ondalık basamak sayısı kaç?", "1"}},
    {"D2", {"İkinci sayının basamak sayısı kaç?", "1"}},
    {"P2", {"İkinci sayının ondalık basamak sayısı kaç?", "1"}},
    {"D3", {"Üçüncü sayının basamak sayısı kaç?", "1"}},
    {"Add", {"Toplanan sayının basamak sayısı kaç?", "1"}},
    {"Sum", {"Toplam olan sayının basamak sayısı kaç?", "1"}},
    {"Sub", {"Çıkan sayının basamak sayısı kaç?", "1"}},
    {"Dif", {"Kalan sayının basamak sayısı kaç?", "1"}},
    {"Op", {"İşlem hangisi (0-karışık, 1-Toplama, 2-Çarpma?", "0"}},
    {"Start", {"Sayı en fazla kaçtan başlasın?", "1"}},
    {"End", {"Sayı en fazla kaçta bitsin?", "100"}},
    {"Step", {"Sayı örüntüleri en fazla kaçarlı olsun?", "5"}},
    {"Period", {"Şekil örüntüleri en fazla kaçarlı olsun?", "4"}},
    {"E", {"Resimli olsun mu (E,H)?", "E"}},
    {"N", {"Kaç tane hazırlansın?", nullptr}},
};
const std::set<std::string> kDigitCounts{"D1", "D2", "D3", "Add", "Sum", "Sub", "Dif"};

// Two answers for each question that are sensible for every command asking it; the first ones
// differ from each other within every command, so an answer in the wrong field shows.
const std::map<std::string, std::pair<std::string, std::string>> kAnswers{
    {"D1", {"3", "2"}},   {"P1", {"2", "1"}},     {"D2", {"1", "2"}},     {"P2", {"4", "1"}},
    {"D3", {"2", "1"}},   {"Add", {"1", "2"}},    {"Sum", {"3", "2"}},    {"Sub", {"2", "1"}},
    {"Dif", {"1", "3"}},  {"Op", {"2", "1"}},     {"Start", {"7", "20"}}, {"End", {"30", "50"}},
    {"Step", {"3", "6"}}, {"Period", {"3", "4"}}, {"E", {"e", "E"}},
};

// One row per menu command, in menu order: its sheet title, its questions in order ("D1>1": the
// first digit count, its answer into Label1), the count's default, the constants it writes once
// the count is answered ("5=1": "1" into Label5) and what it makes.
struct Row {
  const char *item, *title, *questions, *countDefault, *constants, *output;
};
// clang-format off
const Row kCommands[] = {
    {"mnuyanyanatoplama", "YAN YANA DOĞAL SAYILAR TOPLAMA", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanatoplamabilin", "YAN YANA DOĞAL SAYILAR TOPLAMA", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanaondalıktopla", "YAN YANA ONDALIK SAYILAR TOPLAMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"mnuyanyanaondalıktoplamabil", "YAN YANA ONDALIK SAYILAR TOPLAMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"mnualtaltatoplama", "ALT ALTA DOĞAL SAYILAR TOPLAMA", "D1>1 D2>3 E>2 N", "0", "5=0", "Form2"},
    {"mnualtaltabilintoplama", "ALT ALTA DOĞAL SAYILAR TOPLAMA", "D1>1 D2>3 E>2 N", "0", "5=1", "Form2"},
    {"mnutoplamaçıkarma", "ALT ALTA DOĞAL SAYILAR TOPLAMA-ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=2", "Form2"},
    {"mnualtaltaondalıktoplama", "ALT ALTA ONDALIK SAYILAR TOPLAMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form18"},
    {"mnusekillitoplacıkar", "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA-ÇIKARMA", "D1>1 D2>3 N", "0", "", "Form15"},
    {"mnusekillitoplama", "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA", "Add>1 Sum>3 N", "0", "", "Form13"},
    {"mnuyanyanaçıkarma", "YAN YANA DOĞAL SAYILAR ÇIKARMA", "D1 D2 N", "1", "", "text"},
    {"mnuYanyanabilinmeyenliçıkarma", "YAN YANA DOĞAL SAYILAR ÇIKARMA", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanaondalıkcıkar", "YAN YANA ONDALIK SAYILAR ÇIKARMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"mnualtaltaçıkarma", "ALT ALTA DOĞAL SAYILAR ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=0", "Form3"},
    {"mnualtaltaçıkarmabilinmeye", "ALT ALTA DOĞAL SAYILAR ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=1", "Form3"},
    {"mnualtlataondalıkcıkar", "ALT ALTA ONDALIK SAYILAR ÇIKARMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form19"},
    {"mnusekillicıkarmabilin", "ŞEKİLLİ DOĞAL SAYILAR ÇIKARMA", "Sub>1 Dif>3 N", "0", "", "Form14"},
    {"mnuyanyanacarpma", "YAN YANA DOĞAL SAYILAR ÇARPMA", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanabilincarpma", "YAN YANA DOĞAL SAYILAR ÇARPMA", "D1 D2 N", "0", "", "text"},
    {"mnuonyuzbincarpma", "10,100 ve 1000 İLE ÇARPMA", "D1 N", "1", "", "text"},
    {"mnuyanyanaondalıkcarp", "YAN YANA ONDALIK SAYILAR ÇARPMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"mnualtaltacarpma", "ALT ALTA DOĞAL SAYILAR ÇARPMA", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=0", "Form4"},
    {"mnualtaltabilinmeyencarpma", "ALT ALTA DOĞAL SAYILAR ÇARPMA", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=1", "Form4"},
    {"mnualtaltacarpmaondalık", "ALT ALTA ONDALIK SAYILAR ÇARPMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form4"},
    {"mnualtaltacarpmabilinmeyenondalık", "ALT ALTA ONDALIK SAYILAR ÇARPMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=1", "Form4"},
    {"mnuyanyanabolme", "YAN YANA DOĞAL SAYILAR BÖLME", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanabilinmeyenbolme", "YAN YANA DOĞAL SAYILAR BÖLME", "D1 D2 N", "1", "", "text"},
    {"mnuyanyanaondalıkbolme", "YAN YANA ONDALIK SAYILAR BÖLME", "D1 P1 D2 P2 N", "1", "", "text"},
    {"mnukalanlıbölme", "DOĞAL SAYILAR BÖLME", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=1", "Form5"},
    {"mnukalansızbolme", "DOĞAL SAYILAR BÖLME", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=0", "Form5"},
    {"mnukalanlıondalıkbolme", "ONDALIK SAYILAR BÖLME", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=1", "Form5"},
    {"mnukalansızondalıkbolme", "ONDALIK SAYILAR BÖLME", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form5"},
    {"mnusayıyuvarlaonluk", "SAYILARI YUVARLAMA", "D1>1 E>2 N", "0", "5=10", "Form6"},
    {"mnusayılarıyuvarlayuzluk", "SAYILARI YUVARLAMA", "D1>1 E>2 N", "0", "5=100", "Form6"},
    {"mnuteciftsayıbul", "TEK-ÇİFT SAYI BULMA", "D1>1 E>2 N", "0", "5=TEKCIFT", "Form6"},
    {"mnubuyukkucukesitbul", "BÜYÜK-KÜÇÜK-EŞİT BULMA", "D1>1 E>2 N", "0", "5=BUYUKESITKUCUK", "Form6"},
    {"mnusayıdogrusutoplacıkar", "SAYI DOĞRUSUNDA TOPLAMA ÇIKARMA", "E>2 N", "0", "", "Form7"},
    {"mnusıralamalar", "B->K VE K->B SIRALAMALAR", "D1>1 E>2 N", "0", "", "Form8"},
    {"mnusaatokuma", "SAAT OKUMA", "N", "0", "1=NORMAL", "Form9"},
    {"mnusaatokutam", "SAAT OKUMA", "N", "0", "1=TAM", "Form9"},
    {"mnusaatokutamyarımceyrek", "SAAT OKUMA", "N", "0", "1=TAMYARIMCEYREK", "Form9"},
    {"mnusayıoruntusu", "SAYI ÖRÜNTÜLERİ", "Start>2 End>3 Step>4 E>1 N", "0", "", "Form10"},
    {"mnusekiloruntu", "ŞEKİL ÖRÜNTÜLERİ", "Period>4 E>2 N", "0", "", "Form11"},
    {"mnuislemtablosu", "İŞLEM TABLOSU", "D1>1 D2>3 Op>5 N", "0", "", "Form12"},
    {"mnuislemtabloboya", "İŞLEM TABLOSU", "D1>1 D2>3 Op>5 N", "0", "", "Form16"},
    {"mnuçokluyanyanaişlem", "ÇOKLU YAN YANA İŞLEMLER", "D1>1 D2>3 D3>5 N", "0", "", "Form17"},
};
// clang-format on

const std::map<char, Field> kFields{{'1', Field::Label1}, {'2', Field::Label2},
                                    {'3', Field::Label3}, {'4', Field::Label4},
                                    {'5', Field::Label5}, {'8', Field::Label8}};
const Field kAllFields[] = {Field::Label1, Field::Label2, Field::Label3, Field::Label4,
                            Field::Label5, Field::Label8, Field::Label9};

struct Asked {
  std::string code;
  std::optional<Field> field;
};

std::vector<Asked> questionsOf(const Row& row) {
  std::vector<Asked> asked;
  std::istringstream words(row.questions);
  for (std::string word; words >> word;) {
    const std::size_t arrow = word.find('>');
    asked.push_back({word.substr(0, arrow), arrow == std::string::npos
                                                ? std::nullopt
                                                : std::optional(kFields.at(word[arrow + 1]))});
  }
  return asked;
}

std::vector<std::pair<Field, std::string>> constantsOf(const Row& row) {
  std::vector<std::pair<Field, std::string>> constants;
  std::istringstream words(row.constants);
  for (std::string word; words >> word;)
    constants.emplace_back(kFields.at(word[0]), word.substr(2));
  return constants;
}

bool isText(const Row& row) { return std::string_view(row.output) == "text"; }

// The first answer to each question but the count.
std::vector<std::string> firstAnswers(const Row& row) {
  std::vector<std::string> answers;
  for (const Asked& q : questionsOf(row)) {
    if (q.code != "N") answers.push_back(kAnswers.at(q.code).first);
  }
  return answers;
}

std::vector<std::string> with(std::vector<std::string> answers, std::string last) {
  answers.push_back(std::move(last));
  return answers;
}

// What the user gets: the previewed page, all it shows, or the text sheet's lines.
std::string sheet(const Program& program) {
  std::string out;
  for (const auto& [kind, page] : program.host.open) {
    out += page.form;
    for (const TextField& t : page.texts) out += '|' + t.caption + (t.visible ? "" : "~");
    for (const Picture& p : page.pictures) out += p.visible ? 'P' : '-';
    for (const Line& l : page.lines) out += l.visible ? 'L' : '-';
    for (const Shape& s : page.shapes) out += s.visible ? 'S' : '-';
  }
  for (const std::string& line : program.lines) out += line + '\n';
  return out;
}

// The sheet a command makes from a fresh start: previewed, or one repetition of text.
std::string sheetOf(const Row& row, const std::vector<std::string>& answers) {
  auto program = std::make_unique<Program>();
  program->run(row.item, with(answers, isText(row) ? "1" : "0"));
  EXPECT_TRUE(program->messages.shown.empty()) << program->messages.shown[0].second;
  return sheet(*program);
}

TEST(CommandTexts, EveryMenuCommandOnceInMenuOrder) {
  ASSERT_EQ(allCommands().size(), std::size(kCommands));
  for (std::size_t i = 0; i < std::size(kCommands); ++i) {
    EXPECT_EQ(allCommands()[i]->item, kCommands[i].item);
    EXPECT_EQ(findCommand(kCommands[i].item), allCommands()[i]);
  }
}

TEST(CommandTexts, EachCommandAsksItsPromptsUnderItsTitleWithTheirDefaultsInOrder) {
  for (const Row& row : kCommands) {
    SCOPED_TRACE(row.item);
    Program program;
    std::vector<std::string> answers;
    for (const Asked& q : questionsOf(row)) {
      if (q.code != "N") answers.push_back(kQuestions.at(q.code).defaultAnswer);
    }
    program.run(row.item, with(answers, ""));  // cancelled at the count
    const std::vector<Asked> expected = questionsOf(row);
    ASSERT_EQ(program.questioner.asked.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const QuestionText& text = kQuestions.at(expected[i].code);
      const auto& asked = program.questioner.asked[i];
      EXPECT_EQ(asked.prompt, text.prompt);
      EXPECT_EQ(asked.title, expected[i].code == "E" ? "RESİMLİ ÇIKTI" : row.title) << text.prompt;
      EXPECT_EQ(asked.defaultAnswer, text.defaultAnswer ? text.defaultAnswer : row.countDefault)
          << text.prompt;
    }
    EXPECT_TRUE(program.madeNothing());
  }
}

// Each answer goes to its field as it is given and stays there when the count is cancelled; the
// constants come only with the count. Every other field keeps what it held; a text sheet keeps
// its answers to itself.
TEST(CommandAnswers, EachLandsInItsFieldAndTheConstantsFollowTheCount) {
  for (const Row& row : kCommands) {
    SCOPED_TRACE(row.item);
    for (const char* count : {"", "0"}) {
      SCOPED_TRACE(*count ? "previewed" : "cancelled at the count");
      Program program;
      for (Field f : kAllFields)
        program.block.set(f, "önceki " + std::string(ParameterBlock::name(f)));
      ParameterBlock expected = program.block;
      const std::vector<std::string> answers = firstAnswers(row);
      const std::vector<Asked> questions = questionsOf(row);
      for (std::size_t i = 0; i < answers.size(); ++i) {
        if (questions[i].field) expected.set(*questions[i].field, answers[i]);
      }
      program.run(row.item, with(answers, count));
      const bool made = *count != '\0';
      if (made && !isText(row)) {
        for (const auto& [field, text] : constantsOf(row)) expected.set(field, text);
        expected.set(Field::Label9, "0");
        ASSERT_EQ(program.host.open.size(), 1u);
        EXPECT_EQ(program.host.open.begin()->second.form, row.output);
      }
      for (Field f : kAllFields)
        EXPECT_EQ(program.block.get(f), expected.get(f)) << ParameterBlock::name(f);
      EXPECT_EQ(program.opened, made && isText(row) ? 1 : 0);
      EXPECT_EQ(program.host.open.empty(), !made || isText(row));
      EXPECT_TRUE(program.messages.shown.empty());
    }
  }
}

// An answer written where the page does not look changes nothing on the sheet.
TEST(CommandAnswers, EveryAnswerChangesTheSheetItFeeds) {
  for (const Row& row : kCommands) {
    const std::vector<Asked> questions = questionsOf(row);
    const std::vector<std::string> answers = firstAnswers(row);
    const std::string first = sheetOf(row, answers);
    for (std::size_t i = 0; i < answers.size(); ++i) {
      SCOPED_TRACE(std::string(row.item) + " " + questions[i].code);
      std::vector<std::string> other = answers;
      other[i] = kAnswers.at(questions[i].code).second;
      EXPECT_NE(sheetOf(row, other), first);
    }
  }
}

// The page variants and clock modes: commands sharing a page each make their own kind of sheet.
TEST(CommandAnswers, CommandsSharingAPageMakeDifferentSheetsFromTheSameAnswers) {
  std::map<std::string, std::set<std::string>> sheets;
  std::map<std::string, int> commands;
  for (const Row& row : kCommands) {
    if (isText(row)) continue;
    ++commands[row.output];
    sheets[row.output].insert(sheetOf(row, firstAnswers(row)));
  }
  for (const auto& [page, made] : sheets) EXPECT_EQ(int(made.size()), commands[page]) << page;
}

// A digit count up to 308 and a count up to 10000 are taken; one more is refused with a message
// under the command's title, and nothing is made.
TEST(CommandLimits, DigitCountsUpTo308AndCountsUpTo10000AreTakenOneMoreIsRefused) {
  for (const Row& row : kCommands) {
    const std::vector<Asked> questions = questionsOf(row);
    const std::vector<std::string> answers = firstAnswers(row);
    for (std::size_t q = 0; q < questions.size(); ++q) {
      const bool count = questions[q].code == "N";
      if (!count && !kDigitCounts.contains(questions[q].code)) continue;
      SCOPED_TRACE(std::string(row.item) + " " + questions[q].code);
      const std::vector<std::string> before(answers.begin(), answers.begin() + q);
      const std::string largest = count ? "10000" : "308", beyond = count ? "10001" : "309";

      // Past a digit count the next question is cancelled; the largest count starts its sheets.
      Program taken;
      taken.stopAtFirstSheet = true;
      if (count && !isText(row)) {
        EXPECT_THROW(taken.run(row.item, with(before, largest)), Program::FirstSheet);
      } else {
        taken.run(row.item, count ? with(before, largest) : with(with(before, largest), ""));
      }
      EXPECT_TRUE(taken.messages.shown.empty());
      EXPECT_EQ(taken.questioner.asked.size(), q + (count ? 1 : 2));
      // One or three lines a repetition.
      const std::size_t made = taken.printed + taken.lines.size();
      EXPECT_TRUE(!count        ? made == 0
                  : isText(row) ? made == 10000 || made == 30000
                                : made == 1)
          << made;

      Program refused;
      refused.run(row.item, with(before, beyond));
      EXPECT_EQ(refused.questioner.asked.size(), q + 1);
      ASSERT_EQ(refused.messages.shown.size(), 1u);
      EXPECT_EQ(refused.messages.shown[0].first, row.title);
      EXPECT_EQ(refused.messages.shown[0].second,
                "\"" + std::string(kQuestions.at(questions[q].code).prompt) +
                    "\" sorusunun cevabı en fazla " + largest + " olabilir.");
      EXPECT_TRUE(refused.madeNothing() && refused.lines.empty());
    }
  }
}

const std::string kFirst = "\"Birinci sayının basamak sayısı kaç?\"";
const std::string kSecond = "\"İkinci sayının basamak sayısı kaç?\"";
const std::string kSecondPlaces = "\"İkinci sayının ondalık basamak sayısı kaç?\"";

// A refusal for a result that cannot be written exactly names only the answers that feed it and
// could be made smaller: no places answer of 0 or below, no picture answer, no count.
TEST(CommandLimits, AnInexactResultsRefusalNamesNoAnswerThatIsAlreadyNothing) {
  struct Case {
    const char* item;
    std::vector<std::string> answers;  // the picture answer and the count are added
    std::string named;
  } const cases[] = {
      {"mnualtaltacarpmabilinmeyenondalık", {"8", "0", "8", "0"}, kFirst + " ve " + kSecond},
      {"mnualtaltacarpmabilinmeyenondalık",
       {"8", "0", "7", "1"},
       kFirst + ", " + kSecond + " ve " + kSecondPlaces},
      {"mnukalansızondalıkbolme", {"8", "-2", "8", "0"}, kFirst + " ve " + kSecond},
      {"mnuyanyanaondalıktoplamabil", {"15", "0", "15", "0"}, kFirst + " ve " + kSecond},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    Program program;
    const bool text = findCommand(c.item)->isTextSheet();
    program.run(c.item, text ? with(c.answers, "2") : with(with(c.answers, "H"), "2"));
    ASSERT_EQ(program.messages.shown.size(), 1u);
    EXPECT_EQ(program.messages.shown[0].second,
              "Bu cevaplarla sayfada 16 rakamlı bir sayı çıkabilir; en fazla 15 rakamlı sayılar "
              "tam yazılabilir. " +
                  c.named + " sorularından birine daha küçük bir cevap veriniz.");
    EXPECT_TRUE(program.madeNothing());
  }
}

// A command that forgets the picture question, or writes its answer where the page does not
// look, prints every sheet of that kind without its pictures or with pictures nobody asked for.
TEST(PageCommands, AskForPicturesExactlyWhereTheirPageReadsTheAnswer) {
  for (const Command* command : allCommands()) {
    SCOPED_TRACE(command->item);
    ASSERT_FALSE(command->questions.empty());
    EXPECT_EQ(command->questions.back().prompt, Prompt::Count);
    EXPECT_FALSE(command->questions.back().target);
    if (command->isTextSheet()) continue;
    std::optional<Field> asked;
    for (const Question& question : command->questions) {
      if (question.prompt == Prompt::Pictures) asked = question.target;
    }
    EXPECT_EQ(asked, pageDefinition(std::get<PageKind>(command->output)).pictureSwitch);
  }
}

}  // namespace
}  // namespace ws
