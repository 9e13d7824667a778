#pragma once

#include "editing/mouse_types.h"
#include "model/figure_model.h"

namespace laserpic::editing {

// Drawing-area pixel to figure units: halved towards zero, then clamped to
// the field, so positions outside the area pin to its border.
FigurePos mapPixel(int X, int Y);

// The point in the 7 by 7 window around (fx, fy). Sets CapturedPoint when one
// is found and leaves it alone otherwise.
std::optional<SearchHit> SearchPoint(model::FigureModel& m, int fx, int fy, const SearchOptions& options);

// The three mouse events of the drawing area, in either mode. X and Y are
// drawing-area pixels and may lie outside the area.
PressResult mouseDown(model::FigureModel& m, MouseButton button, int X, int Y, const SearchOptions& options);
MoveResult mouseMove(model::FigureModel& m, int X, int Y, const SearchOptions& options);
Cursor mouseUp(model::FigureModel& m);

}  // namespace laserpic::editing
