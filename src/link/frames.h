#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "model/figure_model.h"

namespace laserpic::link {

constexpr int kNameLength = 8;
constexpr int kNameFrameSize = 17;
constexpr int kHalfFrameSize = 257;
constexpr int kClosingFrameSize = 2;
constexpr int kUploadSize = kNameFrameSize + 2 * kHalfFrameSize + kClosingFrameSize;  // 533
constexpr int kCommandFrameSize = 3;

using NameBytes = std::array<std::uint8_t, kNameLength>;

// One byte of the name as the device takes it: above '~' folds down by 0x7F,
// and whatever is then a control character or blank becomes a space.
std::uint8_t nameByte(std::uint8_t codePageByte);
// The eight name bytes of a text, filled up with spaces.
NameBytes nameBytes(const QString& text);

// One coordinate as sent: mirrored first when asked, then kept off the
// frame headers 0x00, 0x01, 0xFE and 0xFF.
std::uint8_t coordinateByte(std::uint8_t value, bool invert);

// The four upload frames of one picture, in the order they go out.
struct UploadFrames {
  std::array<QByteArray, 4> frames;  // name, first half, second half, closing

  QByteArray wire() const { return frames[0] + frames[1] + frames[2] + frames[3]; }
};

UploadFrames buildUpload(const model::PointArray& x, const model::PointArray& y, const QString& nameText,
                         bool invertX, bool invertY);

// The upload log, one entry per line, built from the bytes of the frames.
// framesBegun is how many frames were started (4 for a whole upload); the
// last line carries the count of bytes that actually reached the line.
QStringList uploadLog(const UploadFrames& upload, const QString& nameText, int framesBegun, qint64 bytesSent);

// The 3-byte command; code and parameter avoid the values 0 and 255.
QByteArray commandFrame(std::uint8_t code, std::uint8_t parameter);

}  // namespace laserpic::link
