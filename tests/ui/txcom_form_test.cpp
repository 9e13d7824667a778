#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <optional>

#include "link/fake_port.h"
#include "link/frames.h"
#include "link/pty_pair.h"
#include "support/scripted_prompts.h"
#include "ui/txcom_form.h"

using namespace laserpic;
using linktest::PtyPair;
using linktest::ScopedEnv;

namespace {

const QString kNoPort = QStringLiteral("/dev/laserpic-no-such-port");

void fillFigure(model::FigureModel& m) {
  for (int i = 0; i < model::kPointCount; ++i) {
    m.PicX[i] = static_cast<std::uint8_t>(i);
    m.PicY[i] = static_cast<std::uint8_t>(255 - i);
  }
  m.PicName = QStringLiteral("star01");
}

QStringList logLines(const ui::TTxComForm& form) {
  return form.Memo1->toPlainText().split(QLatin1Char('\n'));
}

class TxComFormTest : public ::testing::Test {
 protected:
  TxComFormTest() { fillFigure(model); }
  void SetUp() override {
    ASSERT_TRUE(pty.ok());
    form.FormActivate();
    form.show();
  }

  fakes::ScriptedPrompts prompts;
  PtyPair pty;
  ScopedEnv com1{"LASERPIC_COM1", kNoPort};
  ScopedEnv com2{"LASERPIC_COM2", pty.slaveName()};
  model::FigureModel model;
  ui::TTxComForm form{model};
};

TEST_F(TxComFormTest, StartsWithTheDesignSettings) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Загрузка картинки лазера"));
  EXPECT_EQ(form.size(), QSize(548, 71));
  EXPECT_TRUE(form.CheckBoxClose->isChecked());
  EXPECT_TRUE(form.CheckBoxInvX->isChecked());
  EXPECT_TRUE(form.CheckBoxInvY->isChecked());
  EXPECT_EQ(form.RadioGroupTx->ItemIndex(), 1);
  EXPECT_TRUE(form.Animate->isHidden());
  EXPECT_EQ(form.SpeedButtonTabl->text(), QStringLiteral("Открыть Окно статуса"));
}

TEST_F(TxComFormTest, ActivationResetsTheLogAndTakesTheWholeName) {
  form.hide();
  form.Memo1->setPlainText(QStringLiteral("old log"));
  form.EditNameFile->setText(QStringLiteral("typed"));
  model.PicName = QStringLiteral("ABCDEFGHIJK");
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral(" Waiting... "));
  EXPECT_EQ(form.EditNameFile->text(), QStringLiteral("ABCDEFGHIJK"));
}

TEST_F(TxComFormTest, TypingStopsAtEightCharactersButALongNameCanShrink) {
  const struct {
    const char* picName;
    const char* typed;
    const char* expected;
  } cases[] = {
      {"AB", "CDEFGHIJ", "ABCDEFGH"},
      {"ABCDEFGHIJK", "x", "ABCDEFGHIJK"},
  };
  for (const auto& c : cases) {
    model.PicName = QString::fromLatin1(c.picName);
    form.FormActivate();
    QTest::keyClicks(form.EditNameFile, QString::fromLatin1(c.typed));
    EXPECT_EQ(form.EditNameFile->text(), QString::fromLatin1(c.expected)) << c.picName;
  }
  QTest::keyClick(form.EditNameFile, Qt::Key_Backspace);
  QTest::keyClicks(form.EditNameFile, QStringLiteral("x"));
  EXPECT_EQ(form.EditNameFile->text(), QStringLiteral("ABCDEFGHIJ"));
}

