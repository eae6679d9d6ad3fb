#include "picture_accessibility.h"

#include "picture_control.h"

#include <QAccessibleWidget>

namespace zarvel {

namespace {

class AccessiblePicture final : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureControl *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    // Asked each time: the interface may be made before the picture becomes
    // clickable.
    QAccessible::Role role() const override
    {
        return Picture()->IsClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    // An empty picture control draws nothing, so a screen reader should not
    // offer it either.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!Picture()->HasPicture())
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (Picture()->IsClickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && Picture()->IsClickable())
            emit Picture()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureControl *Picture() const { return static_cast<PictureControl *>(widget()); }
};

} // namespace

QAccessibleInterface *PictureAccessibilityFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("zarvel::PictureControl") && object && object->isWidgetType())
        return new AccessiblePicture(static_cast<PictureControl *>(object));
    return nullptr;
}

} // namespace zarvel
