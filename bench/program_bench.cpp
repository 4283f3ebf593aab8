#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "common/random.h"
#include "main_window/commands.h"
#include "main_window/main_window.h"
#include "main_window/text_sheets.h"

namespace ws {
namespace {

class NoEditor final : public Editor {
 public:
  std::optional<std::string> start(const std::string&, Failed) override { return std::nullopt; }
};

class NoMessages final : public Messages {
 public:
  void warn(std::string_view, std::string_view) override {}
};

// One side-by-side addition of 10,000 problems: one line each, appended to a real file.
void tenThousandTextLines(benchmark::State& state) {
  QTemporaryDir folder;
  const std::filesystem::path path = folder.filePath(QStringLiteral("ruvakto.txt")).toStdString();
  ParameterBlock block;
  Generator generator;
  const NumberText numbers(",");
  AppendingTextFile file(path);
  NoEditor editor;
  NoMessages messages;
  TextSheets sheets(block, generator, numbers, file, editor, messages);
  const Command& addition = *findCommand("mnuyanyanatoplama");
  for (auto _ : state) {
    sheets.run(addition, {"2", "2", "10000"});
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}

// From the main window's construction until it is shown, in this process.
void startUntilMainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    Form1 window;
    window.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(window.isVisible());
  }
}

BENCHMARK(tenThousandTextLines)->Name("TextSheet/10000Lines")->Unit(benchmark::kMillisecond);
BENCHMARK(startUntilMainWindowShown)->Name("Start/MainWindowShown")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ws
