#include <gtest/gtest.h>

#include "editing/point_drag.h"
#include "fixtures.h"

using namespace laserpic;
using namespace laserpic::editing;
using editing::fixtures::parkedFigure;
using editing::fixtures::place;

TEST(SearchPoint, OverlappingPointsPickedByDirection) {
  struct Case {
    bool reverse;
    int point;
    const char* label;
    bool timer;
  } cases[] = {
      {false, 5, "Точка 6", true},
      {true, 4, " Point 5", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    auto m = parkedFigure();
    place(m, 4, 50, 60);
    place(m, 5, 50, 60);
    const auto hit = SearchPoint(m, 50, 60, {false, c.reverse});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->point, c.point);
    EXPECT_EQ(m.State.CapturedPoint, c.point);
    EXPECT_EQ(hit->label, QString::fromUtf8(c.label));
    EXPECT_EQ(hit->enableTimer, c.timer);
  }
}

TEST(SearchPoint, SevenBySevenWindowWithoutWrap) {
  struct Case {
    int px, py;  // where the point lies
    int fx, fy;  // where the cursor is
    bool found;
  } cases[] = {
      {10, 10, 7, 7, true},    {10, 10, 13, 13, true},     {10, 10, 7, 13, true},   {10, 10, 6, 10, false},
      {10, 10, 14, 10, false}, {10, 10, 10, 6, false},     {10, 10, 10, 14, false}, {254, 10, 1, 10, false},
      {10, 254, 10, 1, false}, {255, 255, 255, 255, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "point " << c.px << "," << c.py << " cursor " << c.fx << "," << c.fy);
    auto m = parkedFigure();
    place(m, 30, c.px, c.py);
    m.State.CapturedPoint = 77;
    const auto hit = SearchPoint(m, c.fx, c.fy, {});
    EXPECT_EQ(hit.has_value(), c.found);
    // A search that finds nothing keeps the capture as it was.
    EXPECT_EQ(m.State.CapturedPoint, c.found ? 30 : 77);
  }
}

TEST(SearchPoint, FirstHalfOnlyWhile128IsDown) {
  for (bool reverse : {false, true}) {
    auto m = parkedFigure();
    place(m, 127, 40, 40);
    place(m, 128, 90, 90);
    EXPECT_TRUE(SearchPoint(m, 40, 40, {true, reverse}));
    EXPECT_FALSE(SearchPoint(m, 90, 90, {true, reverse}));
    EXPECT_TRUE(SearchPoint(m, 90, 90, {false, reverse}));
  }
}

TEST(MouseMove, ReadoutsAndClampingAtTheBorders) {
  struct Case {
    int X, Y;
    const char* posX;
    const char* posY;
  } cases[] = {
      {0, 0, "X = 0", "Y = 255"},        // top pixel row
      {0, 511, "X = 0", "Y = 0"},        // bottom pixel row
      {511, 300, "X = 255", "Y = 105"},  // right pixel column
      {-1, -1, "X = 0", "Y = 255"},      // just outside: truncation, then clamp
      {-300, 2000, "X = 0", "Y = 0"},   {2000, -300, "X = 255", "Y = 255"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.X << "," << c.Y);
    auto m = parkedFigure();
    const MoveResult r = mouseMove(m, c.X, c.Y, {});
    EXPECT_EQ(r.posXText, QString::fromUtf8(c.posX));
    EXPECT_EQ(r.posYText, QString::fromUtf8(c.posY));
  }
}

TEST(PointDrag, DragBeyondTheAreaPinsPointToTheBorder) {
  struct Case {
    int X, Y;
    int x, y;
  } cases[] = {{-50, 200, 0, 100}, {200, 700, 100, 255}, {900, -9, 255, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.X << "," << c.Y);
    auto m = parkedFigure();
    place(m, 12, 100, 100);
    const PressResult press = mouseDown(m, MouseButton::Left, 200, 200, {});
    EXPECT_EQ(press.cursor, Cursor::Drag);
    EXPECT_EQ(m.State.CurrentPoint, 12);
    mouseMove(m, c.X, c.Y, {});
    EXPECT_EQ(m.PicX[12], c.x);
    EXPECT_EQ(m.PicY[12], c.y);
    EXPECT_EQ(m.State.CapturedPoint, 12);
  }
}

TEST(PointDrag, LeftPressDeselectsGeneratorAndShowsSelection) {
  auto m = parkedFigure();
  place(m, 9, 100, 100);
  m.State.FigureKind = 3;
  // Nothing under the cursor and nothing selected yet.
  PressResult r = mouseDown(m, MouseButton::Left, 20, 20, {});
  EXPECT_EQ(m.State.CapturedPoint, model::kNoCapturedPoint);
  EXPECT_EQ(m.State.CurrentPoint, model::kNoCurrentPoint);
  EXPECT_EQ(r.insdelText, QString("501"));
  EXPECT_TRUE(r.pressOffMade);
  EXPECT_EQ(m.State.FigureKind, 0);
  EXPECT_EQ(m.State.DragMode, 1);

  // Still held: the move onto the point captures it and it jumps to the cursor.
  const MoveResult moved = mouseMove(m, 205, 203, {});
  ASSERT_TRUE(moved.hit);
  EXPECT_EQ(m.State.CapturedPoint, 9);
  EXPECT_EQ(m.PicX[9], 102);
  EXPECT_EQ(m.PicY[9], 101);
  // The selection only follows presses.
  EXPECT_EQ(m.State.CurrentPoint, model::kNoCurrentPoint);

  mouseUp(m);
  r = mouseDown(m, MouseButton::Left, 204, 202, {});
  EXPECT_EQ(m.State.CurrentPoint, 9);
  EXPECT_EQ(r.insdelText, QString("10"));
}

TEST(PointDrag, OtherButtonsOnlyToggleDirectionOrNothing) {
  struct Case {
    MouseButton button;
    bool toggle;
  } cases[] = {{MouseButton::Right, true}, {MouseButton::Middle, false}};
  for (const Case& c : cases) {
    auto m = parkedFigure();
    place(m, 3, 100, 100);
    const PressResult r = mouseDown(m, c.button, 200, 200, {});
    EXPECT_EQ(r.toggleDirect, c.toggle);
    EXPECT_FALSE(r.hit);
    EXPECT_FALSE(r.pressOffMade);
    EXPECT_EQ(m.State.DragMode, 0);
    EXPECT_EQ(m.State.CurrentPoint, model::kNoCurrentPoint);
  }
}

TEST(PointDrag, IdleMovesDropTheCaptureAndReleaseEndsTheDrag) {
  auto m = parkedFigure();
  place(m, 7, 100, 100);
  mouseMove(m, 200, 200, {});
  EXPECT_EQ(m.State.CapturedPoint, 7);
  mouseMove(m, 20, 20, {});
  EXPECT_EQ(m.State.CapturedPoint, model::kNoCapturedPoint);

  mouseDown(m, MouseButton::Left, 200, 200, {});
  EXPECT_EQ(mouseUp(m), Cursor::Arrow);
  EXPECT_EQ(m.State.DragMode, 0);
  EXPECT_EQ(m.State.CapturedPoint, model::kNoCapturedPoint);
  // After the release a move no longer drags.
  mouseMove(m, 40, 40, {});
  EXPECT_EQ(m.PicX[7], 100);

  m.State.AreaMode = 1;
  EXPECT_EQ(mouseUp(m), Cursor::Unchanged);
}
