#pragma once

#include <QLabel>
#include <QMainWindow>
#include <memory>

#include "common/number_text.h"
#include "common/parameter_block.h"
#include "common/random.h"
#include "main_window/command_runner.h"
#include "main_window/text_file.h"
#include "pages/page_window.h"

namespace ws {

// What the main window uses of the outside world. Left empty, the window uses
// the real ones; tests put their own printer and editor in.
struct Form1Services {
  PagePrinter* printer = nullptr;
  Editor* editor = nullptr;
};

// The main window: the menu of sheet kinds. It owns the parameter block and the
// program's one generator for the whole run.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Form1Services services = {}, QWidget* parent = nullptr);
  ~Form1() override;

  QtPageHost& pages() { return *pageHost_; }

 private:
  void buildMenu();
  void bringToFront();

  ParameterBlock block_;
  Generator generator_;
  NumberText numbers_;
  std::unique_ptr<Questioner> questioner_;
  std::unique_ptr<Messages> messages_;
  std::unique_ptr<PagePrinter> ownPrinter_;
  PagePrinter* printer_;
  std::unique_ptr<QtPageHost> pageHost_;
  std::unique_ptr<PageFrame> frame_;
  std::unique_ptr<HandOver> handOver_;
  std::unique_ptr<TextFile> textFile_;
  std::unique_ptr<Editor> ownEditor_;
  std::unique_ptr<TextSheetRunner> textSheets_;
  std::unique_ptr<CommandRunner> runner_;
};

}  // namespace ws
