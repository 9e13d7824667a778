// The point editing through the real editor window. Mouse events go in at the
// window-system level, so Qt's own delivery (implicit grab, the order of a
// double click's events) is part of what is tested.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <memory>

#include "ui/base_form.h"
#include "ui/surfaces.h"

using namespace laserpic;

namespace {

// A shown editor window and the mouse on its drawing area, in the drawing
// area's own pixels.
struct Editor {
  model::FigureModel m;
  ui::TBaseForm form{m};

  Editor() {
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  QWindow* window() { return form.windowHandle(); }
  QPoint onArea(QPoint p) { return form.PaintBoxDraw->mapTo(&form, p); }

  void press(Qt::MouseButton b, QPoint p) { QTest::mousePress(window(), b, {}, onArea(p)); }
  void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(window(), b, {}, onArea(p)); }
  void move(QPoint p) { QTest::mouseMove(window(), onArea(p)); }
  void doubleClick(QPoint p) { QTest::mouseDClick(window(), Qt::LeftButton, {}, onArea(p)); }
  void pressButton(QToolButton* b, Qt::MouseButton mb) {
    QTest::mousePress(window(), mb, {}, b->mapTo(&form, b->rect().center()));
    QTest::mouseRelease(window(), mb, {}, b->mapTo(&form, b->rect().center()));
  }
  Qt::CursorShape cursor() const { return form.PaintBoxDraw->cursor().shape(); }
};

// Figure position to the drawing-area pixel that shows it.
QPoint px(int x, int y) { return {2 * x, 2 * y}; }

}  // namespace

TEST(EditingWindow, PressDragAndUndo) {
  Editor e;
  e.move(px(127, 127));
  const int redraws = e.form.fullRedrawCount();
  e.press(Qt::LeftButton, px(127, 127));
  EXPECT_EQ(e.form.fullRedrawCount(), redraws);  // the press itself does not redraw
  EXPECT_EQ(e.form.LabelInsdel->text(), QString("256"));
  EXPECT_EQ(e.form.LabelPoint->text(), QString("Точка 256"));
  EXPECT_TRUE(e.form.SpeedButtonOffMade->isChecked());
  EXPECT_EQ(e.cursor(), Qt::ClosedHandCursor);

  e.move(px(150, 100));
  EXPECT_EQ(e.m.PicX[255], 150);
  EXPECT_EQ(e.m.PicY[255], 100);
  EXPECT_GT(e.form.fullRedrawCount(), redraws);
  EXPECT_EQ(e.form.LabelPosX->text(), QString("X = 150"));
  EXPECT_EQ(e.form.LabelPosY->text(), QString("Y = 155"));
  e.release(Qt::LeftButton, px(150, 100));
  EXPECT_EQ(e.cursor(), Qt::ArrowCursor);
  EXPECT_EQ(e.form.LabelPoint->text(), QString(" "));
  EXPECT_EQ(e.m.PicX[254], 127);

  QTest::mouseClick(e.form.SpeedButtonUndo, Qt::LeftButton);
  EXPECT_EQ(e.m.PicX[255], 127);
  EXPECT_EQ(e.m.PicY[255], 127);
  EXPECT_FALSE(e.form.SpeedButtonUndo->isEnabled());
}

TEST(EditingWindow, HeldLeftButtonDragsOutsideTheAreaToItsBorder) {
  Editor e;
  e.press(Qt::LeftButton, px(127, 127));
  // Over the preview, then beyond the window's left and bottom edges.
  e.move({600, 100});
  EXPECT_EQ(e.m.PicX[255], 255);
  EXPECT_EQ(e.m.PicY[255], 50);
  e.move({-40, 700});
  EXPECT_EQ(e.m.PicX[255], 0);
  EXPECT_EQ(e.m.PicY[255], 255);
  EXPECT_EQ(e.form.LabelPosY->text(), QString("Y = 0"));
  e.release(Qt::LeftButton, {-40, 700});
}

