#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ui/base_form.h"
#include "support/scripted_prompts.h"
#include "support/temp_files.h"

using namespace laserpic;
using fakes::ScriptedPrompts;

namespace {

const QString kFilter = "Картинка для Vektrona (*.fgr)";
const QString kOverwrite = "Файл с таким именем существует, переписать?";
const QString kSaveChanges = " Записать последние изменения?";

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class FileWindowTest : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) { return fakes::writeTestFile(mDir, name, bytes); }
  // A picture whose point i lies at (i, 255 - i).
  QString diagonal(const QString& name) {
    QByteArray bytes(2048, char(127));
    for (int i = 0; i < 256; ++i) {
      bytes[i] = char(i);
      bytes[1024 + i] = char(255 - i);
    }
    return write(name, bytes);
  }
  void click(QToolButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  QTemporaryDir mDir;
  ScriptedPrompts mPrompts;
  model::FigureModel mModel;
  ui::TBaseForm mForm{mModel};
};

}  // namespace

TEST_F(FileWindowTest, OpenLoadsFigureAndNamesEverything) {
  const QString path = diagonal("star01.fgr");
  mForm.SpeedButtonUndoClick();
  mPrompts.fileNames = {path};
  click(mForm.SpeedButtonOpenPic);

  ASSERT_EQ(mPrompts.dialogs.size(), 1u);
  EXPECT_EQ(mPrompts.dialogs[0].filter, kFilter);
  EXPECT_EQ(mModel.PicX[10], 10);
  EXPECT_EQ(mModel.PicY[10], 245);
  EXPECT_EQ(mModel.UndoX[10], 127);  // the snapshot came first
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.FileLabel, " [" + path + "]");
  EXPECT_TRUE(mForm.windowTitle().contains(path));
  EXPECT_EQ(mModel.PicName, "star01");
  EXPECT_TRUE(mPrompts.messages.empty());

  // The next save proposes the opened file.
  click(mForm.SpeedButtonSavePic);
  EXPECT_EQ(mPrompts.dialogs.back().initialPath, path);
}

TEST_F(FileWindowTest, CancelledOpenStillSnapshotsAndSetsPicName) {
  // First time: no path was ever chosen.
  mForm.SpeedButtonUndoClick();
  click(mForm.SpeedButtonOpenPic);
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.PicName, " NoName ");

  // Later: the name comes from the path chosen the time before.
  const QString path = diagonal("cat.fgr");
  mPrompts.fileNames = {path, QString()};
  click(mForm.SpeedButtonOpenPic);
  mForm.SpeedButtonUndoClick();
  mModel.PicName = "x";
  click(mForm.SpeedButtonOpenPic);
  EXPECT_EQ(mPrompts.dialogs.back().initialPath, path);
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.PicName, "cat");
}

TEST_F(FileWindowTest, OpenOfMissingOrShortFileChangesNothing) {
  QByteArray shortBytes(1500, char(3));
  const struct {
    const char* name;
    QString path;
    ui::PromptIcon icon;
    QString text;
    QString picName;
  } cases[] = {
      {"missing", mDir.filePath("gone.fgr"), ui::PromptIcon::Error, "Файл не найден !", " NoName "},
      {"short", write("short.fgr", shortBytes), ui::PromptIcon::Error, "Read beyond end of file", "No-Name-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    mModel.PicName = "No-Name-";
    const auto fileImage = mModel.FileImage;
    const auto picX = mModel.PicX;
    const QString title = mForm.windowTitle();
    mPrompts.messages.clear();
    mPrompts.fileNames = {c.path};
    click(mForm.SpeedButtonOpenPic);
    ASSERT_EQ(mPrompts.messages.size(), 1u);
    EXPECT_EQ(mPrompts.messages[0].icon, c.icon);
    EXPECT_TRUE(mPrompts.messages[0].text.contains(c.text)) << mPrompts.messages[0].text.toStdString();
    EXPECT_EQ(mModel.FileImage, fileImage);
    EXPECT_EQ(mModel.PicX, picX);
    EXPECT_EQ(mForm.windowTitle(), title);
    EXPECT_EQ(mModel.FileLabel, " [no FileLaser] ");
    EXPECT_EQ(mModel.PicName, c.picName);
  }
}

TEST_F(FileWindowTest, SaveWritesFileAndMarksFigureSaved) {
  const QString path = mDir.filePath("new.fgr");
  mPrompts.fileNames = {path};
  click(mForm.SpeedButtonSavePic);

  ASSERT_EQ(mPrompts.dialogs.size(), 1u);
  EXPECT_EQ(mPrompts.dialogs[0].initialPath, "Pic001");
  EXPECT_EQ(mPrompts.dialogs[0].filter, kFilter);
  EXPECT_EQ(mPrompts.dialogs[0].defaultSuffix, "fgr");
  EXPECT_TRUE(mPrompts.questions.empty());
  EXPECT_EQ(readAll(path), QByteArray(2048, char(127)));
  EXPECT_FALSE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.FileLabel, " [" + path + "]");
  EXPECT_EQ(mModel.PicName, "new");
}

