#pragma once

#include <QDialog>

#include "model/figure_model.h"

namespace laserpic::ui {

class TProgForm : public QDialog {
  Q_OBJECT

 public:
  explicit TProgForm(model::FigureModel& model, QWidget* parent = nullptr);

 private:
  model::FigureModel& mModel;
};

}  // namespace laserpic::ui
