#include "told_to_screen_readers.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

#include <gtest/gtest.h>

namespace zarvel::test {

QString ToldToScreenReaders::By(const QString &control) const
{
    QStringList texts;
    for (const QString &said : told) {
        if (said.startsWith(control + QLatin1Char('=')))
            texts << said.mid(control.size() + 1);
    }
    return texts.join(QStringLiteral(" | "));
}

bool ToldToScreenReaders::Hears()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const bool hears = QAccessible::isActive();
#else
    const bool hears = true;
#endif
    if (!hears && qEnvironmentVariableIsSet("ZARVEL_ON_ACCESSIBILITY_BUS"))
        ADD_FAILURE() << "accessibility is off on the accessibility bus";
    return hears;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

namespace {

ToldToScreenReaders *listening = nullptr;

} // namespace

// Qt hands every accessibility event to the update handler instead of the
// platform while one is installed, and only while accessibility is on.
ToldToScreenReaders::ToldToScreenReaders()
    : previous_(QAccessible::installUpdateHandler(&ToldToScreenReaders::Heard))
{
    listening = this;
    // On the accessibility bus, Qt turns accessibility on once it has
    // reached the bus: a turn of the event loop after the window starts.
    QElapsedTimer waited;
    waited.start();
    while (qEnvironmentVariableIsSet("ZARVEL_ON_ACCESSIBILITY_BUS") && !QAccessible::isActive()
        && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

ToldToScreenReaders::~ToldToScreenReaders()
{
    QAccessible::installUpdateHandler(previous_);
    listening = nullptr;
}

void ToldToScreenReaders::Heard(QAccessibleEvent *event)
{
    if (listening == nullptr || event->type() != QAccessible::Announcement)
        return;
    const auto *announcement = static_cast<QAccessibleAnnouncementEvent *>(event);
    listening->told << announcement->object()->objectName() + QLatin1Char('=') + announcement->message();
}

#else

ToldToScreenReaders::ToldToScreenReaders() { qApp->installEventFilter(this); }

ToldToScreenReaders::~ToldToScreenReaders() { qApp->removeEventFilter(this); }

// A notification is named "<control>Announcement" and shown anew for each
// announcement; a screen reader reads its accessible name.
bool ToldToScreenReaders::eventFilter(QObject *object, QEvent *event)
{
    const QString suffix = QStringLiteral("Announcement");
    if (event->type() == QEvent::Show && object->objectName().endsWith(suffix)) {
        QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(object);
        const QString control = object->objectName().chopped(suffix.size());
        told << control + QLatin1Char('=')
                + (notification && notification->role() == QAccessible::Notification
                        ? notification->text(QAccessible::Name)
                        : QStringLiteral("(no notification)"));
    }
    return false;
}

#endif

} // namespace zarvel::test
