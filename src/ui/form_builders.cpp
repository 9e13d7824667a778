#include "form_builders.h"

#include <QLabel>
#include <QToolButton>

#include "glyphs.h"

namespace laserpic::ui {

QFont classicFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& caption) {
  auto* l = new QLabel(caption, parent);
  l->setObjectName(name);
  l->move(left, top);
  l->adjustSize();
  return l;
}

QToolButton* makeToolButton(QWidget* parent, const QString& name, int left, int top, const QString& hint,
                            bool toggle, int width) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setGeometry(left, top, width, 22);
  b->setAutoRaise(true);
  b->setCheckable(toggle);
  b->setCursor(Qt::PointingHandCursor);
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  const QIcon icon = glyph(name);
  if (!icon.isNull()) {
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
  }
  return b;
}

}  // namespace laserpic::ui
