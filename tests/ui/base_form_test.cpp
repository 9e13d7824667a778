#include <gtest/gtest.h>

#include <QToolButton>

#include "ui/base_form.h"

using namespace laserpic;

TEST(BaseForm, StartsWithCentredFigureAndUndoEnabled) {
  model::FigureModel m;
  ui::TBaseForm form(m);
  EXPECT_EQ(m.PicX[0], 127);
  EXPECT_TRUE(form.SpeedButtonUndo->isEnabled());
  EXPECT_EQ(m.PicName, QString("No-Name-"));
  EXPECT_EQ(form.windowTitle(), QString(" Редактор картинок для лазера  [no FileLaser]  [no Picture] "));
}
