#include "sample_sheets.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "main_window/exact_results.h"
#include "pages/page_painter.h"

namespace ws {

namespace {

constexpr int kTwipsPerPixel = 10;

// Three places each, or two where a shown product would then need more digits than are written.
std::string demandingAnswer(Prompt prompt, const std::string& places) {
  if (prompt == Prompt::FirstDigits) return "6";
  if (isDigitCount(prompt)) return "4";
  if (prompt == Prompt::FirstPlaces || prompt == Prompt::SecondPlaces) return places;
  return std::string(defaultAnswer(prompt));
}

}  // namespace

ParameterBlock sampleAnswers(const Command& command, Answers answers, bool pictures) {
  auto given = [&](const std::string& places) {
    std::vector<std::string> all;
    for (const Question& question : command.questions) {
      all.push_back(answers == Answers::Demanding ? demandingAnswer(question.prompt, places)
                                                  : std::string(defaultAnswer(question.prompt)));
      if (question.prompt == Prompt::Pictures) all.back() = pictures ? "E" : "H";
    }
    return all;
  };
  std::vector<std::string> all = given("3");
  if (inexactResultRefusal(command, all, NumberText(","))) all = given("2");
  ParameterBlock block;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (const auto target = command.questions[i].target) block.set(*target, all[i]);
  }
  for (const Constant& constant : command.constants) {
    block.set(constant.field, std::string(constant.text));
  }
  return block;
}

std::vector<CellInk> pictureInkInCells(const Page& page) {
  Page picturesOnly = page;
  picturesOnly.shapes.clear();
  picturesOnly.lines.clear();
  picturesOnly.texts.clear();
  const Box area = page.drawnArea();
  // The pictures alone on the whole page's area, so each lies where it lies under the cells.
  picturesOnly.clientWidth = area.right();
  picturesOnly.clientHeight = area.bottom();
  QImage image(area.width / kTwipsPerPixel, area.height / kTwipsPerPixel, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, picturesOnly, QRectF(image.rect()));
  painter.end();

  std::vector<CellInk> found;
  auto measure = [&](const std::string& name, int index, const Box& box) {
    CellInk ink{name, index};
    const int x0 = std::max(0, (box.left - kCellPaddingTwips - area.left) / kTwipsPerPixel);
    const int y0 = std::max(0, (box.top - kCellPaddingTwips - area.top) / kTwipsPerPixel);
    const int x1 =
        std::min(image.width(), (box.right() + kCellPaddingTwips - area.left) / kTwipsPerPixel + 1);
    const int y1 = std::min(image.height(),
                            (box.bottom() + kCellPaddingTwips - area.top) / kTwipsPerPixel + 1);
    for (int y = y0; y < y1; ++y) {
      const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = x0; x < x1; ++x) {
        const int grey = qGray(row[x]);
        if (grey >= 250) continue;
        ink.darkestGrey = std::min(ink.darkestGrey, grey);
        (grey < kPaleGreyLimit ? ink.darkPixels : ink.palePixels)++;
      }
    }
    if (ink.darkPixels + ink.palePixels > 0) found.push_back(ink);
  };
  for (const TextField& text : page.texts) {
    if (text.visible && !text.caption.empty()) measure(text.name, text.index, text.box);
  }
  for (const Line& line : page.lines) {
    if (line.visible) measure(line.name, line.index, inkBox(line));
  }
  for (const Shape& shape : page.shapes) {
    if (shape.visible) measure(shape.name, shape.index, shape.box);
  }
  return found;
}

}  // namespace ws
