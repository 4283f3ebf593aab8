#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "main_window/commands.h"
#include "pages/page_frame.h"
#include "pages/symbol_font.h"

// The fixed words of every sheet: titles, instructions, answer places, commas, the legend of the
// digit shapes, as each menu command's sheet comes out of the printer.
namespace ws {
namespace {

using Answers = std::vector<std::pair<Field, std::string>>;

class KeptSheets final : public PagePrinter {
 public:
  void print(const Page& page) override { sheets.push_back(page); }
  std::vector<Page> sheets;
};

// The sheet a page command prints with its default answers (pictures shown), its constants and
// then `changed`.
Page printedSheet(std::string_view item, const Answers& changed = {}) {
  const Command* command = findCommand(item);
  if (!command || command->isTextSheet()) {
    ADD_FAILURE() << item << " is no page command";
    return Page{};
  }
  ParameterBlock block;
  for (const Question& question : command->questions) {
    if (question.target) block.set(*question.target, std::string(defaultAnswer(question.prompt)));
  }
  for (const Constant& constant : command->constants) {
    block.set(constant.field, std::string(constant.text));
  }
  for (const auto& [field, text] : changed) block.set(field, text);
  Generator random;
  KeptSheets printer;
  PageFrame(LoadContext{block, random, NumberText{","}}, printer, {})
      .load(std::get<PageKind>(command->output));
  EXPECT_EQ(printer.sheets.size(), 1u) << item;
  return printer.sheets.empty() ? Page{} : printer.sheets.front();
}

// Every page command that the menu offers.
std::vector<std::string_view> pageCommands() {
  std::vector<std::string_view> items;
  for (const Command* command : allCommands()) {
    if (!command->isTextSheet() && command->available) items.push_back(command->item);
  }
  return items;
}

bool inShapes(const TextField& field) { return field.font.family == kSymbolFontFamily; }

// Two letters in a row make a word; Turkish letters are bytes from 0x80 up in UTF-8. A lone "x"
// (a multiplication) or digits and signs are not words.
bool hasWord(const std::string& text) {
  auto letter = [](unsigned char c) { return std::isalpha(c) || c >= 0x80; };
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (letter(text[i - 1]) && letter(text[i])) return true;
  }
  return false;
}

std::vector<int> all(int count) {
  std::vector<int> indices(count);
  for (int i = 0; i < count; ++i) indices[i] = i;
  return indices;
}

struct Texts {
  const char* name;
  std::vector<int> indices;
  std::string caption;
};

const std::vector<int> kOne{kSingle};
const std::string kAdd = "TOPLAMA İŞLEMLERİNİ YAPALIM.";
const std::string kSubtract = "ÇIKARMA İŞLEMLERİNİ YAPALIM.";
const std::string kMultiply = "ÇARPMA İŞLEMLERİNİ YAPALIM.";
const std::string kDivide = "BÖLME İŞLEMLERİNİ YAPALIM.";
const std::string kRound = "AŞAĞIDAKİ SAYILARI EN YAKIN ";
const std::string kClock = "ALTLARINDA YAZAN SAATLERİ ÇİZEREK GÖSTER.";
const std::string kPattern = "SAYI ÖRÜNTÜLERİNİ TAMAMLAYINIZ.";
const std::string kColour = "KUTULARI VERİLEN İŞLEME GÖRE YAP. CEVABINI YANDAKİ TABLODAN BUL. ";

// Each command's sheet and the words on it; no other field of the sheet may carry words.
const struct {
  const char* item;
  Answers changed;
  std::vector<Texts> texts;
} kWords[] = {
    {"mnualtaltatoplama", {}, {{"Label1", kOne, kAdd}}},
    {"mnualtaltabilintoplama", {}, {{"Label1", kOne, kAdd}}},
    {"mnutoplamaçıkarma", {}, {{"Label1", kOne, kAdd}}},  // mixed, yet titled as additions
    {"mnualtaltaçıkarma", {}, {{"Label1", kOne, kSubtract}}},
    {"mnualtaltaçıkarmabilinmeye", {}, {{"Label1", kOne, kSubtract}}},
    {"mnualtaltacarpma", {}, {{"Label1", kOne, kMultiply}}},
    {"mnualtaltabilinmeyencarpma", {}, {{"Label1", kOne, kMultiply}}},
    {"mnualtaltacarpmaondalık", {}, {{"Label1", kOne, kMultiply}}},
    {"mnualtaltacarpmabilinmeyenondalık", {}, {{"Label1", kOne, kMultiply}}},
    {"mnukalanlıbölme", {}, {{"Label1", kOne, kDivide}}},
    {"mnukalansızbolme", {}, {{"Label1", kOne, kDivide}}},
    {"mnukalanlıondalıkbolme", {}, {{"Label1", kOne, kDivide}}},
    {"mnukalansızondalıkbolme", {}, {{"Label1", kOne, kDivide}}},
    {"mnualtaltaondalıktoplama", {}, {{"Label1", kOne, kAdd}, {"Label5", all(54), ","}}},
    {"mnualtlataondalıkcıkar", {}, {{"Label1", kOne, kSubtract}, {"Label5", all(54), ","}}},
    {"mnusayıyuvarlaonluk",
     {},
     {{"Label1", kOne, kRound + "ONLUĞA YUVARLAYINIZ"}, {"Label3", all(54), "="}}},
    {"mnusayılarıyuvarlayuzluk",
     {},
     {{"Label1", kOne, kRound + "YÜZLÜĞE YUVARLAYINIZ"}, {"Label3", all(54), "="}}},
    {"mnuteciftsayıbul",
     {},
     {{"Label1", kOne, "TEK OLANLARA SAYILARA TEK , ÇİFT OLANLARA ÇİFT YAZINIZ"},
      {"Label3", all(54), "="}}},
    {"mnubuyukkucukesitbul",
     {},
     {{"Label1", kOne, "İFADELERİN ARASINA BÜYÜK(>),KÜÇÜK(<) veya EŞİT(=) YAZINIZ"}}},
    {"mnusayıdogrusutoplacıkar",
     {},
     {{"Label1", kOne, "SAYI DOĞRUSUNDA YANDA GÖSTERİLEN İŞLEMLERİ YAP."}}},
    {"mnusıralamalar",
     {},
     {{"Label1", {0}, "AŞAĞIDAKİ SAYILARI BÜYÜKTEN KÜÇÜĞE DOĞRU SIRALAYINIZ."},
      {"Label1", {1}, "AŞAĞIDAKİ SAYILARI KÜÇÜKTEN BÜYÜĞE DOĞRU SIRALAYINIZ."}}},
    {"mnusaatokuma", {}, {{"Label1", kOne, kClock}, {"Label3", all(9), ":"}}},
    {"mnusaatokutam", {}, {{"Label1", kOne, kClock}, {"Label3", all(9), ":"}}},
    {"mnusaatokutamyarımceyrek", {}, {{"Label1", kOne, kClock}, {"Label3", all(9), ":"}}},
    {"mnusayıoruntusu", {}, {{"Label1", kOne, kPattern + " ileriye sayma"}}},
    {"mnusayıoruntusu",
     {{Field::Label2, "50"}, {Field::Label3, "10"}},
     {{"Label1", kOne, kPattern + " geriye sayma"}}},
    {"mnusayıoruntusu",  // an end equal to the start counts backward
     {{Field::Label2, "50"}, {Field::Label3, "50"}},
     {{"Label1", kOne, kPattern + " geriye sayma"}}},
    {"mnusekiloruntu", {}, {{"Label1", kOne, "ŞEKİL ÖRÜNTÜLERİNİ TAMAMLAYINIZ"}}},
    {"mnuislemtablosu", {}, {{"Label1", kOne, "KUTUDA BELİRTİLEN İŞLEME GÖRE BOŞLUKLARI DOLDUR"}}},
    {"mnuislemtabloboya",
     {},
     {{"Label1", {0}, kColour + "Bulduklarını kırmızıya boya"},
      {"Label1", {1}, kColour + "Bulduklarını maviye boya"}}},
    {"mnusekillitoplama", {}, {{"Label1", kOne, "EKSİK İŞLEMLERİ TAMAMLAYINIZ, ŞEKLİ BOYAYINIZ"}}},
    {"mnusekillicıkarmabilin", {}, {{"Label1", kOne, "EKSİK İŞLEMLERİ TAMAMLAYINIZ"}}},
    {"mnusekillitoplacıkar",
     {},
     {{"Label1", kOne, "ŞEKİLLERİN GÖSTERDİĞİ SAYILARA GÖRE İŞLEMLERİ YAPINIZ."}}},
    {"mnuçokluyanyanaişlem", {}, {{"Label1", kOne, "İŞLEMLERİ YAP ve ŞEKLİ BOYA."}}},
};

TEST(PageTexts, EverySheetShowsItsOwnTitlesAndInstructionsAndNoOtherWords) {
  std::set<std::string_view> covered;
  for (const auto& [item, changed, texts] : kWords) {
    SCOPED_TRACE(item);
    covered.insert(item);
    const Page sheet = printedSheet(item, changed);
    std::set<std::pair<std::string, int>> expected;
    for (const Texts& t : texts) {
      for (int index : t.indices) {
        expected.insert({t.name, index});
        const TextField& field = sheet.text(t.name, index);
        EXPECT_EQ(field.caption, t.caption) << t.name << "(" << index << ")";
        EXPECT_TRUE(field.visible) << t.name << "(" << index << ")";
      }
    }
    for (const TextField& field : sheet.texts) {
      if (!field.visible || inShapes(field) || !hasWord(field.caption)) continue;
      EXPECT_TRUE(expected.contains({field.name, field.index}))
          << field.name << "(" << field.index << ") shows \"" << field.caption << "\"";
    }
  }
  for (std::string_view item : pageCommands()) EXPECT_TRUE(covered.contains(item)) << item;
}

// How many fields of one name hold a run of exactly so many full stops.
using Places = std::map<std::pair<std::string, int>, int>;

Places answerPlaces(const Page& sheet) {
  Places found;
  for (const TextField& field : sheet.texts) {
    if (!field.visible || inShapes(field)) continue;
    std::set<int> runs;
    const std::string& text = field.caption;
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t end = std::min(text.find_first_not_of('.', i), text.size());
      if (end - i >= 2) runs.insert(static_cast<int>(end - i));  // one is a sentence's end
      i = end == i ? i + 1 : end;
    }
    for (int run : runs) ++found[{field.name, run}];
  }
  return found;
}

