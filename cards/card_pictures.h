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

// What a screen reader says for that picture ("Дама червей", "Рубашка",
// "Ок"); empty when the control carries none.
QString CataloguePictureName(int imageNumber);

} // namespace zarvel
