#include "serial_port.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#endif

namespace laserpic::link {
namespace {

// A write that makes no progress for this long has stalled.
constexpr int kStallMs = 3000;
constexpr int kPollMs = 10;

// Milliseconds that bytes take on the line, with two stop bits to be safe.
qint64 lineTimeMs(qint64 bytes) { return bytes * 11 * 1000 / kBaudRate; }

#ifdef Q_OS_WIN
using Handle = HANDLE;
bool waitUntilSent(Handle h) { return FlushFileBuffers(h) != 0; }
qint64 queuedBytes(Handle h) {
  COMSTAT stat{};
  DWORD errors = 0;
  return ClearCommError(h, &errors, &stat) ? stat.cbOutQue : 0;
}
void discardQueued(Handle h) { PurgeComm(h, PURGE_TXABORT | PURGE_TXCLEAR); }
bool hasModemLines(Handle) { return true; }
#else
using Handle = int;
bool waitUntilSent(Handle fd) {
  int rc;
  do {
    rc = ::tcdrain(fd);
  } while (rc == -1 && errno == EINTR);
  return rc == 0;
}
qint64 queuedBytes(Handle fd) {
  int queued = 0;
  return ::ioctl(fd, TIOCOUTQ, &queued) == 0 ? queued : 0;
}
void discardQueued(Handle fd) { ::tcflush(fd, TCOFLUSH); }
// Pseudo-terminals and some adapters have no modem lines at all.
bool hasModemLines(Handle fd) {
  int bits = 0;
  return ::ioctl(fd, TIOCMGET, &bits) == 0 || (errno != ENOTTY && errno != EINVAL);
}
#endif

// What the waiting thread shares with the port; it may outlive the port
// when a driver never returns.
struct DrainState {
  std::atomic<bool> done{false};
  std::mutex mutex;
  QEventLoop* loop = nullptr;  // guarded by mutex; null once nobody waits
};

class SerialDevicePort final : public DevicePort {
 public:
  bool isOpen() const override { return mPort.isOpen(); }

  bool open(const QString& systemName) override {
    mPort.setPortName(systemName);
    mHanded = 0;
    if (!mPort.open(QIODevice::ReadWrite)) return false;
    // Nothing is ever read; this only bounds what a chatty device can fill.
    mPort.setReadBufferSize(kQueueSize);
    return true;
  }

  bool configure(StopBits stopBits) override {
    const bool lineSet =
        mPort.setBaudRate(kBaudRate) && mPort.setDataBits(QSerialPort::Data8) &&
        mPort.setParity(QSerialPort::NoParity) &&
        mPort.setStopBits(stopBits == StopBits::One ? QSerialPort::OneStop : QSerialPort::TwoStop) &&
        mPort.setFlowControl(QSerialPort::NoFlowControl);
    if (!lineSet) return false;
    // The system raises DTR and RTS on open; the device wants both off.
    return modemLineOff(mPort.setDataTerminalReady(false)) && modemLineOff(mPort.setRequestToSend(false));
  }

  qint64 write(const QByteArray& frame) override {
    if (!mPort.isOpen() || frame.isEmpty()) return 0;
    mPort.clearError();
    if (mPort.write(frame) != frame.size()) return 0;

    qint64 taken = 0;
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    stall.setInterval(kStallMs);
    QObject::connect(&stall, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&mPort, &QSerialPort::bytesWritten, &loop, [&](qint64 n) {
      taken += n;
      mHanded += n;
      reportProgress(bytesOnLine());
      stall.start();
      if (mPort.bytesToWrite() == 0) loop.quit();
    });
    QObject::connect(&mPort, &QSerialPort::errorOccurred, &loop, [&](QSerialPort::SerialPortError e) {
      if (e != QSerialPort::NoError) loop.quit();
    });
    stall.start();
    if (mPort.bytesToWrite() > 0) loop.exec();
    // Whatever Qt still holds would be thrown away by close().
    return std::min<qint64>(taken, frame.size());
  }

