#pragma once

#include "model/figure_model.h"

namespace laserpic::editing::fixtures {

// A figure parked far from every spot the tests probe, so that only the
// points a test places can be found or marked.
inline model::FigureModel parkedFigure() {
  model::FigureModel m;
  m.PicX.fill(200);
  m.PicY.fill(200);
  return m;
}

inline void place(model::FigureModel& m, int i, int x, int y) {
  m.PicX[i] = static_cast<std::uint8_t>(x);
  m.PicY[i] = static_cast<std::uint8_t>(y);
}

}  // namespace laserpic::editing::fixtures
