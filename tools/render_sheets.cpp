// Renders every page command's sheet the way a teacher gets it, to look at before handing it out:
// default and demanding answers, pictures on and off, as PNG at a chosen resolution and all in one
// PDF. It also reports, per sheet, how much picture ink lies under the problems' cells.
// usage: render-sheets OUT_DIR [DPI] [ITEM...]
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <string>

#include "common/random.h"
#include "main_window/commands.h"
#include "pages/page_frame.h"
#include "pages/page_painter.h"
#include "sample_sheets.h"

int main(int argc, char** argv) {
  using namespace ws;
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: render-sheets OUT_DIR [DPI] [ITEM...]\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  const int dpi = argc > 2 ? std::atoi(argv[2]) : 150;
  QStringList only;
  for (int i = 3; i < argc; ++i) only << QString::fromUtf8(argv[i]);

  QPdfWriter pdf(out + "/sheets.pdf");
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setResolution(1200);
  QPainter pdfPainter(&pdf);
  bool firstPdfPage = true;
  const NumberText numbers(",");
  for (const Command* command : allCommands()) {
    if (command->isTextSheet() || !command->available) continue;
    const QString item = QString::fromUtf8(command->item.data(), command->item.size());
    if (!only.isEmpty() && !only.contains(item)) continue;
    const PageKind kind = std::get<PageKind>(command->output);
    for (const bool demanding : {false, true}) {
      for (const bool pictures : {true, false}) {
        Generator generator;
        const ParameterBlock block =
            sampleAnswers(*command, demanding ? Answers::Demanding : Answers::Defaults, pictures);
        const Page page = drawPage(kind, LoadContext{block, generator, numbers});
        const Box area = page.drawnArea();
        QImage image(qRound(area.width / 1440.0 * dpi), qRound(area.height / 1440.0 * dpi),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPage(painter, page, QRectF(image.rect()));
        painter.end();
        const QString name =
            QStringLiteral("%1_%2_%3_%4")
                .arg(QString::fromUtf8(formName(kind).data(), formName(kind).size()), item,
                     demanding ? "demanding" : "default", pictures ? "E" : "H");
        image.save(out + "/" + name + ".png");
        if (!firstPdfPage) pdf.newPage();
        firstPdfPage = false;
        paintPage(pdfPainter, page, QRectF(0, 0, pdf.width(), pdf.height()));
        if (pictures) {
          for (const CellInk& cell : pictureInkInCells(page)) {
            std::printf("%s: %s(%d) dark %d pale %d darkest %d\n", qPrintable(name),
                        cell.name.c_str(), cell.index, cell.darkPixels, cell.palePixels,
                        cell.darkestGrey);
          }
        }
      }
    }
  }
  pdfPainter.end();
  return 0;
}
