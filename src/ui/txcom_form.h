#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QString>

#include <memory>

#include "model/figure_model.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace laserpic::link {
class DevicePort;
}

namespace laserpic::ui {

// A captioned group of radio buttons with the design's ItemIndex (-1 when
// none is chosen). Both device windows choose their port with one.
class RadioGroupBox : public QGroupBox {
 public:
  RadioGroupBox(QWidget* parent, const char* name, QRect place, const QString& caption,
                const QStringList& items, int columns);

  int ItemIndex() const;
  void setItemIndex(int index);

 private:
  QButtonGroup* mItems;
};

// While it lives, the program takes no mouse, keyboard or close input, so a
// window that holds the serial line is neither re-entered nor closed before
// its transfer ends. The window itself still repaints.
class TransferInputBlock final : public QObject {
 public:
  TransferInputBlock();
  ~TransferInputBlock() override;
  TransferInputBlock(const TransferInputBlock&) = delete;
  TransferInputBlock& operator=(const TransferInputBlock&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The upload window: sends the figure and a name to the device.
class TTxComForm : public QDialog {
  Q_OBJECT

 public:
  explicit TTxComForm(model::FigureModel& model, QWidget* parent = nullptr);
  ~TTxComForm() override;

  // Runs on every activation: fresh log, name from the last picture file.
  void FormActivate();
  // The upload: open, configure, four frames, log, close.
  void SpeedButtonBegTxClick();
  // Opens or closes the status area with the log.
  void SpeedButtonTablClick();

  bool transferRunning() const { return mTransferRunning; }

  // ---- Controls, named as in the form design. ----
  QLabel* LabelNameFile = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* EditNameFile = nullptr;
  QLabel* Label2 = nullptr;
  QCheckBox* CheckBoxClose = nullptr;
  RadioGroupBox* RadioGroupTx = nullptr;
  QPushButton* SpeedButtonBegTx = nullptr;
  QPushButton* SpeedButtonTabl = nullptr;
  QCheckBox* CheckBoxInvX = nullptr;
  QCheckBox* CheckBoxInvY = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  // The transfer's progress in bytes on the line, out of 533.
  QProgressBar* Animate = nullptr;

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void createControls();
  void setNameText(const QString& text);
  void warn(const QString& text);

  model::FigureModel& mModel;
  std::unique_ptr<link::DevicePort> mPort;
  bool mTransferRunning = false;
  // The name as last accepted; typing may not take it past 8 characters.
  QString mAcceptedName;
  // A failed transfer's warning must not take the log away when it closes.
  bool mKeepLogOnActivation = false;
};

}  // namespace laserpic::ui
