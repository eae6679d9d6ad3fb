#include "cards/card_pictures.h"

#include "cards/card_names.h"
#include "state/card_code.h"

namespace zarvel {

namespace {

constexpr int ConfirmImage = 45;
constexpr int BackImage = 77;

bool CarriesPicture(int imageNumber)
{
    return IsValidCardCode(imageNumber) || imageNumber == ConfirmImage || imageNumber == BackImage;
}

} // namespace

qreal CataloguePictureRatio(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0 ? 2.0 : 1.0;
}

QString CataloguePicturePath(int imageNumber, qreal devicePixelRatio)
{
    if (!CarriesPicture(imageNumber))
        return {};
    const bool doubled = CataloguePictureRatio(devicePixelRatio) > 1.0;
    return (doubled ? QStringLiteral(":/cards/image%1@2x.png") : QStringLiteral(":/cards/image%1.png")).arg(imageNumber);
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

QString CataloguePictureName(int imageNumber)
{
    if (imageNumber == ConfirmImage)
        return QStringLiteral("Ок");
    if (imageNumber == BackImage)
        return QStringLiteral("Рубашка");
    return QString::fromStdString(CardName(imageNumber));
}

} // namespace zarvel
