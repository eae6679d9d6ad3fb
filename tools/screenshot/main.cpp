// Makes the README's screenshot: the real window after a whole reading,
// with names typed, a question picked and the cards laid.
#include "qtwindow/main_window.h"
#include "qtwindow/picture_control.h"
#include "replay/scripted_random.h"
#include "storage/names_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include <array>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir home; // the user's own names file is never touched
    zarvel::NamesFile namesFile(home.filePath(QStringLiteral("Zarvel.TXT")).toStdString());
    // The same reading every time: the querent's queen of hearts turns up
    // seventh, in the second column, after six cards face down.
    zarvel::replay::ScriptedRandom random(zarvel::replay::LayoutDraws(24,
        {12, 25, 33, 4, 19, 7, 14, 29, 2, 35, 11, 24, 39, 5, 16, 21, 32, 13, 3, 27, 31, 15, 22, 34, 1, 17, 26, 37, 9,
            23, 36, 13, 6, 3, 19, 5, 12, 2}));
    zarvel::MainWindow window(random, namesFile);
    window.show();

    window.findChild<QAction *>(QStringLiteral("На_королей_дама_черви"))->trigger();
    window.findChild<QAction *>(QStringLiteral("Назначить_имена"))->trigger();
    const std::array names = {"Андрей", "Борис", "Виктор", "Глеб"};
    for (int i = 0; i < 4; ++i)
        window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i + 1))
            ->setText(QString::fromUtf8(names.at(static_cast<std::size_t>(i))));
    emit window.findChild<zarvel::PictureControl *>(QStringLiteral("Image45"))->clicked();
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();

    // Long enough for all 31 cards and the answer.
    QTimer::singleShot(2500, &window, [&] {
        const bool saved = window.grab().save(output, "PNG");
        std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(output));
        QApplication::exit(saved ? 0 : 1);
    });
    return QApplication::exec();
}