TEST(EditingWindow, PressOnEmptySpotThenMovingOntoAPointCapturesIt) {
  Editor e;
  e.move(px(30, 30));
  e.press(Qt::LeftButton, px(30, 30));
  EXPECT_EQ(e.form.LabelInsdel->text(), QString("501"));
  e.move(px(60, 60));
  EXPECT_EQ(e.m.PicX[255], 127);  // nothing captured on the way
  e.move(px(125, 129));
  EXPECT_EQ(e.m.PicX[255], 125);  // captured, and jumped to the cursor
  EXPECT_EQ(e.m.PicY[255], 129);
  e.move(px(90, 80));
  EXPECT_EQ(e.m.PicX[255], 90);
  EXPECT_EQ(e.m.PicX[254], 127);
  e.release(Qt::LeftButton, px(90, 80));
  // Selection follows presses only.
  EXPECT_EQ(e.m.State.CurrentPoint, model::kNoCurrentPoint);
}

TEST(EditingWindow, RightReleaseEndsALeftDrag) {
  Editor e;
  e.press(Qt::LeftButton, px(127, 127));
  e.move(px(110, 110));
  e.press(Qt::RightButton, px(110, 110));
  EXPECT_TRUE(e.form.SpeedButtonDirect->isChecked());
  e.release(Qt::RightButton, px(110, 110));
  e.move(px(60, 60));  // left still held
  EXPECT_EQ(e.m.PicX[255], 110);
  EXPECT_EQ(e.m.PicY[255], 110);
  e.release(Qt::LeftButton, px(60, 60));
}

TEST(EditingWindow, DoubleClickReachesTheHandlersInPlatformOrder) {
  Editor e;
  QStringList events;
  QObject::connect(e.form.PaintBoxDraw, &ui::PaintBox::mousePressed, [&] { events << "press"; });
  QObject::connect(e.form.PaintBoxDraw, &ui::PaintBox::mouseReleased, [&] { events << "release"; });
  QObject::connect(e.form.PaintBoxDraw, &ui::PaintBox::doubleClicked, [&] { events << "double"; });
  e.doubleClick(px(20, 20));
  EXPECT_EQ(events, QStringList({"press", "release", "double", "press", "release"}));
}

TEST(EditingWindow, DoubleClickEntersAreaModeAndItsSecondPressMarks) {
  Editor e;
  for (int i = 0; i < 10; ++i) e.m.PicX[i] = 60;
  e.doubleClick(px(20, 20));
  EXPECT_EQ(e.m.State.AreaMode, 1);
  EXPECT_EQ(e.cursor(), Qt::SizeAllCursor);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(e.m.AreaMark[i], i < 10 ? 0 : 1) << i;
  // Only the second press was an area press: the first one selected nothing.
  EXPECT_EQ(e.m.State.CurrentPoint, model::kNoCurrentPoint);

  // The marked points follow a left drag; the others stay.
  e.press(Qt::LeftButton, px(20, 20));
  e.move(px(25, 17));
  EXPECT_EQ(e.m.PicX[100], 132);
  EXPECT_EQ(e.m.PicY[100], 124);
  EXPECT_EQ(e.m.PicX[0], 60);
  e.release(Qt::LeftButton, px(25, 17));
  EXPECT_EQ(e.cursor(), Qt::SizeAllCursor);
}

TEST(EditingWindow, SpanningBackwardsMarksTheSamePoints) {
  model::PointArray marks[2];
  const QPoint spans[2][2] = {{px(100, 100), px(130, 130)}, {px(130, 130), px(100, 100)}};
  for (int k = 0; k < 2; ++k) {
    Editor e;
    for (int i = 0; i < 256; ++i) {
      e.m.PicX[i] = static_cast<std::uint8_t>(80 + i % 70);
      e.m.PicY[i] = static_cast<std::uint8_t>(90 + i % 50);
    }
    e.doubleClick(px(5, 5));
    e.press(Qt::RightButton, spans[k][0]);
    EXPECT_EQ(e.cursor(), Qt::ArrowCursor);
    const int redraws = e.form.fullRedrawCount();
    e.move(spans[k][1]);
    EXPECT_GT(e.form.fullRedrawCount(), redraws);  // the rectangle follows
    e.release(Qt::RightButton, spans[k][1]);
    e.press(Qt::LeftButton, px(5, 5));
    e.release(Qt::LeftButton, px(5, 5));
    marks[k] = e.m.AreaMark;
  }
  EXPECT_EQ(marks[0], marks[1]);
  int marked = 0;
  for (auto v : marks[0]) marked += v;
  EXPECT_GT(marked, 0);
  EXPECT_LT(marked, 256);
}

