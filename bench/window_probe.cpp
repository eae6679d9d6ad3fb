// Measures one start of the window, or of a minimal Qt main window with a
// menu bar as the baseline: prints the wall-clock time at which the window
// is first exposed (the caller knows when it started the process), the
// resident memory then, and for Zarvel the duration of a full 31-card
// reveal that starts right after a tick.
#include "qtwindow/main_window.h"
#include "replay/scripted_random.h"
#include "storage/names_file.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

long long RealtimeMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

long ResidentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

class ExposeWatcher : public QObject {
public:
    explicit ExposeWatcher(std::function<void()> onFirstExpose)
        : onFirstExpose_(std::move(onFirstExpose))
    {
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && onFirstExpose_) {
            auto once = std::move(onFirstExpose_);
            onFirstExpose_ = nullptr;
            QTimer::singleShot(0, once);
        }
        return QObject::eventFilter(object, event);
    }

private:
    std::function<void()> onFirstExpose_;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool baseline = argc > 1 && QByteArray(argv[1]) == "--baseline";

    QTemporaryDir home;
    // Slot 1 holds the seven of hearts, the others the six: the queen of
    // hearts is never dealt, so all 31 cards are laid.
    zarvel::replay::ScriptedRandom random(zarvel::replay::LayoutDraws(2, {1}));
    zarvel::NamesFile namesFile(home.filePath(QStringLiteral("Zarvel.TXT")).toStdString());
    std::unique_ptr<QMainWindow> window;
    if (baseline) {
        window = std::make_unique<QMainWindow>();
        window->menuBar()->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Item"));
        window->setCentralWidget(new QWidget);
        window->resize(747, 560);
    } else {
        window = std::make_unique<zarvel::MainWindow>(random, namesFile);
    }

    QElapsedTimer reveal;
    auto report = [&](long long shownAt, long rss, double revealMs) {
        std::printf("shown_at_us=%lld rss_kib=%ld reveal_ms=%.1f\n", shownAt, rss, revealMs);
        QCoreApplication::quit();
    };
    ExposeWatcher watcher([&] {
        const long long shownAt = RealtimeMicroseconds();
        const long rss = ResidentKib();
        if (baseline) {
            report(shownAt, rss, 0);
            return;
        }
        window->findChild<QAction *>(QStringLiteral("На_королей_дама_черви"))->trigger();
        auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
        auto *lastSlot = window->findChild<QWidget *>(QStringLiteral("Image76"));
        auto *poll = new QTimer(&app);
        poll->setTimerType(Qt::PreciseTimer);
        QObject::connect(poll, &QTimer::timeout, [&reveal, &report, lastSlot, poll, shownAt, rss] {
            if (lastSlot->isVisible()) {
                poll->stop();
                report(shownAt, rss, static_cast<double>(reveal.nsecsElapsed()) / 1e6);
            }
        });
        // Deal right after a tick, as a click would land between two ticks.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(timer, &QTimer::timeout, [&reveal, &window, poll, connection] {
            QObject::disconnect(*connection);
            reveal.start();
            window->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            poll->start(1);
        });
    });
    window->winId(); // creates the native window, which receives the expose event
    window->windowHandle()->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}
