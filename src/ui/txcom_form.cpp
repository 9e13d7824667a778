#include "txcom_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>

#include "form_builders.h"
#include "glyphs.h"
#include "link/frames.h"
#include "link/serial_port.h"
#include "user_prompts.h"

namespace laserpic::ui {
namespace {

const QString kOpenStatus = QStringLiteral("Открыть Окно статуса");
const QString kCloseStatus = QStringLiteral("Закрыть Окно статуса");

// Typing may not make the name longer than 8 characters. A longer name taken
// from a file name stays whole until the user shortens it.
class NameLengthValidator final : public QValidator {
 public:
  NameLengthValidator(const QString& accepted, QObject* parent) : QValidator(parent), mAccepted(accepted) {}

  State validate(QString& input, int&) const override {
    return input.size() <= link::kNameLength || input.size() <= mAccepted.size() ? Acceptable : Invalid;
  }

 private:
  const QString& mAccepted;
};

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& caption) {
  return makeLabel(parent, QString::fromLatin1(name), left, top, caption);
}

QCheckBox* checkBox(QWidget* parent, const char* name, QRect place, const QString& caption) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setGeometry(place);
  c->setChecked(true);
  return c;
}

QPushButton* button(QWidget* parent, const char* name, QRect place, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(place);
  b->setAutoDefault(false);
  return b;
}

bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---- RadioGroupBox ----

RadioGroupBox::RadioGroupBox(QWidget* parent, const char* name, QRect place, const QString& caption,
                             const QStringList& items, int columns)
    : QGroupBox(caption, parent), mItems(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place);
  // Items share the room below the caption, column by column.
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  const int columnWidth = (place.width() - 8) / columns;
  const int rowHeight = std::max(14, (place.height() - 16) / rows);
  for (int i = 0; i < items.size(); ++i) {
    auto* item = new QRadioButton(items[i], this);
    item->setObjectName(QString::fromLatin1(name) + QString::number(i));
    item->setGeometry(6 + (i / rows) * columnWidth, 14 + (i % rows) * rowHeight, columnWidth, 14);
    mItems->addButton(item, i);
  }
}

int RadioGroupBox::ItemIndex() const { return mItems->checkedId(); }

void RadioGroupBox::setItemIndex(int index) {
  if (QAbstractButton* item = mItems->button(index)) {
    item->setChecked(true);
  } else if (QAbstractButton* current = mItems->checkedButton()) {
    mItems->setExclusive(false);
    current->setChecked(false);
    mItems->setExclusive(true);
  }
}

// ---- TransferInputBlock ----

TransferInputBlock::TransferInputBlock() { qApp->installEventFilter(this); }

TransferInputBlock::~TransferInputBlock() { qApp->removeEventFilter(this); }

bool TransferInputBlock::eventFilter(QObject*, QEvent* event) { return isUserInput(event->type()); }

// ---- TTxComForm ----

TTxComForm::TTxComForm(model::FigureModel& model, QWidget* parent)
    : QDialog(parent), mModel(model), mPort(link::makeDevicePort()) {
  createControls();
  mPort->setProgressHandler([this](qint64 bytesOnLine) {
    Animate->setValue(static_cast<int>(std::min<qint64>(bytesOnLine, link::kUploadSize)));
  });
}

TTxComForm::~TTxComForm() = default;

