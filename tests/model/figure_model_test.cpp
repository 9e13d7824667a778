#include <gtest/gtest.h>

#include "model/figure_model.h"

using namespace laserpic::model;

TEST(FigureModel, StartsZeroWithStateSentinels) {
  FigureModel m;
  EXPECT_EQ(m.PicX[0], 0);
  EXPECT_EQ(m.LastX[255], 0);
  EXPECT_EQ(m.State.CapturedPoint, 1000);
  EXPECT_EQ(m.State.CurrentPoint, 500);
  EXPECT_EQ(m.State.FigureKind, 0);
  EXPECT_EQ(m.State.AreaLeft, 127);
  EXPECT_EQ(m.State.AnchorY, 127);
}

TEST(FigureModel, ClearFigureCentresPointsAndFillsFileImage) {
  FigureModel m;
  m.LastX[3] = 9;
  m.AreaMark[4] = 1;
  clearFigure(m);
  for (int i = 0; i < kPointCount; ++i) {
    ASSERT_EQ(m.PicX[i], 127);
    ASSERT_EQ(m.PicY[i], 127);
  }
  for (auto b : m.FileImage) ASSERT_EQ(b, 127);
  // The change tracking and the marks are not part of the figure.
  EXPECT_EQ(m.LastX[3], 9);
  EXPECT_EQ(m.AreaMark[4], 1);
}

TEST(FigureModel, UndoCopiesRoundTripPointsOnly) {
  FigureModel m;
  clearFigure(m);
  copyToUndo(m);
  m.PicX[10] = 1;
  m.PicY[200] = 2;
  m.State.CurrentPoint = 7;
  copyFromUndo(m);
  EXPECT_EQ(m.PicX[10], 127);
  EXPECT_EQ(m.PicY[200], 127);
  EXPECT_EQ(m.State.CurrentPoint, 7);
}

TEST(FigureModel, ChangeTrackingSeesAnyDifference) {
  FigureModel m;
  EXPECT_FALSE(figureChangedSinceLast(m));
  m.PicY[255] = 1;
  EXPECT_TRUE(figureChangedSinceLast(m));
  rememberFigureAsLast(m);
  EXPECT_FALSE(figureChangedSinceLast(m));
}

TEST(FigureModel, TitleRunsThePartsTogether) {
  FigureModel m;
  m.TitleText = " A ";
  m.FileLabel = " [b] ";
  m.PictureLabel = " [c] ";
  EXPECT_EQ(composeTitle(m), QString(" A  [b]  [c] "));
}