TEST_F(TxComFormTest, UploadSendsThe533BytesWithItsLineSettingsAndWritesTheLog) {
  PtyPair first;
  ASSERT_TRUE(first.ok());
  ScopedEnv com1Here{"LASERPIC_COM1", first.slaveName()};
  const struct {
    const char* label;
    int itemIndex;
    bool invertX, invertY, closeAfter;
    QString name;
  } cases[] = {
      {"Com2, both inverted, closes", 1, true, true, true, QStringLiteral("star01")},
      {"Com1, none inverted, stays", 0, false, false, false, QStringLiteral("Длинное имя")},
      {"Com2, X only", 1, true, false, false, QString()},
  };
  for (const auto& c : cases) {
    PtyPair& line = c.itemIndex == 0 ? first : pty;
    form.show();
    form.FormActivate();
    form.EditNameFile->setText(c.name);
    form.RadioGroupTx->setItemIndex(c.itemIndex);
    form.CheckBoxInvX->setChecked(c.invertX);
    form.CheckBoxInvY->setChecked(c.invertY);
    form.CheckBoxClose->setChecked(c.closeAfter);

    std::optional<termios> during;
    bool closeOptionHidden = false;
    const auto watch = QObject::connect(form.Animate, &QProgressBar::valueChanged, [&] {
      if (!during) during = line.lineSettings();
      closeOptionHidden = form.CheckBoxClose->isHidden() && !form.Animate->isHidden();
    });
    QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
    QObject::disconnect(watch);

    const QByteArray expected =
        link::buildUpload(model.PicX, model.PicY, c.name, c.invertX, c.invertY).wire();
    EXPECT_EQ(line.read(link::kUploadSize), expected) << c.label;
    ASSERT_TRUE(during.has_value()) << c.label;
    const linktest::LineSettings s = linktest::describe(*during);
    EXPECT_TRUE(s.baud1200 && s.eightBits && !s.parity && !s.twoStopBits) << c.label;
    EXPECT_FALSE(s.hardwareFlow || s.softwareFlow) << c.label;

    EXPECT_TRUE(prompts.messageTexts().isEmpty()) << c.label;
    EXPECT_TRUE(closeOptionHidden) << c.label;
    EXPECT_TRUE(form.Animate->isHidden()) << c.label;
    EXPECT_FALSE(form.CheckBoxClose->isHidden()) << c.label;
    EXPECT_EQ(form.isVisible(), !c.closeAfter) << c.label;

    const QStringList log = logLines(form);
    ASSERT_EQ(log.size(), 5) << c.label;
    EXPECT_TRUE(log[0].contains(QStringLiteral("    Имя картинки: ") + c.name + QStringLiteral("      ")));
    EXPECT_EQ(log[4], QStringLiteral("  CRC =     всего отправлено 533 байт ")) << c.label;
  }
}

TEST_F(TxComFormTest, PortThatCannotOpenWarnsAndChangesNothingElse) {
  form.RadioGroupTx->setItemIndex(0);  // Com1 names no device here
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(prompts.messageTexts(), QStringList{QStringLiteral("Не могу открыть порт")});
  EXPECT_TRUE(prompts.allWarnings());
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral(" Waiting... "));
  EXPECT_TRUE(form.Animate->isHidden());
  EXPECT_FALSE(form.CheckBoxClose->isHidden());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(pty.read(1, 50).isEmpty());

  // The other port can be tried at once.
  form.RadioGroupTx->setItemIndex(1);
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(pty.read(link::kUploadSize).size(), link::kUploadSize);
  EXPECT_EQ(prompts.messageTexts().size(), 1);
}

TEST_F(TxComFormTest, NothingChosenInThePortGroupMeansCom2) {
  form.RadioGroupTx->setItemIndex(-1);
  ASSERT_EQ(form.RadioGroupTx->ItemIndex(), -1);
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(pty.read(link::kUploadSize).size(), link::kUploadSize);
}

TEST_F(TxComFormTest, WindowTakesNoInputDuringTheTransfer) {
  form.CheckBoxClose->setChecked(false);
  const QString name = form.EditNameFile->text();
  bool triedDuring = false;
  const auto watch = QObject::connect(form.Animate, &QProgressBar::valueChanged, [&] {
    if (triedDuring) return;
    triedDuring = true;
    QTest::mouseClick(form.CheckBoxInvX, Qt::LeftButton);
    QTest::keyClicks(form.EditNameFile, QStringLiteral("zz"));
    QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
    form.close();
  });
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  QObject::disconnect(watch);

  ASSERT_TRUE(triedDuring);
  EXPECT_TRUE(form.CheckBoxInvX->isChecked());
  EXPECT_EQ(form.EditNameFile->text(), name);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(pty.read(link::kUploadSize, 2000, 300).size(), link::kUploadSize);  // one upload only

  QTest::mouseClick(form.CheckBoxInvX, Qt::LeftButton);  // input is back afterwards
  EXPECT_FALSE(form.CheckBoxInvX->isChecked());
}

