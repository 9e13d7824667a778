#include "codepage.h"

#include <QList>
#include <QStringEncoder>

#include <array>

namespace laserpic::link {
namespace {

// Characters of the bytes 0x80..0xBF. The unassigned 0x98 stands for
// U+0098, as the system converters keep it.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

constexpr std::uint8_t kUnknown = '?';

// Qt offers the code page only when built with ICU; checked once per run.
bool systemHasCodePage() {
  static const bool has = QStringEncoder("windows-1251").isValid();
  return has;
}

std::uint8_t encodeOne(char32_t codePoint) {
  if (systemHasCodePage()) {
    // A fresh encoder each time: after one unmappable character Qt's ICU
    // encoder no longer reports errors reliably, even after resetState().
    QStringEncoder encoder("windows-1251", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QString::fromUcs4(&codePoint, 1));
    if (encoder.hasError() || bytes.size() != 1) return kUnknown;
    return static_cast<std::uint8_t>(bytes.at(0));
  }
  return windows1251FromTable(codePoint).value_or(kUnknown);
}

}  // namespace

std::optional<std::uint8_t> windows1251FromTable(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<std::uint8_t>(codePoint);
  if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<std::uint8_t>(codePoint - 0x0410 + 0xC0);
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == codePoint) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

QByteArray toWindows1251(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  // One byte per character; a surrogate pair is one character.
  for (const uint codePoint : text.toUcs4()) out.append(static_cast<char>(encodeOne(codePoint)));
  return out;
}

}  // namespace laserpic::link
