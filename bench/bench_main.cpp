#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// The offscreen platform warns at every window shown; in the start benchmark that is
// thousands of lines around the results.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  qtDefaultHandler(type, context, text);
}

}  // namespace

// Painting needs fonts and the start needs widgets: one application object for every
// benchmark, under the offscreen platform unless another is asked for.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefaultHandler = qInstallMessageHandler(quietOffscreen);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
