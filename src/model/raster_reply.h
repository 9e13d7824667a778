#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace laserpic::model {

// The metafile helper's answer on its standard output: the magic text, width
// and height as little-endian 32-bit numbers, then width * height pixels as
// little-endian 32-bit ARGB values. Nothing may follow.
inline constexpr char kRasterMagic[] = "LPRASTER";
inline constexpr int kRasterMagicSize = 8;
inline constexpr int kRasterHeaderSize = kRasterMagicSize + 8;
// Larger than the drawing area needs; bounds what the editor accepts.
inline constexpr int kMaxRasterSide = 1024;
inline constexpr qint64 kMaxRasterReplySize =
    kRasterHeaderSize + qint64(kMaxRasterSide) * kMaxRasterSide * 4;

QByteArray encodeRasterReply(const QImage& image);

// Checks the whole reply; a null image and the reason when anything is off.
QImage decodeRasterReply(const QByteArray& reply, QString* error = nullptr);

}  // namespace laserpic::model