TEST_F(FileWindowTest, CancelledSaveAtStartGivesNoName) {
  click(mForm.SpeedButtonSavePic);
  EXPECT_EQ(mModel.PicName, " NoName ");
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
}

TEST_F(FileWindowTest, OverwriteQuestion) {
  const QByteArray old(2048, char(9));
  const QString path = write("old.fgr", old);

  mPrompts.fileNames = {path};
  mPrompts.answers = {false};
  click(mForm.SpeedButtonSavePic);
  ASSERT_EQ(mPrompts.questions.size(), 1u);
  EXPECT_EQ(mPrompts.questions[0].text, kOverwrite);
  EXPECT_EQ(mPrompts.questions[0].icon, ui::PromptIcon::Warning);
  EXPECT_EQ(readAll(path), old);
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.FileLabel, " [no FileLaser] ");
  EXPECT_EQ(mModel.PicName, "old");  // named whether or not it was saved

  mPrompts.fileNames = {path};
  mPrompts.answers = {true};
  click(mForm.SpeedButtonSavePic);
  EXPECT_EQ(readAll(path), QByteArray(2048, char(127)));
  EXPECT_FALSE(mForm.SpeedButtonUndo->isEnabled());
}

TEST_F(FileWindowTest, FailedSaveShowsErrorAndKeepsPictureUnsaved) {
  mModel.PicName = "before";
  mPrompts.fileNames = {mDir.filePath("no-such-folder/x.fgr")};
  click(mForm.SpeedButtonSavePic);
  ASSERT_EQ(mPrompts.messages.size(), 1u);
  EXPECT_EQ(mPrompts.messages[0].icon, ui::PromptIcon::Error);
  EXPECT_TRUE(mPrompts.messages[0].text.contains("x.fgr"));
  EXPECT_TRUE(mForm.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(mModel.FileLabel, " [no FileLaser] ");
  EXPECT_EQ(mModel.PicName, "before");
}

TEST_F(FileWindowTest, CloseQuestion) {
  const QString saved = mDir.filePath("closing.fgr");
  const struct {
    const char* name;
    std::deque<bool> answers;
    std::deque<QString> fileNames;
    size_t dialogs;
    bool written;
  } cases[] = {
      {"no", {false}, {}, 0, false},
      {"yes then cancel", {true}, {QString()}, 1, false},
      {"yes then path", {true}, {saved}, 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(saved);
    model::FigureModel m;
    ui::TBaseForm form(m);
    mPrompts.questions.clear();
    mPrompts.dialogs.clear();
    mPrompts.answers = c.answers;
    mPrompts.fileNames = c.fileNames;
    form.show();
    EXPECT_TRUE(form.close());
    ASSERT_EQ(mPrompts.questions.size(), 1u);
    EXPECT_EQ(mPrompts.questions[0].text, kSaveChanges);
    EXPECT_EQ(mPrompts.questions[0].icon, ui::PromptIcon::Warning);
    EXPECT_EQ(mPrompts.dialogs.size(), c.dialogs);
    EXPECT_EQ(QFile::exists(saved), c.written);
    EXPECT_EQ(m.PicName, c.written ? "closing" : "No-Name-");
  }
}

TEST_F(FileWindowTest, CloseAfterSaveAsksNothing) {
  mPrompts.fileNames = {mDir.filePath("a.fgr")};
  click(mForm.SpeedButtonSavePic);
  mPrompts.questions.clear();
  mForm.FormClose();
  EXPECT_TRUE(mPrompts.questions.empty());
}

// Closing over a failed save would lose the changes: the question comes again.
TEST_F(FileWindowTest, CloseAsksAgainWhenTheSaveFails) {
  mPrompts.answers = {true, true};
  mPrompts.fileNames = {mDir.filePath("no-such-folder/x.fgr"), QString()};
  mForm.FormClose();
  EXPECT_EQ(mPrompts.questions.size(), 2u);
  EXPECT_EQ(mPrompts.messages.size(), 1u);
  EXPECT_EQ(mPrompts.dialogs.size(), 2u);
}
