#include "command_line.h"
#include "core/clock_random_source.h"
#include "qtwindow/announcement.h"
#include "qtwindow/main_window.h"
#include "qtwindow/picture_accessibility.h"
#include "qtwindow/qt_translation.h"
#include "qtwindow/termination_signals.h"
#include "storage/files.h"
#include "storage/names_file.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <csignal>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = zarvel::HandleCommandLine(arguments))
        return *exitCode;

    // Past a file-size limit a write should fail and be told like any
    // failed save, not kill the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication app(argc, argv);
    // No organisation: the names file lives in ~/.config/zarvel/.
    QApplication::setApplicationName(QStringLiteral("zarvel"));
    QApplication::setApplicationVersion(QStringLiteral(ZARVEL_VERSION));
    // Wayland finds the icon through the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZARVEL_APP_ID));

    // Qt's own texts (the text boxes' context menu, message box buttons)
    // in Russian, like the rest of the program.
    QTranslator qtTexts;
    zarvel::InstallRussianQtTexts(qtTexts);
    QAccessible::installFactory(zarvel::PictureAccessibilityFactory);
    QAccessible::installFactory(zarvel::AnnouncementAccessibilityFactory);

    zarvel::ClockRandomSource random;
    zarvel::MainWindow *shown = nullptr;
    zarvel::NamesFile namesFile(zarvel::DefaultNamesPath(), [&shown](const std::string &message) {
        QMessageBox::critical(shown, shown->windowTitle(), QString::fromStdString(message));
    });
    zarvel::MainWindow window(random, namesFile);
    shown = &window;
    zarvel::TerminationSignals termination;
    // A second request while the failure is shown ends the program: a
    // logout must not wait for a dialog nobody sees.
    QObject::connect(&termination, &zarvel::TerminationSignals::terminationRequested, &window, [&window] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
        else
            window.close();
    });
    window.show();
    const int status = QApplication::exec();
    // A session manager or a script must see that the names were lost.
    return window.SaveFailed() ? 1 : status;
}
