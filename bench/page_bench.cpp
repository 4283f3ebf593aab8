#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <set>
#include <string>
#include <string_view>

#include "common/random.h"
#include "main_window/commands.h"
#include "pages/artwork.h"
#include "pages/hand_over.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "pages/page_window.h"
#include "platform/qt_printer.h"

namespace ws {
namespace {

// The parameter block as the first menu command of the page leaves it when every
// question is answered with its default.
ParameterBlock defaultAnswersFor(PageKind kind) {
  ParameterBlock block;
  for (const Command* command : allCommands()) {
    if (command->isTextSheet() || std::get<PageKind>(command->output) != kind) continue;
    for (const Question& question : command->questions) {
      if (question.target) block.set(*question.target, std::string(defaultAnswer(question.prompt)));
    }
    for (const Constant& constant : command->constants) {
      block.set(constant.field, std::string(constant.text));
    }
    return block;
  }
  return block;
}

// What the screen shows: one pixel for every 15 twips.
void loadAndPaint(benchmark::State& state, PageKind kind) {
  const ParameterBlock block = defaultAnswersFor(kind);
  const NumberText numbers(",");
  Generator generator;
  for (auto _ : state) {
    const Page page = drawPage(kind, LoadContext{block, generator, numbers});
    const Box area = page.drawnArea();
    QImage image(area.width / 15, area.height / 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, QRectF(image.rect()));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

// 100 pages, each from `pageFor()`, into one PDF as the PDF fallback writes them; the file's
// bytes per page are reported beside the time.
template <typename PageFor>
void hundredPagesToPdf(benchmark::State& state, PageFor pageFor) {
  constexpr int kSheets = 100;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheets.pdf"));
  for (auto _ : state) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    for (int sheet = 0; sheet < kSheets; ++sheet) {
      if (sheet > 0) writer.newPage();
      paintPage(painter, pageFor(), QRectF(0, 0, writer.width(), writer.height()));
    }
    painter.end();
  }
  state.SetItemsProcessed(state.iterations() * kSheets);
  state.counters["pdf_bytes_per_page"] = static_cast<double>(QFileInfo(path).size()) / kSheets;
}

// A batch, all sheets in one file: each sheet freshly drawn.
void hundredSheetsToPdf(benchmark::State& state, PageKind kind) {
  const ParameterBlock block = defaultAnswersFor(kind);
  const NumberText numbers(",");
  Generator generator;
  hundredPagesToPdf(state, [&] { return drawPage(kind, LoadContext{block, generator, numbers}); });
}

// One picture alone on 100 PDF pages, at the size its page gives it: what each picture costs a
// batch, in time and in bytes per sheet.
void pictureToPdf(benchmark::State& state, const artwork::Slot& slot) {
  constexpr int kTwipsPerDesignerPixel = 15;
  Page page;
  page.clientWidth = 10875;
  page.pictures.push_back(picture(
      "Picture", kSingle, slot.name,
      {0, 0, slot.pixelWidth * kTwipsPerDesignerPixel, slot.pixelHeight * kTwipsPerDesignerPixel}));
  hundredPagesToPdf(state, [&]() -> const Page& { return page; });
}

class NoMessages final : public Messages {
 public:
  void warn(std::string_view, std::string_view) override {}
};

// A batch as the program runs it where no printer is installed: the hand-over loads, prints and
// unloads each sheet, and the printer keeps each as its own PDF file. Its bytes per sheet are
// reported; its peak memory is what /usr/bin/time shows of a run of this benchmark alone.
void batchToPdfFiles(benchmark::State& state, PageKind kind) {
  const auto sheets = state.range(0);
  ParameterBlock block = defaultAnswersFor(kind);
  const NumberText numbers(",");
  Generator generator;
  NoMessages messages;
  qint64 bytes = 0;
  for (auto _ : state) {
    QTemporaryDir folder;
    QtPrinter printer(messages, {.usePrinter = false, .pdfFolder = folder.path()});
    QtPageHost host(printer);
    PageFrame frame(LoadContext{block, generator, numbers}, printer, nullptr);
    HandOver handOver(block, numbers, frame, host);
    handOver.run(kind, std::to_string(sheets));
    state.PauseTiming();
    bytes = 0;
    for (const QFileInfo& file : QDir(folder.path()).entryInfoList(QDir::Files))
      bytes += file.size();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * sheets);
  state.counters["pdf_bytes_per_page"] = static_cast<double>(bytes) / static_cast<double>(sheets);
}

const int registered = [] {
  for (int k = 0; k < kPageKindCount; ++k) {
    const auto kind = static_cast<PageKind>(k);
    benchmark::RegisterBenchmark(("LoadAndPaint/" + std::string(formName(kind))).c_str(),
                                 loadAndPaint, kind)
        ->Unit(benchmark::kMillisecond);
  }
  for (int k = 0; k < kPageKindCount; ++k) {
    const auto kind = static_cast<PageKind>(k);
    benchmark::RegisterBenchmark(("HundredSheetsPdf/" + std::string(formName(kind))).c_str(),
                                 hundredSheetsToPdf, kind)
        ->Unit(benchmark::kMillisecond);
  }
  std::set<std::string_view> pictures;
  for (const artwork::Slot& slot : artwork::allSlots()) {
    if (!pictures.insert(slot.name).second) continue;
    benchmark::RegisterBenchmark(("HundredPicturesPdf/" + std::string(slot.name)).c_str(),
                                 pictureToPdf, slot)
        ->Unit(benchmark::kMillisecond);
  }
  for (PageKind kind : {PageKind::Form4, PageKind::Form9}) {
    benchmark::RegisterBenchmark(("BatchPdfFiles/" + std::string(formName(kind))).c_str(),
                                 batchToPdfFiles, kind)
        ->Arg(30)
        ->Arg(100)
        ->Arg(300)
        ->Unit(benchmark::kMillisecond);
  }
  return 0;
}();

}  // namespace
}  // namespace ws
