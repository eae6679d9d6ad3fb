#pragma once

#include <QPixmap>
#include <QWidget>

namespace zarvel {

// An Image control: draws its picture unscaled at its top-left corner and
// takes the picture's size; without a picture it keeps its stored size and
// draws nothing at all. Its accessible name says what the picture shows.
// Every picture is one of the catalogue's, and is read only when first
// drawn or copied out: most of the catalogue is never shown, and reading it
// all would slow the start.
class PictureControl : public QWidget {
    Q_OBJECT

public:
    PictureControl(const QString &name, const QRect &storedGeometry, QWidget *parent);

    // Shows the picture that catalogue control Image<number> carries, drawn
    // for a screen of the given device pixel ratio.
    void ShowCataloguePicture(int number, qreal screenRatio);
    // Shows the same picture as the source; the source keeps it.
    void CopyPictureFrom(const PictureControl &source);
    // Draws the picture anew for a screen of another pixel ratio.
    void UseScreenRatio(qreal screenRatio);

    const QPixmap &Picture() const;
    bool HasPicture() const { return number_ != 0; }

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
    int number_ = 0; // the catalogue control whose picture this is, 0 for none
    qreal screenRatio_ = 1.0;
    mutable QPixmap picture_; // read when first needed
    bool clickable_ = false;
    bool pressed_ = false;
};

} // namespace zarvel
