#include "reading/clock_random_source.h"
#include "window/command_line.h"
#include "window/main_window.h"
#include "window/names_file.h"
#include "window/picture_accessibility.h"
#include "window/qt_translation.h"
#include "window/termination_signals.h"

#include <QAccessible>
#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = zarvel::HandleCommandLine(arguments))
        return *exitCode;

    QApplication app(argc, argv);
    // No organisation: the names file lives in ~/.config/zarvel/.
    QApplication::setApplicationName(QStringLiteral("zarvel"));
    QApplication::setApplicationVersion(QStringLiteral(ZARVEL_VERSION));
    // Wayland finds the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zarvel.Zarvel"));

    // Qt's own texts (the text boxes' context menu, message box buttons)
    // in Russian, like the rest of the program.
    QTranslator qtTexts;
    zarvel::InstallRussianQtTexts(qtTexts);
    QAccessible::installFactory(zarvel::PictureAccessibilityFactory);

    zarvel::ClockRandomSource random;
    const zarvel::NamesFile namesFile(zarvel::NamesFile::DefaultPath());
    zarvel::MainWindow window(random, namesFile);
    zarvel::TerminationSignals termination;
    QObject::connect(&termination, &zarvel::TerminationSignals::terminationRequested, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
