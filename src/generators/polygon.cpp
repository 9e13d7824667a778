// The polygon outline: vertices on the size ellipse, joined over points 0..63.
#include <algorithm>
#include <cstdlib>

#include "generators/generators.h"

namespace laserpic::generators {
namespace {

constexpr int kOutlinePoints = 64;

// One axis of a stepped line: a constant whole step, the remainder dropped.
void stepAxis(model::PointArray& axis, std::uint8_t from, std::uint8_t to, int start, int finish, int n) {
  const int d = std::abs(int(to) - int(from)) / n;
  axis[start] = from;
  for (int i = start + 1; i <= finish; ++i) {
    axis[i] = static_cast<std::uint8_t>(from < to ? axis[i - 1] + d : axis[i - 1] - d);
  }
}

}  // namespace

bool BrezenLine(model::FigureModel& m, std::uint8_t X0, std::uint8_t Y0, std::uint8_t X1, std::uint8_t Y1,
                std::uint8_t Start, std::uint8_t Finish) {
  const bool reversed = Start >= Finish;
  const int n = reversed ? 1 : Finish - Start;
  stepAxis(m.PicX, X0, X1, Start, Finish, n);
  stepAxis(m.PicY, Y0, Y1, Start, Finish, n);
  return reversed;
}

bool ArrayLines(model::FigureModel& m, std::uint8_t count) {
  m.State.CornerFlag = 1;
  const int s = kOutlinePoints / count;
  int first = 0;
  bool reported = false;
  for (int k = 0; k < count; ++k) {
    reported |= BrezenLine(m, m.CornerX[k], m.CornerY[k], m.CornerX[k + 1], m.CornerY[k + 1],
                           static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(first + s));
    first += s;
  }
  return reported;
}

bool GreateCorner(model::FigureModel& m, const FigureParams& p) {
  // The vertex tables hold count + 1 entries (the closing copy of vertex 0).
  const int n = std::clamp<int>(p.Mode, 1, model::kCornerCount - 1);
  const int a0 = p.Option - 1;
  const int step = 360 / n;
  for (int k = 0; k < n; ++k) {
    const SinusPoint pt = Sinus(a0 + k * step, p.SizeX, p.SizeY);
    m.CornerX[k] = pt.SinCoord;
    m.CornerY[k] = pt.CosCoord;
  }
  m.CornerX[n] = m.CornerX[0];
  m.CornerY[n] = m.CornerY[0];
  const bool reported = ArrayLines(m, static_cast<std::uint8_t>(n));

  // Where the segments stop short of point 63 (5, 6, 10, 11 and 12 vertices),
  // the rest of the outline repeats the last point written, so nothing of the
  // previous figure survives into the fold.
  const int last = n * (kOutlinePoints / n);
  for (int i = last + 1; i < kOutlinePoints; ++i) {
    m.PicX[i] = m.PicX[last];
    m.PicY[i] = m.PicY[last];
  }
  return reported;
}

}  // namespace laserpic::generators
