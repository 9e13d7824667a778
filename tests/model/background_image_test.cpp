#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "fixtures/metafiles.h"
#include "model/background_image.h"
#include "model/raster_reply.h"
#include "support/temp_files.h"

using namespace laserpic;
using model::BackgroundResult;

namespace {

QByteArray encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// A 40 by 30 picture, red on the left half and blue on the right.
QImage twoColours() {
  QImage image(40, 30, QImage::Format_RGB32);
  image.fill(Qt::blue);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 20; ++x) image.setPixel(x, y, qRgb(255, 0, 0));
  return image;
}

class BackgroundImageTest : public ::testing::Test {
 protected:
  QString write(const QString& name, const QByteArray& bytes) { return fakes::writeTestFile(mDir, name, bytes); }
  QString script(const QString& name, const QByteArray& body) {
    const QString path = write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
  }
  QTemporaryDir mDir;
};

bool nearlyRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }

}  // namespace

TEST_F(BackgroundImageTest, EveryFormatLoads) {
  const struct {
    const char* name;
    QByteArray bytes;
    QSize size;  // empty: any size
  } cases[] = {
      {"pic.bmp", encoded(twoColours(), "bmp"), {40, 30}},
      {"pic.ico", encoded(twoColours(), "ico"), {40, 30}},
      {"pic.jpg", encoded(twoColours(), "jpeg"), {40, 30}},
      {"PIC.JPEG", encoded(twoColours(), "jpeg"), {40, 30}},
      {"pic.wmf", fixtures::wmfRectangle(), {}},
      {"pic.emf", fixtures::emfRectangle(), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const BackgroundResult r = model::loadBackgroundImage(write(c.name, c.bytes));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    if (!c.size.isEmpty()) {
      EXPECT_EQ(r.image.size(), c.size);
      EXPECT_TRUE(nearlyRed(r.image.pixel(5, 15)));
      EXPECT_EQ(qBlue(r.image.pixel(35, 15)) > 200, true);
    } else {
      EXPECT_LE(r.image.width(), model::kMaxRasterSide);
      EXPECT_LE(r.image.height(), model::kMaxRasterSide);
      EXPECT_TRUE(nearlyRed(r.image.pixel(r.image.width() / 2, r.image.height() / 2)));
    }
  }
}

TEST_F(BackgroundImageTest, DamagedFilesGiveAnErrorNamingTheFile) {
  QByteArray jpeg = encoded(twoColours(), "jpeg");
  for (int i = 4; i < 160 && i < jpeg.size(); ++i) jpeg[i] = char(0x5A);  // header smashed
  const QByteArray bmp = encoded(twoColours(), "bmp");
  QByteArray wmfCut = fixtures::wmfRectangle();
  wmfCut.chop(10);  // the last records run past the end
  QByteArray emfBadRecord = fixtures::emfRectangle();
  emfBadRecord[108 + 4] = char(0xF0);  // first record claims to be huge
  // Found by fuzzing: header fields that send the libraries past the data.
  QByteArray emfDescription = fixtures::emfRectangle();
  emfDescription[60] = char(0x40);  // a description of 64 characters outside the header
  emfDescription[64] = char(0x60);
  QByteArray wmfLargest = fixtures::wmfRectangle();
  wmfLargest.replace(22 + 12, 4, QByteArray("\xF0\xFF\xFF\x7F", 4));  // largest record: 4 GB
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"damaged.jpg", jpeg},
      {"truncated.bmp", bmp.left(bmp.size() / 2)},
      {"header.bmp", bmp.left(20)},
      {"png-inside.bmp", encoded(twoColours(), "png")},
      {"jpeg-inside.ico", encoded(twoColours(), "jpeg")},
      {"empty.jpg", QByteArray()},
      {"cut.wmf", wmfCut},
      {"garbage.wmf", QByteArray(300, 'x')},
      {"header-only.emf", fixtures::emfHeaderOnly()},
      {"bad-record.emf", emfBadRecord},
      {"description.emf", emfDescription},
      {"largest-record.wmf", wmfLargest},
      {"picture.gif", encoded(twoColours(), "png")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const BackgroundResult r = model::loadBackgroundImage(write(c.name, c.bytes));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(c.name)) << r.error.toStdString();
  }
  EXPECT_FALSE(model::loadBackgroundImage(mDir.filePath("missing.bmp")).ok());
}

