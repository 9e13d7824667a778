#include <gtest/gtest.h>

#include <array>

#include "link/frames.h"
#include "link/pty_pair.h"
#include "link/serial_port.h"

using namespace laserpic;
using linktest::PtyPair;
using linktest::ScopedEnv;

namespace {

TEST(PortName, ChoiceAndEnvironmentPickTheDevice) {
  const struct {
    int itemIndex;
    const char* com1;
    const char* com2;
    const char* expected;
  } cases[] = {
      {0, nullptr, nullptr, "/dev/ttyS0"},
      {1, nullptr, nullptr, "/dev/ttyS1"},
      {-1, nullptr, nullptr, "/dev/ttyS1"},  // nothing chosen is the second port
      {0, "/dev/ttyUSB0", "/dev/pts/9", "/dev/ttyUSB0"},
      {1, "/dev/ttyUSB0", "/dev/pts/9", "/dev/pts/9"},
      {1, "/dev/ttyUSB0", "", "/dev/ttyS1"},  // empty counts as not set
  };
  for (const auto& c : cases) {
    std::optional<ScopedEnv> com1, com2;
    if (c.com1) com1.emplace("LASERPIC_COM1", QString::fromUtf8(c.com1));
    if (c.com2) com2.emplace("LASERPIC_COM2", QString::fromUtf8(c.com2));
    if (!c.com1) qunsetenv("LASERPIC_COM1");
    if (!c.com2) qunsetenv("LASERPIC_COM2");
    EXPECT_EQ(link::portSystemName(c.itemIndex), QString::fromUtf8(c.expected)) << c.itemIndex;
  }
}

class PortOverPty : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(pty.ok()); }

  PtyPair pty;
  std::unique_ptr<link::DevicePort> port = link::makeDevicePort();
};

TEST_F(PortOverPty, UploadAndCommandGoOutWholeWithTheirLineSettings) {
  model::PointArray x{}, y{};
  for (int i = 0; i < model::kPointCount; ++i) {
    x[i] = static_cast<std::uint8_t>(i * 7);
    y[i] = static_cast<std::uint8_t>(i * 3);
  }
  const link::UploadFrames upload = link::buildUpload(x, y, QStringLiteral("Pic"), true, false);
  const std::array<QByteArray, 1> command = {link::commandFrame(5, 1)};
  const struct {
    const char* label;
    link::StopBits stopBits;
    std::span<const QByteArray> frames;
    QByteArray wire;
  } cases[] = {
      {"upload", link::StopBits::One, upload.frames, upload.wire()},
      {"command", link::StopBits::Two, command, command[0]},
  };
  for (const auto& c : cases) {
    qint64 lastProgress = -1;
    port->setProgressHandler([&](qint64 n) { lastProgress = n; });
    ASSERT_TRUE(port->open(pty.slaveName())) << c.label;
    // A pseudo-terminal has no modem lines; that must not fail the set-up.
    ASSERT_TRUE(port->configure(c.stopBits)) << c.label;

    const auto settings = pty.lineSettings();
    ASSERT_TRUE(settings.has_value());
    const linktest::LineSettings s = linktest::describe(*settings);
    EXPECT_TRUE(s.baud1200) << c.label;
    EXPECT_TRUE(s.eightBits) << c.label;
    EXPECT_FALSE(s.parity) << c.label;
    EXPECT_EQ(s.twoStopBits, c.stopBits == link::StopBits::Two) << c.label;
    EXPECT_FALSE(s.hardwareFlow) << c.label;
    EXPECT_FALSE(s.softwareFlow) << c.label;

    const link::TransferResult r = link::sendFrames(*port, c.frames);
    port->close();
    EXPECT_TRUE(r.complete) << c.label;
    EXPECT_EQ(r.bytesSent, c.wire.size()) << c.label;
    EXPECT_EQ(r.framesBegun, static_cast<int>(c.frames.size())) << c.label;
    EXPECT_EQ(lastProgress, c.wire.size()) << c.label;
    EXPECT_EQ(pty.read(c.wire.size()), c.wire) << c.label;
  }
}

TEST_F(PortOverPty, MissingOrBusyDeviceDoesNotOpen) {
  EXPECT_FALSE(port->open(QStringLiteral("/dev/laserpic-no-such-port")));
  EXPECT_FALSE(port->isOpen());

  ASSERT_TRUE(port->open(pty.slaveName()));
  auto other = link::makeDevicePort();
  EXPECT_FALSE(other->open(pty.slaveName()));  // held by the first
  port->close();
  EXPECT_FALSE(port->isOpen());
  EXPECT_TRUE(other->open(pty.slaveName()));  // free again after the close
  other->close();
}

TEST_F(PortOverPty, HangUpDuringTheTransferIsAShortWrite) {
  const std::array<QByteArray, 2> frames = {QByteArray(17, 'a'), QByteArray(257, 'b')};
  ASSERT_TRUE(port->open(pty.slaveName()));
  ASSERT_TRUE(port->configure(link::StopBits::One));
  pty.closeMaster();
  const link::TransferResult r = link::sendFrames(*port, frames);
  port->close();
  EXPECT_FALSE(r.complete);
  EXPECT_LT(r.bytesSent, 17 + 257);
  EXPECT_EQ(r.framesBegun, 1);
}

}  // namespace
