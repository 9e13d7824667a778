#pragma once

#include "model/figure_model.h"

namespace laserpic::editing {

// The commands that treat the figure as a closed list of 256 points. None takes
// the undo snapshot or redraws; the window does both around them. All act on
// CurrentPoint and do nothing to the points while it is not a point index.

// Inserts a copy of the selected point before it, offset by d = modePosition - 5
// on both axes (wrapping); the last point drops off.
void insertPoint(model::FigureModel& m, int modePosition);

// Removes the selected point; the last point is repeated.
void deletePoint(model::FigureModel& m);

enum class RotateDirection {
  Forward,   // old point 2 becomes point 1
  Backward,  // old point 256 becomes point 1
};
void rotatePoints(model::FigureModel& m, RotateDirection direction);

// Limits the horizontal and vertical step between neighbours (the closing pair
// included) to step units, over 11 passes per axis.
void normalisePoints(model::FigureModel& m, int step);

}  // namespace laserpic::editing