TEST_F(TxComFormTest, StatusButtonOpensAndClosesTheLogArea) {
  QTest::mouseClick(form.SpeedButtonTabl, Qt::LeftButton);
  EXPECT_EQ(form.frameGeometry().size(), QSize(730, 415));
  EXPECT_EQ(form.SpeedButtonTabl->text(), QStringLiteral("Закрыть Окно статуса"));
  EXPECT_TRUE(form.Memo1->visibleRegion().boundingRect().height() > 0);

  QTest::mouseClick(form.SpeedButtonTabl, Qt::LeftButton);
  EXPECT_EQ(form.frameGeometry().size(), QSize(460, 92));
  EXPECT_EQ(form.SpeedButtonTabl->text(), QStringLiteral("Открыть Окно статуса"));
  EXPECT_GT(form.CheckBoxInvX->x(), form.width() - 10);  // the inversion boxes now lie outside

  // The size outlives closing and opening the window.
  form.hide();
  form.show();
  EXPECT_EQ(form.frameGeometry().size(), QSize(460, 92));
}

// Hardware failures a pseudo-terminal cannot produce.
class TxComFormFailureTest : public ::testing::Test {
 protected:
  TxComFormFailureTest() {
    fillFigure(model);
    form.FormActivate();
    form.show();
  }

  fakes::ScriptedPrompts prompts;
  linktest::ScopedFakePorts ports;
  model::FigureModel model;
  ui::TTxComForm form{model};
};

TEST_F(TxComFormFailureTest, RefusedSettingsWarnSendNothingAndKeepTheWindowOpen) {
  ports.state->configures = false;
  const model::PointArray before = model.PicX;
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(prompts.messageTexts(), QStringList{QStringLiteral("Не могу сконфигурировать порт")});
  EXPECT_TRUE(prompts.allWarnings());
  EXPECT_TRUE(ports.state->written.isEmpty());
  EXPECT_FALSE(ports.state->open);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral(" Waiting... "));
  EXPECT_EQ(model.PicX, before);
}

TEST_F(TxComFormFailureTest, ShortWriteStopsWarnsWithTheCountAndTheLogTellsTheTruth) {
  ports.state->acceptLimit = 17 + 100;  // the line dies in the first half
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(ports.state->written.size(), 117);  // nothing tried after the failed frame
  ASSERT_EQ(prompts.messageTexts().size(), 1);
  EXPECT_TRUE(prompts.messageTexts()[0].contains(QStringLiteral("117")));
  EXPECT_TRUE(prompts.messageTexts()[0].contains(QStringLiteral("533")));
  EXPECT_FALSE(ports.state->open);
  EXPECT_TRUE(form.isVisible());  // not closed, although the close option is on
  EXPECT_TRUE(form.Animate->isHidden());
  EXPECT_FALSE(form.CheckBoxClose->isHidden());
  EXPECT_EQ(logLines(form).last(), QStringLiteral("  CRC =     всего отправлено 117 байт "));

  // The window comes back active when the warning closes: the log stays for
  // the user to read; later activations start afresh.
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&form, &activate);
  EXPECT_EQ(logLines(form).last(), QStringLiteral("  CRC =     всего отправлено 117 байт "));
  QCoreApplication::sendEvent(&form, &activate);
  EXPECT_EQ(form.Memo1->toPlainText(), QStringLiteral(" Waiting... "));
}

TEST_F(TxComFormFailureTest, EachUploadOpensAndClosesThePortOnce) {
  form.CheckBoxClose->setChecked(false);
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  QTest::mouseClick(form.SpeedButtonBegTx, Qt::LeftButton);
  EXPECT_EQ(ports.state->openCount, 2);
  EXPECT_EQ(ports.state->closeCount, 2);
  EXPECT_EQ(ports.state->written.size(), 2 * link::kUploadSize);
}

}  // namespace