// Full stops for the pupil's answers: this many, in so many fields, and nowhere else.
const Places kThree30{{{"Label4", 3}, 30}};
const Places kThreeMissing{{{"Label2", 3}, 10}, {{"Label3", 3}, 10}, {{"Label4", 3}, 10}};
const Places kEight{{{"Label4", 8}, 12}};
const Places kTen{{{"Label4", 10}, 54}};
const Places kThreeSplit{{{"Label4", 3}, 18}, {{"Label8", 3}, 18}};
const Places kFive18{{{"Label2", 5}, 18}};

const std::pair<const char*, Places> kAnswerPlaces[] = {
    {"mnualtaltatoplama", kThree30},
    {"mnualtaltabilintoplama", kThreeMissing},
    {"mnutoplamaçıkarma", kThree30},
    {"mnualtaltaçıkarma", kThree30},
    {"mnualtaltaçıkarmabilinmeye", kThreeMissing},
    {"mnualtaltacarpma", kThree30},
    {"mnualtaltabilinmeyencarpma", kThreeMissing},
    {"mnualtaltacarpmaondalık", kThree30},
    {"mnualtaltacarpmabilinmeyenondalık", kThreeMissing},
    {"mnukalanlıbölme", kEight},
    {"mnukalansızbolme", kEight},
    {"mnukalanlıondalıkbolme", kEight},
    {"mnukalansızondalıkbolme", kEight},
    {"mnualtaltaondalıktoplama", kThreeSplit},
    {"mnualtlataondalıkcıkar", kThreeSplit},
    {"mnusayıyuvarlaonluk", kTen},
    {"mnusayılarıyuvarlayuzluk", kTen},
    {"mnuteciftsayıbul", kTen},
    {"mnubuyukkucukesitbul", {{{"Label3", 12}, 54}}},
    {"mnusayıdogrusutoplacıkar", {}},
    // The ordering lines: 16, 15, 16 and 16 stops around the three signs.
    {"mnusıralamalar", {{{"Label6", 16}, 16}, {{"Label6", 15}, 16}}},
    {"mnusaatokuma", {}},
    {"mnusaatokutam", {}},
    {"mnusaatokutamyarımceyrek", {}},
    // With the defaults every row runs to fifteen terms, so each has its blanks.
    {"mnusayıoruntusu", {{{"Label2", 6}, 12}}},
    {"mnusekiloruntu", {}},
    {"mnuislemtablosu", {}},
    {"mnuislemtabloboya", {}},
    {"mnusekillitoplama", kFive18},
    {"mnusekillicıkarmabilin", kFive18},
    {"mnusekillitoplacıkar", {}},
    {"mnuçokluyanyanaişlem", {{{"Label2", 5}, 9}}},
};

