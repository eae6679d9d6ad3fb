// Measures the window holding four names of a given length: CPU while it
// sits idle with the names confirmed (Timer1 ticking), CPU while the name
// boxes are open and one has the focus (its cursor blinking), and the time
// a keystroke at the end of a name takes to be handled and to be drawn.
// bench/measure-responsiveness runs it for short names, for the longest
// that typing makes and for the longest that the names file may bring.
#include "core/name_lines.h"
#include "qtwindow/main_window.h"
#include "replay/scripted_random.h"
#include "storage/names_file.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Percent of one core over `ms` milliseconds of the event loop.
double IdleCpu(int ms)
{
    const double before = CpuSeconds();
    QTest::qWait(ms);
    return 100 * (CpuSeconds() - before) / (ms / 1000.0);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // "longest": names as long as typing makes them; "file": as long as a
    // name the names file brings may be; anything else: four letters.
    const QByteArray kind = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    qsizetype length = 4;
    if (kind == "longest")
        length = static_cast<qsizetype>(zarvel::MaxTypedNameLength);
    else if (kind == "file")
        length = static_cast<qsizetype>(zarvel::MaxNameLength);
    QTemporaryDir home;
    zarvel::NamesFile namesFile(home.filePath(QStringLiteral("Zarvel.TXT")).toStdString());
    const std::string name = QString(length, QChar(0x0416)).toStdString(); // Ж
    namesFile.Write({name, name, name, name});
    zarvel::replay::ScriptedRandom random({});
    zarvel::MainWindow window(random, namesFile);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto trigger = [&](const char *item) { window.findChild<QAction *>(QString::fromUtf8(item))->trigger(); };
    trigger("На_королей_дама_черви");
    QTest::qWait(500); // the labels take the names
    const double idle = IdleCpu(5000);

    trigger("Назначить_имена");
    auto *box = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    box->setFocus();
    box->end(false);
    QTest::qWait(500);
    const double open = IdleCpu(5000);

    std::vector<double> handled;
    std::vector<double> drawn;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer clock;
        clock.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
        handled.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        box->repaint(); // what the next frame costs
        drawn.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(100); // two ticks: the label follows
    }
    std::printf("length=%lld idle_cpu_pct=%.2f boxes_open_cpu_pct=%.2f key_handled_ms=%.2f key_drawn_ms=%.2f\n",
        static_cast<long long>(length), idle, open, Median(handled), Median(drawn));
    return 0;
}
