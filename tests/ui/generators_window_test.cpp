// The figure group of the editor window, driven like a user would: clicks on
// the buttons and slider steps, with the handler nesting that follows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "generators/generators.h"
#include "ui/base_form.h"

using namespace laserpic;

namespace {

struct Figure {
  model::PointArray x, y;
  bool operator==(const Figure&) const = default;
};

Figure circle(int sx, int sy, int option, int mode) {
  model::FigureModel m;
  generators::FigureParams p;
  p.SizeX = static_cast<std::uint8_t>(sx);
  p.SizeY = static_cast<std::uint8_t>(sy);
  p.Option = option;
  p.Mode = mode;
  generators::GreateCucle(m, p);
  return {m.PicX, m.PicY};
}

Figure frame() {
  model::FigureModel m;
  generators::GreateBegin(m);
  return {m.PicX, m.PicY};
}

class GeneratorWindow : public ::testing::Test {
 protected:
  GeneratorWindow() : form(model) { form.show(); }

  Figure figure() const { return {model.PicX, model.PicY}; }
  Figure undoCopy() const { return {model.UndoX, model.UndoY}; }
  int builds() const { return form.fullRedrawCount() - mRedrawsAtMark; }
  void mark() { mRedrawsAtMark = form.fullRedrawCount(); }

  // A user's click, also on the hidden buttons: QAbstractButton::click takes
  // the same path as a mouse click (toggle, then `clicked`).
  static void click(QToolButton* b) {
    if (b->isVisible()) {
      QTest::mouseClick(b, Qt::LeftButton);
    } else {
      b->click();
    }
  }
  // One step of the slider's left arrow, as the user would press it.
  static void stepDown(QScrollBar* s) { s->triggerAction(QAbstractSlider::SliderSingleStepSub); }

  model::FigureModel model;
  ui::TBaseForm form;

