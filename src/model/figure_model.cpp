#include "figure_model.h"

namespace laserpic::model {

void clearFigure(FigureModel& m) {
  m.PicX.fill(kCentre);
  m.PicY.fill(kCentre);
  m.FileImage.fill(kCentre);
}

void copyToUndo(FigureModel& m) {
  m.UndoX = m.PicX;
  m.UndoY = m.PicY;
}

void copyFromUndo(FigureModel& m) {
  m.PicX = m.UndoX;
  m.PicY = m.UndoY;
}

QString composeTitle(const FigureModel& m) { return m.TitleText + m.FileLabel + m.PictureLabel; }

bool figureChangedSinceLast(const FigureModel& m) { return m.PicX != m.LastX || m.PicY != m.LastY; }

void rememberFigureAsLast(FigureModel& m) {
  m.LastX = m.PicX;
  m.LastY = m.PicY;
}

}  // namespace laserpic::model
