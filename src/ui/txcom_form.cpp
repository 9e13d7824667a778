#include "txcom_form.h"

namespace laserpic::ui {

TTxComForm::TTxComForm(model::FigureModel& model, QWidget* parent) : QDialog(parent), mModel(model) {}

}  // namespace laserpic::ui
