#include <gtest/gtest.h>

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "fixtures/metafiles.h"
#include "ui/base_form.h"
#include "support/scripted_prompts.h"
#include "ui/surfaces.h"
#include "support/temp_files.h"

using namespace laserpic;
using fakes::ScriptedPrompts;

namespace {

QByteArray encoded(const char* format) {
  QImage image(48, 36, QImage::Format_RGB32);
  image.fill(Qt::green);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

class BackgroundWindowTest : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) { return fakes::writeTestFile(mDir, name, bytes); }
  void load(const QString& path) {
    mPrompts.fileNames = {path};
    QTest::mouseClick(mForm.SpeedButtonLoadPicture, Qt::LeftButton);
  }

  QTemporaryDir mDir;
  ScriptedPrompts mPrompts;
  model::FigureModel mModel;
  ui::TBaseForm mForm{mModel};
};

}  // namespace

TEST_F(BackgroundWindowTest, SampleShowsBeforeAnyLoad) {
  EXPECT_FALSE(mForm.ImageDraw->isVisible());
  EXPECT_EQ(mForm.ImageDraw->picture().size(), QSize(331, 412));
  mForm.show();
  QTest::mouseClick(mForm.SpeedButtonPicVisible, Qt::LeftButton);
  EXPECT_TRUE(mForm.ImageDraw->isVisible());
  EXPECT_EQ(mForm.ImageDraw->geometry(), QRect(48, 72, 385, 433));
  QTest::mouseClick(mForm.SpeedButtonPicVisible, Qt::LeftButton);
  EXPECT_FALSE(mForm.ImageDraw->isVisible());
}

TEST_F(BackgroundWindowTest, EveryFormatShowsAndNamesThePicture) {
  const struct {
    const char* name;
    QByteArray bytes;
    const char* picName;
  } cases[] = {
      {"cat.jpg", encoded("jpeg"), "cat"},        {"dog.bmp", encoded("bmp"), "dog"},
      {"icon.ico", encoded("ico"), "icon"},       {"plan.wmf", fixtures::wmfRectangle(), "plan"},
      {"logo.emf", fixtures::emfRectangle(), "logo"},
  };
  mForm.show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = write(c.name, c.bytes);
    const QImage before = mForm.ImageDraw->picture();
    mForm.SpeedButtonWeb->setChecked(true);
    mForm.SpeedButtonPicVisible->setChecked(false);
    const int redraws = mForm.fullRedrawCount();
    load(path);
    EXPECT_TRUE(mPrompts.messages.empty()) << mPrompts.messages.back().text.toStdString();
    EXPECT_NE(mForm.ImageDraw->picture(), before);
    EXPECT_TRUE(mForm.ImageDraw->isVisible());
    EXPECT_TRUE(mForm.SpeedButtonPicVisible->isChecked());
    EXPECT_FALSE(mForm.SpeedButtonWeb->isChecked());
    EXPECT_EQ(mModel.PictureLabel, " [" + path + "] ");
    EXPECT_TRUE(mForm.windowTitle().endsWith(" [" + path + "] "));
    EXPECT_EQ(mModel.PicName, c.picName);
    EXPECT_GT(mForm.fullRedrawCount(), redraws);
  }
  const QString filter = mPrompts.dialogs.back().filter;
  for (const char* pattern : {"*.bmp", "*.ico", "*.emf", "*.wmf", "*.jpg", "*.jpeg"})
    EXPECT_TRUE(filter.contains(pattern)) << pattern;
}

TEST_F(BackgroundWindowTest, LoadSetsButtonsWithoutRunningTheirHandlers) {
  QTest::mouseClick(mForm.SpeedButtonCucle, Qt::LeftButton);
  const int figureKind = mModel.State.FigureKind;
  ASSERT_NE(figureKind, 0);
  mForm.SpeedButton128->setChecked(true);
  mForm.SpeedButtonMirrGor->setChecked(true);
  mForm.SpeedButtonmirrVert->setChecked(true);
  const auto picX = mModel.PicX;

  load(write("cat.jpg", encoded("jpeg")));
  EXPECT_FALSE(mForm.SpeedButton128->isChecked());
  EXPECT_TRUE(mForm.SpeedButtonOffMade->isChecked());
  EXPECT_FALSE(mForm.SpeedButtonMirrGor->isChecked());
  EXPECT_FALSE(mForm.SpeedButtonmirrVert->isChecked());
  EXPECT_EQ(mModel.State.FigureKind, figureKind);
  EXPECT_EQ(mModel.PicX, picX);
  // The generator is still selected although the off button shows down.
  mForm.ScrollBarGorzFigura->setValue(mForm.ScrollBarGorzFigura->value() / 2);
  EXPECT_NE(mModel.PicX, picX);
}

