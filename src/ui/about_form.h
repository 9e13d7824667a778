#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

#include "model/figure_model.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace laserpic::ui {

class PictureBox;

// The About window: version, contact lines, two links and a caption that
// flashes while the window is open. Created hidden at start and shown
// modally; closing only hides it, so the link colours last for the run.
class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(model::FigureModel& model, QWidget* parent = nullptr);

  // Hands an address to the desktop. Tests install their own opener to see
  // the addresses without starting a mail program or a browser; an empty
  // opener restores the desktop's.
  using UrlOpener = std::function<bool(const QUrl&)>;
  static void setUrlOpener(UrlOpener opener);

  // The addresses behind the two links, as handed to the desktop.
  static QUrl mailUrl();
  static QUrl webUrl();

  QLabel* Label4 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label2 = nullptr;
  QFrame* Bevel1 = nullptr;
  QLabel* Label6 = nullptr;
  PictureBox* Image1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QTimer* Timer1 = nullptr;

  void Timer1Timer();
  void Label2Click();
  void Label2MouseMove();
  void Label2MouseLeave();
  void Label6Click();
  void Label6MouseMove();
  void Label6MouseLeave();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setLinkColor(QLabel* label, const QColor& color);

  bool mCaptionInverted = false;
};

}  // namespace laserpic::ui
