// Picture files, the close question and the program-wide error handler.
#include "base_form.h"

namespace laserpic::ui {

void TBaseForm::connectFileCommands() {}

void TBaseForm::FormClose() {}
void TBaseForm::SpeedButtonOpenPicClick() {}
void TBaseForm::SpeedButtonSavePicClick() {}
void TBaseForm::SAveToFile() {}
void TBaseForm::ToNameTx(const QString&) {}
void TBaseForm::ShowError(const QString&) {}

}  // namespace laserpic::ui
