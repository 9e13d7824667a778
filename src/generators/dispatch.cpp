// Generator dispatch, the second-half copy and the 64-point fold.
#include "generators/generators.h"

namespace laserpic::generators {

QString RunGenerator(model::FigureModel& m, const FigureParams& p) {
  switch (m.State.FigureKind) {
    case kKindCircle:
      GreateCucle(m, p);
      break;
    case kKindPolygon:
      if (GreateCorner(m, p)) return kStartNotBelowFinish;
      break;
    case kKindLineHorizontal:
      GreateLines(m, p.SizeX);
      break;
    case kKindStar:
      GreateStars(m);
      break;
    case kKindLineVertical:
      GreateLinesV(m, p.SizeX);
      break;
    case kKindCentre:
      GreatePoints(m);
      break;
    case kKindFrame:
      GreateBegin(m);
      break;
    default:
      break;
  }
  return {};
}

void MadeHalf(model::FigureModel& m, bool half128, bool mirrorGor, bool mirrVert) {
  if (!half128) return;
  for (int k = 0; k < 128; ++k) {
    const std::uint8_t x = m.PicX[k];
    const std::uint8_t y = m.PicY[k];
    m.PicX[255 - k] = mirrorGor ? static_cast<std::uint8_t>(255 - x) : x;
    m.PicY[255 - k] = mirrVert ? static_cast<std::uint8_t>(255 - y) : y;
  }
}

void Made64(model::FigureModel& m) {
  m.State.CornerFlag = 0;
  for (int k = 0; k < 64; ++k) {
    m.PicX[127 - k] = m.PicX[k];
    m.PicY[127 - k] = m.PicY[k];
  }
  for (int k = 0; k < 128; ++k) {
    m.PicX[255 - k] = m.PicX[k];
    m.PicY[255 - k] = m.PicY[k];
  }
}

}  // namespace laserpic::generators
