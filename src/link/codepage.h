#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace laserpic::link {

// The device stores names in the Windows-1251 code page, as the program's
// texts always were. Characters the code page lacks become '?'.
QByteArray toWindows1251(const QString& text);

// Our own table of the code page, used when Qt offers no converter for it.
// Empty for a character the code page lacks.
std::optional<std::uint8_t> windows1251FromTable(char32_t codePoint);

}  // namespace laserpic::link
