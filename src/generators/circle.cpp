// The circle, its Lissajous variants and the shared trigonometric routine.
#include <cmath>
#include <numbers>

#include "generators/generators.h"

namespace laserpic::generators {

std::uint8_t OffsetToByte(std::int32_t v) {
  if (v >= 0) return static_cast<std::uint8_t>(127 + v);
  // The complement of 127 - v: negative offsets sit one step nearer the centre.
  return static_cast<std::uint8_t>(~static_cast<std::uint8_t>(127 - v));
}

SinusPoint Sinus(std::int32_t angle, std::uint8_t sizeX, std::uint8_t sizeY) {
  const long double r = static_cast<long double>(angle) * std::numbers::pi_v<long double> / 180.0L;
  const long double s = std::sin(r);
  const long double c = std::cos(r);
  const auto a = static_cast<std::int32_t>(std::ceil(s * sizeX / 2.0L));
  const auto b = static_cast<std::int32_t>(std::ceil(c * sizeY / 2.0L));
  return {OffsetToByte(a), OffsetToByte(b)};
}

void GreateCucle(model::FigureModel& m, const FigureParams& p) {
  const std::uint8_t sx = p.SizeX;
  const std::uint8_t sy = p.SizeY;
  const std::int32_t opt = p.Option;

  if (p.Half128) {
    // An arc of 128 points; MadeHalf makes the return path.
    std::int32_t angle = opt;
    for (int i = 0; i < 128; ++i) {
      angle += p.Mode;
      const SinusPoint pt = Sinus(angle, sx, sy);
      m.PicX[i] = pt.SinCoord;
      m.PicY[i] = pt.CosCoord;
    }
    return;
  }

  // One turn in 1.5-degree steps on average; the points past 360 degrees pile
  // up on one spot so the figure always has 256 points.
  std::int32_t t = 1;
  for (int i = 0; i < model::kPointCount; ++i) {
    if (t <= 360) t += (i % 2 == 0) ? 2 : 1;
    m.PicX[i] = Sinus(t, sx, sy).SinCoord;
    m.PicY[i] = Sinus((opt + t) * (2 * p.Mode - 1), sx, sy).CosCoord;
  }
}

}  // namespace laserpic::generators
