#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "model/picture_file.h"

using namespace laserpic::model;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

// Byte i holds i mod 251, so every stretch of the file is recognisable.
QByteArray patternBytes(int size) {
  QByteArray b(size, '\0');
  for (int i = 0; i < size; ++i) b[i] = char(i % 251);
  return b;
}

FigureModel startModel() {
  FigureModel m;
  clearFigure(m);
  return m;
}

class PictureFileTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return mDir.filePath(name); }
  QTemporaryDir mDir;
};

}  // namespace

TEST_F(PictureFileTest, SaveRightAfterStartWrites2048BytesOf127) {
  FigureModel m = startModel();
  ASSERT_TRUE(savePictureFile(m, path("a.fgr")).ok());
  EXPECT_EQ(readAll(path("a.fgr")), QByteArray(2048, char(127)));
}

TEST_F(PictureFileTest, SpareStretchesSurviveOpenAndSaveUnderAnotherName) {
  const QByteArray original = patternBytes(2048);
  writeAll(path("in.fgr"), original);
  FigureModel m = startModel();
  ASSERT_TRUE(openPictureFile(m, path("in.fgr")).ok());
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(m.PicX[i], std::uint8_t(original[i]));
    EXPECT_EQ(m.PicY[i], std::uint8_t(original[1024 + i]));
  }
  m.PicX[5] = 1;
  m.PicY[7] = 2;
  ASSERT_TRUE(savePictureFile(m, path("out.fgr")).ok());

  QByteArray expected = original;
  expected[5] = 1;
  expected[1024 + 7] = 2;
  EXPECT_EQ(readAll(path("out.fgr")), expected);
}

TEST_F(PictureFileTest, ShortFileIsRefusedAndChangesNothing) {
  writeAll(path("short.fgr"), patternBytes(1500));
  FigureModel m = startModel();
  m.PicX[0] = 9;
  const FigureModel before = m;

  const FileResult r = openPictureFile(m, path("short.fgr"));
  EXPECT_EQ(r.kind, FileResult::Kind::TooShort);
  EXPECT_TRUE(r.message.contains("Read beyond end of file"));
  EXPECT_TRUE(r.message.contains("short.fgr"));
  EXPECT_EQ(m.FileImage, before.FileImage);
  EXPECT_EQ(m.PicX, before.PicX);
  EXPECT_EQ(m.PicY, before.PicY);

  // So the next save carries none of the short file's bytes.
  ASSERT_TRUE(savePictureFile(m, path("next.fgr")).ok());
  QByteArray expected(2048, char(127));
  expected[0] = 9;
  EXPECT_EQ(readAll(path("next.fgr")), expected);
}

TEST_F(PictureFileTest, LongerFileGivesItsFirst2048Bytes) {
  const QByteArray bytes = patternBytes(5000);
  writeAll(path("long.fgr"), bytes);
  FigureModel m = startModel();
  ASSERT_TRUE(openPictureFile(m, path("long.fgr")).ok());
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(m.FileImage.data()), 2048), bytes.left(2048));
  // Bytes past the file's part of the image keep the 127 of ClearPicture.
  EXPECT_EQ(m.FileImage[2048], 127);
  EXPECT_EQ(m.PicY[255], std::uint8_t(bytes[1279]));
}

TEST_F(PictureFileTest, MissingFileIsNotFound) {
  FigureModel m = startModel();
  EXPECT_EQ(openPictureFile(m, path("none.fgr")).kind, FileResult::Kind::NotFound);
  EXPECT_EQ(openPictureFile(m, mDir.path()).kind, FileResult::Kind::NotFound);
}

TEST_F(PictureFileTest, ReadOnlyFileOpens) {
  writeAll(path("ro.fgr"), patternBytes(2048));
  const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
  QFile::setPermissions(path("ro.fgr"), readable);
  QFile::setPermissions(mDir.path(), readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                         QFileDevice::ExeOther | QFileDevice::WriteOwner);
  // Root may write anything; the child drops to an ordinary user so that
  // opening for writing would really fail.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (getuid() == 0 && setuid(65534) != 0) _exit(2);
    FigureModel m;
    clearFigure(m);
    _exit(openPictureFile(m, path("ro.fgr")).ok() && m.PicX[3] == 3 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(PictureFileTest, SaveIntoMissingFolderFailsWithPath) {
  FigureModel m = startModel();
  const FileResult r = savePictureFile(m, path("no/such/dir/x.fgr"));
  EXPECT_EQ(r.kind, FileResult::Kind::WriteFailed);
  EXPECT_TRUE(r.message.contains("x.fgr"));
}

// The disk fills up during the save: run it in a child whose file size limit
// is below 2048 bytes (this works for root too, unlike permissions).
TEST_F(PictureFileTest, FailedSaveLeavesOldFileIntact) {
  const QByteArray old = patternBytes(2048);
  writeAll(path("keep.fgr"), old);

  for (const rlim_t limit : {rlim_t(0), rlim_t(1000), rlim_t(2047)}) {
    SCOPED_TRACE(limit);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_IGN);  // writes past the limit fail instead of killing
      const struct rlimit cap{limit, limit};
      setrlimit(RLIMIT_FSIZE, &cap);
      FigureModel m;
      clearFigure(m);
      const FileResult r = savePictureFile(m, path("keep.fgr"));
      _exit(r.kind == FileResult::Kind::WriteFailed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reported success";
    EXPECT_EQ(readAll(path("keep.fgr")), old);
  }
  // No temporary file is left behind.
  EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files), QStringList{"keep.fgr"});
}

TEST_F(PictureFileTest, PictureNameFromPath) {
  QDir(mDir.path()).mkpath("a.b");
  writeAll(path("star01.fgr"), {});
  writeAll(path("noext"), {});
  writeAll(path("a.b/pic"), {});
  writeAll(path("two.dots.fgr"), {});
  const struct {
    QString path;
    QString name;
  } cases[] = {
      {path("star01.fgr"), "star01"},
      {path("noext"), "noext"},
      {path("a.b/pic"), "pic"},
      {path("two.dots.fgr"), "two.dots"},
      {path("missing.fgr"), " NoName "},
      {QString(), " NoName "},
      {mDir.path(), " NoName "},
  };
  for (const auto& c : cases) EXPECT_EQ(pictureNameFromPath(c.path), c.name) << c.path.toStdString();
}