void TTxComForm::createControls() {
  setObjectName(QStringLiteral("TxComForm"));
  setWindowTitle(QStringLiteral("Загрузка картинки лазера"));
  setFont(classicFont(11));
  move(55, 140);
  resize(548, 71);

  LabelNameFile = label(this, "LabelNameFile", 9, 7, QStringLiteral("Имя картинки 8 символов МАХ"));
  Label1 = label(this, "Label1", 8, 19, QStringLiteral("Только латинские символы"));

  EditNameFile = new QLineEdit(this);
  EditNameFile->setObjectName(QStringLiteral("EditNameFile"));
  EditNameFile->setGeometry(8, 35, 161, 24);
  {
    EditNameFile->setFont(classicFont(13, true));
    QPalette pal = EditNameFile->palette();
    pal.setColor(QPalette::Text, QColor(0x80, 0x00, 0x00));
    EditNameFile->setPalette(pal);
  }
  EditNameFile->setValidator(new NameLengthValidator(mAcceptedName, EditNameFile));
  connect(EditNameFile, &QLineEdit::textChanged, this, [this](const QString& text) { mAcceptedName = text; });

  Label2 = label(this, "Label2", 212, 0, QStringLiteral("Закрыть окно"));
  CheckBoxClose = checkBox(this, "CheckBoxClose", QRect(192, 12, 105, 17), QStringLiteral("после передачи"));

  RadioGroupTx =
      new RadioGroupBox(this, "RadioGroupTx", QRect(184, 30, 113, 28), QStringLiteral("Выбор порта"),
                        {QStringLiteral("Com1"), QStringLiteral("Com2")}, 2);
  RadioGroupTx->setItemIndex(1);

  SpeedButtonBegTx =
      button(this, "SpeedButtonBegTx", QRect(304, 4, 129, 25), QStringLiteral("Начать передачу"));
  SpeedButtonBegTx->setIcon(glyph(QStringLiteral("SpeedButtonBegTx")));
  SpeedButtonTabl = button(this, "SpeedButtonTabl", QRect(304, 35, 129, 24), kOpenStatus);
  connect(SpeedButtonBegTx, &QPushButton::clicked, this, [this] { SpeedButtonBegTxClick(); });
  connect(SpeedButtonTabl, &QPushButton::clicked, this, [this] { SpeedButtonTablClick(); });

  CheckBoxInvX = checkBox(this, "CheckBoxInvX", QRect(456, 8, 97, 17), QStringLiteral("инверсия X"));
  CheckBoxInvY = checkBox(this, "CheckBoxInvY", QRect(456, 32, 97, 17), QStringLiteral("инверсия Y"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(8, 72, 705, 305);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Covers the port choice, both buttons and the close option while it shows.
  Animate = new QProgressBar(this);
  Animate->setObjectName(QStringLiteral("Animate"));
  Animate->setGeometry(175, 2, 272, 60);
  Animate->setRange(0, link::kUploadSize);
  Animate->setFormat(QStringLiteral("передано %v из %m байт"));
  Animate->setAlignment(Qt::AlignCenter);
  Animate->hide();
}

bool TTxComForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (mKeepLogOnActivation)
      mKeepLogOnActivation = false;
    else
      FormActivate();
  }
  return QDialog::event(event);
}

void TTxComForm::hideEvent(QHideEvent* event) {
  mKeepLogOnActivation = false;
  QDialog::hideEvent(event);
}

void TTxComForm::FormActivate() {
  Memo1->setPlainText(QStringLiteral(" Waiting... "));
  setNameText(mModel.PicName);
}

void TTxComForm::setNameText(const QString& text) {
  // Accepted first, so the length check lets a longer name in whole.
  mAcceptedName = text;
  EditNameFile->setText(text);
}

void TTxComForm::warn(const QString& text) {
  prompts().message(this, PromptIcon::Warning, QStringLiteral("Warning"), text);
}

void TTxComForm::SpeedButtonBegTxClick() {
  if (mTransferRunning) return;
  mKeepLogOnActivation = false;
  if (mPort->isOpen()) mPort->close();  // left over from an interrupted transfer
  if (!mPort->open(link::portSystemName(RadioGroupTx->ItemIndex()))) {
    warn(QStringLiteral("Не могу открыть порт"));
    return;
  }
  if (!mPort->configure(link::StopBits::One)) {
    // Sent with unknown line settings the picture would arrive garbled.
    mPort->close();
    warn(QStringLiteral("Не могу сконфигурировать порт"));
    return;
  }

  const QString nameText = EditNameFile->text();
  const link::UploadFrames upload = link::buildUpload(mModel.PicX, mModel.PicY, nameText,
                                                      CheckBoxInvX->isChecked(), CheckBoxInvY->isChecked());
  link::TransferResult sent;
  {
    // From here until the port is closed the window takes no input.
    mTransferRunning = true;
    TransferInputBlock noInput;
    Animate->reset();
    Animate->show();
    Animate->raise();
    Animate->setValue(0);
    CheckBoxClose->hide();
    Memo1->clear();
    sent = link::sendFrames(*mPort, upload.frames);
    mPort->close();
    mTransferRunning = false;
  }

  Memo1->setPlainText(
      link::uploadLog(upload, nameText, sent.framesBegun, sent.bytesSent).join(QLatin1Char('\n')));
  Animate->hide();
  Animate->reset();
  CheckBoxClose->show();

  if (!sent.complete) {
    mKeepLogOnActivation = true;
    warn(QStringLiteral("Передача не удалась: отправлено %1 байт из %2")
             .arg(sent.bytesSent)
             .arg(link::kUploadSize));
    return;
  }
  if (CheckBoxClose->isChecked()) close();
}

void TTxComForm::SpeedButtonTablClick() {
  // The design sizes are outer sizes, frame and title bar included.
  const QSize frame = frameGeometry().size() - geometry().size();
  if (frameGeometry().height() <= 150) {
    SpeedButtonTabl->setText(kCloseStatus);
    resize(QSize(730, 415) - frame);
  } else {
    SpeedButtonTabl->setText(kOpenStatus);
    resize(QSize(460, 92) - frame);
  }
}

}  // namespace laserpic::ui
