#pragma once

#include <QWidget>

namespace zarvel {

// Where Qt has no announcements (before 6.8): a widget that screen readers
// see as a notification and nobody sees on the screen. It draws nothing and
// takes no input; showing it with a new name tells screen readers the name.
class NotificationWidget final : public QWidget {
    Q_OBJECT

public:
    explicit NotificationWidget(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
};

} // namespace zarvel
