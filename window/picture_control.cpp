#include "window/picture_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zarvel {

PictureControl::PictureControl(const QString &name, const QRect &storedGeometry, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(storedGeometry);
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::SetPicture(const QPixmap &picture, const QString &accessibleName)
{
    picture_ = picture;
    setAccessibleName(accessibleName);
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
    update();
}

void PictureControl::MakeClickable()
{
    clickable_ = true;
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureControl::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {
        // Keyboard users need to see where Space would confirm.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureControl::mousePressEvent(QMouseEvent *event)
{
    pressed_ = clickable_ && event->button() == Qt::LeftButton;
    if (!pressed_)
        QWidget::mousePressEvent(event);
}

void PictureControl::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release over the picture, as with any button.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
    else
        QWidget::mouseReleaseEvent(event);
}

void PictureControl::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (clickable_ && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        emit clicked();
    else
        QWidget::keyPressEvent(event);
}

} // namespace zarvel
