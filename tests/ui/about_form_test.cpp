#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/about_form.h"
#include "ui/base_form.h"
#include "ui/surfaces.h"

using namespace laserpic;

namespace {

QColor colorOf(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

// Counts what the window hands to the desktop instead of opening it.
class AboutFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::TAboutForm::setUrlOpener([this](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    form.show();
  }
  void TearDown() override { ui::TAboutForm::setUrlOpener(nullptr); }

  // QTest moves do not make the window system send a leave, so send it as
  // the label would get it.
  static void leave(QLabel* label) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(label, &event);
  }

  model::FigureModel model;
  ui::TAboutForm form{model, nullptr};
  std::vector<QUrl> opened;
};

TEST_F(AboutFormTest, LinksFollowTheLastMouseEventAndOpenOncePerClick) {
  const struct {
    QLabel* ui::TAboutForm::*label;
    QUrl url;
  } links[] = {
      {&ui::TAboutForm::Label2, QUrl("mailto:laserpic@example.org")},
      {&ui::TAboutForm::Label6, QUrl("https://laserpic.example.org")},
  };
  for (const auto& link : links) {
    SCOPED_TRACE(link.url.toString().toStdString());
    QLabel* l = form.*link.label;
    opened.clear();
    EXPECT_EQ(colorOf(l), QColor(0, 0, 0));

    QTest::mouseMove(l, QPoint(3, 3));
    EXPECT_EQ(colorOf(l), QColor(255, 0, 0));
    leave(l);
    EXPECT_EQ(colorOf(l), QColor(0, 0, 128));

    QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(colorOf(l), QColor(0, 128, 0));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], link.url);

    QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(opened.size(), 2u);
    // A right click is no click, and black never comes back.
    QTest::mouseClick(l, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(opened.size(), 2u);
    QTest::mouseMove(l, QPoint(4, 4));
    EXPECT_EQ(colorOf(l), QColor(255, 0, 0));
    leave(l);
    EXPECT_EQ(colorOf(l), QColor(0, 0, 128));
  }
}

TEST_F(AboutFormTest, CaptionAlternatesOnTimerTicks) {
  EXPECT_TRUE(form.Timer1->isActive());
  EXPECT_EQ(form.Timer1->interval(), 300);
  QStringList titles{form.windowTitle()};
  QObject::connect(&form, &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return titles.size() >= 4; }, 3000));
  EXPECT_NE(titles[0], titles[1]);
  EXPECT_EQ(titles[0], titles[2]);
  EXPECT_EQ(titles[1], titles[3]);
  EXPECT_TRUE(titles.contains("About"));
}

TEST_F(AboutFormTest, OkHidesAndColoursLast) {
  QTest::mouseMove(form.Label2, QPoint(3, 3));
  EXPECT_TRUE(form.BitBtn1->isDefault());
  QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(form.isVisible());
  form.show();
  EXPECT_EQ(colorOf(form.Label2), QColor(255, 0, 0));
  EXPECT_EQ(form.size(), QSize(299, 174));
}

TEST_F(AboutFormTest, OpensCentredOnTheScreenWithItsPicture) {
  form.hide();
  form.move(0, 0);
  form.show();
  const QPoint offset = form.frameGeometry().center() - form.screen()->availableGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2);
  EXPECT_FALSE(form.Image1->picture().isNull());
}

TEST(Glyphs, EveryToolButtonHasAPicture) {
  model::FigureModel model;
  ui::TBaseForm form(model);
  // The device windows take theirs from the same set.
  QSet<QString> owners{"SpeedButtonBegTx", "SpeedButtonHand", "SpeedButtonAvto", "SpeedButtonSound"};
  for (QToolButton* b : form.findChildren<QToolButton*>()) {
    // The half-mode toggle carries the caption "128" instead of a picture.
    if (b == form.SpeedButton128) continue;
    SCOPED_TRACE(b->objectName().toStdString());
    EXPECT_FALSE(b->icon().pixmap(16, 16).isNull());
    owners << b->objectName();
  }
  // And no picture is left without its button.
  for (const QString& file : QDir(QStringLiteral(":/glyphs")).entryList(QDir::Files)) {
    EXPECT_TRUE(owners.contains(QFileInfo(file).baseName())) << file.toStdString();
    EXPECT_FALSE(QIcon(":/glyphs/" + file).pixmap(16, 16).isNull()) << file.toStdString();
  }
}

TEST(Glyphs, AllPicturesDiffer) {
  QSet<QByteArray> contents;
  QDir dir(QStringLiteral(":/glyphs"));
  const QStringList names = dir.entryList(QDir::Files);
  for (const QString& name : names) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    contents << f.readAll();
  }
  EXPECT_EQ(contents.size(), names.size());
  EXPECT_EQ(names.size(), 32);
}

}  // namespace
