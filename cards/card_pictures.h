#pragma once

#include <QPixmap>
#include <QString>

namespace zarvel {

// The picture that catalogue control Image<N> carries: a card face for a
// card code, the confirm picture for 45, the back for 77; a null pixmap for
// any other number. On a screen with a device pixel ratio above 1 the
// picture is the one drawn at twice the size, marked with ratio 2, so it
// keeps its logical size and stays sharp.
QPixmap CataloguePicture(int imageNumber, qreal devicePixelRatio);

// Where that picture is stored inside the program, for reading it only when
// it is first shown; empty when the control carries none.
QString CataloguePicturePath(int imageNumber, qreal devicePixelRatio);

// The ratio the stored picture is drawn at on such a screen: 1 or 2.
qreal CataloguePictureRatio(qreal devicePixelRatio);

// What a screen reader says for that picture ("Дама червей", "Рубашка",
// "Ок"); empty when the control carries none.
QString CataloguePictureName(int imageNumber);

} // namespace zarvel
