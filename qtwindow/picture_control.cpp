#include "picture_control.h"

#include "core/catalogue.h"
#include "pictures/card_pictures.h"

#include <QImageReader>
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

void PictureControl::ShowCataloguePicture(int number, qreal screenRatio)
{
    const QString path = CataloguePicturePath(number, screenRatio);
    if (path.isEmpty())
        return;
    number_ = number;
    screenRatio_ = screenRatio;
    picture_ = QPixmap();
    setAccessibleName(QString::fromStdString(PictureName(number)));
    // The file's header alone gives the size the control takes.
    resize((QSizeF(QImageReader(path).size()) / CataloguePictureRatio(screenRatio)).toSize());
    update();
}

void PictureControl::CopyPictureFrom(const PictureControl &source)
{
    if (!source.HasPicture())
        return;
    ShowCataloguePicture(source.number_, source.screenRatio_);
    picture_ = source.Picture(); // read once in the source, shared by every copy
}

void PictureControl::UseScreenRatio(qreal screenRatio)
{
    if (HasPicture() && screenRatio != screenRatio_)
        ShowCataloguePicture(number_, screenRatio);
}

const QPixmap &PictureControl::Picture() const
{
    if (picture_.isNull() && HasPicture())
        picture_ = CataloguePicture(number_, screenRatio_);
    return picture_;
}

void PictureControl::MakeClickable()
{
    clickable_ = true;
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureControl::paintEvent(QPaintEvent * /*event*/)
{
    if (Picture().isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, Picture());
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
