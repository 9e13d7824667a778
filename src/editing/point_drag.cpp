// Point mode on the drawing area: finding, capturing and dragging a point.
#include "editing/point_drag.h"

#include <algorithm>

#include "editing/area_shift.h"

namespace laserpic::editing {
namespace {

constexpr int kFieldMax = model::kPointCount - 1;
constexpr int kCaptureReach = 3;  // the capture window is 7 by 7 units

bool inCaptureWindow(const model::FigureModel& m, int i, int fx, int fy) {
  // Plain integers on purpose: no wrap-around at the field's borders.
  const int x = m.PicX[i];
  const int y = m.PicY[i];
  return x >= fx - kCaptureReach && x <= fx + kCaptureReach && y >= fy - kCaptureReach &&
         y <= fy + kCaptureReach;
}

PressResult pointMouseDown(model::FigureModel& m, MouseButton button, FigurePos pos,
                           const SearchOptions& options) {
  PressResult result;
  auto& s = m.State;
  if (button == MouseButton::Right) {
    result.toggleDirect = true;
    return result;
  }
  if (button != MouseButton::Left) return result;

  s.DragMode = 1;
  result.cursor = Cursor::Drag;
  result.hit = SearchPoint(m, pos.x, pos.y, options);
  if (s.CapturedPoint >= 0 && s.CapturedPoint < model::kPointCount) s.CurrentPoint = s.CapturedPoint;
  // Shown also when nothing was found, so before any selection it reads "501".
  result.insdelText = QString::number(s.CurrentPoint + 1);
  result.pressOffMade = true;
  // The generator is deselected so that its sliders leave the edit alone.
  s.FigureKind = 0;
  return result;
}

}  // namespace

FigurePos mapPixel(int X, int Y) {
  return {std::clamp(X / 2, 0, kFieldMax), std::clamp(Y / 2, 0, kFieldMax)};
}

std::optional<SearchHit> SearchPoint(model::FigureModel& m, int fx, int fy, const SearchOptions& options) {
  const int end = options.firstHalfOnly ? model::kPointCount / 2 : model::kPointCount;
  // Forward lets the highest index in the window win, reverse the lowest; so
  // the first match met from the far end is the one that counts.
  if (!options.reverse) {
    for (int i = end - 1; i >= 0; --i) {
      if (!inCaptureWindow(m, i, fx, fy)) continue;
      m.State.CapturedPoint = i;
      return SearchHit{i, QStringLiteral("Точка ") + QString::number(i + 1), true};
    }
  } else {
    for (int i = 0; i < end; ++i) {
      if (!inCaptureWindow(m, i, fx, fy)) continue;
      m.State.CapturedPoint = i;
      return SearchHit{i, QStringLiteral(" Point ") + QString::number(i + 1), false};
    }
  }
  return std::nullopt;
}

PressResult mouseDown(model::FigureModel& m, MouseButton button, int X, int Y, const SearchOptions& options) {
  const FigurePos pos = mapPixel(X, Y);
  if (m.State.AreaMode) return areaMouseDown(m, button, pos);
  return pointMouseDown(m, button, pos, options);
}

MoveResult mouseMove(model::FigureModel& m, int X, int Y, const SearchOptions& options) {
  auto& s = m.State;
  MoveResult result;
  // While idle the capture only names the point under the cursor right now.
  if (s.DragMode != 1) s.CapturedPoint = model::kNoCapturedPoint;
  const FigurePos pos = mapPixel(X, Y);
  // The readout counts Y upwards from the bottom edge.
  result.posYText = QStringLiteral("Y = ") + QString::number(kFieldMax - pos.y);
  result.posXText = QStringLiteral("X = ") + QString::number(pos.x);

  if (s.AreaMode) {
    areaMouseMove(m, pos, result);
    return result;
  }
  // A held press that found nothing keeps searching, so the first point the
  // cursor reaches gets captured and dragged from then on.
  if (s.CapturedPoint == model::kNoCapturedPoint) result.hit = SearchPoint(m, pos.x, pos.y, options);
  if (s.DragMode == 1 && s.CapturedPoint >= 0 && s.CapturedPoint < model::kPointCount) {
    m.PicX[s.CapturedPoint] = static_cast<std::uint8_t>(pos.x);
    m.PicY[s.CapturedPoint] = static_cast<std::uint8_t>(pos.y);
    result.cursor = Cursor::Drag;
  }
  return result;
}

Cursor mouseUp(model::FigureModel& m) {
  auto& s = m.State;
  s.CapturedPoint = model::kNoCapturedPoint;
  s.DragMode = 0;
  return s.AreaMode ? Cursor::Unchanged : Cursor::Arrow;
}

}  // namespace laserpic::editing
