#pragma once

#include <QDir>
#include <QString>

#include "main_window/questions.h"
#include "pages/page_frame.h"

namespace ws {

// Prints a page on one sheet of the default printer. Where there is no printer, or printing
// fails, the sheet is kept as a numbered PDF file instead of being lost.
class QtPrinter final : public PagePrinter {
 public:
  struct Options {
    // Tests turn the real printer off, so they never put paper through it.
    bool usePrinter = true;
    // Where PDF sheets go; empty means the current directory.
    QString pdfFolder;
  };

  explicit QtPrinter(Messages& messages) : QtPrinter(messages, Options{}) {}
  QtPrinter(Messages& messages, Options options);

  void print(const Page& page) override;

  // "calisma-sayfasi-0001.pdf": the file name of sheet `number`.
  static QString pdfFileName(int number);

 private:
  enum class Outcome { Printed, NoPrinter, Failed };
  Outcome printOnPrinter(const Page& page);
  void saveAsPdf(const Page& page, Outcome why);
  QDir pdfFolder() const;

  Messages& messages_;
  Options options_;
  int nextNumber_ = 0;  // 0 until the folder has been looked at
  bool toldAboutPdf_ = false;
  bool toldAboutFailure_ = false;
};

}  // namespace ws
