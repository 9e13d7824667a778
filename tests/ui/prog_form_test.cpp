#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "link/fake_port.h"
#include "link/pty_pair.h"
#include "support/scripted_prompts.h"
#include "ui/prog_form.h"
#include "ui/txcom_form.h"

using namespace laserpic;
using linktest::PtyPair;
using linktest::ScopedEnv;

namespace {

const QString kNoPort = QStringLiteral("/dev/laserpic-no-such-port");

class ProgFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    form.show();
  }

  fakes::ScriptedPrompts prompts;
  PtyPair pty;
  ScopedEnv com1{"LASERPIC_COM1", kNoPort};
  ScopedEnv com2{"LASERPIC_COM2", pty.slaveName()};
  model::FigureModel model;
  ui::TProgForm form{model};
};

TEST_F(ProgFormTest, EachButtonSendsItsCommandAndStaysDownInItsGroup) {
  const struct {
    QToolButton* ui::TProgForm::*button;
    const char* hex;
  } cases[] = {
      {&ui::TProgForm::SpeedButton1, "000101"},     {&ui::TProgForm::SpeedButton2, "000201"},
      {&ui::TProgForm::SpeedButton3, "000301"},     {&ui::TProgForm::SpeedButton4, "000401"},
      {&ui::TProgForm::SpeedButton5, "000501"},     {&ui::TProgForm::SpeedButton6, "000601"},
      {&ui::TProgForm::SpeedButton7, "000701"},     {&ui::TProgForm::SpeedButton8, "000801"},
      {&ui::TProgForm::SpeedButtonHand, "008601"},  {&ui::TProgForm::SpeedButtonAvto, "008401"},
      {&ui::TProgForm::SpeedButtonSound, "008501"},
  };
  for (const auto& c : cases) {
    QToolButton* b = form.*c.button;
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(pty.read(3).toHex(), QByteArray(c.hex)) << qPrintable(b->objectName());
    EXPECT_TRUE(b->isChecked()) << qPrintable(b->objectName());
  }
  // The last of each group stays down; the groups do not touch each other.
  EXPECT_TRUE(form.SpeedButton8->isChecked());
  EXPECT_FALSE(form.SpeedButton7->isChecked());
  EXPECT_TRUE(form.SpeedButtonSound->isChecked());
  EXPECT_FALSE(form.SpeedButtonHand->isChecked());
  EXPECT_TRUE(prompts.messageTexts().isEmpty());
}

TEST_F(ProgFormTest, PressingTheDownButtonAgainSendsAgain) {
  QTest::mouseClick(form.SpeedButton5, Qt::LeftButton);
  QTest::mouseClick(form.SpeedButton5, Qt::LeftButton);
  EXPECT_EQ(pty.read(6).toHex(), QByteArray("000501000501"));
  EXPECT_TRUE(form.SpeedButton5->isChecked());
}

TEST_F(ProgFormTest, TxBlokKeepsCodeAndParameterOffZeroAnd255) {
  form.TxBlok(0, 255);
  form.TxBlok(255, 0);
  EXPECT_EQ(pty.read(6).toHex(), QByteArray("0001fe00fe01"));
}

TEST_F(ProgFormTest, Com1ChoiceUsesItsOwnDevice) {
  PtyPair first;
  ASSERT_TRUE(first.ok());
  ScopedEnv com1Here{"LASERPIC_COM1", first.slaveName()};
  form.RadioGroupTx->setItemIndex(0);
  QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
  EXPECT_EQ(first.read(3).toHex(), QByteArray("000301"));
  EXPECT_TRUE(pty.read(1, 50).isEmpty());
}

TEST_F(ProgFormTest, PortThatCannotOpenWarnsAndTheWindowStays) {
  form.RadioGroupTx->setItemIndex(0);
  QTest::mouseClick(form.SpeedButton2, Qt::LeftButton);
  EXPECT_EQ(prompts.messageTexts(), QStringList{QStringLiteral("Не могу открыть порт")});
  EXPECT_TRUE(prompts.allWarnings());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(pty.read(1, 50).isEmpty());
}

TEST(ProgFormFailure, RefusedSettingsWarnAndSendNothing) {
  fakes::ScriptedPrompts prompts;
  linktest::ScopedFakePorts ports;
  ports.state->configures = false;
  model::FigureModel model;
  ui::TProgForm form(model);
  form.show();
  QTest::mouseClick(form.SpeedButtonAvto, Qt::LeftButton);
  EXPECT_EQ(prompts.messageTexts(), QStringList{QStringLiteral("Не могу сконфигурировать порт")});
  EXPECT_TRUE(ports.state->written.isEmpty());
  EXPECT_FALSE(ports.state->open);
  EXPECT_TRUE(form.isVisible());
}

TEST(ProgFormFailure, LostBytesAreReported) {
  fakes::ScriptedPrompts prompts;
  linktest::ScopedFakePorts ports;
  ports.state->acceptLimit = 1;
  model::FigureModel model;
  ui::TProgForm form(model);
  form.TxBlok(4, 1);
  ASSERT_EQ(prompts.messageTexts().size(), 1);
  EXPECT_TRUE(prompts.messageTexts()[0].contains(QStringLiteral("1 байт из 3")));
  EXPECT_FALSE(ports.state->open);
}

}  // namespace
