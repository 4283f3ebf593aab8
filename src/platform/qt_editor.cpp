#include "platform/qt_editor.h"

#include <QFileInfo>
#include <QProcess>

namespace ws {

std::optional<std::string> QtEditor::start(const std::string& path) {
  const QString file = QString::fromStdString(path);
  QProcess process;
#ifdef Q_OS_WIN
  // Notepad in the file's folder, so that its command line names just the file.
  const QFileInfo info(file);
  process.setProgram(QStringLiteral("notepad.exe"));
  process.setArguments({info.fileName()});
  process.setWorkingDirectory(info.absolutePath());
#else
  process.setProgram(QStringLiteral("xdg-open"));
  process.setArguments({QFileInfo(file).absoluteFilePath()});
#endif
  if (process.startDetached()) return std::nullopt;
  return process.errorString().toStdString();
}

}  // namespace ws
