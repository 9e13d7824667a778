#include <QApplication>

#include "model/figure_model.h"
#include "ui/about_form.h"
#include "ui/app_setup.h"
#include "ui/base_form.h"
#include "ui/prog_form.h"
#include "ui/txcom_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  using namespace laserpic;
  ui::setUpApplication();

  model::FigureModel figure;
  // Creation order matters: the editor window is the main window.
  ui::TBaseForm BaseForm(figure);
  ui::TAboutForm AboutForm(figure, &BaseForm);
  ui::TTxComForm TxComForm(figure, &BaseForm);
  ui::TProgForm ProgForm(figure, &BaseForm);
  BaseForm.setSecondaryWindows(&AboutForm, &TxComForm, &ProgForm);

  BaseForm.show();
  return QApplication::exec();
}
