// The tracing background picture under the drawing area.
#include <QCheckBox>
#include <QFileInfo>
#include <QScrollBar>
#include <QToolButton>

#include "base_form.h"
#include "model/background_image.h"
#include "surfaces.h"
#include "user_prompts.h"

// The sample picture lives in a static library; pull its resource in explicitly.
static void initImageResources() { Q_INIT_RESOURCE(images); }

namespace laserpic::ui {
namespace {

const QString kPictureCaption = QStringLiteral("Открыть картинку-подложку");
// The sizing keeps the picture centred on the drawing area.
constexpr int kDrawSide = 512;
constexpr int kLeftOffset = 7;
constexpr int kTopOffset = 30;

}  // namespace

void TBaseForm::connectBackground() {
  initImageResources();
  ImageDraw->setPictureSource(QStringLiteral(":/images/sample_picture.jpg"));
  connect(SpeedButtonLoadPicture, &QToolButton::clicked, this, [this] { SpeedButtonLoadPictureClick(); });
  connect(SpeedButtonPicVisible, &QToolButton::clicked, this, [this] { SpeedButtonPicVisibleClick(); });
  connect(ScrollBarRazmX, &QScrollBar::valueChanged, this, [this] { ScrollBarRazmXChange(); });
  connect(ScrollBarRazmY, &QScrollBar::valueChanged, this, [this] { ScrollBarRazmYChange(); });
  // The check box reacts to every change of its state, the program's too.
  connect(CheckBoxTogez, &QCheckBox::toggled, this, [this] { CheckBoxTogezClick(); });
}

void TBaseForm::SpeedButtonLoadPictureClick() {
  const QString chosen =
      prompts().openFileName(this, kPictureCaption, mPictureDialogFileName, model::pictureDialogFilter());
  if (chosen.isEmpty()) return;
  mPictureDialogFileName = chosen;
  // Only the states change; no click handler runs, so a selected generator stays selected.
  SpeedButton128->setChecked(false);
  SpeedButtonOffMade->setChecked(true);
  SpeedButtonMirrGor->setChecked(false);
  SpeedButtonmirrVert->setChecked(false);

  const model::BackgroundResult loaded = model::loadBackgroundImage(chosen);
  if (!loaded.ok()) {
    ShowError(loaded.error);
    return;
  }
  ImageDraw->setPicture(loaded.image);
  ImageDraw->setVisible(true);
  SpeedButtonPicVisible->setChecked(true);
  SpeedButtonWeb->setChecked(false);
  mModel.PictureLabel = QStringLiteral(" [") + QFileInfo(chosen).absoluteFilePath() + QStringLiteral("] ");
  FullReturn(1);
  ToNameTx(chosen);
}

void TBaseForm::SpeedButtonPicVisibleClick() {
  ImageDraw->setVisible(SpeedButtonPicVisible->isChecked());
  FullReturn(1);
}

void TBaseForm::ScrollBarRazmXChange() {
  const int p = ScrollBarRazmX->value();
  const QRect bounds = ImageDraw->geometry();
  ImageDraw->setGeometry((kDrawSide - p) / 2 + kLeftOffset, bounds.y(), p, bounds.height());
  if (CheckBoxTogez->isChecked()) {
    ImageDraw->setGeometry(ImageDraw->x(), (kDrawSide - p) / 2 + kTopOffset, p, p);
    ScrollBarRazmY->setValue(p);
  }
}

void TBaseForm::ScrollBarRazmYChange() {
  const int p = ScrollBarRazmY->value();
  const QRect bounds = ImageDraw->geometry();
  ImageDraw->setGeometry(bounds.x(), (kDrawSide - p) / 2 + kTopOffset, bounds.width(), p);
}

void TBaseForm::CheckBoxTogezClick() { ScrollBarRazmY->setVisible(!CheckBoxTogez->isChecked()); }

}  // namespace laserpic::ui
