#include "glyphs.h"

#include <QFile>

// Resources built into a static library register only when something refers
// to them, so the first lookup does it. Outside any namespace, as the macro
// needs.
static void registerGlyphResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(glyphs);
    return true;
  }();
  (void)registered;
}

namespace laserpic::ui {

QIcon glyph(const QString& controlName) {
  registerGlyphResources();
  const QString path = QStringLiteral(":/glyphs/%1.svg").arg(controlName);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

QIcon programIcon() {
  registerGlyphResources();
  return QIcon(QStringLiteral(":/icons/laserpic.svg"));
}

}  // namespace laserpic::ui
