#pragma once

#include <QDir>
#include <QString>
#include <limits>

#include "main_window/questions.h"
#include "pages/page_frame.h"

namespace ws {

// Prints a page on one sheet of the default printer. Where there is no printer, or printing
// fails, the sheet is kept as a numbered PDF file instead of being lost.
class QtPrinter final : public PagePrinter {
 public:
  // Gives a whole sheet its name unless a file has that name: 0, or the error (EEXIST there).
  using NameSheet = int (*)(const char* from, const char* to);

  struct Options {
    // Tests turn the real printer off, so they never put paper through it.
    bool usePrinter = true;
    // Where PDF sheets go; empty means the current directory.
    QString pdfFolder;
    // A rename that refuses to replace, then a second link: the system's own calls where
    // empty; tests stand in for file systems that lack one or both.
    NameSheet renameNoReplace = nullptr;
    NameSheet link = nullptr;
  };

  // The highest sheet number; once a sheet of that number is in the folder, no new one is made.
  static constexpr quint64 kLastNumber = std::numeric_limits<qint64>::max();

  explicit QtPrinter(Messages& messages) : QtPrinter(messages, Options{}) {}
  QtPrinter(Messages& messages, Options options);

  void print(const Page& page) override;
  void beginBatch() override;
  void endBatch() override;

 private:
  enum class Outcome { Printed, NoPrinter, Failed };
  // What became of the sheets of the batch that went to PDF files.
  struct Tally {
    Outcome why = Outcome::Printed;
    int saved = 0;
    int failed = 0;
    std::string failure;  // why the first sheet that failed was not saved
  };

  Outcome printOnPrinter(const Page& page);
  // Empty when the sheet is saved; otherwise why it is not.
  std::string saveAsPdf(const Page& page);
  static std::string noNumberLeft();
  QDir pdfFolder() const;

  Messages& messages_;
  Options options_;
  quint64 nextNumber_ = 0;  // 0 until the folder has been looked at
  bool inBatch_ = false;
  Tally tally_;
  bool toldAboutPdf_ = false;
};

}  // namespace ws
