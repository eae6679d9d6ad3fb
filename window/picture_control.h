#pragma once

#include <QPixmap>
#include <QWidget>

namespace zarvel {

// An Image control: draws its picture unscaled at its top-left corner and
// takes the picture's size; without a picture it keeps its stored size and
// draws nothing at all. Its accessible name says what the picture shows.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    PictureControl(const QString &name, const QRect &storedGeometry, QWidget *parent);

    void SetPicture(const QPixmap &picture, const QString &accessibleName);
    // The same for a stored picture that is read only when first needed:
    // most of the catalogue is never shown, and reading it all would slow
    // the start.
    void SetStoredPicture(const QString &path, qreal devicePixelRatio, const QString &accessibleName);
    const QPixmap &Picture() const;
    bool HasPicture() const { return !storedPath_.isEmpty() || !picture_.isNull(); }

    // Makes the control a button: a click, Space or Enter raises clicked(),
    // and screen readers offer it as a button to press.
    void MakeClickable();
    bool IsClickable() const { return clickable_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    mutable QPixmap picture_;
    mutable QString storedPath_; // not yet read when set
    qreal storedRatio_ = 1.0;
    bool clickable_ = false;
    bool pressed_ = false;
};

} // namespace zarvel
