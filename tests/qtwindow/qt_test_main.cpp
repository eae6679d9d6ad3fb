// GoogleTest main for the tests that need a QApplication. The names file
// and Qt's own settings are pointed at a fresh temporary home, so a test
// run never touches the real one.
#include "qtwindow/announcement.h"
#include "qtwindow/picture_accessibility.h"
#include "qtwindow/qt_translation.h"

#include <QAccessible>
#include <QApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarvel"));
    QAccessible::installFactory(zarvel::PictureAccessibilityFactory);
    QAccessible::installFactory(zarvel::AnnouncementAccessibilityFactory);
    QTranslator qtTexts;
    zarvel::InstallRussianQtTexts(qtTexts);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
