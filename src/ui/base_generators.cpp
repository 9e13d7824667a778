// Figure buttons, generator sliders, second-half mirroring and folding.
//
// Buttons are wired to `clicked` (never `toggled`) so that pressing a button
// from code runs nothing, and sliders to `valueChanged`, which fires for every
// change of position from the user or from code but not for the same value.
// The nested rebuilds that follow from that are intended.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "base_form.h"
#include "generators/generators.h"

namespace laserpic::ui {
namespace {

generators::FigureParams readParams(const TBaseForm& f) {
  generators::FigureParams p;
  p.SizeX = static_cast<std::uint8_t>(f.ScrollBarGorzFigura->value());
  p.SizeY = static_cast<std::uint8_t>(f.ScrollBarVertFigura->value());
  p.Option = f.ScrollBarOption->value();
  p.Mode = f.ScrollBarMode->value();
  p.Half128 = f.SpeedButton128->isChecked();
  return p;
}

}  // namespace

void TBaseForm::connectGenerators() {
  const struct {
    QScrollBar* slider;
    void (TBaseForm::*handler)();
  } sliders[] = {
      {ScrollBarGorzFigura, &TBaseForm::ScrollBarGorzFiguraChange},
      {ScrollBarVertFigura, &TBaseForm::ScrollBarVertFiguraChange},
      {ScrollBarOption, &TBaseForm::ScrollBarOptionChange},
      {ScrollBarMode, &TBaseForm::ScrollBarModeChange},
      {ScrollBarSizeIn, &TBaseForm::ScrollBarSizeInChange},
  };
  for (const auto& s : sliders) {
    connect(s.slider, &QScrollBar::valueChanged, this, [this, h = s.handler] { (this->*h)(); });
  }

  const struct {
    QToolButton* button;
    void (TBaseForm::*handler)();
  } buttons[] = {
      {SpeedButtonOffMade, &TBaseForm::SpeedButtonOffMadeClick},
      {SpeedButtonFigura, &TBaseForm::SpeedButtonFiguraClick},
      {SpeedButtonCucle, &TBaseForm::SpeedButtonCucleClick},
      {SpeedButtonLines, &TBaseForm::SpeedButtonLinesClick},
      {SpeedButtonLinesVert, &TBaseForm::SpeedButtonLinesVertClick},
      {SpeedButtonPoints, &TBaseForm::SpeedButtonPointsClick},
      {SpeedButtonStars, &TBaseForm::SpeedButtonStarsClick},
      {SpeedButtonTreug, &TBaseForm::SpeedButtonTreugClick},
      {SpeedButton128, &TBaseForm::SpeedButton128Click},
      {SpeedButtonmirrVert, &TBaseForm::SpeedButtonmirrVertClick},
      {SpeedButtonMirrGor, &TBaseForm::SpeedButtonMirrGorClick},
  };
  for (const auto& b : buttons) {
    connect(b.button, &QToolButton::clicked, this, [this, h = b.handler] { (this->*h)(); });
  }
}

void TBaseForm::FigureGreate() {
  ToUndo();
  LabelStatus->setText(QStringLiteral(" "));
  const QString status = generators::RunGenerator(mModel, readParams(*this));
  if (!status.isEmpty()) LabelStatus->setText(status);
  if (mModel.State.FigureKind == generators::kKindNone) return;
  MadeHalf();
  if (mModel.State.CornerFlag != 0) Made64();
  FullReturn(1);
}

void TBaseForm::MadeHalf() {
  generators::MadeHalf(mModel, SpeedButton128->isChecked(), SpeedButtonMirrGor->isChecked(),
                       SpeedButtonmirrVert->isChecked());
}

void TBaseForm::Made64() { generators::Made64(mModel); }

// ---- Sliders ----

void TBaseForm::ScrollBarGorzFiguraChange() {
  const int v = ScrollBarGorzFigura->value();
  LabelSizeX->setText(QString::number(v));
  // Runs the other slider's handler only when its position actually changes.
  if (CheckBoxSizeTogeze->isChecked()) ScrollBarVertFigura->setValue(v);
  FigureGreate();
}

void TBaseForm::ScrollBarVertFiguraChange() {
  const int v = ScrollBarVertFigura->value();
  LabelSizeY->setText(QString::number(v));
  if (CheckBoxSizeTogeze->isChecked()) ScrollBarGorzFigura->setValue(v);
  FigureGreate();
}

void TBaseForm::ScrollBarOptionChange() {
  LabelOption->setText(QString::number(ScrollBarOption->value()));
  FigureGreate();
}

void TBaseForm::ScrollBarModeChange() {
  LabelMode->setText(QString::number(ScrollBarMode->value()));
  FigureGreate();
}

void TBaseForm::ScrollBarSizeInChange() {
  LabelSizeIn->setText(QString::number(ScrollBarSizeIn->value()));
  FigureGreate();
}

// ---- Figure buttons ----
// Setting the option or mode slider before FigureKind rebuilds the figure
// still selected with the new value; that figure becomes the undo copy.

void TBaseForm::SpeedButtonOffMadeClick() { mModel.State.FigureKind = generators::kKindNone; }

void TBaseForm::SpeedButtonFiguraClick() {
  ToUndo();
  mModel.State.FigureKind = generators::kKindFrame;
  FigureGreate();
}

void TBaseForm::SpeedButtonCucleClick() {
  ScrollBarOption->setValue(1);
  ScrollBarMode->setValue(1);
  mModel.State.FigureKind = generators::kKindCircle;
  FigureGreate();
}

void TBaseForm::SpeedButtonLinesClick() {
  ScrollBarOption->setValue(243);
  mModel.State.FigureKind = generators::kKindLineHorizontal;
  FigureGreate();
}

void TBaseForm::SpeedButtonLinesVertClick() {
  ScrollBarOption->setValue(12);
  mModel.State.FigureKind = generators::kKindLineVertical;
  FigureGreate();
}

void TBaseForm::SpeedButtonPointsClick() {
  mModel.State.FigureKind = generators::kKindCentre;
  FigureGreate();
}

void TBaseForm::SpeedButtonStarsClick() {
  mModel.State.FigureKind = generators::kKindStar;
  FigureGreate();
}

void TBaseForm::SpeedButtonTreugClick() {
  ScrollBarMode->setValue(4);
  ScrollBarOption->setValue(1);
  ToUndo();
  mModel.State.FigureKind = generators::kKindPolygon;
  FigureGreate();
}

// ---- Second half (hidden group) ----

void TBaseForm::SpeedButton128Click() {
  FigureGreate();
  // The drawing area shows 128 or 256 points depending on this toggle.
  FullReturn(1);
}

void TBaseForm::SpeedButtonmirrVertClick() { FigureGreate(); }
void TBaseForm::SpeedButtonMirrGorClick() { FigureGreate(); }

}  // namespace laserpic::ui