TEST_F(BackgroundWindowTest, UnreadablePictureLeavesEditorState) {
  QByteArray jpeg = encoded("jpeg");
  for (int i = 4; i < 120; ++i) jpeg[i] = char(0x5A);
  const QByteArray bmp = encoded("bmp");
  QByteArray wmf = fixtures::wmfRectangle();
  wmf.chop(12);
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"damaged.jpg", jpeg},
      {"truncated.bmp", bmp.left(bmp.size() - 100)},
      {"malformed.wmf", wmf},
      {"malformed.emf", fixtures::emfHeaderOnly()},
  };
  mForm.show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QImage picture = mForm.ImageDraw->picture();
    mModel.PicName = "keep";
    mForm.SpeedButtonWeb->setChecked(true);
    mForm.SpeedButton128->setChecked(true);
    mPrompts.messages.clear();
    load(write(c.name, c.bytes));
    ASSERT_EQ(mPrompts.messages.size(), 1u);
    EXPECT_EQ(mPrompts.messages[0].icon, ui::PromptIcon::Error);
    EXPECT_TRUE(mPrompts.messages[0].text.contains(c.name)) << mPrompts.messages[0].text.toStdString();
    EXPECT_EQ(mForm.ImageDraw->picture(), picture);
    EXPECT_FALSE(mForm.ImageDraw->isVisible());
    EXPECT_TRUE(mForm.SpeedButtonWeb->isChecked());
    EXPECT_EQ(mModel.PictureLabel, " [no Picture] ");
    EXPECT_EQ(mModel.PicName, "keep");
    // The button states were set before the load, as before.
    EXPECT_FALSE(mForm.SpeedButton128->isChecked());
  }
}

TEST_F(BackgroundWindowTest, CancelChangesNothing) {
  mForm.SpeedButton128->setChecked(true);
  mModel.PicName = "keep";
  QTest::mouseClick(mForm.SpeedButtonLoadPicture, Qt::LeftButton);
  EXPECT_TRUE(mForm.SpeedButton128->isChecked());
  EXPECT_EQ(mModel.PicName, "keep");
  EXPECT_FALSE(mForm.ImageDraw->isVisible());
}

TEST_F(BackgroundWindowTest, Sizing) {
  ASSERT_TRUE(mForm.CheckBoxTogez->isChecked());
  const struct {
    int position;
    QRect bounds;
  } together[] = {{100, {213, 236, 100, 100}}, {500, {13, 36, 500, 500}}, {301, {112, 135, 301, 301}}};
  for (const auto& c : together) {
    mForm.ScrollBarRazmX->setValue(c.position);
    EXPECT_EQ(mForm.ImageDraw->geometry(), c.bounds) << c.position;
    EXPECT_EQ(mForm.ScrollBarRazmY->value(), c.position);
  }

  QTest::mouseClick(mForm.CheckBoxTogez, Qt::LeftButton);
  EXPECT_FALSE(mForm.CheckBoxTogez->isChecked());
  EXPECT_FALSE(mForm.ScrollBarRazmY->isHidden());
  mForm.ScrollBarRazmX->setValue(200);
  EXPECT_EQ(mForm.ImageDraw->geometry(), QRect(163, 135, 200, 301));
  EXPECT_EQ(mForm.ScrollBarRazmY->value(), 301);
  mForm.ScrollBarRazmY->setValue(400);
  EXPECT_EQ(mForm.ImageDraw->geometry(), QRect(163, 86, 200, 400));

  // Ticking again hides the second slider but does not align the two at once.
  QTest::mouseClick(mForm.CheckBoxTogez, Qt::LeftButton);
  EXPECT_TRUE(mForm.ScrollBarRazmY->isHidden());
  EXPECT_EQ(mForm.ImageDraw->geometry(), QRect(163, 86, 200, 400));
}
