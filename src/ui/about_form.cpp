#include "about_form.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "form_builders.h"
#include "surfaces.h"

// The window's picture lives in a static library's resources, which register
// only when referred to. Outside any namespace, as the macro needs.
static void registerAboutResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(about);
    return true;
  }();
  (void)registered;
}

namespace laserpic::ui {
namespace {

const QString kCaption = QStringLiteral("About");
// Linux window managers offer no caption inversion, so the flash swaps the
// caption for a marked one and back.
const QString kCaptionFlashed = QStringLiteral("» About «");

const QColor kRest(0, 0, 0);
const QColor kHover(255, 0, 0);
const QColor kLeft(0, 0, 128);
const QColor kClicked(0, 128, 0);

TAboutForm::UrlOpener& urlOpener() {
  static TAboutForm::UrlOpener opener;
  return opener;
}

void openUrl(const QUrl& url) {
  // Whether the desktop managed to open it is not reported: the link just
  // stays green.
  if (urlOpener()) {
    urlOpener()(url);
  } else {
    QDesktopServices::openUrl(url);
  }
}

// A bevel that shows only its bottom edge: a sunken line along the bottom
// of its bounds.
class BevelBottomLine : public QFrame {
 public:
  explicit BevelBottomLine(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int y = height() - 2;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, y, width() - 1, y);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, y + 1, width() - 1, y + 1);
  }
};

QLabel* label(QWidget* parent, const char* name, int left, int top, const QString& caption) {
  QLabel* l = makeLabel(parent, QString::fromLatin1(name), left, top, caption);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, kRest);
  l->setPalette(p);
  return l;
}

QLabel* linkLabel(QWidget* parent, const char* name, int left, int top, const QString& caption) {
  QLabel* l = label(parent, name, left, top, caption);
  // Moves without a pressed button must reach the label to turn it red.
  l->setMouseTracking(true);
  l->setCursor(Qt::PointingHandCursor);
  l->installEventFilter(parent);
  return l;
}

}  // namespace

TAboutForm::TAboutForm(model::FigureModel& /*model*/, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(kCaption);
  setFixedSize(299, 174);
  setFont(classicFont(11));

  Label4 = label(this, "Label4", 24, 16, QStringLiteral("Version 2.4            август  2007 г."));
  Label1 = label(this, "Label1", 24, 40, QStringLiteral("Редактор лазерных картинок"));
  Label3 = label(this, "Label3", 24, 64, QStringLiteral("Вопросы и пожелания:"));
  Label2 = linkLabel(this, "Label2", 24, 88, mailUrl().path());
  Bevel1 = new BevelBottomLine(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(16, 112, 273, 8);
  Label6 = linkLabel(this, "Label6", 24, 128, webUrl().toString());

  Image1 = new PictureBox(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(208, 8, 81, 73);
  registerAboutResources();
  Image1->setPictureSource(QStringLiteral(":/about/about_picture.svg"));
  // The version line may run into the picture's corner with a wider font
  // than the design's; the text stays on top.
  Image1->lower();

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(216, 136, 75, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

  // Runs for the whole run, shown or not; while hidden the flash is unseen.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(300);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  Timer1->start();
}

void TAboutForm::setUrlOpener(UrlOpener opener) { urlOpener() = std::move(opener); }

QUrl TAboutForm::mailUrl() { return QUrl(QStringLiteral("mailto:laserpic@example.org")); }

QUrl TAboutForm::webUrl() { return QUrl(QStringLiteral("https://laserpic.example.org")); }

void TAboutForm::Timer1Timer() {
  mCaptionInverted = !mCaptionInverted;
  setWindowTitle(mCaptionInverted ? kCaptionFlashed : kCaption);
}

void TAboutForm::Label2Click() {
  setLinkColor(Label2, kClicked);
  openUrl(mailUrl());
  setLinkColor(Label2, kClicked);
}

void TAboutForm::Label2MouseMove() { setLinkColor(Label2, kHover); }

void TAboutForm::Label2MouseLeave() { setLinkColor(Label2, kLeft); }

void TAboutForm::Label6Click() {
  setLinkColor(Label6, kClicked);
  openUrl(webUrl());
  setLinkColor(Label6, kClicked);
}

void TAboutForm::Label6MouseMove() { setLinkColor(Label6, kHover); }

void TAboutForm::Label6MouseLeave() { setLinkColor(Label6, kLeft); }

void TAboutForm::BitBtn1Click() { accept(); }

void TAboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QScreen* s = screen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(s->availableGeometry().center());
    move(frame.topLeft());
  }
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  const bool mail = watched == Label2;
  if (!mail && watched != Label6) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove:
      mail ? Label2MouseMove() : Label6MouseMove();
      break;
    case QEvent::Leave:
      mail ? Label2MouseLeave() : Label6MouseLeave();
      break;
    case QEvent::MouseButtonRelease: {
      // A click is a left press and release over the label.
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QRect bounds = static_cast<QWidget*>(watched)->rect();
      if (mouse->button() == Qt::LeftButton && bounds.contains(mouse->position().toPoint())) {
        mail ? Label2Click() : Label6Click();
      }
      break;
    }
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutForm::setLinkColor(QLabel* label, const QColor& color) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, color);
  label->setPalette(p);
}

}  // namespace laserpic::ui