TEST(PageTexts, AnswerPlacesHaveTheirOwnNumberOfFullStopsAndStandOnlyWhereAnswersGo) {
  std::set<std::string_view> covered;
  for (const auto& [item, places] : kAnswerPlaces) {
    covered.insert(item);
    EXPECT_EQ(answerPlaces(printedSheet(item)), places) << item;
  }
  for (std::string_view item : pageCommands()) EXPECT_TRUE(covered.contains(item)) << item;
}

// The blanks of "..... + " and " + ....." are whole words of the problem, apart from its number.
TEST(PageTexts, MissingNumberProblemsSpellTheirBlanksAndSigns) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"mnusekillitoplama", "..... + ", " + ....."},
      {"mnusekillicıkarmabilin", "..... - ", " - ....."}};
  for (const auto& [item, even, odd] : cases) {
    const Page sheet = printedSheet(item);
    for (int k = 0; k < 18; ++k) {
      const std::string& problem = sheet.text("Label2", k).caption;
      EXPECT_TRUE(k % 2 ? problem.ends_with(odd) : problem.starts_with(even)) << item << k;
    }
  }
  const Page sheet = printedSheet("mnuçokluyanyanaişlem");
  for (int i = 0; i < 9; ++i) {
    const std::string& problem = sheet.text("Label2", i).caption;
    EXPECT_TRUE(problem.starts_with("(") && problem.ends_with("=.....")) << problem;
  }
}

