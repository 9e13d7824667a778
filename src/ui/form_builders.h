#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace laserpic::ui {

// The classic dialog font at a pixel height.
QFont classicFont(int pixelSize, bool bold = false);

// A label at its design place, sized to its caption.
QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& caption);

// A flat 22-pixel-high tool button with a hand cursor, its hint as tooltip
// and its glyph (if one is drawn for its name); a toggle stays down.
QToolButton* makeToolButton(QWidget* parent, const QString& name, int left, int top, const QString& hint,
                            bool toggle = false, int width = 23);

}  // namespace laserpic::ui
