#include "about_form.h"

namespace laserpic::ui {

TAboutForm::TAboutForm(model::FigureModel& model, QWidget* parent) : QDialog(parent), mModel(model) {}

}  // namespace laserpic::ui
