#include "main_window/questions.h"

namespace ws {

std::string_view promptText(Prompt prompt) {
  switch (prompt) {
    case Prompt::FirstDigits:
      return "Birinci sayının basamak sayısı kaç?";
    case Prompt::FirstPlaces:
      return "Birinci sayının ondalık basamak sayısı kaç?";
    case Prompt::SecondDigits:
      return "İkinci sayının basamak sayısı kaç?";
    case Prompt::SecondPlaces:
      return "İkinci sayının ondalık basamak sayısı kaç?";
    case Prompt::ThirdDigits:
      return "Üçüncü sayının basamak sayısı kaç?";
    case Prompt::AddendDigits:
      return "Toplanan sayının basamak sayısı kaç?";
    case Prompt::SumDigits:
      return "Toplam olan sayının basamak sayısı kaç?";
    case Prompt::SubtrahendDigits:
      return "Çıkan sayının basamak sayısı kaç?";
    case Prompt::DifferenceDigits:
      return "Kalan sayının basamak sayısı kaç?";
    case Prompt::Operation:
      return "İşlem hangisi (0-karışık, 1-Toplama, 2-Çarpma?";
    case Prompt::StartBound:
      return "Sayı en fazla kaçtan başlasın?";
    case Prompt::EndBound:
      return "Sayı en fazla kaçta bitsin?";
    case Prompt::StepBound:
      return "Sayı örüntüleri en fazla kaçarlı olsun?";
    case Prompt::PeriodBound:
      return "Şekil örüntüleri en fazla kaçarlı olsun?";
    case Prompt::Pictures:
      return "Resimli olsun mu (E,H)?";
    case Prompt::Count:
      return "Kaç tane hazırlansın?";
  }
  return {};
}

std::string_view defaultAnswer(Prompt prompt) {
  switch (prompt) {
    case Prompt::Operation:
      return "0";
    case Prompt::EndBound:
      return "100";
    case Prompt::StepBound:
      return "5";
    case Prompt::PeriodBound:
      return "4";
    case Prompt::Pictures:
      return "E";
    case Prompt::Count:
      return "0";
    default:
      return "1";
  }
}

bool isDigitCount(Prompt prompt) {
  switch (prompt) {
    case Prompt::FirstDigits:
    case Prompt::SecondDigits:
    case Prompt::ThirdDigits:
    case Prompt::AddendDigits:
    case Prompt::SumDigits:
    case Prompt::SubtrahendDigits:
    case Prompt::DifferenceDigits:
      return true;
    default:
      return false;
  }
}

}  // namespace ws
