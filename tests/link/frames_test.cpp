#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringEncoder>

#include "link/codepage.h"
#include "link/frames.h"

using namespace laserpic;
using link::NameBytes;

namespace {

// Point entries of a log: "X-Y".
qsizetype pointEntries(const QStringList& log) {
  return log.join(QString()).count(QRegularExpression(QStringLiteral("\\d-\\d")));
}

constexpr NameBytes kSpaces = {32, 32, 32, 32, 32, 32, 32, 32};

struct NameCase {
  const char* label;
  QString text;
  NameBytes bytes;
};

TEST(NameRule, TextsGiveTheEightBytesTheDeviceStores) {
  const NameCase cases[] = {
      {"two letters", QStringLiteral("AB"), {0x41, 0x42, 32, 32, 32, 32, 32, 32}},
      {"empty", QString(), kSpaces},
      {"no name", QStringLiteral(" NoName "), {32, 78, 111, 78, 97, 109, 101, 32}},
      {"longer than eight", QStringLiteral("star0123456"), {'s', 't', 'a', 'r', '0', '1', '2', '3'}},
      {"capital A and small ya", QStringLiteral("Ая"), {0x41, 0x80, 32, 32, 32, 32, 32, 32}},
      {"capital Yo", QStringLiteral("Ё"), {0x29, 32, 32, 32, 32, 32, 32, 32}},
      {"control characters", QStringLiteral("\x01\t\x7F"), kSpaces},
      {"no-break space", QStringLiteral("\u00A0"), {0x21, 32, 32, 32, 32, 32, 32, 32}},
      {"not in the code page", QStringLiteral("中x"), {'?', 'x', 32, 32, 32, 32, 32, 32}},
      {"pair of surrogates is one character",
       QStringLiteral("\U0001F600x"),
       {'?', 'x', 32, 32, 32, 32, 32, 32}},
  };
  for (const auto& c : cases) EXPECT_EQ(link::nameBytes(c.text), c.bytes) << c.label;
}

TEST(NameRule, CodePageBytesFoldIntoThePrintableRange) {
  const struct {
    std::uint8_t in, out;
  } cases[] = {{0x00, 0x20}, {0x20, 0x20}, {0x21, 0x21}, {0x7E, 0x7E}, {0x7F, 0x20}, {0x80, 0x20},
               {0x9F, 0x20}, {0xA0, 0x21}, {0xA8, 0x29}, {0xC0, 0x41}, {0xFF, 0x80}};
  for (const auto& c : cases) EXPECT_EQ(link::nameByte(c.in), c.out) << int(c.in);
  for (int b = 0; b < 256; ++b) {
    const int sent = link::nameByte(static_cast<std::uint8_t>(b));
    EXPECT_TRUE(sent >= 0x20 && sent <= 0x80) << b;
  }
}

TEST(CodePage, OwnTableAgreesWithTheSystemConverter) {
  if (!QStringEncoder("windows-1251").isValid()) GTEST_SKIP() << "Qt offers no Windows-1251 converter here";
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QString::fromUcs4(&c, 1));
    const auto fromTable = link::windows1251FromTable(c);
    if (encoder.hasError() || bytes.size() != 1) {
      EXPECT_FALSE(fromTable.has_value()) << std::hex << unsigned(c);
    } else {
      ASSERT_TRUE(fromTable.has_value()) << std::hex << unsigned(c);
      EXPECT_EQ(*fromTable, static_cast<std::uint8_t>(bytes.at(0))) << std::hex << unsigned(c);
    }
  }
}

TEST(CoordinateRule, MirrorsFirstThenKeepsOffTheHeaders) {
  const struct {
    std::uint8_t in;
    bool invert;
    std::uint8_t out;
  } cases[] = {{0, true, 253},    {1, true, 253},    {127, true, 128},  {128, true, 127}, {254, true, 2},
               {255, true, 2},    {0, false, 2},     {1, false, 2},     {2, false, 2},    {127, false, 127},
               {128, false, 128}, {253, false, 253}, {254, false, 253}, {255, false, 253}};
  for (const auto& c : cases) EXPECT_EQ(link::coordinateByte(c.in, c.invert), c.out) << int(c.in) << c.invert;
}

class UploadFramesTest : public ::testing::Test {
 protected:
  UploadFramesTest() {
    for (int i = 0; i < model::kPointCount; ++i) {
      x[i] = static_cast<std::uint8_t>(i);
      y[i] = static_cast<std::uint8_t>(255 - i);
    }
  }
  static int at(const QByteArray& frame, int offset) { return static_cast<std::uint8_t>(frame.at(offset)); }

  model::PointArray x{}, y{};
};

