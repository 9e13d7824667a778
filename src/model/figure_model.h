#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace laserpic::model {

constexpr int kPointCount = 256;
constexpr int kCornerCount = 24;
constexpr int kFileImageSize = 4096;
constexpr int kPictureFileSize = 2048;
constexpr int kNoCapturedPoint = 1000;
constexpr int kNoCurrentPoint = 500;
constexpr std::uint8_t kCentre = 127;

using PointArray = std::array<std::uint8_t, kPointCount>;

// The editor's interaction state. Field order and start values follow the
// original record; the two "none" sentinels must stay outside 0..255.
struct EditState {
  std::int32_t DragMode = 0;
  std::int32_t CapturedPoint = kNoCapturedPoint;
  std::int32_t CurrentPoint = kNoCurrentPoint;
  std::int32_t FigureKind = 0;
  std::uint8_t CornerFlag = 0;
  std::uint8_t AreaMode = 0;
  std::int32_t AreaLeft = 127;
  std::int32_t AreaTop = 127;
  std::int32_t AreaRight = 127;
  std::int32_t AreaBottom = 127;
  std::int32_t AnchorX = 127;
  std::int32_t AnchorY = 127;
};

// All program-wide picture state. One instance lives for the whole run and
// every layer works on it by reference. Arrays start zero-filled; the window's
// creation handler fills the figure through ClearPicture.
struct FigureModel {
  PointArray PicX{};
  PointArray PicY{};
  PointArray UndoX{};
  PointArray UndoY{};
  PointArray LastX{};
  PointArray LastY{};
  PointArray AreaMark{};
  std::array<std::uint8_t, kCornerCount> CornerX{};
  std::array<std::uint8_t, kCornerCount> CornerY{};
  std::array<std::uint8_t, kFileImageSize> FileImage{};
  EditState State;

  QString TitleText;
  QString FileLabel;
  QString PictureLabel;
  QString PicName;
};

// Figure-only halves of ClearPicture / ToUndo / FromUndo. The window adds the
// undo button's state and the redraw, since that button is the "modified" flag.
void clearFigure(FigureModel& m);
void copyToUndo(FigureModel& m);
void copyFromUndo(FigureModel& m);

// The window caption: the three title parts run together.
QString composeTitle(const FigureModel& m);

// True when the figure differs from the change-tracking copies.
bool figureChangedSinceLast(const FigureModel& m);
void rememberFigureAsLast(FigureModel& m);

}  // namespace laserpic::model
