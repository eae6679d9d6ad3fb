#pragma once

#include <QPixmap>
#include <QString>

namespace zarvel {

// The pictures of the catalogue (CataloguePictures() in the core), embedded
// in the program as drawn by the picture tool.

// The picture that catalogue control Image<N> carries; a null pixmap when
// it carries none. On a screen with a device pixel ratio above 1 it is the
// one drawn at twice the size, marked with ratio 2, so it keeps its logical
// size and stays sharp.
QPixmap CataloguePicture(int imageNumber, qreal devicePixelRatio);

// Where that picture is stored inside the program, for reading it only
// when it is first shown; empty when the control carries none.
QString CataloguePicturePath(int imageNumber, qreal devicePixelRatio);

// The ratio the stored picture is drawn at on such a screen: 1 or 2.
qreal CataloguePictureRatio(qreal devicePixelRatio);

} // namespace zarvel
