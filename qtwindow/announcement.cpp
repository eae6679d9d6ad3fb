#include "announcement.h"

#include "notification_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zarvel {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announce(QWidget *source, const QString &text)
{
    if (source == nullptr)
        return;
    QAccessibleAnnouncementEvent event(source, text);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface *AnnouncementAccessibilityFactory(const QString & /*className*/, QObject * /*object*/)
{
    return nullptr;
}

#else

void Announce(QWidget *source, const QString &text)
{
    if (source == nullptr)
        return;
    const QString name = source->objectName() + QStringLiteral("Announcement");
    auto *notification = source->parentWidget()->findChild<NotificationWidget *>(name, Qt::FindDirectChildrenOnly);
    if (notification == nullptr) {
        notification = new NotificationWidget(source->parentWidget());
        notification->setObjectName(name);
        notification->setGeometry(source->geometry());
    }
    // Shown anew each time, so the same answer twice is told twice.
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
}

QAccessibleInterface *AnnouncementAccessibilityFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("zarvel::NotificationWidget") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

#endif

} // namespace zarvel
