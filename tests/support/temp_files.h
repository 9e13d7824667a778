#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace laserpic::fakes {

// Writes a file of the given bytes into a test's temporary folder.
inline QString writeTestFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  EXPECT_EQ(f.write(bytes), bytes.size());
  return path;
}

}  // namespace laserpic::fakes
