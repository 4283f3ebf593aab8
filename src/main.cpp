#include <QApplication>
#include <csignal>

#include "main_window/main_window.h"

int main(int argc, char** argv) {
#ifdef SIGXFSZ
  // Beyond the file size limit a write then fails and is told, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("calisma-sayfalari"));
  ws::Form1 window;
  window.show();
  return QApplication::exec();
}
