#include "app_setup.h"

#include <QApplication>
#include <QFont>

#include "glyphs.h"

namespace laserpic::ui {

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("laserpic"));
  QApplication::setWindowIcon(programIcon());
  // Arial-like faces keep the captions inside the places the layouts give
  // them; the wider default faces of Linux desktops overlap their neighbours.
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                              QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
}

}  // namespace laserpic::ui
