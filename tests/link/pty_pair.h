#pragma once

// A pseudo-terminal pair standing in for the serial line: the program opens
// the slave by name, the test reads what arrives on the master.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <optional>

namespace laserpic::linktest {

class PtyPair {
 public:
  PtyPair() {
    if (::openpty(&mMaster, &mSlave, nullptr, nullptr, nullptr) != 0) return;
    // Raw from the start, so nothing is echoed or translated before the
    // program sets the line up.
    termios raw{};
    ::tcgetattr(mSlave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(mSlave, TCSANOW, &raw);
    ::fcntl(mMaster, F_SETFL, ::fcntl(mMaster, F_GETFL) | O_NONBLOCK);
    if (const char* name = ::ttyname(mSlave)) mName = QString::fromLocal8Bit(name);
  }
  ~PtyPair() {
    closeMaster();
    if (mSlave >= 0) ::close(mSlave);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return mMaster >= 0 && mSlave >= 0 && !mName.isEmpty(); }
  const QString& slaveName() const { return mName; }

  // Hangs the line up: further writes on the slave fail.
  void closeMaster() {
    if (mMaster >= 0) ::close(mMaster);
    mMaster = -1;
  }

  // Reads until `count` bytes arrived or nothing came for `quietMs`, then
  // goes on for `settleMs` to catch anything sent beyond `count`.
  QByteArray read(int count, int quietMs = 2000, int settleMs = 50) {
    QByteArray out;
    while (out.size() < count && waitReadable(quietMs)) appendAvailable(out);
    while (waitReadable(settleMs)) appendAvailable(out);
    return out;
  }

  // The line settings as the far end sees them.
  std::optional<termios> lineSettings() const {
    termios t{};
    if (::tcgetattr(mSlave, &t) != 0) return std::nullopt;
    return t;
  }

 private:
  bool waitReadable(int timeoutMs) {
    pollfd p{mMaster, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0 && (p.revents & POLLIN);
  }
  void appendAvailable(QByteArray& out) {
    char buf[1024];
    const ssize_t n = ::read(mMaster, buf, sizeof buf);
    if (n > 0) out.append(buf, static_cast<int>(n));
  }

  int mMaster = -1;
  int mSlave = -1;
  QString mName;
};

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QString& value) : mName(name), mHad(qEnvironmentVariableIsSet(name)) {
    if (mHad) mOld = qgetenv(name);
    qputenv(name, value.toLocal8Bit());
  }
  ~ScopedEnv() {
    if (mHad)
      qputenv(mName, mOld);
    else
      qunsetenv(mName);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* mName;
  bool mHad;
  QByteArray mOld;
};

// What a test checks of the line settings.
struct LineSettings {
  bool baud1200 = false;
  bool eightBits = false;
  bool parity = true;
  bool twoStopBits = false;
  bool hardwareFlow = true;
  bool softwareFlow = true;
};

inline LineSettings describe(const termios& t) {
  LineSettings s;
  s.baud1200 = ::cfgetospeed(&t) == B1200 && ::cfgetispeed(&t) == B1200;
  s.eightBits = (t.c_cflag & CSIZE) == CS8;
  s.parity = (t.c_cflag & PARENB) != 0;
  s.twoStopBits = (t.c_cflag & CSTOPB) != 0;
  s.hardwareFlow = (t.c_cflag & CRTSCTS) != 0;
  s.softwareFlow = (t.c_iflag & (IXON | IXOFF)) != 0;
  return s;
}

}  // namespace laserpic::linktest
