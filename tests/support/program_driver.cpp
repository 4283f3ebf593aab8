// A teacher at the real program, for the tests that start it as a user does. The program loads
// it as a Qt input plugin (QT_QPA_GENERIC_PLUGINS=wsdriver:SCRIPT); once the main window is up,
// it chooses menu items and answers their questions from SCRIPT, notes what it was asked and
// told in SCRIPT.seen, and ends the program. SCRIPT holds one command a line: the item's name,
// then each answer after a tab.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

class Teacher : public QObject {
 public:
  explicit Teacher(QString script) : script_(std::move(script)) {
    // Runs as the program's event loop starts, when the main window stands on the screen.
    QTimer::singleShot(0, this, &Teacher::play);
  }

 private:
  void play() {
    QFile script(script_), seen(script_ + QStringLiteral(".seen"));
    if (!script.open(QIODevice::ReadOnly) || !seen.open(QIODevice::WriteOnly)) {
      return QCoreApplication::exit(2);
    }
    QWidget* main = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String("Form1")) main = window;
    }
    while (main && !script.atEnd()) {
      const QStringList line =
          QString::fromUtf8(script.readLine()).remove(QLatin1Char('\n')).split(QLatin1Char('\t'));
      auto* item = main->findChild<QAction*>(line[0]);
      if (!item) break;
      QStringList answers = line.mid(1);
      // A zero timer fires inside each dialog's own event loop, once the dialog is open.
      QTimer user;
      connect(&user, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
          if (answers.isEmpty()) return dialog->reject();
          dialog->setTextValue(answers.takeFirst());
          dialog->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
          seen.write("message\t" + box->text().replace('\n', ' ').toUtf8() + '\n');
          box->accept();
        }
      });
      user.start(0);
      item->trigger();
      seen.write("done\t" + line[0].toUtf8() + '\t' + QByteArray::number(answers.size()) + '\n');
    }
    seen.close();
    QCoreApplication::exit(main && script.atEnd() ? 0 : 3);
  }

  QString script_;
};

class ProgramDriver : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "program_driver.json")

 public:
  QObject* create(const QString&, const QString& script) override { return new Teacher(script); }
};

}  // namespace

#include "program_driver.moc"