TEST(EditingWindow, LeavingAreaModeRightPressTogglesDirection) {
  Editor e;
  e.doubleClick(px(20, 20));
  e.doubleClick(px(20, 20));
  EXPECT_EQ(e.m.State.AreaMode, 0);
  EXPECT_EQ(e.m.State.DragMode, 0);
  EXPECT_EQ(e.form.LabelInsdel->text(), QString("501"));  // the second press was a point press
  e.press(Qt::RightButton, px(40, 40));
  e.release(Qt::RightButton, px(40, 40));
  EXPECT_TRUE(e.form.SpeedButtonDirect->isChecked());
  EXPECT_EQ(e.m.State.AreaLeft, 127);
  EXPECT_EQ(e.cursor(), Qt::ArrowCursor);
}

TEST(EditingWindow, MoveRedrawsOnlyWhenTheFigureChanged) {
  Editor e;
  e.move(px(10, 10));  // the tracking copies start at 0: the first move redraws
  int redraws = e.form.fullRedrawCount();
  e.move(px(11, 10));
  EXPECT_EQ(e.form.fullRedrawCount(), redraws);

  // A command changes the figure; the next move notices it.
  e.m.State.CurrentPoint = 3;
  e.form.ScrollBarMode->setValue(9);
  e.form.SpeedButtonInsertPointClick();
  redraws = e.form.fullRedrawCount();
  e.move(px(12, 10));
  EXPECT_EQ(e.form.fullRedrawCount(), redraws + 1);
  e.move(px(13, 10));
  EXPECT_EQ(e.form.fullRedrawCount(), redraws + 1);
}

TEST(EditingWindow, ForwardCaptureDoesNotRestartARunningLabelTimer) {
  Editor e;
  QTest::qWait(600);
  e.move(px(127, 127));
  EXPECT_EQ(e.form.LabelPoint->text(), QString("Точка 256"));
  ASSERT_TRUE(e.form.TimerPointOff->isActive());
  // A coarse timer may fire up to 5 % late, so allow for that.
  EXPECT_LE(e.form.TimerPointOff->remainingTime(), 1600);

  e.form.TimerPointOffTimer();
  EXPECT_EQ(e.form.LabelPoint->text(), QString("Точка ?"));
  EXPECT_FALSE(e.form.TimerPointOff->isActive());
  // A reverse capture leaves the timer off; a forward one starts it.
  e.form.SpeedButtonDirect->setChecked(true);
  e.move(px(127, 128));
  EXPECT_EQ(e.form.LabelPoint->text(), QString(" Point 1"));
  EXPECT_FALSE(e.form.TimerPointOff->isActive());
  e.form.SpeedButtonDirect->setChecked(false);
  e.move(px(128, 128));
  EXPECT_TRUE(e.form.TimerPointOff->isActive());
}

TEST(EditingWindow, RotateActsOnEveryPressOfAnyButton) {
  Editor e;
  for (int i = 0; i < 256; ++i) e.m.PicX[i] = static_cast<std::uint8_t>(i);
  e.pressButton(e.form.SpeedButtonRotatePoints, Qt::RightButton);
  EXPECT_EQ(e.m.PicX[0], 255);
  e.pressButton(e.form.SpeedButtonRotatePoints, Qt::MiddleButton);
  EXPECT_EQ(e.m.PicX[0], 254);
  const QPoint c = e.form.SpeedButtonRotatePoints->mapTo(&e.form, QPoint(5, 5));
  QTest::mouseDClick(e.window(), Qt::LeftButton, {}, c);  // two presses, two steps
  EXPECT_EQ(e.m.PicX[0], 0);
  EXPECT_EQ(e.m.UndoX[0], 127);  // no snapshot taken
}

