#include "main_window/text_sheets.h"

#include <cassert>
#include <utility>

#include "common/number_draw.h"

namespace ws {

namespace {

constexpr std::string_view kAnswerPlace = "...";

// What stands in each place of a line: the texts of Label1, Label3 and Label5, or the blank.
enum class Slot { First, Second, Result, AnswerPlace };

// What a line puts into Label5 before it is built.
enum class Scratch { Untouched, AnswerPlace, Result };

enum class Operation { Add, Subtract, Multiply };

double apply(Operation operation, double a, double b) {
  switch (operation) {
    case Operation::Add:
      return a + b;
    case Operation::Subtract:
      return a - b;
    case Operation::Multiply:
      return a * b;
  }
  return 0;
}

}  // namespace

// One line of a repetition: left, sign, right, "=", answer.
struct TextSheets::LineShape {
  Scratch label5;
  Slot left, right, answer;
  std::string_view multiplier = {};  // a fixed second number; empty when it is drawn
};

struct TextSheets::Sheet {
  std::string_view sign;
  bool largerFirst;  // the larger number goes first; equal numbers stay as drawn
  Operation result;  // what Label5 holds on the lines that show a result
  std::vector<LineShape> lines;
  bool divides = false;  // the second number is a divisor, so it must not be 0
};

namespace {

using Shape = std::vector<TextSheets::LineShape>;
using enum Slot;

// The open kinds' two pieces are joined directly, so they read as one line.
const Shape kOpen{{Scratch::Untouched, First, Second, AnswerPlace}};

// The result asked, then the first number, then the second; every line draws its own pair.
const Shape kMissing{{Scratch::AnswerPlace, First, Second, Result},
                     {Scratch::Result, AnswerPlace, Second, Result},
                     {Scratch::Result, First, AnswerPlace, Result}};

// The product is the dividend, so each division comes out whole: the quotient asked,
// then the dividend, then the divisor.
const Shape kExactDivision{{Scratch::Result, Result, Second, AnswerPlace},
                           {Scratch::Result, AnswerPlace, Second, First},
                           {Scratch::Result, Result, AnswerPlace, First}};

const Shape kTimesTenHundredThousand{{Scratch::AnswerPlace, First, Second, Result, "10"},
                                     {Scratch::AnswerPlace, First, Second, Result, "100"},
                                     {Scratch::AnswerPlace, First, Second, Result, "1000"}};

const TextSheets::Sheet& sheetFor(TextSheetKind kind) {
  using S = TextSheets::Sheet;
  using enum Operation;
  static const S addition{"+", false, Add, kOpen};
  static const S additionMissing{"+", false, Add, kMissing};
  static const S subtraction{"-", true, Subtract, kOpen};
  static const S subtractionMissing{"-", true, Subtract, kMissing};
  static const S multiplication{"x", false, Multiply, kOpen};
  static const S orderedMultiplication{"x", true, Multiply, kOpen};
  static const S multiplicationMissing{"x", true, Multiply, kMissing};
  static const S division{"/", true, Multiply, kOpen, true};
  static const S exactDivision{"/", true, Multiply, kExactDivision, true};
  static const S timesTenHundredThousand{"x", false, Multiply, kTimesTenHundredThousand};

  // The decimal kinds differ from their whole twins only in the places they draw
  // with, but for the multiplication, which puts the larger number first.
  switch (kind) {
    case TextSheetKind::Addition:
    case TextSheetKind::DecimalAddition:
      return addition;
    case TextSheetKind::AdditionMissing:
    case TextSheetKind::DecimalAdditionMissing:
      return additionMissing;
    case TextSheetKind::Subtraction:
    case TextSheetKind::DecimalSubtraction:
      return subtraction;
    case TextSheetKind::SubtractionMissing:
      return subtractionMissing;
    case TextSheetKind::Multiplication:
      return multiplication;
    case TextSheetKind::DecimalMultiplication:
      return orderedMultiplication;
    case TextSheetKind::MultiplicationMissing:
      return multiplicationMissing;
    case TextSheetKind::Division:
    case TextSheetKind::DecimalDivision:
      return division;
    case TextSheetKind::DivisionMissing:
      return exactDivision;
    case TextSheetKind::TimesTenHundredThousand:
      return timesTenHundredThousand;
  }
  assert(false && "every text sheet kind has a sheet");
  return addition;
}

std::string cannotWrite(const std::string& path, const TextFileFault& fault) {
  std::string text = "\"" + path + "\" dosyasına yazılamadı.\n" +
                     (fault.systemReason ? "Sistemin bildirdiği neden: " : "") + fault.reason;
  if (fault.partLeft) {
    text +=
        "\nYazılan satırlar geri alınamadı: sayfanın bir kısmı dosyanın sonunda kaldı. Dosyayı "
        "açıp bu satırları silebilirsiniz.";
  }
  return text;
}

std::string cannotOpenEditor(const std::string& path, const std::string& reason) {
  return "Metin düzenleyici açılamadı (" + reason + ").\nSorular \"" + path +
         "\" dosyasına yazıldı; dosyayı kendiniz açabilirsiniz.";
}

}  // namespace

struct TextSheets::Answers {
  double firstBound = 1;
  int firstPlaces = 0;
  double secondBound = 1;
  int secondPlaces = 0;
  double count = 0;
};

TextSheets::TextSheets(ParameterBlock& block, FractionSource& random, const NumberText& numbers,
                       TextFile& file, Editor& editor, Messages& messages)
    : block_(block),
      random_(random),
      numbers_(numbers),
      file_(file),
      editor_(editor),
      messages_(messages) {}

int textSheetPlaces(std::string_view answer) {
  return decimalPlaces(NumberText::readWithPoint(answer));
}

TextSheets::Answers TextSheets::read(const Command& command,
                                     const std::vector<std::string>& answers) const {
  assert(answers.size() == command.questions.size() && "every question has its answer");
  Answers given;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const std::string& answer = answers[i];
    switch (command.questions[i].prompt) {
      case Prompt::FirstDigits:
        given.firstBound = rangeBound(numbers_.read(answer));
        break;
      case Prompt::SecondDigits:
        given.secondBound = rangeBound(numbers_.read(answer));
        break;
      case Prompt::FirstPlaces:
        given.firstPlaces = textSheetPlaces(answer);
        break;
      case Prompt::SecondPlaces:
        given.secondPlaces = textSheetPlaces(answer);
        break;
      case Prompt::Count:
        given.count = numbers_.read(answer);
        break;
      default:
        assert(false && "a text sheet asks digits, places and the count only");
    }
  }
  return given;
}

