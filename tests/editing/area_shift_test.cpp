#include <gtest/gtest.h>

#include "editing/area_shift.h"
#include "editing/point_drag.h"
#include "fixtures.h"

using namespace laserpic;
using namespace laserpic::editing;
using editing::fixtures::parkedFigure;
using editing::fixtures::place;

namespace {

void setArea(model::FigureModel& m, int left, int top, int right, int bottom) {
  m.State.AreaLeft = left;
  m.State.AreaTop = top;
  m.State.AreaRight = right;
  m.State.AreaBottom = bottom;
}

// Spans a rectangle with the right button and starts a move with the left
// one, as the user does, in drawing-area pixels.
void spanAndGrab(model::FigureModel& m, int fromX, int fromY, int toX, int toY) {
  mouseDown(m, MouseButton::Right, fromX * 2, fromY * 2, {});
  mouseMove(m, toX * 2, toY * 2, {});
  mouseUp(m);
  mouseDown(m, MouseButton::Left, 0, 0, {});
}

}  // namespace

TEST(AreaMode, DoubleClickTogglesModeAndCursor) {
  auto m = parkedFigure();
  EXPECT_EQ(toggleAreaMode(m), Cursor::SizeAll);
  EXPECT_EQ(m.State.AreaMode, 1);
  m.State.DragMode = 2;
  EXPECT_EQ(toggleAreaMode(m), Cursor::Drag);
  EXPECT_EQ(m.State.AreaMode, 0);
  EXPECT_EQ(m.State.DragMode, 0);
}

TEST(AreaMode, MarksEdgesButNotOneUnitOutside) {
  auto m = parkedFigure();
  m.State.AreaMode = 1;
  setArea(m, 20, 30, 40, 50);
  const struct {
    int x, y;
    bool marked;
  } points[] = {{20, 30, true},  {40, 50, true},  {30, 40, true}, {19, 40, false},
                {41, 40, false}, {30, 29, false}, {30, 51, false}};
  for (int i = 0; i < 7; ++i) place(m, i, points[i].x, points[i].y);
  m.AreaMark.fill(1);  // stale marks from an earlier press must go
  mouseDown(m, MouseButton::Left, 60, 80, {});
  for (int i = 0; i < 7; ++i) EXPECT_EQ(m.AreaMark[i], points[i].marked ? 1 : 0) << "point " << i;
  EXPECT_EQ(m.AreaMark[100], 0);
  EXPECT_EQ(m.State.DragMode, 1);
}

TEST(AreaMode, SpanningBackwardsMarksTheSamePoints) {
  model::PointArray marks[2];
  const int spans[2][4] = {{20, 30, 40, 50}, {40, 50, 20, 30}};
  for (int k = 0; k < 2; ++k) {
    auto m = parkedFigure();
    m.State.AreaMode = 1;
    place(m, 1, 20, 30);
    place(m, 2, 40, 50);
    place(m, 3, 30, 45);
    place(m, 4, 41, 45);
    spanAndGrab(m, spans[k][0], spans[k][1], spans[k][2], spans[k][3]);
    EXPECT_LE(m.State.AreaLeft, m.State.AreaRight);
    EXPECT_LE(m.State.AreaTop, m.State.AreaBottom);
    marks[k] = m.AreaMark;
  }
  EXPECT_EQ(marks[0], marks[1]);
  EXPECT_EQ(marks[0][1] + marks[0][2] + marks[0][3] + marks[0][4], 3);
}

TEST(SdvigXY, StopsAtTheBorderAndKeepsFollowingTheMouse) {
  auto m = parkedFigure();
  setArea(m, 4, 100, 30, 120);
  place(m, 0, 4, 110);
  place(m, 1, 30, 100);
  place(m, 2, 60, 110);  // outside: not marked
  markPointsInArea(m);
  m.State.AnchorX = 100;
  m.State.AnchorY = 110;

  SdvigXY(m, 90, 110);  // 10 left, only 4 possible
  EXPECT_EQ(m.State.AreaLeft, 0);
  EXPECT_EQ(m.State.AreaRight, 26);
  EXPECT_EQ(m.PicX[0], 0);
  EXPECT_EQ(m.PicX[1], 26);
  EXPECT_EQ(m.State.AnchorX, 90);

  SdvigXY(m, 100, 110);  // back 10 right, all of them taken
  EXPECT_EQ(m.State.AreaLeft, 10);
  EXPECT_EQ(m.PicX[0], 10);
  EXPECT_EQ(m.PicX[1], 36);
  EXPECT_EQ(m.PicX[2], 60);
  EXPECT_EQ(m.PicY[0], 110);
}

TEST(SdvigXY, BothAxesAndTheFarBorders) {
  struct Case {
    int toX, toY;
    int left, top;  // rectangle's first corner afterwards
  } cases[] = {
      {150, 150, 150, 150},  // free move
      {255, 255, 235, 235},  // held by the right and bottom borders
      {0, 0, 0, 0},          // held by the left and top borders
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.toX << "," << c.toY);
    auto m = parkedFigure();
    setArea(m, 100, 100, 120, 120);
    place(m, 5, 110, 120);
    markPointsInArea(m);
    m.State.AnchorX = 100;
    m.State.AnchorY = 100;
    SdvigXY(m, c.toX, c.toY);
    EXPECT_EQ(m.State.AreaLeft, c.left);
    EXPECT_EQ(m.State.AreaTop, c.top);
    EXPECT_EQ(m.State.AreaRight - m.State.AreaLeft, 20);
    EXPECT_EQ(m.PicX[5], c.left + 10);
    EXPECT_EQ(m.PicY[5], c.top + 20);
    EXPECT_EQ(m.State.AnchorX, c.toX);
  }
}

TEST(AreaMode, MoveFollowsTheButtonHeld) {
  auto m = parkedFigure();
  m.State.AreaMode = 1;
  // The right button pulls the far corner and asks for a redraw.
  mouseDown(m, MouseButton::Right, 20, 20, {});
  MoveResult r = mouseMove(m, 60, 80, {});
  EXPECT_TRUE(r.redrawRectangle);
  EXPECT_EQ(r.cursor, Cursor::Arrow);
  EXPECT_EQ(m.State.AreaRight, 30);
  EXPECT_EQ(m.State.AreaBottom, 40);
  // No point search in area mode.
  place(m, 0, 30, 40);
  r = mouseMove(m, 60, 80, {});
  EXPECT_FALSE(r.hit);
  EXPECT_EQ(m.State.CapturedPoint, model::kNoCapturedPoint);
  // The left button shifts the marked points; the shift itself asks for no
  // redraw, the change tracking does that.
  mouseDown(m, MouseButton::Left, 60, 80, {});
  r = mouseMove(m, 64, 80, {});
  EXPECT_FALSE(r.redrawRectangle);
  EXPECT_EQ(r.cursor, Cursor::SizeAll);
  EXPECT_EQ(m.PicX[0], 32);
}