TEST(EditingWindow, PointListButtonsSnapshotAndRedraw) {
  struct Case {
    const char* name;
    QToolButton* ui::TBaseForm::*button;
    int current;
    bool changes;
  } cases[] = {
      {"insert, nothing selected", &ui::TBaseForm::SpeedButtonInsertPoint, model::kNoCurrentPoint, false},
      {"delete, nothing selected", &ui::TBaseForm::SpeedButtonDeletePoint, model::kNoCurrentPoint, false},
      {"insert", &ui::TBaseForm::SpeedButtonInsertPoint, 10, true},
      {"delete", &ui::TBaseForm::SpeedButtonDeletePoint, 10, true},
      {"normalise", &ui::TBaseForm::SpeedButtonNormalPoints, model::kNoCurrentPoint, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e;
    for (int i = 0; i < 256; ++i) e.m.PicX[i] = static_cast<std::uint8_t>(i);
    e.m.State.CurrentPoint = c.current;
    e.form.ScrollBarMode->setValue(1);
    e.form.ScrollBarInter->setValue(12);
    const model::PointArray before = e.m.PicX;
    e.form.SpeedButtonUndo->setEnabled(false);
    const int redraws = e.form.fullRedrawCount();
    QTest::mouseClick(e.form.*c.button, Qt::LeftButton);
    EXPECT_TRUE(e.form.SpeedButtonUndo->isEnabled());
    EXPECT_EQ(e.form.fullRedrawCount(), redraws + 1);
    EXPECT_EQ(e.m.UndoX, before);
    EXPECT_EQ(e.m.PicX != before, c.changes);
  }
}

TEST(EditingWindow, ToolsSlidersOnlyUpdateTheirLabels) {
  Editor e;
  const model::PointArray before = e.m.PicX;
  e.form.ScrollBarPixel->setValue(17);
  e.form.ScrollBarInter->setValue(8);
  EXPECT_EQ(e.form.LabelPixel->text(), QString("17"));
  EXPECT_EQ(e.form.LabelInter->text(), QString("8"));
  EXPECT_EQ(e.m.PicX, before);
}

TEST(EditingWindow, LeftPressDeselectsTheGenerator) {
  Editor e;
  QTest::mouseClick(e.form.SpeedButtonCucle, Qt::LeftButton);
  ASSERT_NE(e.m.State.FigureKind, 0);
  e.press(Qt::LeftButton, px(5, 5));
  e.release(Qt::LeftButton, px(5, 5));
  EXPECT_TRUE(e.form.SpeedButtonOffMade->isChecked());
  EXPECT_FALSE(e.form.SpeedButtonCucle->isChecked());
  EXPECT_EQ(e.m.State.FigureKind, 0);
  // The sliders no longer rebuild the figure.
  const model::PointArray before = e.m.PicX;
  e.form.ScrollBarGorzFigura->setValue(e.form.ScrollBarGorzFigura->value() - 20);
  EXPECT_EQ(e.m.PicX, before);
}

TEST(EditingWindow, SecondHalfIsRewrittenInTheSameMoveThatShiftedIt) {
  Editor e;
  // Second half mirrored about the vertical axis, so a rectangle can hold
  // second-half points only.
  e.form.SpeedButton128->setChecked(true);
  e.form.SpeedButtonMirrGor->setChecked(true);
  for (int i = 0; i < 256; ++i) e.m.PicX[i] = i < 128 ? 50 : 205;
  e.m.State.AreaLeft = 200;
  e.m.State.AreaTop = 120;
  e.m.State.AreaRight = 210;
  e.m.State.AreaBottom = 135;
  e.doubleClick(px(20, 20));
  ASSERT_EQ(e.m.AreaMark[200], 1);
  ASSERT_EQ(e.m.AreaMark[10], 0);
  e.press(Qt::LeftButton, px(20, 20));
  e.move(px(23, 20));
  EXPECT_EQ(e.m.State.AreaLeft, 203);
  EXPECT_EQ(e.m.PicX[200], 205);
  EXPECT_EQ(e.m.LastX, e.m.PicX);
  e.release(Qt::LeftButton, px(23, 20));
}
