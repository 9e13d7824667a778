#pragma once

#include <QImage>

#include <random>

#include "model/figure_model.h"

namespace laserpic::ui {

// The control states the redraw reads.
struct SceneOptions {
  bool half128 = false;   // SpeedButton128 down: only points 0..127 on the drawing area
  bool grid = false;      // SpeedButtonWeb down
  bool hotPoint = false;  // CheckBoxHotPoint ticked
  bool hotColor = false;  // CheckBoxHotCol ticked
};

// Figure point (x, y) lands on the drawing area at (2x, 2y).
constexpr int kDrawAreaSize = 512;
constexpr int kPreviewSize = 256;

// True when point i dwells on the spot of point i - 1. Point 0 never does.
bool isHotPoint(const model::FigureModel& m, int i);

// Where the preview draws a hot point displaced by the random r and s (0..7):
// never at 0 or less, with no upper limit (drawing is clipped).
QPoint hotPointPosition(int x, int y, int r, int s);

// Draw the scene over what the images already hold; the caller clears them
// first for a full redraw. Drawing is aliased so pixels land exactly.
void drawDrawArea(QImage& image, const model::FigureModel& m, const SceneOptions& options);
void drawPreview(QImage& image, const model::FigureModel& m, const SceneOptions& options,
                 std::minstd_rand& scatter);

}  // namespace laserpic::ui