  qint64 drain() override {
    if (!mPort.isOpen()) return 0;
    const auto handle = static_cast<Handle>(mPort.handle());
    // The wait blocks for as long as the line needs (4.4 s for an upload),
    // so it runs on its own thread while this one keeps the window alive.
    QEventLoop loop;
    auto shared = std::make_shared<DrainState>();
    shared->loop = &loop;
    std::thread worker([handle, shared] {
      waitUntilSent(handle);
      shared->done.store(true);
      // Wake the loop at once instead of at its next poll.
      const std::lock_guard<std::mutex> lock(shared->mutex);
      if (shared->loop) QMetaObject::invokeMethod(shared->loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    std::atomic<bool>& done = shared->done;

    const qint64 limitMs = lineTimeMs(queuedBytes(handle)) + kStallMs;
    QElapsedTimer clock;
    clock.start();
    qint64 unsent = 0;
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (done.load()) {
        loop.quit();
        return;
      }
      reportProgress(bytesOnLine());
      if (clock.elapsed() > limitMs) {
        // The line is stuck: give up on what is left so the port can close.
        unsent = queuedBytes(handle);
        discardQueued(handle);
        loop.quit();
      }
    });
    poll.start();
    if (!done.load()) loop.exec();
    {
      const std::lock_guard<std::mutex> lock(shared->mutex);
      shared->loop = nullptr;
    }

    if (!done.load()) {
      QElapsedTimer grace;
      grace.start();
      while (!done.load() && grace.elapsed() < 1000)
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    if (done.load())
      worker.join();
    else
      worker.detach();  // stuck in the driver; it only touches the shared state
    reportProgress(mHanded - unsent);
    return unsent;
  }

  void close() override {
    if (mPort.isOpen()) mPort.close();
  }

 private:
  // Clearing a modem line fails on devices that have none; that is no fault.
  bool modemLineOff(bool cleared) {
    if (cleared) return true;
    const bool noLines = mPort.error() == QSerialPort::UnsupportedOperationError ||
                         !hasModemLines(static_cast<Handle>(mPort.handle()));
    mPort.clearError();
    return noLines;
  }

  qint64 bytesOnLine() const {
    return std::max<qint64>(0, mHanded - queuedBytes(static_cast<Handle>(mPort.handle())));
  }

  QSerialPort mPort;
  qint64 mHanded = 0;  // bytes the system took since the open
};

PortFactory& portFactory() {
  static PortFactory factory;
  return factory;
}

}  // namespace

QString portSystemName(int itemIndex) {
  const bool first = itemIndex == 0;
#ifdef Q_OS_WIN
  return first ? QStringLiteral("COM1") : QStringLiteral("COM2");
#else
  const QString chosen = qEnvironmentVariable(first ? "LASERPIC_COM1" : "LASERPIC_COM2");
  if (!chosen.isEmpty()) return chosen;
  return first ? QStringLiteral("/dev/ttyS0") : QStringLiteral("/dev/ttyS1");
#endif
}

std::unique_ptr<DevicePort> makeDevicePort() {
  if (portFactory()) return portFactory()();
  return std::make_unique<SerialDevicePort>();
}

void setPortFactory(PortFactory factory) { portFactory() = std::move(factory); }

TransferResult sendFrames(DevicePort& port, std::span<const QByteArray> frames) {
  TransferResult result;
  qint64 taken = 0;
  for (const QByteArray& frame : frames) {
    ++result.framesBegun;
    const qint64 n = port.write(frame);
    taken += n;
    if (n != frame.size()) {
      result.bytesSent = taken - port.drain();
      return result;
    }
  }
  const qint64 unsent = port.drain();
  result.bytesSent = taken - unsent;
  result.complete = unsent == 0;
  return result;
}

}  // namespace laserpic::link
