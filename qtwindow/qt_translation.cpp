#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zarvel {

bool InstallRussianQtTexts(QTranslator &translator)
{
    const bool loaded = translator.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(&translator);
    return loaded;
}

} // namespace zarvel
