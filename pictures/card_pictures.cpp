#include "card_pictures.h"

#include "core/catalogue.h"

// The embedded pictures live in a static library, so their registration
// must be pulled in by name; outside any namespace, as Qt requires.
static void RegisterPictures() { Q_INIT_RESOURCE(pictures); }

namespace zarvel {

qreal CataloguePictureRatio(qreal devicePixelRatio) { return devicePixelRatio > 1.0 ? 2.0 : 1.0; }

QString CataloguePicturePath(int imageNumber, qreal devicePixelRatio)
{
    static const bool registered = (RegisterPictures(), true);
    if (!registered || !CarriesPicture(imageNumber))
        return {};
    const int scale = static_cast<int>(CataloguePictureRatio(devicePixelRatio));
    return QStringLiteral(":/cards/") + QString::fromStdString(PictureFileName(imageNumber, scale));
}

QPixmap CataloguePicture(int imageNumber, qreal devicePixelRatio)
{
    const QString path = CataloguePicturePath(imageNumber, devicePixelRatio);
    if (path.isEmpty())
        return {};
    QPixmap picture(path);
    picture.setDevicePixelRatio(CataloguePictureRatio(devicePixelRatio));
    return picture;
}

} // namespace zarvel
