#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class QWidget;

namespace zarvel {

// Tells screen reader users `text` once, as news of `source` (the answer
// label), without moving the focus. Qt 6.8 and later send an announcement,
// which Orca 48 speaks. Qt 6.4 has none; there a notification beside the
// source appears with the text (invisible on the screen), as Orca 43 speaks
// a notification when it is shown.
void Announce(QWidget *source, const QString &text);

// Gives the notification its role for screen readers; installed once, with
// QAccessible::installFactory.
QAccessibleInterface *AnnouncementAccessibilityFactory(const QString &className, QObject *object);

} // namespace zarvel
