#include "platform/qt_printer.h"

namespace ws {

void QtPrinter::print(const Page& page) { Q_UNUSED(page); }

}  // namespace ws