void TextSheets::run(const Command& command, const std::vector<std::string>& answers) {
  const Answers given = read(command, answers);
  assert(given.count <= kMaxCount && "the command refuses larger counts");
  const Sheet& sheet = sheetFor(std::get<TextSheetKind>(command.output));

  if (auto fault = file_.open()) {
    messages_.warn(command.title, cannotWrite(file_.path(), *fault));
    return;
  }
  for (int k = 1; k <= given.count; ++k) writeRepetition(sheet, given);
  if (auto fault = file_.close()) {
    messages_.warn(command.title, cannotWrite(file_.path(), *fault));
    return;
  }
  const std::string path = file_.path();
  // An editor that starts but then fails is told when it ends, perhaps after this command.
  auto failed = [&messages = messages_, title = std::string(command.title),
                 path](const std::string& reason) {
    messages.warn(title, cannotOpenEditor(path, reason));
  };
  if (auto reason = editor_.start(path, failed)) failed(*reason);
}

void TextSheets::writeRepetition(const Sheet& sheet, const Answers& given) {
  for (const LineShape& shape : sheet.lines) writeLine(sheet, shape, given);
}

void TextSheets::writeLine(const Sheet& sheet, const LineShape& shape, const Answers& given) {
  using enum Field;
  auto drawPair = [&] {
    block_.set(Label1, numbers_.caption(drawNumber(random_, given.firstBound, given.firstPlaces)));
    if (shape.multiplier.empty()) {
      block_.set(Label3,
                 numbers_.caption(drawNumber(random_, given.secondBound, given.secondPlaces)));
    } else {
      block_.set(Label3, std::string(shape.multiplier));
    }
    if (sheet.largerFirst &&
        numbers_.read(block_.get(Label3)) > numbers_.read(block_.get(Label1))) {
      std::string first = block_.get(Label1);
      block_.set(Label1, block_.get(Label3));
      block_.set(Label3, std::move(first));
    }
    return block_.get(Label3);
  };
  if (sheet.divides) {
    drawUntilDivisorNotZero(numbers_, drawPair);
  } else {
    drawPair();
  }

  switch (shape.label5) {
    case Scratch::Untouched:
      break;
    case Scratch::AnswerPlace:
      block_.set(Label5, std::string(kAnswerPlace));
      break;
    case Scratch::Result: {
      const double r =
          apply(sheet.result, numbers_.read(block_.get(Label1)), numbers_.read(block_.get(Label3)));
      block_.set(Label5, numbers_.caption(r));
      break;
    }
  }

  auto text = [this](Slot slot) -> std::string {
    switch (slot) {
      case First:
        return block_.get(Label1);
      case Second:
        return block_.get(Label3);
      case Result:
        return block_.get(Label5);
      case AnswerPlace:
        return std::string(kAnswerPlace);
    }
    return {};
  };
  file_.writeLine(text(shape.left) + std::string(sheet.sign) + text(shape.right) + "=" +
                  text(shape.answer));
}

}  // namespace ws
