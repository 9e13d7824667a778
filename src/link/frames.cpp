#include "frames.h"

#include "codepage.h"

namespace laserpic::link {
namespace {

constexpr std::array<std::uint8_t, 8> kDataSpecial = {1, 2, 3, 4, 5, 6, 7, 8};
constexpr char kNameHeader = 0x00;
constexpr char kFirstHalfHeader = static_cast<char>(0xFF);
constexpr char kSecondHalfHeader = static_cast<char>(0xFE);
constexpr char kClosingHeader = 0x01;
constexpr char kClosingMark = 0x78;

std::uint8_t byteAt(const QByteArray& frame, int offset) {
  return static_cast<std::uint8_t>(frame.at(offset));
}

QByteArray halfFrame(char header, const model::PointArray& x, const model::PointArray& y, int first,
                     bool invertX, bool invertY) {
  QByteArray frame(kHalfFrameSize, '\0');
  frame[0] = header;
  for (int k = 0; k < model::kPointCount / 2; ++k) {
    frame[1 + 2 * k] = static_cast<char>(coordinateByte(x[first + k], invertX));
    frame[2 + 2 * k] = static_cast<char>(coordinateByte(y[first + k], invertY));
  }
  return frame;
}

void appendPoints(QString& line, const QByteArray& frame) {
  for (int k = 0; k < model::kPointCount / 2; ++k) {
    line += QString::number(byteAt(frame, 1 + 2 * k));
    line += QLatin1Char('-');
    line += QString::number(byteAt(frame, 2 + 2 * k));
    line += QLatin1String("   ");
  }
}

}  // namespace

std::uint8_t nameByte(std::uint8_t codePageByte) {
  std::uint8_t b = codePageByte;
  if (b >= 0x7F) b = static_cast<std::uint8_t>(b - 0x7F);
  if (b <= 0x20) b = 0x20;
  return b;
}

NameBytes nameBytes(const QString& text) {
  const QByteArray codePage = toWindows1251(text);
  NameBytes out{};
  for (int i = 0; i < kNameLength; ++i)
    out[i] = nameByte(i < codePage.size() ? static_cast<std::uint8_t>(codePage.at(i)) : 0);
  return out;
}

std::uint8_t coordinateByte(std::uint8_t value, bool invert) {
  std::uint8_t v = invert ? static_cast<std::uint8_t>(255 - value) : value;
  if (v < 2) v = 2;
  if (v > 253) v = 253;
  return v;
}

UploadFrames buildUpload(const model::PointArray& x, const model::PointArray& y, const QString& nameText,
                         bool invertX, bool invertY) {
  UploadFrames upload;

  QByteArray& name = upload.frames[0];
  name.reserve(kNameFrameSize);
  name.append(kNameHeader);
  for (std::uint8_t b : kDataSpecial) name.append(static_cast<char>(b));
  for (std::uint8_t b : nameBytes(nameText)) name.append(static_cast<char>(b));

  upload.frames[1] = halfFrame(kFirstHalfHeader, x, y, 0, invertX, invertY);
  upload.frames[2] = halfFrame(kSecondHalfHeader, x, y, model::kPointCount / 2, invertX, invertY);
  upload.frames[3] = QByteArray{} + kClosingHeader + kClosingMark;
  return upload;
}

QStringList uploadLog(const UploadFrames& upload, const QString& nameText, int framesBegun,
                      qint64 bytesSent) {
  QStringList lines;

  QString first = QStringLiteral(" Data Special: ");
  for (int i = 1; i <= 8; ++i) first += QString::number(byteAt(upload.frames[0], i)) + QLatin1String("  ");
  first += QStringLiteral("    Имя картинки: ") + nameText + QLatin1String("      ");
  for (int i = 9; i < kNameFrameSize; ++i)
    first += QString::number(byteAt(upload.frames[0], i)) + QLatin1String("  ");
  lines << first;

  // The point entries are written before each half goes out, so a transfer
  // that stopped early lists the points of the half it was sending.
  if (framesBegun >= 2) {
    lines << QStringLiteral(" ");
    QString points = QStringLiteral(" Запись данных(X-Y):  ");
    points.reserve(points.size() + model::kPointCount * 12);
    appendPoints(points, upload.frames[1]);
    if (framesBegun >= 3) appendPoints(points, upload.frames[2]);
    lines << points;
  }

  lines << QStringLiteral(" ");
  lines << QStringLiteral("  CRC =     всего отправлено ") + QString::number(bytesSent) +
               QStringLiteral(" байт ");
  return lines;
}

QByteArray commandFrame(std::uint8_t code, std::uint8_t parameter) {
  auto keepOffEnds = [](std::uint8_t b) -> char {
    if (b == 0) return 1;
    if (b == 255) return static_cast<char>(254);
    return static_cast<char>(b);
  };
  QByteArray frame(kCommandFrameSize, '\0');
  frame[1] = keepOffEnds(code);
  frame[2] = keepOffEnds(parameter);
  return frame;
}

}  // namespace laserpic::link
