#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

#include "model/figure_model.h"

class QButtonGroup;
class QLabel;
class QToolButton;

namespace laserpic::link {
class DevicePort;
}

namespace laserpic::ui {

class RadioGroupBox;

// The program selection window: one-shot commands to the device.
class TProgForm : public QDialog {
  Q_OBJECT

 public:
  explicit TProgForm(model::FigureModel& model, QWidget* parent = nullptr);
  ~TProgForm() override;

  // Sends one 3-byte command on the chosen port.
  void TxBlok(std::uint8_t code, std::uint8_t parameter);

  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButtonHandClick();
  void SpeedButtonAvtoClick();
  void SpeedButtonSoundClick();

  // ---- Controls, named as in the form design. ----
  QLabel* Labelvib = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  QToolButton* SpeedButton6 = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QLabel* Labelmode = nullptr;
  QToolButton* SpeedButtonHand = nullptr;
  QToolButton* SpeedButtonAvto = nullptr;
  QToolButton* SpeedButtonSound = nullptr;
  RadioGroupBox* RadioGroupTx = nullptr;
  // The two sticky groups: programs 1..8, and the modes.
  QButtonGroup* ProgramButtons = nullptr;
  QButtonGroup* ModeButtons = nullptr;

 private:
  void createControls();
  void warn(const QString& text);

  [[maybe_unused]] model::FigureModel& mModel;  // the command needs no picture
  std::unique_ptr<link::DevicePort> mPort;
  bool mSending = false;
};

}  // namespace laserpic::ui
