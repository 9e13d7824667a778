// Creation of every control of the editor window at its design place.
// Controls do not move or grow when the window is resized.
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "base_form.h"
#include "form_builders.h"
#include "scene_render.h"
#include "surfaces.h"

namespace laserpic::ui {
namespace {

constexpr int kScrollBarHeight = 16;

QToolButton* toolButton(QWidget* parent, const char* name, int left, int top, const QString& hint,
                        bool toggle = false, int width = 23) {
  return makeToolButton(parent, QString::fromLatin1(name), left, top, hint, toggle, width);
}

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& caption) {
  return makeLabel(parent, QString::fromLatin1(name), left, top, caption);
}

QScrollBar* slider(QWidget* parent, const char* name, int left, int top, int width, int min, int max,
                   int position, int largeStep = 1) {
  auto* s = new QScrollBar(Qt::Horizontal, parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setGeometry(left, top, width, kScrollBarHeight);
  s->setRange(min, max);
  s->setValue(position);
  s->setSingleStep(1);
  s->setPageStep(largeStep);
  return s;
}

QCheckBox* checkBox(QWidget* parent, const char* name, int left, int top, const QString& caption,
                    bool checked) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(QString::fromLatin1(name));
  c->move(left, top);
  c->adjustSize();
  c->setChecked(checked);
  return c;
}

QFrame* bevel(QWidget* parent, const char* name, int left, int top) {
  auto* f = new QFrame(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFrameShape(QFrame::HLine);
  f->setFrameShadow(QFrame::Sunken);
  f->setGeometry(left, top, 217, 2);
  return f;
}

QGroupBox* groupBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                    const QString& caption) {
  auto* g = new QGroupBox(caption, parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setGeometry(left, top, width, height);
  return g;
}

QIcon colorSwatch(const QColor& color) {
  QPixmap pixmap(16, 12);
  pixmap.fill(color);
  QPainter p(&pixmap);
  p.setPen(Qt::black);
  p.drawRect(0, 0, 15, 11);
  return QIcon(pixmap);
}

// The colour list: the standard sixteen, the four extended ones and the
// system colours of the current palette.
void fillColorList(QComboBox* box) {
  const struct {
    const char* name;
    QColor color;
  } colors[] = {
      {"Black", QColor(0, 0, 0)},          {"Maroon", QColor(128, 0, 0)},
      {"Green", QColor(0, 128, 0)},        {"Olive", QColor(128, 128, 0)},
      {"Navy", QColor(0, 0, 128)},         {"Purple", QColor(128, 0, 128)},
      {"Teal", QColor(0, 128, 128)},       {"Gray", QColor(128, 128, 128)},
      {"Silver", QColor(192, 192, 192)},   {"Red", QColor(255, 0, 0)},
      {"Lime", QColor(0, 255, 0)},         {"Yellow", QColor(255, 255, 0)},
      {"Blue", QColor(0, 0, 255)},         {"Fuchsia", QColor(255, 0, 255)},
      {"Aqua", QColor(0, 255, 255)},       {"White", QColor(255, 255, 255)},
      {"Money Green", QColor(192, 220, 192)}, {"Sky Blue", QColor(166, 202, 240)},
      {"Cream", QColor(255, 251, 240)},    {"Medium Gray", QColor(160, 160, 164)},
  };
  for (const auto& c : colors) box->addItem(colorSwatch(c.color), QString::fromLatin1(c.name), c.color);
  const QPalette pal = box->palette();
  const struct {
    const char* name;
    QPalette::ColorRole role;
  } system[] = {
      {"Window", QPalette::Window},         {"Window Text", QPalette::WindowText},
      {"Base", QPalette::Base},             {"Text", QPalette::Text},
      {"Button Face", QPalette::Button},    {"Button Text", QPalette::ButtonText},
      {"Highlight", QPalette::Highlight},   {"Highlight Text", QPalette::HighlightedText},
      {"Shadow", QPalette::Shadow},         {"Light", QPalette::Light},
      {"Dark", QPalette::Dark},             {"Info Background", QPalette::ToolTipBase},
  };
  for (const auto& s : system) {
    const QColor color = pal.color(s.role);
    box->addItem(colorSwatch(color), QString::fromLatin1(s.name), color);
  }
  box->setIconSize(QSize(16, 12));
  box->setCurrentIndex(0);
}

}  // namespace

void TBaseForm::createControls() {
  setObjectName(QStringLiteral("BaseForm"));
  setFont(classicFont(11));
  // Outer size 822 by 581 on the original platform; this is its client area.
  resize(814, 554);
  move(192, 105);

  // Tool row.
  SpeedButtonLoadPicture = toolButton(this, "SpeedButtonLoadPicture", 2, 0,
                                      QStringLiteral("Вставить картинку-подложку для обрисовки"));
  SpeedButtonOpenPic = toolButton(this, "SpeedButtonOpenPic", 24, 0,
                                  QStringLiteral("Открыть файл лазерной картинки для редактирования"));
  SpeedButtonSavePic =
      toolButton(this, "SpeedButtonSavePic", 48, 0, QStringLiteral("Сохранить файл лазерной картинки"));
  SpeedButtonLink = toolButton(this, "SpeedButtonLink", 72, 0,
                               QStringLiteral("Загрузить картинку лазера в автономное устройство"));
  SpeedButtonUstProgram = toolButton(this, "SpeedButtonUstProgram", 96, 0,
                                     QStringLiteral("Установить запрограммированную лазерную картинку"));
  SpeedButtonUstProgram->hide();
  SpeedButtonUndo =
      toolButton(this, "SpeedButtonUndo", 120, 0, QStringLiteral("вернуть прежнюю картинку"));

  LabelPoint = label(this, "LabelPoint", 152, 8, QStringLiteral("LabelPoint"));
  {
    QPalette pal = LabelPoint->palette();
    pal.setColor(QPalette::WindowText, Qt::red);
    LabelPoint->setPalette(pal);
    QFont bold = LabelPoint->font();
    bold.setBold(true);
    LabelPoint->setFont(bold);
    LabelPoint->resize(64, 13);
  }
  LabelPosX = label(this, "LabelPosX", 216, 8, QStringLiteral("LabelPosX"));
  LabelPosX->resize(56, 13);
  LabelPosY = label(this, "LabelPosY", 272, 8, QStringLiteral("LabelPosY"));
  LabelPosY->resize(56, 13);

  SpeedButtonInsertPoint =
      toolButton(this, "SpeedButtonInsertPoint", 328, 0, QStringLiteral("Вставить точку"));
  LabelInsdel = label(this, "LabelInsdel", 355, 4, QStringLiteral("no"));
  {
    QPalette pal = LabelInsdel->palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    LabelInsdel->setPalette(pal);
    QFont bold = LabelInsdel->font();
    bold.setBold(true);
    bold.setPointSize(10);
    LabelInsdel->setFont(bold);
    LabelInsdel->setToolTip(QStringLiteral("номер редактируемой точки"));
    LabelInsdel->resize(30, 16);
  }
  SpeedButtonDeletePoint =
      toolButton(this, "SpeedButtonDeletePoint", 385, 0, QStringLiteral("Удалить точку"));
  SpeedButton16 = toolButton(this, "SpeedButton16", 408, 0,
                             QStringLiteral("Вставить картинку из буфера в текущую сцену"));
  SpeedButton16->hide();
  SpeedButton15 =
      toolButton(this, "SpeedButton15", 432, 0, QStringLiteral("Копировать картинку в буфер"));
  SpeedButton15->hide();
  SpeedButtonPicVisible = toolButton(this, "SpeedButtonPicVisible", 456, 0,
                                     QStringLiteral("включить - выключить  картинку"), true);
  SpeedButtonWeb =
      toolButton(this, "SpeedButtonWeb", 480, 0, QStringLiteral("включить - выключить  сетку"), true);
  SpeedButtonDirect = toolButton(this, "SpeedButtonDirect", 504, 0,
                                 QStringLiteral("Выбирает направление захвата точки"), true);
  SpeedButtonRotatePoints = toolButton(this, "SpeedButtonRotatePoints", 528, 0,
                                       QStringLiteral("Сместить начальную точку по контуру"));
  SpeedButtonNormalPoints = toolButton(this, "SpeedButtonNormalPoints", 550, 0,
                                       QStringLiteral("Нормализация расстояний между точками"));
  SpeedButtonNormaliz =
      toolButton(this, "SpeedButtonNormaliz", 574, 0, QStringLiteral("Пересчитать точки"), true);
  SpeedButtonNormaliz->hide();

  ComboBoxLenght = new QComboBox(this);
  ComboBoxLenght->setObjectName(QStringLiteral("ComboBoxLenght"));
  ComboBoxLenght->setGeometry(600, 0, 113, 21);
  ComboBoxLenght->setEditable(true);
  ComboBoxLenght->addItems({QStringLiteral("256  точек"), QStringLiteral("512  точек"),
                            QStringLiteral("1024 точки"), QStringLiteral("2048 точек")});
  ComboBoxLenght->setEditText(QStringLiteral("Длинна фигуры"));
  ComboBoxLenght->hide();

  ColorBoxShapeView = new QComboBox(this);
  ColorBoxShapeView->setObjectName(QStringLiteral("ColorBoxShapeView"));
  ColorBoxShapeView->setGeometry(712, 0, 41, 22);
  ColorBoxShapeView->setToolTip(QStringLiteral("Цвет поля просмотра"));
  ColorBoxShapeView->view()->setMinimumWidth(140);
  fillColorList(ColorBoxShapeView);

  SpeedButtonTools = toolButton(this, "SpeedButtonTools", 752, 0,
                                QStringLiteral("Дополнительные Опции "), true);
  SpeedButtonAbout = toolButton(this, "SpeedButtonAbout", 773, 0, QStringLiteral("О программе"));

  // Work area, bottom to top: the background picture lies under the drawing
  // area, the black field under the preview.
  ImageDraw = new PictureBox(this);
  ImageDraw->setObjectName(QStringLiteral("ImageDraw"));
  ImageDraw->setGeometry(48, 72, 385, 433);
  ImageDraw->hide();

  PaintBoxDraw = new PaintBox(&mDrawImage, this);
  PaintBoxDraw->setObjectName(QStringLiteral("PaintBoxDraw"));
  PaintBoxDraw->setGeometry(8, 24, kDrawAreaSize, kDrawAreaSize);

  ShapeView = new ShapeBox(this);
  ShapeView->setObjectName(QStringLiteral("ShapeView"));
  ShapeView->setGeometry(543, 32, 258, 256);

  PaintBoxView = new PaintBox(&mViewImage, this);
  PaintBoxView->setObjectName(QStringLiteral("PaintBoxView"));
  PaintBoxView->setGeometry(544, 32, 256, 256);
  PaintBoxView->setMouseTracking(false);
  PaintBoxView->setAttribute(Qt::WA_TransparentForMouseEvents);

  TimerPointOff = new QTimer(this);
  TimerPointOff->setObjectName(QStringLiteral("TimerPointOff"));
  TimerPointOff->setInterval(2000);
  TimerPointOff->start();

  // "Начальная  фигура ".
  GroupBoxMade = groupBox(this, "GroupBoxMade", 544, 299, 257, 238, QStringLiteral("Начальная  фигура "));
  FigureButtons = new QButtonGroup(this);
  FigureButtons->setExclusive(true);
  const struct {
    const char* name;
    const char* hint;
    QToolButton* TBaseForm::*member;
  } figures[] = {
      {"SpeedButtonOffMade", "Отключить создание", &TBaseForm::SpeedButtonOffMade},
      {"SpeedButtonFigura", "Форма для рисования первой фигуры", &TBaseForm::SpeedButtonFigura},
      {"SpeedButtonCucle", "Создать фигуру  круг", &TBaseForm::SpeedButtonCucle},
      {"SpeedButtonLines", "Создать горизонтальную линию ", &TBaseForm::SpeedButtonLines},
      {"SpeedButtonLinesVert", "Создать вертикальную линию ", &TBaseForm::SpeedButtonLinesVert},
      {"SpeedButtonPoints", "Все точки в центре", &TBaseForm::SpeedButtonPoints},
      {"SpeedButtonStars", "Создать звезду", &TBaseForm::SpeedButtonStars},
      {"SpeedButtonTreug", "Создать фигуру  многоугольник", &TBaseForm::SpeedButtonTreug},
  };
  int left = 16;
  for (const auto& f : figures) {
    const bool polygon = f.member == &TBaseForm::SpeedButtonTreug;
    QToolButton* b = toolButton(GroupBoxMade, f.name, left, 24, QString::fromUtf8(f.hint), true,
                                polygon ? 25 : 23);
    FigureButtons->addButton(b);
    this->*f.member = b;
    left += 24;
  }
  SpeedButtonOffMade->setChecked(true);
  SpeedButtonStars->hide();
  SpeedButtonTreug->hide();

  ScrollBarGorzFigura = slider(GroupBoxMade, "ScrollBarGorzFigura", 24, 52, 137, 20, 250, 200, 20);
  ScrollBarVertFigura = slider(GroupBoxMade, "ScrollBarVertFigura", 24, 72, 137, 20, 250, 200, 20);
  ScrollBarOption = slider(GroupBoxMade, "ScrollBarOption", 24, 92, 137, 1, 254, 120, 10);
  ScrollBarMode = slider(GroupBoxMade, "ScrollBarMode", 24, 112, 137, 1, 12, 5, 10);
  ScrollBarOption->setToolTip(QStringLiteral("Опция создаваемого объекта"));
  ScrollBarMode->setToolTip(QStringLiteral("Опция создаваемого объекта"));
  ScrollBarOption->hide();
  ScrollBarMode->hide();
  ScrollBarSizeIn = slider(GroupBoxMade, "ScrollBarSizeIn", 88, 136, 66, 1, 200, 10, 1);
  ScrollBarSizeIn->hide();

  LabelVertFiru = label(GroupBoxMade, "LabelVertFiru", 168, 53, QStringLiteral("Размер  X  "));
  LabelGorFigu = label(GroupBoxMade, "LabelGorFigu", 168, 73, QStringLiteral("Размер Y "));
  LabelSdvig = label(GroupBoxMade, "LabelSdvig", 168, 93, QStringLiteral("Позиция"));
  LabelCorn = label(GroupBoxMade, "LabelCorn", 168, 113, QStringLiteral("Опция"));
  LabelSizeX = label(GroupBoxMade, "LabelSizeX", 225, 53, QStringLiteral("200"));
  LabelSizeY = label(GroupBoxMade, "LabelSizeY", 225, 73, QStringLiteral("200"));
  LabelOption = label(GroupBoxMade, "LabelOption", 225, 93, QStringLiteral("120"));
  LabelMode = label(GroupBoxMade, "LabelMode", 225, 113, QStringLiteral("5"));
  LabelSizeIn = label(GroupBoxMade, "LabelSizeIn", 160, 137, QStringLiteral("200"));
  LabelSizeInL = label(GroupBoxMade, "LabelSizeInL", 160, 150, QStringLiteral("Размер внутренний"));
  for (QLabel* l : {LabelSizeX, LabelSizeY, LabelOption, LabelMode, LabelSizeIn}) l->resize(28, 13);
  for (QLabel* l : {LabelSdvig, LabelCorn, LabelOption, LabelMode, LabelSizeIn, LabelSizeInL}) l->hide();

  CheckBoxSizeTogeze = checkBox(GroupBoxMade, "CheckBoxSizeTogeze", 5, 62, QString(), true);
  Label13 = label(GroupBoxMade, "Label13", 8, 50, QStringLiteral("П"));
  LabelT1 = label(GroupBoxMade, "LabelT1", 8, 76, QStringLiteral("L"));
  LabelStatus = label(GroupBoxMade, "LabelStatus", 24, 136, QStringLiteral("LabelStatus"));
  LabelStatus->resize(200, 13);

  // "Дописывание второй " (hidden).
  GroupBox1 = groupBox(this, "GroupBox1", 600, 455, 129, 82, QStringLiteral("Дописывание второй "));
  LabelPen2 = label(GroupBox1, "LabelPen2", 8, 16, QStringLiteral(" части точек 128-255 "));
  const QString mirrorHint = QStringLiteral("зеркальное отражение  второй половины фигуры");
  SpeedButtonmirrVert = toolButton(GroupBox1, "SpeedButtonmirrVert", 8, 34, mirrorHint, true);
  SpeedButtonMirrGor = toolButton(GroupBox1, "SpeedButtonMirrGor", 32, 34, mirrorHint, true);
  SpeedButton128 = toolButton(GroupBox1, "SpeedButton128", 64, 34,
                              QStringLiteral("On\\Off повторения второй половины фигуры"), true, 33);
  SpeedButton128->setIcon(QIcon());
  SpeedButton128->setText(QStringLiteral("128"));
  ScrollBarHalf128 = slider(GroupBox1, "ScrollBarHalf128", 8, 60, 113, -10, 10, 0);
  GroupBox1->hide();

  // Tools panel, hidden until SpeedButtonTools is down.
  GroupBoxTools = groupBox(this, "GroupBoxTools", 483, 64, 233, 273,
                           QStringLiteral("Установка параметров кнопок и функций"));
  GroupBoxTools->setToolTip(QStringLiteral("Регулировать размер пропрционально"));
  GroupBoxTools->setAutoFillBackground(true);
  {
    QPalette pal = GroupBoxTools->palette();
    pal.setColor(QPalette::Window, QColor(192, 220, 192));
    GroupBoxTools->setPalette(pal);
  }
  BevelUp = bevel(GroupBoxTools, "BevelUp", 8, 16);
  BevelPix = bevel(GroupBoxTools, "BevelPix", 8, 72);
  BevelAttr = bevel(GroupBoxTools, "BevelAttr", 8, 128);
  LabelRotatePoints = label(GroupBoxTools, "LabelRotatePoints", 8, 32, QStringLiteral("Смещение на "));
  LabelPixel = label(GroupBoxTools, "LabelPixel", 80, 32, QStringLiteral("1   "));
  LabelPoints = label(GroupBoxTools, "LabelPoints", 104, 32, QStringLiteral("точек"));
  ScrollBarPixel = slider(GroupBoxTools, "ScrollBarPixel", 8, 48, 129, 1, 127, 1);
  LabelRazmer = label(GroupBoxTools, "LabelRazmer", 8, 88, QStringLiteral("Размер картинки-подложки"));
  ScrollBarRazmX = slider(GroupBoxTools, "ScrollBarRazmX", 8, 104, 95, 100, 500, 300);
  CheckBoxTogez = checkBox(GroupBoxTools, "CheckBoxTogez", 109, 104, QString(), true);
  ScrollBarRazmY = slider(GroupBoxTools, "ScrollBarRazmY", 128, 104, 97, 100, 500, 300);
  ScrollBarRazmY->hide();
  LabelTxtInter = label(GroupBoxTools, "LabelTxtInter", 8, 152, QStringLiteral("Длинна интерполятора"));
  LabelInter = label(GroupBoxTools, "LabelInter", 144, 152, QStringLiteral("3"));
  LabelInter->resize(24, 13);
  LabelPixel->resize(24, 13);
  ScrollBarInter = slider(GroupBoxTools, "ScrollBarInter", 8, 168, 129, 1, 12, 3);
  CheckBoxHotPoint = checkBox(GroupBoxTools, "CheckBoxHotPoint", 8, 200,
                              QStringLiteral("Отметить горячие точки  размером"), false);
  CheckBoxHotCol = checkBox(GroupBoxTools, "CheckBoxHotCol", 8, 224,
                            QStringLiteral("Отметить горячие точки цветом "), false);
  CheckBoxSrasy = checkBox(GroupBoxTools, "CheckBoxSrasy", 8, 248, QStringLiteral("Отправлять сразу"), false);
  GroupBoxTools->hide();
}

}  // namespace laserpic::ui
