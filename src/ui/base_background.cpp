// The tracing background picture under the drawing area.
#include "base_form.h"

namespace laserpic::ui {

void TBaseForm::connectBackground() {}

void TBaseForm::SpeedButtonLoadPictureClick() {}
void TBaseForm::SpeedButtonPicVisibleClick() {}
void TBaseForm::ScrollBarRazmXChange() {}
void TBaseForm::ScrollBarRazmYChange() {}
void TBaseForm::CheckBoxTogezClick() {}

}  // namespace laserpic::ui
