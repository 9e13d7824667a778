#include "raster_reply.h"

#include <QtEndian>

#include <cstring>

namespace laserpic::model {

QByteArray encodeRasterReply(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  QByteArray out;
  out.reserve(kRasterHeaderSize + qsizetype(image.width()) * image.height() * 4);
  out.append(kRasterMagic, kRasterMagicSize);
  char word[4];
  qToLittleEndian<quint32>(quint32(image.width()), word);
  out.append(word, 4);
  qToLittleEndian<quint32>(quint32(image.height()), word);
  out.append(word, 4);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      qToLittleEndian<quint32>(line[x], word);
      out.append(word, 4);
    }
  }
  return out;
}

QImage decodeRasterReply(const QByteArray& reply, QString* error) {
  auto fail = [error](const char* why) {
    if (error) *error = QString::fromLatin1(why);
    return QImage();
  };
  if (reply.size() < kRasterHeaderSize) return fail("the helper's answer is too short");
  if (std::memcmp(reply.constData(), kRasterMagic, kRasterMagicSize) != 0)
    return fail("the helper's answer has no image header");
  const auto* data = reinterpret_cast<const uchar*>(reply.constData());
  const quint32 width = qFromLittleEndian<quint32>(data + kRasterMagicSize);
  const quint32 height = qFromLittleEndian<quint32>(data + kRasterMagicSize + 4);
  if (width < 1 || height < 1 || width > quint32(kMaxRasterSide) || height > quint32(kMaxRasterSide))
    return fail("the helper's image has an impossible size");
  if (reply.size() != kRasterHeaderSize + qint64(width) * height * 4)
    return fail("the helper's image is incomplete");
  QImage image(int(width), int(height), QImage::Format_ARGB32);
  if (image.isNull()) return fail("no memory for the image");
  const uchar* pixel = data + kRasterHeaderSize;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x, pixel += 4) line[x] = qFromLittleEndian<quint32>(pixel);
  }
  return image;
}

}  // namespace laserpic::model
