#pragma once

#include <QImage>
#include <QWidget>

#include <random>

#include "model/figure_model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QScrollBar;
class QTimer;
class QToolButton;

namespace laserpic::ui {

class PaintBox;
class PictureBox;
class ShapeBox;
class TAboutForm;
class TTxComForm;
class TProgForm;

// The editor window. Handlers are grouped by the file that implements them:
//   base_form.cpp        window events, view options, undo, the redraw
//   base_layout.cpp      creation of every control
//   base_generators.cpp  figure buttons, generator sliders, mirroring
//   base_editing.cpp     mouse on the drawing area, point list commands
//   base_file.cpp        picture files, close question
//   base_background.cpp  tracing background picture
class TBaseForm : public QWidget {
  Q_OBJECT

 public:
  explicit TBaseForm(model::FigureModel& model, QWidget* parent = nullptr);
  ~TBaseForm() override;

  // The secondary windows are created after this one; the buttons open them.
  void setSecondaryWindows(TAboutForm* about, TTxComForm* txCom, TProgForm* prog);

  model::FigureModel& Model() { return mModel; }
  const model::FigureModel& Model() const { return mModel; }

  // Figure model operations with the undo button as the "modified" flag.
  void ClearPicture();
  void ToUndo();
  void FromUndo();
  void SpeedButtonUndoClick();

  // Window events.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormPaint();
  void FormResize();
  void FormClose();

  // The redraw: 1 clears both surfaces first, 0 draws over what is there.
  void FullReturn(int Mode);
  // Surfaces as last drawn (transparent where nothing is drawn).
  const QImage& drawAreaImage() const { return mDrawImage; }
  const QImage& previewImage() const { return mViewImage; }
  // How many times FullReturn(1) ran; lets tests see whether a move redrew.
  int fullRedrawCount() const { return mFullRedrawCount; }

  // View options and the secondary windows.
  void SpeedButtonWebClick();
  void SpeedButtonToolsClick();
  void ColorBoxShapeViewChange();
  void SpeedButtonLinkClick();
  void SpeedButtonUstProgramClick();
  void SpeedButtonAboutClick();

  // Picture files (base_file.cpp).
  void SpeedButtonOpenPicClick();
  void SpeedButtonSavePicClick();
  void SAveToFile();
  void ToNameTx(const QString& Path);
  // The program-wide error handler: shows an operation's error text.
  void ShowError(const QString& text);

  // Background picture (base_background.cpp).
  void SpeedButtonLoadPictureClick();
  void SpeedButtonPicVisibleClick();
  void ScrollBarRazmXChange();
  void ScrollBarRazmYChange();
  void CheckBoxTogezClick();

  // Mouse on the drawing area and point list commands (base_editing.cpp).
  void PaintBoxDrawMouseDown(Qt::MouseButton Button, int X, int Y);
  void PaintBoxDrawMouseMove(int X, int Y);
  void PaintBoxDrawMouseUp(Qt::MouseButton Button);
  void PaintBoxDrawDblClick();
  void SearchPoint(int X, int Y);
  void TimerPointOffTimer();
  void SpeedButtonInsertPointClick();
  void SpeedButtonDeletePointClick();
  void SpeedButtonRotatePointsMouseDown(Qt::MouseButton Button);
  void SpeedButtonNormalPointsClick();
  void SpeedButtonNormalizClick();
  void ScrollBarPixelChange();
  void ScrollBarInterChange();

  // Generators (base_generators.cpp).
  void FigureGreate();
  void MadeHalf();
  void Made64();
  void ScrollBarGorzFiguraChange();
  void ScrollBarVertFiguraChange();
  void ScrollBarOptionChange();
  void ScrollBarModeChange();
  void ScrollBarSizeInChange();
  void SpeedButtonOffMadeClick();
  void SpeedButtonFiguraClick();
  void SpeedButtonCucleClick();
  void SpeedButtonLinesClick();
  void SpeedButtonLinesVertClick();
  void SpeedButtonPointsClick();
  void SpeedButtonStarsClick();
  void SpeedButtonTreugClick();
  void SpeedButton128Click();
  void SpeedButtonmirrVertClick();
  void SpeedButtonMirrGorClick();

  // ---- Controls, named as in the form design. ----
  // Tool row.
  QToolButton* SpeedButtonLoadPicture = nullptr;
  QToolButton* SpeedButtonOpenPic = nullptr;
  QToolButton* SpeedButtonSavePic = nullptr;
  QToolButton* SpeedButtonLink = nullptr;
  QToolButton* SpeedButtonUstProgram = nullptr;
  QToolButton* SpeedButtonUndo = nullptr;
  QLabel* LabelPoint = nullptr;
  QLabel* LabelPosX = nullptr;
  QLabel* LabelPosY = nullptr;
  QToolButton* SpeedButtonInsertPoint = nullptr;
  QLabel* LabelInsdel = nullptr;
  QToolButton* SpeedButtonDeletePoint = nullptr;
  QToolButton* SpeedButton16 = nullptr;
  QToolButton* SpeedButton15 = nullptr;
  QToolButton* SpeedButtonPicVisible = nullptr;
  QToolButton* SpeedButtonWeb = nullptr;
  QToolButton* SpeedButtonDirect = nullptr;
  QToolButton* SpeedButtonRotatePoints = nullptr;
  QToolButton* SpeedButtonNormalPoints = nullptr;
  QToolButton* SpeedButtonNormaliz = nullptr;
  QComboBox* ComboBoxLenght = nullptr;
  QComboBox* ColorBoxShapeView = nullptr;
  QToolButton* SpeedButtonTools = nullptr;
  QToolButton* SpeedButtonAbout = nullptr;

