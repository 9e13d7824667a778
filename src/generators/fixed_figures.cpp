// Figures without trigonometry: frame, lines, centre and star.
#include "generators/generators.h"

namespace laserpic::generators {

void GreatePoints(model::FigureModel& m) {
  m.PicX.fill(model::kCentre);
  m.PicY.fill(model::kCentre);
}

void GreateLines(model::FigureModel& m, std::uint8_t position) {
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = static_cast<std::uint8_t>(i);
    m.PicY[i] = position;
  }
}

void GreateLinesV(model::FigureModel& m, std::uint8_t position) {
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = position;
    m.PicY[i] = static_cast<std::uint8_t>(i);
  }
}

// The four sides in path order; later sides overwrite the shared corner
// points, which is what leaves the repeated corners.
void GreateBegin(model::FigureModel& m) {
  auto& x = m.PicX;
  auto& y = m.PicY;
  GreatePoints(m);

  // Left side, upward.
  for (int i = 0; i <= 62; ++i) y[62 - i] = static_cast<std::uint8_t>(4 * i + 2);
  for (int i = 0; i <= 63; ++i) x[i] = 2;
  y[63] = y[62];

  // Top side, rightward.
  for (int i = 64; i <= 127; ++i) y[i] = 2;
  for (int i = 0; i <= 63; ++i) x[64 + i] = static_cast<std::uint8_t>(4 * i + 2);
  x[127] = x[126];

  // Right side, downward.
  for (int i = 128; i <= 191; ++i) x[i] = 254;
  for (int i = 0; i <= 63; ++i) y[128 + i] = static_cast<std::uint8_t>(4 * i + 2);

  // Bottom side, leftward.
  for (int i = 0; i <= 63; ++i) x[254 - i] = static_cast<std::uint8_t>(4 * i + 2);
  for (int i = 192; i <= 255; ++i) y[i] = 254;
  x[255] = x[254];
}

void GreateStars(model::FigureModel& m) {
  struct Run {
    int first, last, dx, dy;
  };
  // The eighth run starts one index early, so point 255 keeps the start point.
  static constexpr Run kRuns[] = {
      {1, 31, 2, -1},     {32, 63, 1, -2},    {64, 95, 1, 2},     {96, 127, 2, 1},
      {128, 159, -2, 1},  {160, 191, -1, 2},  {192, 222, -1, -2}, {223, 254, -2, -1},
  };
  m.PicX[0] = 32;
  m.PicY[0] = 127;
  m.PicX[255] = 32;
  m.PicY[255] = 127;
  for (const Run& r : kRuns) {
    for (int i = r.first; i <= r.last; ++i) {
      m.PicX[i] = static_cast<std::uint8_t>(m.PicX[i - 1] + r.dx);
      m.PicY[i] = static_cast<std::uint8_t>(m.PicY[i - 1] + r.dy);
    }
  }
}

}  // namespace laserpic::generators
