#pragma once

#include <QObject>
#include <QStringList>
#include <QtGlobal>

class QAccessibleEvent;

namespace zarvel::test {

// What the window tells screen readers while this lives, in order, as
// "Label5=text": from Qt 6.8 each announcement event the window sends,
// before it each showing of a control's notification with the name it then
// has. One at a time. From Qt 6.8 the events are taken here in place of
// Qt's link to the accessibility bus, so what reaches the bus is heard by
// the Orca test (tests/app/orca_reading_test.sh), not here.
class ToldToScreenReaders final : public QObject {
public:
    ToldToScreenReaders();
    ~ToldToScreenReaders() override;
    ToldToScreenReaders(const ToldToScreenReaders &) = delete;
    ToldToScreenReaders &operator=(const ToldToScreenReaders &) = delete;

    // The texts `control` told, joined by " | ".
    QString By(const QString &control) const;
    // Whether this window tells screen readers anything: from Qt 6.8, only
    // where accessibility is on (a platform without it sends no event). On
    // the accessibility bus (on_accessibility_bus.sh) it must, and a window
    // that does not is a test failure.
    static bool Hears();

    QStringList told;

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    static void Heard(QAccessibleEvent *event);
    void (*previous_)(QAccessibleEvent *) = nullptr;
#else
    bool eventFilter(QObject *object, QEvent *event) override;
#endif
};

} // namespace zarvel::test
