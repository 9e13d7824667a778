#pragma once

#include <QString>

#include <cstdint>

#include "model/figure_model.h"

namespace laserpic::generators {

// Generator codes held in EditState::FigureKind.
enum FigureKindCode : std::int32_t {
  kKindNone = 0,
  kKindCircle = 1,
  kKindPolygon = 2,
  kKindLineHorizontal = 3,
  kKindStar = 4,
  kKindLineVertical = 5,
  kKindCentre = 6,
  kKindFrame = 7,
};

// The slider positions and toggle the generators read. Sizes are the low
// bytes of the size sliders' positions.
struct FigureParams {
  std::uint8_t SizeX = 200;   // ScrollBarGorzFigura
  std::uint8_t SizeY = 200;   // ScrollBarVertFigura
  std::int32_t Option = 120;  // ScrollBarOption, 1..254
  std::int32_t Mode = 5;      // ScrollBarMode, 1..12
  bool Half128 = false;       // SpeedButton128 down
};

// What a build may leave in the status label besides the blank.
inline const QString kStartNotBelowFinish = QStringLiteral(" Start >= Finish ");

// ---- Circle and Lissajous curve (circle.cpp) ----

// A signed offset from the centre as a coordinate byte: 127 + v for v >= 0,
// 128 + v below 0 (so 0 and -1 both land on 127).
std::uint8_t OffsetToByte(std::int32_t v);

struct SinusPoint {
  std::uint8_t SinCoord;  // callers store it as X
  std::uint8_t CosCoord;  // callers store it as Y
};
// Angle in whole degrees (any value) and two full widths to centred bytes.
SinusPoint Sinus(std::int32_t angle, std::uint8_t sizeX, std::uint8_t sizeY);

// Full mode writes all 256 points; half mode only 0..127.
void GreateCucle(model::FigureModel& m, const FigureParams& p);

// ---- Polygon outline over points 0..63 (polygon.cpp) ----

// Each of these returns true when a segment had Start >= Finish, which the
// window reports in its status label; the build goes on regardless.
bool BrezenLine(model::FigureModel& m, std::uint8_t X0, std::uint8_t Y0, std::uint8_t X1, std::uint8_t Y1,
                std::uint8_t Start, std::uint8_t Finish);
bool ArrayLines(model::FigureModel& m, std::uint8_t count);
bool GreateCorner(model::FigureModel& m, const FigureParams& p);

// ---- Fixed figures (fixed_figures.cpp) ----

void GreateBegin(model::FigureModel& m);
void GreateLines(model::FigureModel& m, std::uint8_t position);
void GreateLinesV(model::FigureModel& m, std::uint8_t position);
void GreatePoints(model::FigureModel& m);
void GreateStars(model::FigureModel& m);

// ---- Dispatch, second half and folding (dispatch.cpp) ----

// Runs the generator of m.State.FigureKind (none for 0). Returns the status
// text the build asks for, or an empty string when it has nothing to say.
QString RunGenerator(model::FigureModel& m, const FigureParams& p);

// Points 128..255 become points 0..127 backwards, each axis optionally
// mirrored about 127.5; nothing happens unless half128 is set.
void MadeHalf(model::FigureModel& m, bool half128, bool mirrorGor, bool mirrVert);

// Folds the outline in points 0..63 over all 256 points (forwards, backwards,
// forwards, backwards) and clears CornerFlag.
void Made64(model::FigureModel& m);

}  // namespace laserpic::generators
