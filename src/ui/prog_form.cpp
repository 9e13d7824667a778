#include "prog_form.h"

namespace laserpic::ui {

TProgForm::TProgForm(model::FigureModel& model, QWidget* parent) : QDialog(parent), mModel(model) {}

}  // namespace laserpic::ui
