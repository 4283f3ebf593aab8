#include "main_window/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "main_window/text_sheets.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_editor.h"
#include "platform/qt_printer.h"

namespace ws {

namespace {

int twipsToPixels(int twips, const QWidget* widget) {
  return qRound(twips * widget->logicalDpiX() / 1440.0);
}

QLabel* contactLine(QWidget* parent, const char* name, const QString& text, QColor colour,
                    bool underline, QRect twips) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(9.75);
  font.setUnderline(underline);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setWordWrap(true);
  label->setGeometry(twipsToPixels(twips.x(), parent), twipsToPixels(twips.y(), parent),
                     twipsToPixels(twips.width(), parent), twipsToPixels(twips.height(), parent));
  return label;
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent)
    : QMainWindow(parent),
      numbers_(QLocale::system().decimalPoint().toStdString()),
      questioner_(std::make_unique<QtQuestioner>(this)),
      messages_(std::make_unique<QtMessages>(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Matematik Çalışma Sayfaları"));
  setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));

  if (services.printer) {
    printer_ = services.printer;
  } else {
    ownPrinter_ = std::make_unique<QtPrinter>(*messages_);
    printer_ = ownPrinter_.get();
  }
  pageHost_ = std::make_unique<QtPageHost>(*printer_);
  frame_ = std::make_unique<PageFrame>(LoadContext{block_, generator_, numbers_}, *printer_,
                                       [this] { bringToFront(); });
  handOver_ = std::make_unique<HandOver>(block_, numbers_, *frame_, *pageHost_);
  textFile_ = std::make_unique<AppendingTextFile>();
  if (!services.editor) ownEditor_ = std::make_unique<QtEditor>();
  Editor& editor = services.editor ? *services.editor : *ownEditor_;
  textSheets_ =
      std::make_unique<TextSheets>(block_, generator_, numbers_, *textFile_, editor, *messages_);
  runner_ = std::make_unique<CommandRunner>(block_, numbers_, *questioner_, *messages_, *handOver_,
                                            *textSheets_);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, QColor(255, 255, 192));
  client->setPalette(palette);
  client->setMinimumSize(twipsToPixels(4155, this), twipsToPixels(1500, this));
  contactLine(client, "Label6", QStringLiteral("Soru ve önerileriniz için:"), QColor(0, 0, 255),
              true, QRect(480, 360, 2655, 375));
  contactLine(client, "Label7", QStringLiteral("Projenin sayfasındaki \"Sorunlar\" bölümü"),
              QColor(255, 0, 0), false, QRect(480, 720, 2775, 735));
  setCentralWidget(client);
  buildMenu();
  // The designed client area is narrower than the five menus: widen the window so that
  // every menu stands on the bar instead of behind an overflow button.
  resize(std::max(client->minimumWidth(), QMainWindow::menuBar()->sizeHint().width()),
         client->minimumHeight() + QMainWindow::menuBar()->sizeHint().height());
  setFixedSize(size());
}

Form1::~Form1() = default;

void Form1::buildMenu() {
  for (const Menu& menu : ws::menuBar()) {
    QMenu* qmenu = QMainWindow::menuBar()->addMenu(toQString(menu.caption));
    qmenu->setObjectName(toQString(menu.item));
    for (const MenuEntry& entry : menu.entries) {
      if (!entry.command) {
        qmenu->addSeparator()->setObjectName(toQString(entry.item));
        continue;
      }
      const Command* command = entry.command;
      QAction* action = qmenu->addAction(toQString(command->caption));
      action->setObjectName(toQString(command->item));
      action->setEnabled(command->available);
      connect(action, &QAction::triggered, this, [this, command] { runner_->run(*command); });
    }
  }
}

void Form1::bringToFront() {
  show();
  raise();
  activateWindow();
}

}  // namespace ws
