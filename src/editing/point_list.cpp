// Commands on the figure as a closed list of 256 points.
#include "editing/point_list.h"

#include <algorithm>
#include <cstdlib>

namespace laserpic::editing {
namespace {

constexpr int kLastPoint = model::kPointCount - 1;
// The last three points are never shifted out of or into the list.
constexpr int kShiftLimit = model::kPointCount - 3;
constexpr int kModeNeutral = 5;
constexpr int kNormalisePasses = 11;

bool isPoint(int c) { return c >= 0 && c < model::kPointCount; }

void limitSteps(model::PointArray& p, int step) {
  auto pull = [step](std::uint8_t a, std::uint8_t& b) {
    if (std::abs(a - b) <= step) return;
    b = static_cast<std::uint8_t>(b < a ? a - step : a + step);
  };
  for (int pass = 0; pass < kNormalisePasses; ++pass) {
    // Each pair sees what the pair before it may just have written.
    for (int i = 0; i < kLastPoint; ++i) pull(p[i], p[i + 1]);
    pull(p[kLastPoint], p[0]);
  }
}

}  // namespace

void insertPoint(model::FigureModel& m, int modePosition) {
  const int c = m.State.CurrentPoint;
  // With no point selected yet there is nothing to insert before.
  if (!isPoint(c)) return;
  if (c < kShiftLimit) {
    for (int i = kLastPoint - 1; i >= c; --i) {
      m.PicX[i + 1] = m.PicX[i];
      m.PicY[i + 1] = m.PicY[i];
    }
  }
  const int d = modePosition - kModeNeutral;
  // The new point wraps round the field rather than sticking to its border.
  m.PicX[c] = static_cast<std::uint8_t>((m.PicX[c] + d) & 0xFF);
  m.PicY[c] = static_cast<std::uint8_t>((m.PicY[c] + d) & 0xFF);
}

void deletePoint(model::FigureModel& m) {
  const int c = m.State.CurrentPoint;
  if (!isPoint(c) || c >= kShiftLimit) return;
  for (int i = c; i < kLastPoint; ++i) {
    m.PicX[i] = m.PicX[i + 1];
    m.PicY[i] = m.PicY[i + 1];
  }
}

void rotatePoints(model::FigureModel& m, RotateDirection direction) {
  for (model::PointArray* p : {&m.PicX, &m.PicY}) {
    if (direction == RotateDirection::Forward)
      std::rotate(p->begin(), p->begin() + 1, p->end());
    else
      std::rotate(p->begin(), p->end() - 1, p->end());
  }
}

void normalisePoints(model::FigureModel& m, int step) {
  // A negative step would push points out of the byte range.
  step = std::max(step, 0);
  limitSteps(m.PicX, step);
  limitSteps(m.PicY, step);
}

}  // namespace laserpic::editing
