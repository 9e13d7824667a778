#include <QApplication>

#include "model/figure_model.h"
#include "ui/app_setup.h"
#include "ui/program_windows.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  using namespace laserpic;
  ui::setUpApplication();

  model::FigureModel figure;
  ui::ProgramWindows windows(figure);
  windows.BaseForm.show();
  return QApplication::exec();
}