TEST_F(BackgroundImageTest, OversizedPictureIsRefusedFromItsHeader) {
  // A BMP header announcing 20000 by 20000 pixels, with no pixels behind it.
  QByteArray bmp = encoded(QImage(1, 1, QImage::Format_RGB32), "bmp");
  bmp.replace(18, 4, QByteArray("\x20\x4E\0\0", 4));
  bmp.replace(22, 4, QByteArray("\x20\x4E\0\0", 4));
  const BackgroundResult r = model::loadBackgroundImage(write("huge.bmp", bmp));
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.error.contains("huge.bmp")) << r.error.toStdString();
}

// Stand-ins for the helper that misbehave in every way the editor must survive.
TEST_F(BackgroundImageTest, MisbehavingHelperIsAnErrorNotACrash) {
  const QString marker = mDir.filePath("written-by-helper");
  const struct {
    const char* name;
    QByteArray body;
    const char* expected;
    int timeoutMs;
  } cases[] = {
      {"crash", "kill -SEGV $$", "stopped", 1500},
      {"hang", "exec sleep 30", "too long", 1500},
      // Only the processor time limit can stop this one in time.
      {"spin", "while :; do :; done", "stopped", 30000},
      {"flood", "exec head -c 9000000 /dev/zero", "too much", 1500},
      {"garbage", "cat > /dev/null; echo nonsense-nonsense-nonsense", "no image header", 1500},
      {"silent", "cat > /dev/null", "too short", 1500},
      {"refuses", "echo 'laserpic-metafile: not an enhanced metafile' >&2; exit 1", "not an enhanced metafile", 1500},
      {"writes-file", QByteArray("echo data > ") + marker.toUtf8() + "; exit 0", "stopped", 1500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    model::MetafileHelperOptions options;
    options.program = script(c.name, c.body);
    options.timeoutMs = c.timeoutMs;
    options.cpuSeconds = 1;
    QElapsedTimer clock;
    clock.start();
    const BackgroundResult r = model::runMetafileHelper(fixtures::emfRectangle(), "emf", options);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.contains(c.expected)) << r.error.toStdString();
    EXPECT_LT(clock.elapsed(), c.timeoutMs + 3000);
  }
  // The helper may not write files at all.
  EXPECT_EQ(QFile(marker).size(), 0);
}

#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ASAN 1
#endif
#endif

TEST_F(BackgroundImageTest, HelperWithoutMemoryFailsCleanly) {
#ifdef UNDER_ASAN
  GTEST_SKIP() << "no address space limit under AddressSanitizer";
#endif
  model::MetafileHelperOptions options;
  options.memoryBytes = 8 * 1024 * 1024;
  EXPECT_FALSE(model::runMetafileHelper(fixtures::wmfRectangle(), "wmf", options).ok());
}

TEST(RasterReply, RoundTripAndDamagedReplies) {
  QImage image(3, 2, QImage::Format_ARGB32);
  image.fill(qRgba(10, 20, 30, 255));
  image.setPixel(2, 1, qRgba(200, 100, 50, 255));
  const QByteArray reply = model::encodeRasterReply(image);
  EXPECT_EQ(model::decodeRasterReply(reply), image);

  QByteArray wrongSize = reply;
  wrongSize[model::kRasterMagicSize] = char(4);
  QByteArray tooWide = reply;
  tooWide.replace(model::kRasterMagicSize, 4, QByteArray("\x01\x04\0\0", 4));  // 1025
  QByteArray zero = reply;
  zero.replace(model::kRasterMagicSize + 4, 4, QByteArray(4, '\0'));
  const QByteArray bad[] = {reply.left(reply.size() - 1), reply + "x", wrongSize, tooWide, zero,
                            "XXRASTER" + reply.mid(8), reply.left(10)};
  for (const QByteArray& b : bad) {
    QString error;
    EXPECT_TRUE(model::decodeRasterReply(b, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
  }
}