  // Work area.
  PictureBox* ImageDraw = nullptr;
  PaintBox* PaintBoxDraw = nullptr;
  ShapeBox* ShapeView = nullptr;
  PaintBox* PaintBoxView = nullptr;
  QTimer* TimerPointOff = nullptr;

  // "Начальная  фигура ".
  QGroupBox* GroupBoxMade = nullptr;
  QButtonGroup* FigureButtons = nullptr;
  QToolButton* SpeedButtonOffMade = nullptr;
  QToolButton* SpeedButtonFigura = nullptr;
  QToolButton* SpeedButtonCucle = nullptr;
  QToolButton* SpeedButtonLines = nullptr;
  QToolButton* SpeedButtonLinesVert = nullptr;
  QToolButton* SpeedButtonPoints = nullptr;
  QToolButton* SpeedButtonStars = nullptr;
  QToolButton* SpeedButtonTreug = nullptr;
  QScrollBar* ScrollBarGorzFigura = nullptr;
  QScrollBar* ScrollBarVertFigura = nullptr;
  QScrollBar* ScrollBarOption = nullptr;
  QScrollBar* ScrollBarMode = nullptr;
  QScrollBar* ScrollBarSizeIn = nullptr;
  QLabel* LabelVertFiru = nullptr;
  QLabel* LabelGorFigu = nullptr;
  QLabel* LabelSdvig = nullptr;
  QLabel* LabelCorn = nullptr;
  QLabel* LabelSizeInL = nullptr;
  QLabel* LabelSizeX = nullptr;
  QLabel* LabelSizeY = nullptr;
  QLabel* LabelOption = nullptr;
  QLabel* LabelMode = nullptr;
  QLabel* LabelSizeIn = nullptr;
  QCheckBox* CheckBoxSizeTogeze = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* LabelT1 = nullptr;
  QLabel* LabelStatus = nullptr;

  // "Дописывание второй " (hidden).
  QGroupBox* GroupBox1 = nullptr;
  QLabel* LabelPen2 = nullptr;
  QToolButton* SpeedButtonmirrVert = nullptr;
  QToolButton* SpeedButtonMirrGor = nullptr;
  QToolButton* SpeedButton128 = nullptr;
  QScrollBar* ScrollBarHalf128 = nullptr;

  // Tools panel.
  QGroupBox* GroupBoxTools = nullptr;
  QFrame* BevelUp = nullptr;
  QFrame* BevelPix = nullptr;
  QFrame* BevelAttr = nullptr;
  QLabel* LabelRotatePoints = nullptr;
  QLabel* LabelPixel = nullptr;
  QLabel* LabelPoints = nullptr;
  QScrollBar* ScrollBarPixel = nullptr;
  QLabel* LabelRazmer = nullptr;
  QScrollBar* ScrollBarRazmX = nullptr;
  QCheckBox* CheckBoxTogez = nullptr;
  QScrollBar* ScrollBarRazmY = nullptr;
  QLabel* LabelTxtInter = nullptr;
  QLabel* LabelInter = nullptr;
  QScrollBar* ScrollBarInter = nullptr;
  QCheckBox* CheckBoxHotPoint = nullptr;
  QCheckBox* CheckBoxHotCol = nullptr;
  QCheckBox* CheckBoxSrasy = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void createControls();      // base_layout.cpp
  void connectHandlers();     // base_form.cpp
  void connectGenerators();   // base_generators.cpp
  void connectEditing();      // base_editing.cpp
  void connectFileCommands(); // base_file.cpp
  void connectBackground();   // base_background.cpp

  model::FigureModel& mModel;
  TAboutForm* mAboutForm = nullptr;
  TTxComForm* mTxComForm = nullptr;
  TProgForm* mProgForm = nullptr;

  QImage mDrawImage;
  QImage mViewImage;
  int mFullRedrawCount = 0;
  // The hot-point scatter uses an unseeded generator, as the original did.
  std::minstd_rand mScatter;

  // ---- State of the generators (base_generators.cpp). ----

  // ---- State of point editing (base_editing.cpp). ----

  // ---- State of the file commands (base_file.cpp). ----
  QString mOpenDialogFileName;
  QString mSaveDialogFileName = QStringLiteral("Pic001");
  enum class SaveOutcome { Saved, NotSaved, Failed };
  // The save dialog with its overwrite question, then the save itself.
  SaveOutcome askPathAndSave();
  // SAveToFile with its outcome; a failure has been shown to the user.
  bool saveToChosenFile();

  // ---- State of the background picture (base_background.cpp). ----
  QString mPictureDialogFileName;
};

}  // namespace laserpic::ui
