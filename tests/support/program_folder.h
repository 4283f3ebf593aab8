#pragma once

// The program as a user starts it: in a fresh current directory, where ruvakto.txt and
// the PDF sheets land, with an xdg-open first on PATH that notes each file it is asked
// to open instead of opening it.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ws::test {

// What a file holds from `offset` on.
inline QByteArray readFrom(const QString& path, qint64 offset = 0) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.seek(offset) ? file.readAll() : QByteArray();
}

class ProgramFolder : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work_.isValid() && tools_.isValid() && QDir::setCurrent(work_.path()));
    editorStandIn();
    qputenv("PATH", tools_.path().toUtf8() + ":" + path_);
  }
  void TearDown() override {
    QDir::setCurrent(QDir::tempPath());
    qputenv("PATH", path_);
  }

  // The xdg-open on PATH: notes the file it is given, then runs `body`.
  void editorStandIn(const QByteArray& body = {}) {
    QFile script(tools_.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + opened().toUtf8() + "'\n" + body);
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  // One line for each file the editor was started on.
  QString opened() const { return tools_.filePath("opened"); }

  QTemporaryDir work_, tools_;
  const QByteArray path_ = qgetenv("PATH");
};

}  // namespace ws::test
