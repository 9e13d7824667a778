#pragma once

#include "about_form.h"
#include "base_form.h"
#include "prog_form.h"
#include "txcom_form.h"

namespace laserpic::ui {

// The program's four windows, created in this order so that the editor
// window is the main window; the others are shown modally from it.
struct ProgramWindows {
  explicit ProgramWindows(model::FigureModel& figure)
      : BaseForm(figure), AboutForm(figure, &BaseForm), TxComForm(figure, &BaseForm), ProgForm(figure, &BaseForm) {
    BaseForm.setSecondaryWindows(&AboutForm, &TxComForm, &ProgForm);
  }

  TBaseForm BaseForm;
  TAboutForm AboutForm;
  TTxComForm TxComForm;
  TProgForm ProgForm;
};

}  // namespace laserpic::ui
