#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <span>

namespace laserpic::link {

constexpr int kBaudRate = 1200;
// The queues the port asks for; larger than the largest frame.
constexpr int kQueueSize = 4096;

enum class StopBits { One, Two };

// The device behind the choice "Com1" (itemIndex 0) or "Com2" (any other
// value). On Windows these are COM1 and COM2. Elsewhere they are /dev/ttyS0
// and /dev/ttyS1 unless LASERPIC_COM1 or LASERPIC_COM2 names another device,
// such as a USB adapter.
QString portSystemName(int itemIndex);

// One write-only serial port, used for one operation at a time: open,
// configure, write frames, drain, close. Waiting steps keep the caller's
// event loop running, so the window stays painted while the line is busy.
class DevicePort {
 public:
  // Bytes that have left the computer since the port was opened.
  using Progress = std::function<void(qint64 bytesOnLine)>;

  virtual ~DevicePort() = default;

  virtual bool isOpen() const = 0;
  // Exclusive access for reading and writing; false when the device is
  // missing or held by another program.
  virtual bool open(const QString& systemName) = 0;
  // 1200 baud, 8 data bits, no parity, no flow control, DTR and RTS off.
  virtual bool configure(StopBits stopBits) = 0;
  // Hands one frame to the system and waits until all of it is taken;
  // returns how many of its bytes were taken (fewer on a failure).
  virtual qint64 write(const QByteArray& frame) = 0;
  // Waits until the system has put every byte on the line; returns how many
  // bytes never left (0 when all went out).
  virtual qint64 drain() = 0;
  virtual void close() = 0;

  void setProgressHandler(Progress progress) { mProgress = std::move(progress); }

 protected:
  void reportProgress(qint64 bytesOnLine) const {
    if (mProgress) mProgress(bytesOnLine);
  }

 private:
  Progress mProgress;
};

// A port on the system's serial devices, or whatever the installed factory
// makes (tests use this to stand in for hardware that misbehaves).
std::unique_ptr<DevicePort> makeDevicePort();
using PortFactory = std::function<std::unique_ptr<DevicePort>()>;
void setPortFactory(PortFactory factory);

struct TransferResult {
  int framesBegun = 0;   // frames whose write was started
  qint64 bytesSent = 0;  // bytes that reached the line
  bool complete = false;
};

// Writes the frames back to back on an open, configured port, then waits
// until the line has taken them. Stops at the first frame that does not go
// out whole. The port stays open.
TransferResult sendFrames(DevicePort& port, std::span<const QByteArray> frames);

}  // namespace laserpic::link
