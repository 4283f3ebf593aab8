#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <string>
#include <vector>

#include "main_window/commands.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "pages/page_window.h"
#include "sample_sheets.h"
#include "support/doubles.h"
#include "support/page_image.h"

// What the painted sheet and its preview window show: nothing of what a page hides, and the
// whole sheet at the screen's size.
namespace ws {
namespace {

constexpr int kTwipsPerPixel = 15;  // a screen pixel
constexpr double kTwipsPerInch = 1440;

QImage render(const Page& page) { return test::paintedSheet(page, kTwipsPerPixel); }

struct Sheet {
  std::string what;
  PageKind kind;
  Page page;
};

// Every page command's sheet with its sample answers, with pictures and without.
std::vector<Sheet> everySheet() {
  std::vector<Sheet> sheets;
  for (const Command* command : allCommands()) {
    const auto* kind = std::get_if<PageKind>(&command->output);
    if (!kind) continue;
    for (const bool pictures : {true, false}) {
      const ParameterBlock block = sampleAnswers(*command, Answers::Defaults, pictures);
      Generator generator;
      sheets.push_back({std::string(command->item) + (pictures ? " E" : " H"), *kind,
                        drawPage(*kind, LoadContext{block, generator, NumberText(",")})});
    }
  }
  return sheets;
}

template <typename Controls>
void dropHidden(Controls& controls) {
  std::erase_if(controls, [](const auto& control) { return !control.visible; });
}

Page withoutHidden(Page page) {
  dropHidden(page.pictures);
  dropHidden(page.shapes);
  dropHidden(page.lines);
  dropHidden(page.texts);
  return page;
}

// The hidden controls under pixels that differ between two paintings of the same area.
std::string hiddenUnderDifferences(const Page& page, const QImage& a, const QImage& b) {
  std::string found;
  auto look = [&](const std::string& name, int index, const Box& box) {
    for (int y = std::max(0, box.top / kTwipsPerPixel);
         y <= box.bottom() / kTwipsPerPixel && y < a.height(); ++y) {
      for (int x = std::max(0, box.left / kTwipsPerPixel);
           x <= box.right() / kTwipsPerPixel && x < a.width(); ++x) {
        if (a.pixel(x, y) != b.pixel(x, y)) {
          found += " " + name + "(" + std::to_string(index) + ")";
          return;
        }
      }
    }
  };
  for (const Picture& c : page.pictures) {
    if (!c.visible) look(c.name, c.index, c.box);
  }
  for (const Shape& c : page.shapes) {
    if (!c.visible) look(c.name, c.index, c.box);
  }
  for (const Line& c : page.lines) {
    if (!c.visible) look(c.name, c.index, inkBox(c));
  }
  for (const TextField& c : page.texts) {
    if (!c.visible) look(c.name, c.index, c.box);
  }
  return found;
}

// Every second control of each kind hidden, starting with the first or the second.
Page thinned(Page page, std::size_t first) {
  auto hide = [first](auto& controls) {
    for (std::size_t i = first; i < controls.size(); i += 2) controls[i].visible = false;
  };
  hide(page.pictures);
  hide(page.shapes);
  hide(page.lines);
  hide(page.texts);
  return page;
}

void expectNoInkOfHidden(const Page& page, const std::string& what) {
  const QImage shown = render(page), bare = render(withoutHidden(page));
  ASSERT_EQ(shown.size(), bare.size()) << what << ": a hidden control changes the sheet's size";
  EXPECT_TRUE(shown == bare) << what << ": ink of hidden"
                             << hiddenUnderDifferences(page, shown, bare);
}

// A sheet painted with its hidden controls is the sheet painted without them: no hidden picture,
// shape, line, sign stroke or text leaves a mark, nor moves or shrinks what is shown.
TEST(PageInk, HiddenControlsLeaveNoInk) {
  for (const Sheet& sheet : everySheet()) {
    SCOPED_TRACE(sheet.what);
    // The shape patterns are drawn from a palette row the pupil never sees.
    if (sheet.kind == PageKind::Form11) {
      EXPECT_FALSE(sheet.page.text("Label3").visible);
    }
    // As the page hid them when it loaded; then with half the controls of each kind hidden too,
    // so each kind of control is hidden somewhere, each control once.
    expectNoInkOfHidden(sheet.page, "as loaded");
    expectNoInkOfHidden(thinned(sheet.page, 0), "first half hidden");
    expectNoInkOfHidden(thinned(sheet.page, 1), "second half hidden");
  }
}

// A previewed page opens showing its whole sheet, one screen pixel for each of its pixels: its
// window's client area is the page's drawn area at the screen's resolution, beneath the menu bar.
TEST(PreviewWindow, OpensAtItsSheetsSize) {
  for (const Command* command : allCommands()) {
    const auto* kind = std::get_if<PageKind>(&command->output);
    if (!kind) continue;
    SCOPED_TRACE(std::string(command->item));
    ParameterBlock block = sampleAnswers(*command, Answers::Defaults, true);
    Generator generator;
    const NumberText numbers(",");
    test::RecordingPrinter printer;
    QtPageHost host(printer);
    PageFrame frame(LoadContext{block, generator, numbers}, printer, nullptr);
    HandOver(block, numbers, frame, host).run(*kind, "0");
    PageWindow* window = host.window(*kind);
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_TRUE(printer.printed.empty());

    const Page& page = window->page();
    // The design's client area: narrower on the five oldest column pages.
    const bool narrow = *kind == PageKind::Form2 || *kind == PageKind::Form3 ||
                        *kind == PageKind::Form4 || *kind == PageKind::Form5 ||
                        *kind == PageKind::Form7;
    EXPECT_EQ(page.clientWidth, narrow ? 10380 : 10875);
    EXPECT_EQ(page.clientHeight, 12150);
    const Box area = page.drawnArea();
    ASSERT_GE(area.width, page.clientWidth);
    ASSERT_GE(area.height, page.clientHeight);

    const QWidget* client = window->centralWidget();
    ASSERT_TRUE(client);
    EXPECT_EQ(client->logicalDpiX(), kTwipsPerInch / kTwipsPerPixel);
    const QSize expected(qRound(area.width * client->logicalDpiX() / kTwipsPerInch),
                         qRound(area.height * client->logicalDpiY() / kTwipsPerInch));
    EXPECT_EQ(client->size(), expected);
    EXPECT_EQ(window->size(),
              QSize(expected.width(), expected.height() + window->menuBar()->height()));
  }
}

}  // namespace
}  // namespace ws
