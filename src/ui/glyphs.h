#pragma once

#include <QIcon>
#include <QString>

namespace laserpic::ui {

// The small picture of a tool button, looked up by the button's name.
// An unknown name gives an empty icon.
QIcon glyph(const QString& controlName);

// The program's window icon.
QIcon programIcon();

}  // namespace laserpic::ui
