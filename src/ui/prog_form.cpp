#include "prog_form.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

#include <array>

#include "form_builders.h"
#include "link/frames.h"
#include "link/serial_port.h"
#include "txcom_form.h"
#include "user_prompts.h"

namespace laserpic::ui {
namespace {

constexpr std::uint8_t kAutoCycle = 0x84;
constexpr std::uint8_t kBySound = 0x85;
constexpr std::uint8_t kManual = 0x86;
constexpr std::uint8_t kParameter = 1;

QToolButton* stickyButton(QWidget* parent, const QString& name, int left, int top, const QString& hint) {
  return makeToolButton(parent, name, left, top, hint, true);
}

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& caption) {
  return makeLabel(parent, QString::fromLatin1(name), left, top, caption);
}

}  // namespace

TProgForm::TProgForm(model::FigureModel& model, QWidget* parent)
    : QDialog(parent), mModel(model), mPort(link::makeDevicePort()) {
  createControls();
}

TProgForm::~TProgForm() = default;

void TProgForm::createControls() {
  setObjectName(QStringLiteral("ProgForm"));
  setWindowTitle(QStringLiteral("Работа с готовыми картинками"));
  setFont(classicFont(11));
  // Outer size 276 by 172 on the original platform; this is its client area.
  resize(268, 145);
  move(103, 139);

  Labelvib = label(this, "Labelvib", 40, 16, QStringLiteral("Выбор лазерной программы"));

  ProgramButtons = new QButtonGroup(this);
  ProgramButtons->setExclusive(true);
  const QFont programFont = classicFont(13, true);
  const std::array<QToolButton * TProgForm::*, 8> programs = {
      &TProgForm::SpeedButton1, &TProgForm::SpeedButton2, &TProgForm::SpeedButton3, &TProgForm::SpeedButton4,
      &TProgForm::SpeedButton5, &TProgForm::SpeedButton6, &TProgForm::SpeedButton7, &TProgForm::SpeedButton8};
  for (int i = 0; i < 8; ++i) {
    QToolButton* b = stickyButton(this, QStringLiteral("SpeedButton%1").arg(i + 1), 40 + 24 * i, 32,
                                  QStringLiteral("Включить лазерную картинку"));
    b->setText(QString::number(i + 1));
    b->setFont(programFont);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, Qt::red);
    b->setPalette(pal);
    ProgramButtons->addButton(b);
    this->*programs[i] = b;
  }
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
  connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
  connect(SpeedButton7, &QToolButton::clicked, this, [this] { SpeedButton7Click(); });
  connect(SpeedButton8, &QToolButton::clicked, this, [this] { SpeedButton8Click(); });

  Labelmode = label(this, "Labelmode", 40, 80, QStringLiteral("Режим работы"));

  ModeButtons = new QButtonGroup(this);
  ModeButtons->setExclusive(true);
  const struct {
    const char* name;
    int left;
    const char* hint;
    QToolButton* TProgForm::*member;
    void (TProgForm::*handler)();
  } modes[] = {
      {"SpeedButtonHand", 40, "ручное управление", &TProgForm::SpeedButtonHand,
       &TProgForm::SpeedButtonHandClick},
      {"SpeedButtonAvto", 64, "автоматический перебор", &TProgForm::SpeedButtonAvto,
       &TProgForm::SpeedButtonAvtoClick},
      {"SpeedButtonSound", 88, "смена картинок от звука", &TProgForm::SpeedButtonSound,
       &TProgForm::SpeedButtonSoundClick},
  };
  for (const auto& m : modes) {
    const QString name = QString::fromLatin1(m.name);
    QToolButton* b = stickyButton(this, name, m.left, 96, QString::fromUtf8(m.hint));
    ModeButtons->addButton(b);
    this->*m.member = b;
    connect(b, &QToolButton::clicked, this, [this, handler = m.handler] { (this->*handler)(); });
  }

  RadioGroupTx =
      new RadioGroupBox(this, "RadioGroupTx", QRect(160, 80, 97, 57), QStringLiteral("Выбор порта"),
                        {QStringLiteral("Com1"), QStringLiteral("Com2")}, 1);
  RadioGroupTx->setItemIndex(1);
}

void TProgForm::warn(const QString& text) {
  prompts().message(this, PromptIcon::Warning, QStringLiteral("Warning"), text);
}

void TProgForm::TxBlok(std::uint8_t code, std::uint8_t parameter) {
  if (mSending) return;
  if (mPort->isOpen()) mPort->close();  // left over from an interrupted command
  if (!mPort->open(link::portSystemName(RadioGroupTx->ItemIndex()))) {
    warn(QStringLiteral("Не могу открыть порт"));
    return;
  }
  if (!mPort->configure(link::StopBits::Two)) {
    // With unknown line settings the device could read another command.
    mPort->close();
    warn(QStringLiteral("Не могу сконфигурировать порт"));
    return;
  }

  const QByteArray frame = link::commandFrame(code, parameter);
  link::TransferResult sent;
  {
    mSending = true;
    TransferInputBlock noInput;
    sent = link::sendFrames(*mPort, {&frame, 1});
    mPort->close();
    mSending = false;
  }
  if (!sent.complete)
    warn(QStringLiteral("Передача не удалась: отправлено %1 байт из %2")
             .arg(sent.bytesSent)
             .arg(frame.size()));
}

void TProgForm::SpeedButton1Click() { TxBlok(1, kParameter); }
void TProgForm::SpeedButton2Click() { TxBlok(2, kParameter); }
void TProgForm::SpeedButton3Click() { TxBlok(3, kParameter); }
void TProgForm::SpeedButton4Click() { TxBlok(4, kParameter); }
void TProgForm::SpeedButton5Click() { TxBlok(5, kParameter); }
void TProgForm::SpeedButton6Click() { TxBlok(6, kParameter); }
void TProgForm::SpeedButton7Click() { TxBlok(7, kParameter); }
void TProgForm::SpeedButton8Click() { TxBlok(8, kParameter); }
void TProgForm::SpeedButtonHandClick() { TxBlok(kManual, kParameter); }
void TProgForm::SpeedButtonAvtoClick() { TxBlok(kAutoCycle, kParameter); }
void TProgForm::SpeedButtonSoundClick() { TxBlok(kBySound, kParameter); }

}  // namespace laserpic::ui
