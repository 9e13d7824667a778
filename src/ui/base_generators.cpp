// Figure buttons, generator sliders, second-half mirroring and folding.
#include "base_form.h"

namespace laserpic::ui {

void TBaseForm::connectGenerators() {}

void TBaseForm::FigureGreate() {}
void TBaseForm::MadeHalf() {}
void TBaseForm::Made64() {}
void TBaseForm::ScrollBarGorzFiguraChange() {}
void TBaseForm::ScrollBarVertFiguraChange() {}
void TBaseForm::ScrollBarOptionChange() {}
void TBaseForm::ScrollBarModeChange() {}
void TBaseForm::ScrollBarSizeInChange() {}
void TBaseForm::SpeedButtonOffMadeClick() {}
void TBaseForm::SpeedButtonFiguraClick() {}
void TBaseForm::SpeedButtonCucleClick() {}
void TBaseForm::SpeedButtonLinesClick() {}
void TBaseForm::SpeedButtonLinesVertClick() {}
void TBaseForm::SpeedButtonPointsClick() {}
void TBaseForm::SpeedButtonStarsClick() {}
void TBaseForm::SpeedButtonTreugClick() {}
void TBaseForm::SpeedButton128Click() {}
void TBaseForm::SpeedButtonmirrVertClick() {}
void TBaseForm::SpeedButtonMirrGorClick() {}

}  // namespace laserpic::ui
