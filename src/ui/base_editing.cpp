// Mouse on the drawing area and the point list commands. The decisions live in
// the editing layer; these handlers read the toggles, call it and show what it
// reports.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "base_form.h"
#include "editing/area_shift.h"
#include "editing/point_drag.h"
#include "editing/point_list.h"
#include "surfaces.h"

namespace laserpic::ui {
namespace {

// Runs a callback at every press of any mouse button on a widget, each press
// of a double click included, which a click signal cannot tell apart.
class PressWatcher : public QObject {
 public:
  PressWatcher(QObject* parent, std::function<void(Qt::MouseButton)> onPress)
      : QObject(parent), mOnPress(std::move(onPress)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
      mOnPress(static_cast<QMouseEvent*>(event)->button());
    // The button still shows itself pressed.
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(Qt::MouseButton)> mOnPress;
};

editing::MouseButton toEditing(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return editing::MouseButton::Left;
  if (button == Qt::RightButton) return editing::MouseButton::Right;
  return editing::MouseButton::Middle;
}

void applyCursor(QWidget* surface, editing::Cursor cursor) {
  switch (cursor) {
    case editing::Cursor::Unchanged:
      break;
    case editing::Cursor::Drag:
      surface->setCursor(Qt::ClosedHandCursor);
      break;
    case editing::Cursor::Arrow:
      surface->setCursor(Qt::ArrowCursor);
      break;
    case editing::Cursor::SizeAll:
      surface->setCursor(Qt::SizeAllCursor);
      break;
  }
}

editing::SearchOptions searchOptions(const TBaseForm& form) {
  return {form.SpeedButton128->isChecked(), form.SpeedButtonDirect->isChecked()};
}

void showHit(TBaseForm& form, const std::optional<editing::SearchHit>& hit) {
  if (!hit) return;
  form.LabelPoint->setText(hit->label);
  // Starting an active timer again would postpone the label's reset.
  if (hit->enableTimer && !form.TimerPointOff->isActive()) form.TimerPointOff->start();
}

}  // namespace

void TBaseForm::connectEditing() {
  connect(PaintBoxDraw, &PaintBox::mousePressed, this,
          [this](Qt::MouseButton b, int x, int y) { PaintBoxDrawMouseDown(b, x, y); });
  connect(PaintBoxDraw, &PaintBox::mouseMoved, this, [this](int x, int y) { PaintBoxDrawMouseMove(x, y); });
  connect(PaintBoxDraw, &PaintBox::mouseReleased, this,
          [this](Qt::MouseButton b, int, int) { PaintBoxDrawMouseUp(b); });
  // PaintBox follows this with the press of the same double click.
  connect(PaintBoxDraw, &PaintBox::doubleClicked, this, [this] { PaintBoxDrawDblClick(); });
  connect(TimerPointOff, &QTimer::timeout, this, [this] { TimerPointOffTimer(); });

  connect(SpeedButtonInsertPoint, &QToolButton::clicked, this, [this] { SpeedButtonInsertPointClick(); });
  connect(SpeedButtonDeletePoint, &QToolButton::clicked, this, [this] { SpeedButtonDeletePointClick(); });
  connect(SpeedButtonNormalPoints, &QToolButton::clicked, this, [this] { SpeedButtonNormalPointsClick(); });
  connect(SpeedButtonNormaliz, &QToolButton::clicked, this, [this] { SpeedButtonNormalizClick(); });
  SpeedButtonRotatePoints->installEventFilter(new PressWatcher(
      SpeedButtonRotatePoints, [this](Qt::MouseButton b) { SpeedButtonRotatePointsMouseDown(b); }));

  connect(ScrollBarPixel, &QScrollBar::valueChanged, this, [this] { ScrollBarPixelChange(); });
  connect(ScrollBarInter, &QScrollBar::valueChanged, this, [this] { ScrollBarInterChange(); });
}

// ---- Drawing area ----

void TBaseForm::PaintBoxDrawMouseDown(Qt::MouseButton Button, int X, int Y) {
  const editing::PressResult r = editing::mouseDown(mModel, toEditing(Button), X, Y, searchOptions(*this));
  applyCursor(PaintBoxDraw, r.cursor);
  showHit(*this, r.hit);
  if (r.toggleDirect) SpeedButtonDirect->setChecked(!SpeedButtonDirect->isChecked());
  if (r.insdelText) LabelInsdel->setText(*r.insdelText);
  // setChecked does not click, so the off button's handler stays quiet; the
  // exclusive group releases the figure button that was down.
  if (r.pressOffMade) SpeedButtonOffMade->setChecked(true);
  // Undo after a drag or a shift returns the figure as it was at the press.
  ToUndo();
}

void TBaseForm::PaintBoxDrawMouseMove(int X, int Y) {
  const editing::MoveResult r = editing::mouseMove(mModel, X, Y, searchOptions(*this));
  LabelPosY->setText(r.posYText);
  LabelPosX->setText(r.posXText);
  showHit(*this, r.hit);
  applyCursor(PaintBoxDraw, r.cursor);
  if (r.redrawRectangle) FullReturn(1);

  // Change tracking: whoever changed the figure since the last move, this is
  // where the second half is mirrored and the change is shown.
  if (!model::figureChangedSinceLast(mModel)) return;
  MadeHalf();
  model::rememberFigureAsLast(mModel);
  FullReturn(1);
}

void TBaseForm::PaintBoxDrawMouseUp(Qt::MouseButton) {
  applyCursor(PaintBoxDraw, editing::mouseUp(mModel));
  LabelPoint->setText(QStringLiteral(" "));
  FullReturn(1);
}

void TBaseForm::PaintBoxDrawDblClick() {
  applyCursor(PaintBoxDraw, editing::toggleAreaMode(mModel));
  FullReturn(1);
}

void TBaseForm::SearchPoint(int X, int Y) {
  showHit(*this, editing::SearchPoint(mModel, X, Y, searchOptions(*this)));
}

void TBaseForm::TimerPointOffTimer() {
  LabelPoint->setText(QStringLiteral("Точка ?"));
  TimerPointOff->stop();
}

// ---- Point list commands ----

void TBaseForm::SpeedButtonInsertPointClick() {
  ToUndo();
  editing::insertPoint(mModel, ScrollBarMode->value());
  FullReturn(1);
}

void TBaseForm::SpeedButtonDeletePointClick() {
  ToUndo();
  editing::deletePoint(mModel);
  FullReturn(1);
}

void TBaseForm::SpeedButtonRotatePointsMouseDown(Qt::MouseButton Button) {
  // Moving the start point keeps the shape, so it takes no undo snapshot.
  editing::rotatePoints(mModel, Button == Qt::LeftButton ? editing::RotateDirection::Forward
                                                         : editing::RotateDirection::Backward);
  FullReturn(1);
}

void TBaseForm::SpeedButtonNormalPointsClick() {
  ToUndo();
  editing::normalisePoints(mModel, ScrollBarInter->value());
  FullReturn(1);
}

void TBaseForm::SpeedButtonNormalizClick() {
  ToUndo();
  FullReturn(1);
}

void TBaseForm::ScrollBarPixelChange() { LabelPixel->setText(QString::number(ScrollBarPixel->value())); }

void TBaseForm::ScrollBarInterChange() { LabelInter->setText(QString::number(ScrollBarInter->value())); }

}  // namespace laserpic::ui
