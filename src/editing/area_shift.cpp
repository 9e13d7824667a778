// Area mode on the drawing area: spanning a rectangle and shifting the points
// marked in it.
#include "editing/area_shift.h"

#include <utility>

namespace laserpic::editing {
namespace {

constexpr int kFieldMax = model::kPointCount - 1;

// One step of the marked points on one axis; each is held within the field
// on its own, so nothing wraps.
void stepMarked(model::PointArray& coords, const model::PointArray& marks, int delta) {
  for (int i = 0; i < model::kPointCount; ++i) {
    if (marks[i] != 1) continue;
    if (delta < 0 && coords[i] > 0) --coords[i];
    if (delta > 0 && coords[i] < kFieldMax) ++coords[i];
  }
}

// Moves the rectangle edge pair [low, high] and the marked coordinates towards
// target, one unit at a time, while the leading edge stays in the field.
void shiftAxis(model::PointArray& coords, const model::PointArray& marks, std::int32_t& low,
               std::int32_t& high, std::int32_t& anchor, int target) {
  if (target < anchor) {
    for (int n = anchor - target; n > 0; --n) {
      if (low <= 0) continue;
      --low;
      --high;
      stepMarked(coords, marks, -1);
    }
    anchor = target;
  }
  if (target > anchor) {
    for (int n = target - anchor; n > 0; --n) {
      if (high >= kFieldMax) continue;
      ++low;
      ++high;
      stepMarked(coords, marks, +1);
    }
    anchor = target;
  }
}

}  // namespace

Cursor toggleAreaMode(model::FigureModel& m) {
  auto& s = m.State;
  s.AreaMode = s.AreaMode ? 0 : 1;
  if (s.AreaMode) return Cursor::SizeAll;
  s.DragMode = 0;
  return Cursor::Drag;
}

void markPointsInArea(model::FigureModel& m) {
  const auto& s = m.State;
  m.AreaMark.fill(0);
  // All 256 points, also while only the first half is shown.
  for (int i = 0; i < model::kPointCount; ++i) {
    if (m.PicX[i] >= s.AreaLeft && m.PicX[i] <= s.AreaRight && m.PicY[i] >= s.AreaTop &&
        m.PicY[i] <= s.AreaBottom)
      m.AreaMark[i] = 1;
  }
}

PressResult areaMouseDown(model::FigureModel& m, MouseButton button, FigurePos pos) {
  auto& s = m.State;
  PressResult result;
  if (button == MouseButton::Left) {
    result.cursor = Cursor::SizeAll;
    s.DragMode = 1;
    s.AnchorX = pos.x;
    s.AnchorY = pos.y;
    // A rectangle spanned backwards is the same rectangle.
    if (s.AreaLeft > s.AreaRight) std::swap(s.AreaLeft, s.AreaRight);
    if (s.AreaTop > s.AreaBottom) std::swap(s.AreaTop, s.AreaBottom);
    markPointsInArea(m);
  } else if (button == MouseButton::Right) {
    result.cursor = Cursor::Arrow;
    s.DragMode = 2;
    s.AreaLeft = pos.x;
    s.AreaTop = pos.y;
  }
  return result;
}

void areaMouseMove(model::FigureModel& m, FigurePos pos, MoveResult& result) {
  auto& s = m.State;
  if (s.DragMode == 1) {
    SdvigXY(m, pos.x, pos.y);
    result.cursor = Cursor::SizeAll;
  } else if (s.DragMode == 2) {
    s.AreaRight = pos.x;
    s.AreaBottom = pos.y;
    result.cursor = Cursor::Arrow;
    result.redrawRectangle = true;
  }
}

void SdvigXY(model::FigureModel& m, int X, int Y) {
  auto& s = m.State;
  shiftAxis(m.PicX, m.AreaMark, s.AreaLeft, s.AreaRight, s.AnchorX, X);
  shiftAxis(m.PicY, m.AreaMark, s.AreaTop, s.AreaBottom, s.AnchorY, Y);
}

}  // namespace laserpic::editing
