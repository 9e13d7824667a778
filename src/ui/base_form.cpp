#include "base_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "about_form.h"
#include "prog_form.h"
#include "scene_render.h"
#include "surfaces.h"
#include "txcom_form.h"

namespace laserpic::ui {

TBaseForm::TBaseForm(model::FigureModel& model, QWidget* parent)
    : QWidget(parent),
      mModel(model),
      mDrawImage(kDrawAreaSize, kDrawAreaSize, QImage::Format_ARGB32_Premultiplied),
      mViewImage(kPreviewSize, kPreviewSize, QImage::Format_ARGB32_Premultiplied) {
  mDrawImage.fill(Qt::transparent);
  mViewImage.fill(Qt::transparent);
  createControls();
  connectHandlers();
  connectGenerators();
  connectEditing();
  connectFileCommands();
  connectBackground();
  FormCreate();
}

TBaseForm::~TBaseForm() = default;

void TBaseForm::setSecondaryWindows(TAboutForm* about, TTxComForm* txCom, TProgForm* prog) {
  mAboutForm = about;
  mTxComForm = txCom;
  mProgForm = prog;
}

void TBaseForm::connectHandlers() {
  connect(SpeedButtonUndo, &QToolButton::clicked, this, [this] { SpeedButtonUndoClick(); });
  connect(SpeedButtonWeb, &QToolButton::clicked, this, [this] { SpeedButtonWebClick(); });
  connect(SpeedButtonTools, &QToolButton::clicked, this, [this] { SpeedButtonToolsClick(); });
  connect(ColorBoxShapeView, &QComboBox::currentIndexChanged, this,
          [this] { ColorBoxShapeViewChange(); });
  connect(SpeedButtonLink, &QToolButton::clicked, this, [this] { SpeedButtonLinkClick(); });
  connect(SpeedButtonUstProgram, &QToolButton::clicked, this,
          [this] { SpeedButtonUstProgramClick(); });
  connect(SpeedButtonAbout, &QToolButton::clicked, this, [this] { SpeedButtonAboutClick(); });
  // The hot-point options only show at the next redraw, as before.
}

// ---- Figure model with the undo button as the "modified" flag ----

void TBaseForm::ClearPicture() {
  model::clearFigure(mModel);
  ToUndo();
  FullReturn(1);
}

void TBaseForm::ToUndo() {
  model::copyToUndo(mModel);
  SpeedButtonUndo->setEnabled(true);
}

void TBaseForm::FromUndo() {
  model::copyFromUndo(mModel);
  SpeedButtonUndo->setEnabled(false);
  FullReturn(1);
}

void TBaseForm::SpeedButtonUndoClick() { FromUndo(); }

// ---- Window events ----

void TBaseForm::FormCreate() {
  mModel.TitleText = QStringLiteral(" Редактор картинок для лазера ");
  mModel.FileLabel = QStringLiteral(" [no FileLaser] ");
  mModel.PictureLabel = QStringLiteral(" [no Picture] ");
  ClearPicture();
  mModel.PicName = QStringLiteral("No-Name-");
}

void TBaseForm::FormShow() { FullReturn(0); }
void TBaseForm::FormActivate() { FullReturn(0); }
// The surfaces keep the last drawn scene and repaint it by themselves, so a
// window paint only has to keep the caption current. Drawing the scene here
// would schedule the surfaces again from inside the paint and never settle.
void TBaseForm::FormPaint() { setWindowTitle(model::composeTitle(mModel)); }
void TBaseForm::FormResize() { FullReturn(1); }

void TBaseForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TBaseForm::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  FormPaint();
}

void TBaseForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TBaseForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TBaseForm::closeEvent(QCloseEvent* event) {
  FormClose();
  // Closing is never cancelled.
  event->accept();
}

// ---- The redraw ----

void TBaseForm::FullReturn(int Mode) {
  setWindowTitle(model::composeTitle(mModel));
  const SceneOptions options{SpeedButton128->isChecked(), SpeedButtonWeb->isChecked(),
                             CheckBoxHotPoint->isChecked(), CheckBoxHotCol->isChecked()};
  if (Mode == 1) {
    ++mFullRedrawCount;
    mDrawImage.fill(Qt::transparent);
    mViewImage.fill(Qt::transparent);
  }
  drawDrawArea(mDrawImage, mModel, options);
  drawPreview(mViewImage, mModel, options, mScatter);
  PaintBoxDraw->update();
  PaintBoxView->update();
}

// ---- View options and the secondary windows ----

void TBaseForm::SpeedButtonWebClick() { FullReturn(1); }

void TBaseForm::SpeedButtonToolsClick() { GroupBoxTools->setVisible(SpeedButtonTools->isChecked()); }

void TBaseForm::ColorBoxShapeViewChange() {
  QColor color = ColorBoxShapeView->currentData().value<QColor>();
  // The preview path is lime; a lime field would hide it.
  if (color == QColor(0, 255, 0)) color = Qt::black;
  ShapeView->setFillColor(color);
  FullReturn(1);
}

void TBaseForm::SpeedButtonLinkClick() {
  if (mTxComForm) mTxComForm->exec();
}

void TBaseForm::SpeedButtonUstProgramClick() {
  if (mProgForm) mProgForm->exec();
}

void TBaseForm::SpeedButtonAboutClick() {
  if (mAboutForm) mAboutForm->exec();
}

}  // namespace laserpic::ui