 private:
  int mRedrawsAtMark = 0;
};

// ---- The toolkit behaviour the handlers rely on ----

TEST_F(GeneratorWindow, SliderRunsItsHandlerOnlyWhenThePositionChanges) {
  form.LabelStatus->setText("busy");
  form.ScrollBarGorzFigura->setValue(200);  // already there
  EXPECT_EQ(form.LabelStatus->text(), "busy");

  form.ScrollBarGorzFigura->setValue(300);  // clamped to the range
  EXPECT_EQ(form.ScrollBarGorzFigura->value(), 250);
  EXPECT_EQ(form.LabelSizeX->text(), "250");
  EXPECT_EQ(form.LabelStatus->text(), " ");
}

TEST_F(GeneratorWindow, ButtonPressedFromCodeRunsNoHandler) {
  click(form.SpeedButtonCucle);
  mark();
  form.SpeedButtonOffMade->setChecked(true);
  EXPECT_EQ(model.State.FigureKind, generators::kKindCircle);
  form.SpeedButton128->setChecked(true);
  EXPECT_EQ(builds(), 0);
}

TEST_F(GeneratorWindow, ClickOnTheButtonAlreadyDownBuildsAgain) {
  click(form.SpeedButtonCucle);
  model.PicX[0] = 5;  // an edit made after the build
  mark();
  click(form.SpeedButtonCucle);
  EXPECT_TRUE(form.SpeedButtonCucle->isChecked());
  EXPECT_EQ(builds(), 1);
  EXPECT_EQ(model.PicX[0], 133);
  EXPECT_EQ(model.UndoX[0], 5);
}

// ---- Figure buttons ----

TEST_F(GeneratorWindow, FigureButtonsBuildTheirFigure) {
  const struct {
    const char* name;
    QToolButton* ui::TBaseForm::*button;
    int kind, index, x, y;
  } rows[] = {
      {"frame", &ui::TBaseForm::SpeedButtonFigura, generators::kKindFrame, 191, 254, 254},
      {"circle", &ui::TBaseForm::SpeedButtonCucle, generators::kKindCircle, 58, 227, 127},
      {"line", &ui::TBaseForm::SpeedButtonLines, generators::kKindLineHorizontal, 10, 10, 200},
      {"vertical", &ui::TBaseForm::SpeedButtonLinesVert, generators::kKindLineVertical, 10, 200, 10},
      {"centre", &ui::TBaseForm::SpeedButtonPoints, generators::kKindCentre, 0, 127, 127},
      {"star", &ui::TBaseForm::SpeedButtonStars, generators::kKindStar, 127, 222, 128},
      {"polygon", &ui::TBaseForm::SpeedButtonTreug, generators::kKindPolygon, 0, 127, 227},
  };
  for (const auto& r : rows) {
    QToolButton* b = form.*r.button;
    click(b);
    EXPECT_TRUE(b->isChecked()) << r.name;
    EXPECT_FALSE(form.SpeedButtonOffMade->isChecked()) << r.name;
    EXPECT_EQ(model.State.FigureKind, r.kind) << r.name;
    EXPECT_EQ(model.PicX[r.index], r.x) << r.name;
    EXPECT_EQ(model.PicY[r.index], r.y) << r.name;
    EXPECT_EQ(form.LabelStatus->text(), " ") << r.name;
  }
}

TEST_F(GeneratorWindow, PolygonButtonFoldsItsOutline) {
  click(form.SpeedButtonTreug);
  EXPECT_EQ(form.ScrollBarMode->value(), 4);
  EXPECT_EQ(form.ScrollBarOption->value(), 1);
  EXPECT_EQ(model.State.CornerFlag, 0);
  EXPECT_EQ(model.PicX[64], model.PicX[63]);
  EXPECT_EQ(model.PicY[64], model.PicY[63]);
  EXPECT_EQ(model.PicX[255], model.PicX[0]);
  EXPECT_EQ(model.PicY[191], model.PicY[63]);

  // The next figure is not folded.
  click(form.SpeedButtonLines);
  EXPECT_EQ(model.PicX[255], 255);
}

TEST_F(GeneratorWindow, OffButtonChangesOnlyTheKind) {
  click(form.SpeedButtonCucle);
  model.PicX[3] = 1;
  form.LabelStatus->setText("kept");
  const Figure before = figure();
  const Figure undo = undoCopy();
  mark();
  click(form.SpeedButtonOffMade);
  EXPECT_EQ(model.State.FigureKind, generators::kKindNone);
  EXPECT_TRUE(form.SpeedButtonOffMade->isChecked());
  EXPECT_FALSE(form.SpeedButtonCucle->isChecked());
  EXPECT_EQ(figure(), before);
  EXPECT_EQ(undoCopy(), undo);
  EXPECT_EQ(form.LabelStatus->text(), "kept");
  EXPECT_EQ(builds(), 0);
}

// A button that moves the option slider first rebuilds the circle still
// selected, and that circle is what undo brings back.
TEST_F(GeneratorWindow, LineButtonAfterTheCircleLeavesTheShiftedCircleForUndo) {
  const struct {
    const char* name;
    QToolButton* ui::TBaseForm::*button;
    int option;
  } rows[] = {{"horizontal", &ui::TBaseForm::SpeedButtonLines, 243},
              {"vertical", &ui::TBaseForm::SpeedButtonLinesVert, 12}};
  for (const auto& r : rows) {
    click(form.SpeedButtonCucle);
    ASSERT_EQ(form.ScrollBarOption->value(), 1);
    mark();
    click(form.*r.button);
    EXPECT_EQ(form.LabelOption->text(), QString::number(r.option)) << r.name;
    EXPECT_EQ(builds(), 2) << r.name;
    EXPECT_EQ(undoCopy(), circle(200, 200, r.option, 1)) << r.name;
    click(form.SpeedButtonUndo);
    EXPECT_EQ(figure(), circle(200, 200, r.option, 1)) << r.name;
  }
}

TEST_F(GeneratorWindow, CircleButtonWithOptionAndModeAlreadyOneBuildsOnce) {
  click(form.SpeedButtonFigura);
  form.ScrollBarOption->setValue(1);
  form.ScrollBarMode->setValue(1);
  mark();
  click(form.SpeedButtonCucle);
  EXPECT_EQ(builds(), 1);
  EXPECT_EQ(undoCopy(), frame());
  EXPECT_EQ(figure(), circle(200, 200, 1, 1));
}

// ---- Sliders ----

TEST_F(GeneratorWindow, SizeCoupling) {
  const struct {
    bool coupled;
    const char* labelY;
    int vertical, builds;
  } rows[] = {{true, "199", 199, 2}, {false, "200", 200, 1}};
  for (const auto& r : rows) {
    model::FigureModel m;
    ui::TBaseForm w(m);
    QTest::mouseClick(w.SpeedButtonCucle, Qt::LeftButton);
    w.CheckBoxSizeTogeze->setChecked(r.coupled);
    const int before = w.fullRedrawCount();
    stepDown(w.ScrollBarGorzFigura);
    EXPECT_EQ(w.LabelSizeX->text(), "199") << r.coupled;
    EXPECT_EQ(w.LabelSizeY->text(), r.labelY) << r.coupled;
    EXPECT_EQ(w.ScrollBarVertFigura->value(), r.vertical) << r.coupled;
    EXPECT_EQ(w.fullRedrawCount() - before, r.builds) << r.coupled;
    const Figure built{m.PicX, m.PicY};
    EXPECT_EQ(built, circle(199, r.vertical, 1, 1)) << r.coupled;
    // Coupled, the second build took the first as its undo copy.
    w.SpeedButtonUndoClick();
    EXPECT_EQ((Figure{m.PicX, m.PicY}), r.coupled ? built : circle(200, 200, 1, 1)) << r.coupled;
  }
}

TEST_F(GeneratorWindow, YSliderAloneMovesTheLinesOnlyThroughCoupling) {
  click(form.SpeedButtonLines);
  form.CheckBoxSizeTogeze->setChecked(false);
  stepDown(form.ScrollBarVertFigura);
  EXPECT_EQ(model.PicY[0], 200);
  form.CheckBoxSizeTogeze->setChecked(true);
  stepDown(form.ScrollBarVertFigura);
  EXPECT_EQ(form.ScrollBarGorzFigura->value(), 198);
  EXPECT_EQ(model.PicY[0], 198);
}

// With no generator selected every slider only takes the undo copy and blanks
// the status; the figure stays and nothing is redrawn.
TEST_F(GeneratorWindow, SliderWithoutGeneratorOnlySnapshots) {
  const struct {
    const char* name;
    QScrollBar* ui::TBaseForm::*slider;
    QLabel* ui::TBaseForm::*label;
  } rows[] = {
      {"size X", &ui::TBaseForm::ScrollBarGorzFigura, &ui::TBaseForm::LabelSizeX},
      {"size Y", &ui::TBaseForm::ScrollBarVertFigura, &ui::TBaseForm::LabelSizeY},
      {"option", &ui::TBaseForm::ScrollBarOption, &ui::TBaseForm::LabelOption},
      {"mode", &ui::TBaseForm::ScrollBarMode, &ui::TBaseForm::LabelMode},
      {"inner size", &ui::TBaseForm::ScrollBarSizeIn, &ui::TBaseForm::LabelSizeIn},
  };
  for (const auto& r : rows) {
    model.PicX[5] = 9;
    form.SpeedButtonUndo->setEnabled(false);
    form.LabelStatus->setText("LabelStatus");
    const Figure before = figure();
    mark();
    QScrollBar* s = form.*r.slider;
    stepDown(s);
    EXPECT_EQ((form.*r.label)->text(), QString::number(s->value())) << r.name;
    EXPECT_EQ(figure(), before) << r.name;
    EXPECT_EQ(undoCopy(), before) << r.name;
    EXPECT_TRUE(form.SpeedButtonUndo->isEnabled()) << r.name;
    EXPECT_EQ(form.LabelStatus->text(), " ") << r.name;
    EXPECT_EQ(builds(), 0) << r.name;
  }
  // The coupled size sliders moved together.
  EXPECT_EQ(form.ScrollBarGorzFigura->value(), 198);
  EXPECT_EQ(form.LabelSizeY->text(), "198");
}

// ---- Second half (hidden group) ----

TEST_F(GeneratorWindow, SecondHalfButtonsWithoutGenerator) {
  model.PicX[0] = 40;
  const Figure before = figure();
  mark();
  click(form.SpeedButtonMirrGor);
  click(form.SpeedButtonmirrVert);
  EXPECT_EQ(builds(), 0);
  EXPECT_EQ(undoCopy(), before);
  click(form.SpeedButton128);
  EXPECT_TRUE(form.SpeedButton128->isChecked());
  EXPECT_EQ(builds(), 1);  // the redraw after FigureGreate
  EXPECT_EQ(figure(), before);  // the second half waits for the next build
}

TEST_F(GeneratorWindow, HalfModeCircleWithMirrors) {
  click(form.SpeedButtonCucle);
  mark();
  click(form.SpeedButton128);
  EXPECT_EQ(builds(), 2);  // the build and the extra redraw
  EXPECT_EQ(model.PicX[255], model.PicX[0]);
  EXPECT_EQ(model.PicY[128], model.PicY[127]);
  const auto first = generators::Sinus(2, 200, 200);
  EXPECT_EQ(model.PicX[0], first.SinCoord);

  click(form.SpeedButtonMirrGor);
  EXPECT_EQ(model.PicX[255], 255 - model.PicX[0]);
  EXPECT_EQ(model.PicY[255], model.PicY[0]);
  click(form.SpeedButtonmirrVert);
  EXPECT_EQ(model.PicY[255], 255 - model.PicY[0]);

  // Each toggle flips on its own.
  click(form.SpeedButtonMirrGor);
  EXPECT_FALSE(form.SpeedButtonMirrGor->isChecked());
  EXPECT_TRUE(form.SpeedButtonmirrVert->isChecked());
  EXPECT_EQ(model.PicX[255], model.PicX[0]);
}

}  // namespace
