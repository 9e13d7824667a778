#pragma once

// A port that stands in for hardware which misbehaves in ways a
// pseudo-terminal cannot: settings refused, bytes lost on the way.
#include <QStringList>

#include <algorithm>
#include <limits>
#include <memory>

#include "link/serial_port.h"

namespace laserpic::linktest {

struct FakePortState {
  bool opens = true;
  bool configures = true;
  qint64 acceptLimit = std::numeric_limits<qint64>::max();  // bytes that get through
  bool open = false;
  int openCount = 0;
  int closeCount = 0;
  QStringList names;
  QByteArray written;
};

class FakePort final : public link::DevicePort {
 public:
  explicit FakePort(std::shared_ptr<FakePortState> state) : mState(std::move(state)) {}

  bool isOpen() const override { return mState->open; }
  bool open(const QString& systemName) override {
    mState->names << systemName;
    if (!mState->opens) return false;
    mState->open = true;
    ++mState->openCount;
    return true;
  }
  bool configure(link::StopBits) override { return mState->configures; }
  qint64 write(const QByteArray& frame) override {
    if (!mState->open) return 0;
    const qint64 room = std::max<qint64>(0, mState->acceptLimit - mState->written.size());
    const qint64 n = std::min<qint64>(frame.size(), room);
    mState->written += frame.left(n);
    reportProgress(mState->written.size());
    return n;
  }
  qint64 drain() override { return 0; }
  void close() override {
    mState->open = false;
    ++mState->closeCount;
  }

 private:
  std::shared_ptr<FakePortState> mState;
};

// Makes every port created while it lives a fake sharing `state`.
class ScopedFakePorts {
 public:
  ScopedFakePorts() : state(std::make_shared<FakePortState>()) {
    link::setPortFactory([s = state] { return std::make_unique<FakePort>(s); });
  }
  ~ScopedFakePorts() { link::setPortFactory({}); }
  ScopedFakePorts(const ScopedFakePorts&) = delete;
  ScopedFakePorts& operator=(const ScopedFakePorts&) = delete;

  std::shared_ptr<FakePortState> state;
};

}  // namespace laserpic::linktest