TEST(PageTexts, EveryPagePrintsFromItsOwnYazdirItem) {
  for (int k = 0; k < kPageKindCount; ++k) {
    const auto kind = static_cast<PageKind>(k);
    const Page page = pageDefinition(kind).design();
    EXPECT_EQ(page.form, "Form" + std::to_string(k + 2));
    const bool shortName =
        kind == PageKind::Form3 || kind == PageKind::Form4 || kind == PageKind::Form9;
    EXPECT_EQ(page.printItem, shortName ? "nuyazdır" : "mnuyazdır") << page.form;
  }
}

// A pupil decodes the shapes by the legend: "=d" must stand right beside the shape of d.
TEST(PageTexts, ShapeSumLegendPairsEachDigitWithItsOwnShape) {
  const Page sheet = printedSheet("mnusekillitoplacıkar");
  std::vector<const TextField*> equals;
  for (const TextField& field : sheet.texts) {
    if (!inShapes(field) && field.caption.size() == 2 && field.caption[0] == '=') {
      equals.push_back(&field);
    }
  }
  // Read row by row, left to right, the legend runs from 0 to 9.
  std::sort(equals.begin(), equals.end(), [](const TextField* a, const TextField* b) {
    return std::tie(a->box.top, a->box.left) < std::tie(b->box.top, b->box.left);
  });
  ASSERT_EQ(equals.size(), 10u);
  for (int digit = 0; digit < 10; ++digit) {
    const TextField& text = *equals[digit];
    EXPECT_EQ(text.caption, "=" + std::to_string(digit));
    // The shape beside it: the nearest symbol field on its left, level with it.
    const TextField* shape = nullptr;
    for (const TextField& field : sheet.texts) {
      const bool level = field.box.top < text.box.bottom() && text.box.top < field.box.bottom();
      if (inShapes(field) && field.visible && level && field.box.left < text.box.left &&
          (!shape || field.box.left > shape->box.left)) {
        shape = &field;
      }
    }
    ASSERT_NE(shape, nullptr) << text.caption;
    EXPECT_EQ(shape->caption, text.caption.substr(1)) << "the shape beside " << text.caption;
    EXPECT_LT(text.box.left - shape->box.right(), text.box.width) << text.caption;
  }
}

