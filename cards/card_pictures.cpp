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

QPixmap CataloguePicture(int imageNumber, qreal devicePixelRatio)
{
    if (!CarriesPicture(imageNumber))
        return {};
    const bool doubled = devicePixelRatio > 1.0;
    QPixmap picture(doubled ? QStringLiteral(":/cards/image%1@2x.png").arg(imageNumber)
                            : QStringLiteral(":/cards/image%1.png").arg(imageNumber));
    picture.setDevicePixelRatio(doubled ? 2.0 : 1.0);
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
