#include "main_window/commands.h"

#include <algorithm>

namespace ws {

namespace {

using enum Field;
using P = Prompt;

// The question sets that several commands share.
const std::vector<Question> kWholeSet{
    {P::FirstDigits, Label1}, {P::SecondDigits, Label3}, {P::Pictures, Label2}, {P::Count, {}}};
const std::vector<Question> kDecimalSet{{P::FirstDigits, Label1},  {P::FirstPlaces, Label4},
                                        {P::SecondDigits, Label3}, {P::SecondPlaces, Label8},
                                        {P::Pictures, Label2},     {P::Count, {}}};
const std::vector<Question> kTextWholeSet{
    {P::FirstDigits, {}}, {P::SecondDigits, {}}, {P::Count, {}}};
const std::vector<Question> kTextDecimalSet{{P::FirstDigits, {}},
                                            {P::FirstPlaces, {}},
                                            {P::SecondDigits, {}},
                                            {P::SecondPlaces, {}},
                                            {P::Count, {}}};
const std::vector<Question> kDigitsAndPictures{
    {P::FirstDigits, Label1}, {P::Pictures, Label2}, {P::Count, {}}};
const std::vector<Question> kTwoDigitCounts{
    {P::FirstDigits, Label1}, {P::SecondDigits, Label3}, {P::Count, {}}};
const std::vector<Question> kOperationTable{
    {P::FirstDigits, Label1}, {P::SecondDigits, Label3}, {P::Operation, Label5}, {P::Count, {}}};
const std::vector<Question> kCountOnly{{P::Count, {}}};

const ShownResult kSum{Combination::Sum,
                       {{P::FirstDigits, P::FirstPlaces}, {P::SecondDigits, P::SecondPlaces}}};
const ShownResult kDifference{Combination::Larger, kSum.operands};
// Its numbers are read shape by shape, so each must be written in digits alone, as the sum
// the pupil writes under them.
const ShownResult kShapeDigits{Combination::Larger, {{P::FirstDigits, {}}, {P::SecondDigits, {}}}};
const ShownResult kProduct{Combination::Product,
                           {{P::FirstDigits, P::FirstPlaces}, {P::SecondDigits, P::SecondPlaces}}};
const ShownResult kTableResults{Combination::ByOperation,
                                {{P::FirstDigits, {}}, {P::SecondDigits, {}}}};
// Every given addend lies below the target it makes up, so only the target's count matters.
const ShownResult kTarget{Combination::Larger, {{P::SumDigits, {}}}};
// Each given minuend is the larger target plus a drawn number.
const ShownResult kTargetPlusSubtrahend{Combination::Sum,
                                        {{P::DifferenceDigits, {}}, {P::SubtrahendDigits, {}}}};

const std::vector<Constant> kWholeZeroPlaces0{{Label4, "0"}, {Label8, "0"}, {Label5, "0"}};
const std::vector<Constant> kWholeZeroPlaces1{{Label4, "0"}, {Label8, "0"}, {Label5, "1"}};

Command text(std::string_view item, std::string_view caption, std::string_view title,
             const std::vector<Question>& questions, TextSheetKind kind,
             std::optional<ShownResult> result = std::nullopt,
             std::string_view countDefault = "1") {
  return Command{.item = item,
                 .caption = caption,
                 .title = title,
                 .questions = questions,
                 .countDefault = countDefault,
                 .constants = {},
                 .output = kind,
                 .result = std::move(result)};
}

Command page(std::string_view item, std::string_view caption, std::string_view title,
             const std::vector<Question>& questions, std::vector<Constant> constants, PageKind kind,
             std::optional<ShownResult> result = std::nullopt) {
  return Command{.item = item,
                 .caption = caption,
                 .title = title,
                 .questions = questions,
                 .countDefault = "0",
                 .constants = std::move(constants),
                 .output = kind,
                 .result = std::move(result)};
}

std::vector<Command> buildCommands() {
  using T = TextSheetKind;
  using K = PageKind;
  std::vector<Command> c;
  // Toplama
  c.push_back(text("mnuyanyanatoplama", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR TOPLAMA",
                   kTextWholeSet, T::Addition));
  c.push_back(text("mnuyanyanatoplamabilin", "Yan yana doğal sayılar bilinmeyenli",
                   "YAN YANA DOĞAL SAYILAR TOPLAMA", kTextWholeSet, T::AdditionMissing, kSum));
  c.push_back(text("mnuyanyanaondalıktopla", "Yan yana ondalık sayılar",
                   "YAN YANA ONDALIK SAYILAR TOPLAMA", kTextDecimalSet, T::DecimalAddition));
  c.push_back(text("mnuyanyanaondalıktoplamabil", "Yan yana ondalık sayı bilinmeyenli",
                   "YAN YANA ONDALIK SAYILAR TOPLAMA", kTextDecimalSet, T::DecimalAdditionMissing,
                   kSum));
  c.back().available = false;
  c.push_back(page("mnualtaltatoplama", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR TOPLAMA",
                   kWholeSet, {{Label5, "0"}}, K::Form2));
  c.push_back(page("mnualtaltabilintoplama", "Alt alta doğal sayılar bilinmeyenli",
                   "ALT ALTA DOĞAL SAYILAR TOPLAMA", kWholeSet, {{Label5, "1"}}, K::Form2, kSum));
  c.push_back(page("mnutoplamaçıkarma", "Alt alta Toplama-Çıkarma karışık",
                   "ALT ALTA DOĞAL SAYILAR TOPLAMA-ÇIKARMA", kWholeSet, {{Label5, "2"}}, K::Form2));
  c.push_back(page("mnualtaltaondalıktoplama", "Alt alta ondalık sayılar",
                   "ALT ALTA ONDALIK SAYILAR TOPLAMA", kDecimalSet, {{Label5, "0"}}, K::Form18));
  c.push_back(page("mnusekillitoplacıkar", "Şekilli toplama-çıkarma karışık",
                   "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA-ÇIKARMA", kTwoDigitCounts, {}, K::Form15,
                   kShapeDigits));
  c.push_back(page(
      "mnusekillitoplama", "Şekilli toplama bilinmeyenli", "ŞEKİLLİ DOĞAL SAYILAR TOPLAMA",
      {{P::AddendDigits, Label1}, {P::SumDigits, Label3}, {P::Count, {}}}, {}, K::Form13, kTarget));
  // Çıkarma
  c.push_back(text("mnuyanyanaçıkarma", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR ÇIKARMA",
                   kTextWholeSet, T::Subtraction));
  c.push_back(text("mnuYanyanabilinmeyenliçıkarma", "Yan yana doğal sayılar bilinmeyenli",
                   "YAN YANA DOĞAL SAYILAR ÇIKARMA", kTextWholeSet, T::SubtractionMissing,
                   kDifference));
  c.push_back(text("mnuyanyanaondalıkcıkar", "Yan yana ondalık sayılar",
                   "YAN YANA ONDALIK SAYILAR ÇIKARMA", kTextDecimalSet, T::DecimalSubtraction));
  c.push_back(page("mnualtaltaçıkarma", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR ÇIKARMA",
                   kWholeSet, {{Label5, "0"}}, K::Form3));
  c.push_back(page("mnualtaltaçıkarmabilinmeye", "Alt alta doğal sayılar bilinmeyenli",
                   "ALT ALTA DOĞAL SAYILAR ÇIKARMA", kWholeSet, {{Label5, "1"}}, K::Form3,
                   kDifference));
  c.push_back(page("mnualtlataondalıkcıkar", "Alt alta ondalık sayılar",
                   "ALT ALTA ONDALIK SAYILAR ÇIKARMA", kDecimalSet, {{Label5, "0"}}, K::Form19));
  c.push_back(page("mnusekillicıkarmabilin", "Şekilli  Çıkarma bilinmeyenli",
                   "ŞEKİLLİ DOĞAL SAYILAR ÇIKARMA",
                   {{P::SubtrahendDigits, Label1}, {P::DifferenceDigits, Label3}, {P::Count, {}}},
                   {}, K::Form14, kTargetPlusSubtrahend));
  // Çarpma
  c.push_back(text("mnuyanyanacarpma", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR ÇARPMA",
                   kTextWholeSet, T::Multiplication));
  c.push_back(text("mnuyanyanabilincarpma", "Yan yana doğal sayılar bilinmeyenli",
                   "YAN YANA DOĞAL SAYILAR ÇARPMA", kTextWholeSet, T::MultiplicationMissing,
                   kProduct, "0"));
  c.push_back(text("mnuonyuzbincarpma", "10,100,1000 ile çarpma", "10,100 ve 1000 İLE ÇARPMA",
                   {{P::FirstDigits, {}}, {P::Count, {}}}, T::TimesTenHundredThousand));
  c.push_back(text("mnuyanyanaondalıkcarp", "Yan yana ondalık sayılar",
                   "YAN YANA ONDALIK SAYILAR ÇARPMA", kTextDecimalSet, T::DecimalMultiplication));
  c.push_back(page("mnualtaltacarpma", "Alt alta doğal sayılar", "ALT ALTA DOĞAL SAYILAR ÇARPMA",
                   kWholeSet, kWholeZeroPlaces0, K::Form4));
  c.push_back(page("mnualtaltabilinmeyencarpma", "Alt alta doğal sayılar bilinmeyenli",
                   "ALT ALTA DOĞAL SAYILAR ÇARPMA", kWholeSet, kWholeZeroPlaces1, K::Form4,
                   kProduct));
  c.push_back(page("mnualtaltacarpmaondalık", "Alt alta ondalık sayılar",
                   "ALT ALTA ONDALIK SAYILAR ÇARPMA", kDecimalSet, {{Label5, "0"}}, K::Form4));
  c.push_back(page("mnualtaltacarpmabilinmeyenondalık", "Alt alta ondalık sayılar bilinmeyenli",
                   "ALT ALTA ONDALIK SAYILAR ÇARPMA", kDecimalSet, {{Label5, "1"}}, K::Form4,
                   kProduct));
  // Bölme
  c.push_back(text("mnuyanyanabolme", "Yan yana doğal sayılar", "YAN YANA DOĞAL SAYILAR BÖLME",
                   kTextWholeSet, T::Division));
  c.push_back(text("mnuyanyanabilinmeyenbolme", "Yan yana doğal sayılar bilinmeyenli",
                   "YAN YANA DOĞAL SAYILAR BÖLME", kTextWholeSet, T::DivisionMissing, kProduct));
  c.push_back(text("mnuyanyanaondalıkbolme", "Yan yana ondalık sayılar",
                   "YAN YANA ONDALIK SAYILAR BÖLME", kTextDecimalSet, T::DecimalDivision));
  c.push_back(page("mnukalanlıbölme", "Kalanlı bölme doğal sayılar", "DOĞAL SAYILAR BÖLME",
                   kWholeSet, kWholeZeroPlaces1, K::Form5));
  c.push_back(page("mnukalansızbolme", "Kalansız bölme doğal sayılar", "DOĞAL SAYILAR BÖLME",
                   kWholeSet, kWholeZeroPlaces0, K::Form5, kProduct));
  c.push_back(page("mnukalanlıondalıkbolme", "Kalanlı bölme ondalık sayılar",
                   "ONDALIK SAYILAR BÖLME", kDecimalSet, {{Label5, "1"}}, K::Form5));
  c.push_back(page("mnukalansızondalıkbolme", "Kalansız bölme ondalık sayılar",
                   "ONDALIK SAYILAR BÖLME", kDecimalSet, {{Label5, "0"}}, K::Form5, kProduct));
  // Diğer
  c.push_back(page("mnusayıyuvarlaonluk", "Sayıları yuvarla onluğa", "SAYILARI YUVARLAMA",
                   kDigitsAndPictures, {{Label5, "10"}}, K::Form6));
  c.push_back(page("mnusayılarıyuvarlayuzluk", "Sayıları yuvarla yüzlüğe", "SAYILARI YUVARLAMA",
                   kDigitsAndPictures, {{Label5, "100"}}, K::Form6));
  c.push_back(page("mnuteciftsayıbul", "Tek-çift sayı bulma", "TEK-ÇİFT SAYI BULMA",
                   kDigitsAndPictures, {{Label5, "TEKCIFT"}}, K::Form6));
  c.push_back(page("mnubuyukkucukesitbul", "Büyük-Eşit-Küçük bulma", "BÜYÜK-KÜÇÜK-EŞİT BULMA",
                   kDigitsAndPictures, {{Label5, "BUYUKESITKUCUK"}}, K::Form6));
  c.push_back(page("mnusayıdogrusutoplacıkar", "Sayı doğrusunda toplama-çıkarma",
                   "SAYI DOĞRUSUNDA TOPLAMA ÇIKARMA", {{P::Pictures, Label2}, {P::Count, {}}}, {},
                   K::Form7));
  c.push_back(page("mnusıralamalar", "B->K ve K->B sıralamalar", "B->K VE K->B SIRALAMALAR",
                   kDigitsAndPictures, {}, K::Form8));
  c.push_back(
      page("mnusaatokuma", "Saat okuma", "SAAT OKUMA", kCountOnly, {{Label1, "NORMAL"}}, K::Form9));
  c.push_back(page("mnusaatokutam", "Saat okuma tam", "SAAT OKUMA", kCountOnly, {{Label1, "TAM"}},
                   K::Form9));
  c.push_back(page("mnusaatokutamyarımceyrek", "Saat okuma tam-yarım-çeyrek", "SAAT OKUMA",
                   kCountOnly, {{Label1, "TAMYARIMCEYREK"}}, K::Form9));
  c.push_back(page("mnusayıoruntusu", "Sayı örüntüleri", "SAYI ÖRÜNTÜLERİ",
                   {{P::StartBound, Label2},
                    {P::EndBound, Label3},
                    {P::StepBound, Label4},
                    {P::Pictures, Label1},
                    {P::Count, {}}},
                   {}, K::Form10));
  c.push_back(page("mnusekiloruntu", "Şekil örüntüleri", "ŞEKİL ÖRÜNTÜLERİ",
                   {{P::PeriodBound, Label4}, {P::Pictures, Label2}, {P::Count, {}}}, {},
                   K::Form11));
  c.push_back(
      page("mnuislemtablosu", "İşlem tablosu", "İŞLEM TABLOSU", kOperationTable, {}, K::Form12));
  c.push_back(page("mnuislemtabloboya", "İşlem tablosu boyamalı", "İŞLEM TABLOSU", kOperationTable,
                   {}, K::Form16, kTableResults));
  c.push_back(page("mnuçokluyanyanaişlem", "Çoklu yan yana işlemler", "ÇOKLU YAN YANA İŞLEMLER",
                   {{P::FirstDigits, Label1},
                    {P::SecondDigits, Label3},
                    {P::ThirdDigits, Label5},
                    {P::Count, {}}},
                   {}, K::Form17));
  return c;
}

const std::vector<Command>& commands() {
  static const std::vector<Command> all = buildCommands();
  return all;
}

}  // namespace

const Command* findCommand(std::string_view item) {
  const auto& all = commands();
  auto it = std::find_if(all.begin(), all.end(), [&](const Command& c) { return c.item == item; });
  return it == all.end() ? nullptr : &*it;
}

const std::vector<const Command*>& allCommands() {
  static const std::vector<const Command*> pointers = [] {
    std::vector<const Command*> p;
    for (const Command& c : commands()) p.push_back(&c);
    return p;
  }();
  return pointers;
}

const std::vector<Menu>& menuBar() {
  static const std::vector<Menu> menus = [] {
    auto entries = [](std::initializer_list<std::string_view> items) {
      std::vector<MenuEntry> e;
      for (std::string_view item : items) e.push_back({item, findCommand(item)});
      return e;
    };
    return std::vector<Menu>{
        {"mnutoplama", "Toplama",
         entries({"mnuyanyanatoplama", "mnuyanyanatoplamabilin", "mnuyanyanaondalıktopla",
                  "mnuyanyanaondalıktoplamabil", "mnucizgi1", "mnualtaltatoplama",
                  "mnualtaltabilintoplama", "mnutoplamaçıkarma", "mnualtaltaondalıktoplama",
                  "mnusekillitoplacıkar", "mnusekillitoplama"})},
        {"mnuçıkarma", "Çıkarma",
         entries({"mnuyanyanaçıkarma", "mnuYanyanabilinmeyenliçıkarma", "mnuyanyanaondalıkcıkar",
                  "mnucizgi2", "mnualtaltaçıkarma", "mnualtaltaçıkarmabilinmeye",
                  "mnualtlataondalıkcıkar", "mnusekillicıkarmabilin"})},
        {"mnucarpma", "Çarpma",
         entries({"mnuyanyanacarpma", "mnuyanyanabilincarpma", "mnuonyuzbincarpma",
                  "mnuyanyanaondalıkcarp", "mnucizgi3", "mnualtaltacarpma",
                  "mnualtaltabilinmeyencarpma", "mnualtaltacarpmaondalık",
                  "mnualtaltacarpmabilinmeyenondalık"})},
        {"mnubolme", "Bölme",
         entries({"mnuyanyanabolme", "mnuyanyanabilinmeyenbolme", "mnuyanyanaondalıkbolme",
                  "mnucizgi4", "mnukalanlıbölme", "mnukalansızbolme", "mnukalanlıondalıkbolme",
                  "mnukalansızondalıkbolme"})},
        {"mnudiger", "Diğer",
         entries({"mnusayıyuvarlaonluk", "mnusayılarıyuvarlayuzluk", "mnuteciftsayıbul",
                  "mnubuyukkucukesitbul", "mnusayıdogrusutoplacıkar", "mnusıralamalar",
                  "mnusaatokuma", "mnusaatokutam", "mnusaatokutamyarımceyrek", "mnusayıoruntusu",
                  "mnusekiloruntu", "mnuislemtablosu", "mnuislemtabloboya",
                  "mnuçokluyanyanaişlem"})},
    };
  }();
  return menus;
}

}  // namespace ws
