#include <QApplication>

#include "main_window/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("calisma-sayfalari"));
  ws::Form1 window;
  window.show();
  return QApplication::exec();
}
