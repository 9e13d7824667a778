#pragma once

#include "editing/mouse_types.h"
#include "model/figure_model.h"

namespace laserpic::editing {

// Left double click on the drawing area: flips area mode. Returns the cursor
// of the new mode.
Cursor toggleAreaMode(model::FigureModel& m);

// Press in area mode: the left button marks the points in the rectangle and
// starts moving them, the right one starts a new rectangle at (fx, fy).
PressResult areaMouseDown(model::FigureModel& m, MouseButton button, FigurePos pos);

// The area-mode part of a move: shift the marked points or pull the far corner.
void areaMouseMove(model::FigureModel& m, FigurePos pos, MoveResult& result);

// Marks exactly the points inside the (ordered) rectangle, edges included.
void markPointsInArea(model::FigureModel& m);

// Moves the rectangle and the marked points towards (X, Y) one unit at a time,
// stopping at the border of the field, then takes (X, Y) as the new anchor.
void SdvigXY(model::FigureModel& m, int X, int Y);

}  // namespace laserpic::editing
