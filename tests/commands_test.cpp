#include "main_window/commands.h"

#include <gtest/gtest.h>

namespace ws {
namespace {

// One row per menu item as the teacher meets it: menu, caption, sheet title, the
// questions in order ("D1>1": the first digit count into Label1), the count's
// default, the constants written after the count, and where the sheet goes.
struct Expected {
  const char* menu;
  const char* item;
  const char* caption;
  const char* title;
  const char* questions;
  const char* countDefault;
  const char* constants;
  const char* output;
};

// clang-format off
const Expected kMenu[] = {
    {"Toplama", "mnuyanyanatoplama", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR TOPLAMA", "D1 D2 N", "1", "", "text"},
    {"Toplama", "mnuyanyanatoplamabilin", "Yan yana doğal sayılar bilinmeyenli", "YAN YANA DOĞAL SAYILAR TOPLAMA", "D1 D2 N", "1", "", "text"},
    {"Toplama", "mnuyanyanaondalıktopla", "Yan yana ondalık sayılar", "YAN YANA ONDALIK SAYILAR TOPLAMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"Toplama", "mnuyanyanaondalıktoplamabil", "Yan yana ondalık sayı bilinmeyenli", "YAN YANA ONDALIK SAYILAR TOPLAMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"Toplama", "mnucizgi1", "", "", "", "", "", "separator"},
    {"Toplama", "mnualtaltatoplama", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR TOPLAMA", "D1>1 D2>3 E>2 N", "0", "5=0", "Form2"},
    {"Toplama", "mnualtaltabilintoplama", "Alt alta doğal sayılar bilinmeyenli", "ALT ALTA DOĞAL SAYILAR TOPLAMA", "D1>1 D2>3 E>2 N", "0", "5=1", "Form2"},
    {"Toplama", "mnutoplamaçıkarma", "Alt alta Toplama-Çıkarma karışık", "ALT ALTA DOĞAL SAYILAR TOPLAMA-ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=2", "Form2"},
    {"Toplama", "mnualtaltaondalıktoplama", "Alt alta ondalık sayılar", "ALT ALTA ONDALIK SAYILAR TOPLAMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form18"},
    {"Toplama", "mnusekillitoplacıkar", "Şekilli toplama-çıkarma karışık", "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA-ÇIKARMA", "D1>1 D2>3 N", "0", "", "Form15"},
    {"Toplama", "mnusekillitoplama", "Şekilli toplama bilinmeyenli", "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA", "Add>1 Sum>3 N", "0", "", "Form13"},
    {"Çıkarma", "mnuyanyanaçıkarma", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR ÇIKARMA", "D1 D2 N", "1", "", "text"},
    {"Çıkarma", "mnuYanyanabilinmeyenliçıkarma", "Yan yana doğal sayılar bilinmeyenli", "YAN YANA DOĞAL SAYILAR ÇIKARMA", "D1 D2 N", "1", "", "text"},
    {"Çıkarma", "mnuyanyanaondalıkcıkar", "Yan yana ondalık sayılar", "YAN YANA ONDALIK SAYILAR ÇIKARMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"Çıkarma", "mnucizgi2", "", "", "", "", "", "separator"},
    {"Çıkarma", "mnualtaltaçıkarma", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=0", "Form3"},
    {"Çıkarma", "mnualtaltaçıkarmabilinmeye", "Alt alta doğal sayılar bilinmeyenli", "ALT ALTA DOĞAL SAYILAR ÇIKARMA", "D1>1 D2>3 E>2 N", "0", "5=1", "Form3"},
    {"Çıkarma", "mnualtlataondalıkcıkar", "Alt alta ondalık sayılar", "ALT ALTA ONDALIK SAYILAR ÇIKARMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form19"},
    {"Çıkarma", "mnusekillicıkarmabilin", "Şekilli  Çıkarma bilinmeyenli", "ŞEKİLLİ DOĞAL SAYILAR ÇIKARMA", "Sub>1 Dif>3 N", "0", "", "Form14"},
    {"Çarpma", "mnuyanyanacarpma", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR ÇARPMA", "D1 D2 N", "1", "", "text"},
    {"Çarpma", "mnuyanyanabilincarpma", "Yan yana doğal sayılar bilinmeyenli", "YAN YANA DOĞAL SAYILAR ÇARPMA", "D1 D2 N", "0", "", "text"},
    {"Çarpma", "mnuonyuzbincarpma", "10,100,1000 ile çarpma", "10,100 ve 1000 İLE ÇARPMA", "D1 N", "1", "", "text"},
    {"Çarpma", "mnuyanyanaondalıkcarp", "Yan yana ondalık sayılar", "YAN YANA ONDALIK SAYILAR ÇARPMA", "D1 P1 D2 P2 N", "1", "", "text"},
    {"Çarpma", "mnucizgi3", "", "", "", "", "", "separator"},
    {"Çarpma", "mnualtaltacarpma", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR ÇARPMA", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=0", "Form4"},
    {"Çarpma", "mnualtaltabilinmeyencarpma", "Alt alta doğal sayılar bilinmeyenli", "ALT ALTA DOĞAL SAYILAR ÇARPMA", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=1", "Form4"},
    {"Çarpma", "mnualtaltacarpmaondalık", "Alt alta ondalık sayılar", "ALT ALTA ONDALIK SAYILAR ÇARPMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form4"},
    {"Çarpma", "mnualtaltacarpmabilinmeyenondalık", "Alt alta ondalık sayılar bilinmeyenli", "ALT ALTA ONDALIK SAYILAR ÇARPMA", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=1", "Form4"},
    {"Bölme", "mnuyanyanabolme", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR BÖLME", "D1 D2 N", "1", "", "text"},
    {"Bölme", "mnuyanyanabilinmeyenbolme", "Yan yana doğal sayılar bilinmeyenli", "YAN YANA DOĞAL SAYILAR BÖLME", "D1 D2 N", "1", "", "text"},
    {"Bölme", "mnuyanyanaondalıkbolme", "Yan yana ondalık sayılar", "YAN YANA ONDALIK SAYILAR BÖLME", "D1 P1 D2 P2 N", "1", "", "text"},
    {"Bölme", "mnucizgi4", "", "", "", "", "", "separator"},
    {"Bölme", "mnukalanlıbölme", "Kalanlı bölme doğal sayılar", "DOĞAL SAYILAR BÖLME", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=1", "Form5"},
    {"Bölme", "mnukalansızbolme", "Kalansız bölme doğal sayılar", "DOĞAL SAYILAR BÖLME", "D1>1 D2>3 E>2 N", "0", "4=0 8=0 5=0", "Form5"},
    {"Bölme", "mnukalanlıondalıkbolme", "Kalanlı bölme ondalık sayılar", "ONDALIK SAYILAR BÖLME", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=1", "Form5"},
    {"Bölme", "mnukalansızondalıkbolme", "Kalansız bölme ondalık sayılar", "ONDALIK SAYILAR BÖLME", "D1>1 P1>4 D2>3 P2>8 E>2 N", "0", "5=0", "Form5"},
    {"Diğer", "mnusayıyuvarlaonluk", "Sayıları yuvarla onluğa", "SAYILARI YUVARLAMA", "D1>1 E>2 N", "0", "5=10", "Form6"},
    {"Diğer", "mnusayılarıyuvarlayuzluk", "Sayıları yuvarla yüzlüğe", "SAYILARI YUVARLAMA", "D1>1 E>2 N", "0", "5=100", "Form6"},
    {"Diğer", "mnuteciftsayıbul", "Tek-çift sayı bulma", "TEK-ÇİFT SAYI BULMA", "D1>1 E>2 N", "0", "5=TEKCIFT", "Form6"},
    {"Diğer", "mnubuyukkucukesitbul", "Büyük-Eşit-Küçük bulma", "BÜYÜK-KÜÇÜK-EŞİT BULMA", "D1>1 E>2 N", "0", "5=BUYUKESITKUCUK", "Form6"},
    {"Diğer", "mnusayıdogrusutoplacıkar", "Sayı doğrusunda toplama-çıkarma", "SAYI DOĞRUSUNDA TOPLAMA ÇIKARMA", "E>2 N", "0", "", "Form7"},
    {"Diğer", "mnusıralamalar", "B->K ve K->B sıralamalar", "B->K VE K->B SIRALAMALAR", "D1>1 E>2 N", "0", "", "Form8"},
    {"Diğer", "mnusaatokuma", "Saat okuma", "SAAT OKUMA", "N", "0", "1=NORMAL", "Form9"},
    {"Diğer", "mnusaatokutam", "Saat okuma tam", "SAAT OKUMA", "N", "0", "1=TAM", "Form9"},
    {"Diğer", "mnusaatokutamyarımceyrek", "Saat okuma tam-yarım-çeyrek", "SAAT OKUMA", "N", "0", "1=TAMYARIMCEYREK", "Form9"},
    {"Diğer", "mnusayıoruntusu", "Sayı örüntüleri", "SAYI ÖRÜNTÜLERİ", "Start>2 End>3 Step>4 E>1 N", "0", "", "Form10"},
    {"Diğer", "mnusekiloruntu", "Şekil örüntüleri", "ŞEKİL ÖRÜNTÜLERİ", "Period>4 E>2 N", "0", "", "Form11"},
    {"Diğer", "mnuislemtablosu", "İşlem tablosu", "İŞLEM TABLOSU", "D1>1 D2>3 Op>5 N", "0", "", "Form12"},
    {"Diğer", "mnuislemtabloboya", "İşlem tablosu boyamalı", "İŞLEM TABLOSU", "D1>1 D2>3 Op>5 N", "0", "", "Form16"},
    {"Diğer", "mnuçokluyanyanaişlem", "Çoklu yan yana işlemler", "ÇOKLU YAN YANA İŞLEMLER", "D1>1 D2>3 D3>5 N", "0", "", "Form17"},
};
// clang-format on

// Short names for the prompts, in the order of the Prompt enumeration.
const char* const kCodes[] = {"D1",  "P1", "D2",    "P2",  "D3",   "Add",    "Sum", "Sub",
                              "Dif", "Op", "Start", "End", "Step", "Period", "E",   "N"};
std::string code(Prompt prompt) { return kCodes[static_cast<int>(prompt)]; }

std::string fieldDigit(Field field) { return std::string(ParameterBlock::name(field)).substr(5); }

std::string join(const std::vector<std::string>& parts) {
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : " ") + p;
  return out;
}

TEST(MenuBar, MatchesTheSheetKindsItemByItem) {
  std::vector<std::pair<std::string, const MenuEntry*>> actual;
  for (const Menu& menu : menuBar()) {
    for (const MenuEntry& entry : menu.entries) actual.emplace_back(menu.caption, &entry);
  }
  ASSERT_EQ(actual.size(), std::size(kMenu));
  for (std::size_t i = 0; i < actual.size(); ++i) {
    const Expected& want = kMenu[i];
    const MenuEntry& entry = *actual[i].second;
    SCOPED_TRACE(want.item);
    EXPECT_EQ(actual[i].first, want.menu);
    EXPECT_EQ(entry.item, want.item);
    if (std::string(want.output) == "separator") {
      EXPECT_EQ(entry.command, nullptr);
      continue;
    }
    ASSERT_NE(entry.command, nullptr);
    const Command& c = *entry.command;
    EXPECT_EQ(c.caption, want.caption);
    EXPECT_EQ(c.title, want.title);
    EXPECT_EQ(c.countDefault, want.countDefault);
    std::vector<std::string> questions, constants;
    for (const Question& q : c.questions) {
      questions.push_back(code(q.prompt) + (q.target ? ">" + fieldDigit(*q.target) : ""));
    }
    for (const Constant& k : c.constants) {
      constants.push_back(fieldDigit(k.field) + "=" + std::string(k.text));
    }
    EXPECT_EQ(join(questions), want.questions);
    EXPECT_EQ(join(constants), want.constants);
    const std::string output =
        c.isTextSheet() ? "text" : std::string(formName(std::get<PageKind>(c.output)));
    EXPECT_EQ(output, want.output);
    EXPECT_EQ(c.available, entry.item != "mnuyanyanaondalıktoplamabil");
  }
  std::vector<std::string> menus;
  for (const Menu& menu : menuBar()) menus.emplace_back(menu.item);
  EXPECT_EQ(join(menus), "mnutoplama mnuçıkarma mnucarpma mnubolme mnudiger");
  EXPECT_EQ(allCommands().size(), 46u);
}

}  // namespace
}  // namespace ws