TEST_F(UploadFramesTest, FourFramesOf533BytesWithHeadersNameAndPointsInOrder) {
  for (const bool invert : {false, true}) {
    const link::UploadFrames up = link::buildUpload(x, y, QStringLiteral("AB"), invert, invert);
    ASSERT_EQ(up.frames[0].size(), 17);
    ASSERT_EQ(up.frames[1].size(), 257);
    ASSERT_EQ(up.frames[2].size(), 257);
    ASSERT_EQ(up.frames[3].size(), 2);
    EXPECT_EQ(up.wire().size(), 533);

    EXPECT_EQ(up.frames[0], QByteArray::fromHex("000102030405060708"
                                                "4142202020202020"));
    EXPECT_EQ(at(up.frames[1], 0), 0xFF);
    EXPECT_EQ(at(up.frames[2], 0), 0xFE);
    EXPECT_EQ(up.frames[3], QByteArray::fromHex("0178"));

    // Point k: X at 1 + 2k, Y at 2 + 2k; the second half starts at point 128.
    EXPECT_EQ(at(up.frames[1], 1), invert ? 253 : 2);      // X0 = 0
    EXPECT_EQ(at(up.frames[1], 2), invert ? 2 : 253);      // Y0 = 255
    EXPECT_EQ(at(up.frames[1], 255), invert ? 128 : 127);  // X127
    EXPECT_EQ(at(up.frames[2], 1), invert ? 127 : 128);    // X128
    EXPECT_EQ(at(up.frames[2], 2), invert ? 128 : 127);    // Y128 = 127
    EXPECT_EQ(at(up.frames[2], 256), invert ? 253 : 2);    // Y255 = 0

    // No payload byte looks like a header.
    for (int f = 1; f <= 2; ++f)
      for (int i = 1; i < 257; ++i) EXPECT_TRUE(at(up.frames[f], i) >= 2 && at(up.frames[f], i) <= 253);
  }
}

TEST_F(UploadFramesTest, InversionOfEachAxisIsIndependent) {
  const link::UploadFrames up = link::buildUpload(x, y, QString(), true, false);
  EXPECT_EQ(at(up.frames[1], 1), 253);  // X0 = 0 mirrored
  EXPECT_EQ(at(up.frames[1], 2), 253);  // Y0 = 255 limited
}

TEST_F(UploadFramesTest, LogHasTheFiveLinesWithTheBytesAsSent) {
  const QString name = QStringLiteral("Длинное_имя");
  const link::UploadFrames up = link::buildUpload(x, y, name, false, false);
  const QStringList log = link::uploadLog(up, name, 4, 533);
  ASSERT_EQ(log.size(), 5);
  EXPECT_EQ(log[0],
            QStringLiteral(" Data Special: 1  2  3  4  5  6  7  8      Имя картинки: Длинное_имя      "
                           "69  108  105  110  110  111  102  95  "));
  EXPECT_EQ(log[1], QStringLiteral(" "));
  ASSERT_TRUE(log[2].startsWith(QStringLiteral(" Запись данных(X-Y):  2-253   2-253   2-253   3-252   ")));
  EXPECT_TRUE(log[2].endsWith(QStringLiteral("   253-2   ")));
  EXPECT_EQ(pointEntries(log), 256);
  EXPECT_EQ(log[3], QStringLiteral(" "));
  EXPECT_EQ(log[4], QStringLiteral("  CRC =     всего отправлено 533 байт "));
}

TEST_F(UploadFramesTest, LogOfAStoppedTransferEndsWithTheBytesReallySent) {
  const link::UploadFrames up = link::buildUpload(x, y, QStringLiteral("AB"), true, true);
  const struct {
    int framesBegun;
    qint64 sent;
    int lines;
    int points;
  } cases[] = {{1, 5, 3, 0}, {2, 100, 5, 128}, {3, 300, 5, 256}, {4, 520, 5, 256}};
  for (const auto& c : cases) {
    const QStringList log = link::uploadLog(up, QStringLiteral("AB"), c.framesBegun, c.sent);
    ASSERT_EQ(log.size(), c.lines) << c.framesBegun;
    EXPECT_EQ(log.last(), QStringLiteral("  CRC =     всего отправлено %1 байт ").arg(c.sent));
    EXPECT_EQ(pointEntries(log), c.points) << c.framesBegun;
  }
}

TEST(CommandFrame, HeaderThenCodeAndParameterKeptOffZeroAnd255) {
  const struct {
    std::uint8_t code, parameter;
    const char* hex;
  } cases[] = {{3, 1, "000301"},     {5, 1, "000501"},   {0x86, 1, "008601"}, {0, 0, "000101"},
               {255, 255, "00fefe"}, {1, 255, "0001fe"}, {254, 0, "00fe01"}};
  for (const auto& c : cases)
    EXPECT_EQ(link::commandFrame(c.code, c.parameter).toHex(), QByteArray(c.hex)) << int(c.code);
}

}  // namespace
