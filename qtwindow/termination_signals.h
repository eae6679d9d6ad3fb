#pragma once

#include <QObject>

class QSocketNotifier;

namespace zarvel {

// Turns SIGTERM (logout, shutdown), SIGHUP and SIGINT into a Qt signal on
// the user-interface thread, so the program closes its window, and saves
// the names, exactly as when the user closes it.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    void Drain();

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace zarvel
