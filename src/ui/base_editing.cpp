// Mouse on the drawing area and the point list commands.
#include "base_form.h"

namespace laserpic::ui {

void TBaseForm::connectEditing() {}

void TBaseForm::PaintBoxDrawMouseDown(Qt::MouseButton, int, int) {}
void TBaseForm::PaintBoxDrawMouseMove(int, int) {}
void TBaseForm::PaintBoxDrawMouseUp(Qt::MouseButton) {}
void TBaseForm::PaintBoxDrawDblClick() {}
void TBaseForm::SearchPoint(int, int) {}
void TBaseForm::TimerPointOffTimer() {}
void TBaseForm::SpeedButtonInsertPointClick() {}
void TBaseForm::SpeedButtonDeletePointClick() {}
void TBaseForm::SpeedButtonRotatePointsMouseDown(Qt::MouseButton) {}
void TBaseForm::SpeedButtonNormalPointsClick() {}
void TBaseForm::SpeedButtonNormalizClick() {}
void TBaseForm::ScrollBarPixelChange() {}
void TBaseForm::ScrollBarInterChange() {}

}  // namespace laserpic::ui
