#include "glyphs.h"

#include <QFile>

namespace laserpic::ui {

QIcon glyph(const QString& controlName) {
  const QString path = QStringLiteral(":/glyphs/%1.svg").arg(controlName);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

}  // namespace laserpic::ui
