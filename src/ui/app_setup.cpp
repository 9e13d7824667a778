#include "app_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
  // The interface is Russian whatever the desktop's language, so Qt's own
  // dialogs and buttons (file dialogs, Yes, No, OK) speak Russian too.
  static QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
}

}  // namespace laserpic::ui
