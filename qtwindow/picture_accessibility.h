#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zarvel {

// Tells screen readers what a picture control is: a graphic named after
// its picture, or, for the confirm picture, a button they can press.
// Install once with QAccessible::installFactory.
QAccessibleInterface *PictureAccessibilityFactory(const QString &className, QObject *object);

} // namespace zarvel