// Each half of the ordering sheet orders as its title says, on lines with the matching sign.
TEST(PageTexts, OrderingLinesCarryTheSignOfTheTitleAboveThem) {
  const Page sheet = printedSheet("mnusıralamalar");
  const std::string largestFirst =
      "................>...............>................>................";
  const std::string smallestFirst =
      "................<...............<................<................";
  int lines = 0;
  for (const TextField& field : sheet.texts) {
    if (field.caption.find("....") == std::string::npos) continue;
    ++lines;
    const TextField* title = nullptr;
    for (int half : {0, 1}) {
      const TextField& t = sheet.text("Label1", half);
      if (t.box.top < field.box.top && (!title || t.box.top > title->box.top)) title = &t;
    }
    ASSERT_NE(title, nullptr);
    const bool descending = title->caption.find("BÜYÜKTEN KÜÇÜĞE") != std::string::npos;
    EXPECT_EQ(field.caption, descending ? largestFirst : smallestFirst)
        << field.name << "(" << field.index << ")";
  }
  EXPECT_EQ(lines, 16);
}

// Under every tick of a number line stands its own number, 0 to 22 from the left.
TEST(PageTexts, NumberLineScalesNumberEveryTick) {
  const Page sheet = printedSheet("mnusayıdogrusutoplacıkar");
  std::map<int, std::vector<const TextField*>> scales;  // by height
  for (const TextField& field : sheet.texts) {
    if (field.font.points < 12) scales[field.box.top].push_back(&field);
  }
  std::map<int, std::vector<int>> ticks;  // by height: their places across
  for (const Line& line : sheet.lines) {
    if (line.x1 == line.x2 && line.widthPixels == 1) ticks[line.y1].push_back(line.x1);
  }
  ASSERT_EQ(scales.size(), 6u);
  for (auto& [top, numbers] : scales) {
    auto below = ticks.upper_bound(top);
    ASSERT_NE(below, ticks.end());
    const std::vector<int>& xs = below->second;
    ASSERT_EQ(numbers.size(), 23u);
    ASSERT_EQ(xs.size(), 23u);
    for (const TextField* number : numbers) {
      const int middle = number->box.left + number->box.width / 2;
      const auto nearest = std::min_element(xs.begin(), xs.end(), [&](int a, int b) {
        return std::abs(a - middle) < std::abs(b - middle);
      });
      const long tick = std::count_if(xs.begin(), xs.end(), [&](int x) { return x < *nearest; });
      EXPECT_EQ(number->caption, std::to_string(tick)) << "scale at " << top;
    }
  }
}

// The symbols of the shape patterns, by their codes in the symbol font, and the empty places
// after the head: one, a blank, then groups of four.
TEST(PageTexts, ShapePatternsUseTheirPaletteAndEmptyPlaces) {
  const std::string palette = {'\x6A', '\x6B', '\x6C', '\x6D', '\x6E', '\x6F', '\x72',
                               '\x73', '\x74', '\x75', '\x76', '\x79', '\x7A', '\x52',
                               '\x54', '\x56', '\xDC', '\xE9', '\xF6', '\xC7', '\x69',
                               '\xF0', '\xDC', '\x98', '\xB2', '\xBA', '\x22', '\xBC',
                               '\xBD', '\xBE', '\xBF', '\xAF', '\xA3', '\xB2', '\x99'};
  std::string filler;
  for (int g = 0; g < 80; ++g) filler += "\xB4 \xB4\xB4\xB4";
  const Page sheet = printedSheet("mnusekiloruntu");
  const TextField& hidden = sheet.text("Label3");
  EXPECT_EQ(hidden.caption, palette);
  EXPECT_FALSE(hidden.visible);
  for (int i = 0; i < 12; ++i) {
    const std::string& row = sheet.text("Label2", i).caption;
    ASSERT_EQ(row.size(), 4 + filler.size());
    EXPECT_EQ(row.substr(4), filler) << "row " << i;
    for (char symbol : row.substr(0, 4)) EXPECT_NE(palette.find(symbol), std::string::npos);
  }
}

}  // namespace
}  // namespace ws
