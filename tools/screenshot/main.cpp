// Makes the README's screenshot: the real window after a whole reading,
// with names typed, a question picked and the cards laid.
#include "reading/clock_random_source.h"
#include "window/main_window.h"
#include "window/names_file.h"
#include "window/picture_control.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir home; // the user's own names file is never touched
    const zarvel::NamesFile namesFile(home.filePath(QStringLiteral("Zarvel.TXT")));
    zarvel::ClockRandomSource random;
    zarvel::MainWindow window(random, namesFile);
    window.show();

    window.findChild<QAction *>(QStringLiteral("На_королей_дама_черви"))->trigger();
    window.findChild<QAction *>(QStringLiteral("Назначить_имена"))->trigger();
    const char *names[] = {"Андрей", "Борис", "Виктор", "Глеб"};
    for (int i = 0; i < 4; ++i)
        window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))->setText(QString::fromUtf8(names[i]));
    emit window.findChild<zarvel::PictureControl *>(QStringLiteral("Image45"))->clicked();
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();

    // Long enough for all 31 cards and the answer.
    QTimer::singleShot(2500, &window, [&] {
        const bool saved = window.grab().save(output, "PNG");
        std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(output));
        app.exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
