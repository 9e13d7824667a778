#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/base_form.h"
#include "ui/program_windows.h"
#include "ui/surfaces.h"

using namespace laserpic;

namespace {

const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kLime = qRgb(0, 255, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGrey = qRgb(128, 128, 128);

class BaseFormTest : public ::testing::Test {
 protected:
  model::FigureModel m;
  ui::TBaseForm form{m};

  // What a person sees at a window pixel, everything stacked.
  QRgb windowPixel(int x, int y) { return form.grab(QRect(x, y, 1, 1)).toImage().pixel(0, 0); }
  QRgb drawPixel(int x, int y) { return form.drawAreaImage().pixel(x, y); }
  QRgb previewPixel(int x, int y) { return form.previewImage().pixel(x, y); }

  void chooseColor(const QColor& color) {
    form.ColorBoxShapeView->setCurrentIndex(form.ColorBoxShapeView->findData(color));
  }
};

}  // namespace

TEST_F(BaseFormTest, StartState) {
  for (int i = 0; i < model::kPointCount; ++i) {
    ASSERT_EQ(m.PicX[i], 127);
    ASSERT_EQ(m.PicY[i], 127);
    ASSERT_EQ(m.UndoX[i], 127);
    ASSERT_EQ(m.LastX[i], 0);
    ASSERT_EQ(m.LastY[i], 0);
  }
  for (auto b : m.FileImage) ASSERT_EQ(b, 127);
  EXPECT_EQ(m.State.CurrentPoint, 500);
  EXPECT_EQ(m.State.CapturedPoint, 1000);
  EXPECT_TRUE(form.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(m.PicName, QString("No-Name-"));
  EXPECT_EQ(form.windowTitle(), QString(" Редактор картинок для лазера  [no FileLaser]  [no Picture] "));
}

TEST_F(BaseFormTest, StartSceneAsSeenInTheWindow) {
  // Drawing area at (8, 24): all marks on pixel (254, 254), the yellow one on top.
  EXPECT_EQ(windowPixel(8 + 254, 24 + 254), kYellow);
  EXPECT_EQ(windowPixel(8 + 250, 24 + 257), kYellow);
  // Preview at (544, 32): one lime spot on the black field.
  EXPECT_EQ(windowPixel(544 + 127, 32 + 127), kLime);
  EXPECT_EQ(windowPixel(544 + 20, 32 + 200), kBlack);
  // The drawing area has no background of its own.
  EXPECT_EQ(qAlpha(drawPixel(100, 100)), 0);
}

TEST_F(BaseFormTest, UndoRestoresAndDisablesOnce) {
  m.PicX[3] = 10;
  form.SpeedButtonUndo->click();
  EXPECT_EQ(m.PicX[3], 127);
  EXPECT_FALSE(form.SpeedButtonUndo->isEnabled());

  m.PicX[3] = 20;  // a second click on the disabled button does nothing
  QTest::mouseClick(form.SpeedButtonUndo, Qt::LeftButton);
  EXPECT_EQ(m.PicX[3], 20);

  form.ToUndo();
  EXPECT_TRUE(form.SpeedButtonUndo->isEnabled());
  m.PicX[3] = 30;
  form.SpeedButtonUndo->click();
  EXPECT_EQ(m.PicX[3], 20);
  EXPECT_EQ(m.LastX[3], 0);  // undo leaves the change tracking alone
}

TEST_F(BaseFormTest, FullRedrawCountsOnlyModeOne) {
  const int before = form.fullRedrawCount();
  form.FullReturn(0);
  EXPECT_EQ(form.fullRedrawCount(), before);
  form.FullReturn(1);
  EXPECT_EQ(form.fullRedrawCount(), before + 1);
}

TEST_F(BaseFormTest, GridFollowsTheWebButton) {
  EXPECT_NE(drawPixel(100, 16), kGrey);
  form.SpeedButtonWeb->click();
  EXPECT_EQ(drawPixel(100, 16), kGrey);
  form.SpeedButtonWeb->click();
  EXPECT_NE(drawPixel(100, 16), kGrey);
}

TEST_F(BaseFormTest, ToolsPanelFollowsItsToggleWithoutRedraw) {
  const int before = form.fullRedrawCount();
  EXPECT_TRUE(form.GroupBoxTools->isHidden());
  form.SpeedButtonTools->click();
  EXPECT_FALSE(form.GroupBoxTools->isHidden());
  form.SpeedButtonTools->click();
  EXPECT_TRUE(form.GroupBoxTools->isHidden());
  EXPECT_EQ(form.fullRedrawCount(), before);
}

TEST_F(BaseFormTest, PreviewFieldColourRefusesLime) {
  const struct {
    QColor chosen;
    QColor field;
  } cases[] = {
      {QColor(0, 0, 128), QColor(0, 0, 128)},
      {QColor(0, 255, 0), QColor(0, 0, 0)},
      {QColor(255, 251, 240), QColor(255, 251, 240)},
  };
  for (const auto& c : cases) {
    chooseColor(c.chosen);
    EXPECT_EQ(form.ShapeView->fillColor(), c.field) << c.chosen.name().toStdString();
    EXPECT_EQ(windowPixel(544 + 20, 32 + 200), c.field.rgb());
  }
}

TEST_F(BaseFormTest, HalfToggleLimitsTheDrawingAreaOnly) {
  for (int i = 0; i < model::kPointCount; ++i) m.PicX[i] = static_cast<std::uint8_t>(i);
  form.SpeedButton128->setChecked(true);
  form.FullReturn(1);
  EXPECT_EQ(qAlpha(drawPixel(2 * 200, 2 * 127 - 1)), 0);  // point 200 not drawn
  EXPECT_EQ(previewPixel(200, 127), kLime);              // but previewed
}

TEST_F(BaseFormTest, HotColourShowsAtTheNextRedraw) {
  m.PicX[1] = 20;
  form.CheckBoxHotCol->setChecked(true);
  form.FullReturn(1);
  EXPECT_EQ(previewPixel(60, 127), kYellow);
}

TEST_F(BaseFormTest, EveryToolButtonHasItsHint) {
  EXPECT_EQ(form.SpeedButtonOpenPic->toolTip(), QString("Открыть файл лазерной картинки для редактирования"));
  EXPECT_EQ(form.SpeedButtonUndo->toolTip(), QString("вернуть прежнюю картинку"));
  EXPECT_EQ(form.SpeedButtonWeb->toolTip(), QString("включить - выключить  сетку"));
  EXPECT_TRUE(form.SpeedButtonUstProgram->isHidden());
  EXPECT_TRUE(form.GroupBox1->isHidden());
  EXPECT_EQ(form.PaintBoxDraw->geometry(), QRect(8, 24, 512, 512));
  EXPECT_EQ(form.PaintBoxView->geometry(), QRect(544, 32, 256, 256));
  EXPECT_EQ(form.GroupBoxMade->geometry(), QRect(544, 299, 257, 238));
}

TEST(ProgramWindows, ToolButtonsOpenTheOtherWindowsModally) {
  model::FigureModel m;
  ui::ProgramWindows windows(m);
  windows.BaseForm.show();
  const struct {
    QToolButton* button;
    QDialog* window;
  } cases[] = {
      {windows.BaseForm.SpeedButtonAbout, &windows.AboutForm},
      {windows.BaseForm.SpeedButtonLink, &windows.TxComForm},
      {windows.BaseForm.SpeedButtonUstProgram, &windows.ProgForm},
  };
  for (const auto& c : cases) {
    QWidget* seen = nullptr;
    QTimer::singleShot(0, [&] {
      seen = QApplication::activeModalWidget();
      c.window->reject();
    });
    c.button->click();
    EXPECT_EQ(seen, c.window) << c.window->objectName().toStdString();
    EXPECT_TRUE(c.window->isHidden());
  }
}
