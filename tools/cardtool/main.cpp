// Renders the program's pictures at build time from the "atlasnye" deck of
// AisleRiot (pictures/atlasnye.svgz):
//   cardtool DECK.svgz FOLDER         every picture of the catalogue (the
//       36 faces, the card back and the confirm picture) at 1× and 2×,
//       named after the picture control that carries it, and pictures.qrc
//       listing them for the program's resources;
//   cardtool --icon DECK.svgz FOLDER NAME  the program's icon, the queen
//       of hearts, as NAME.svg and NAME-<size>.png for 48, 128, 192, 256
//       and 512 (the web edition's manifest wants the last ones).
#include "core/card_code.h"
#include "core/catalogue.h"
#include "core/control_names.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace {

constexpr QSize FaceSize(71, 96);
constexpr QSize BackSize(75, 96);
constexpr QSize ConfirmSize(51, 20);
constexpr QRgb Cream = qRgb(255, 255, 223);
constexpr QRgb GoldBrown = qRgb(160, 128, 0);

// The deck's names, in the order of zarvel::AllSuits and zarvel::AllRanks.
const std::array<const char *, zarvel::AllSuits.size()> SuitIds = {"heart", "diamond", "club", "spade"};
const std::array<const char *, zarvel::AllRanks.size()> RankIds
    = {"6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

// The deck's own rounded outline lies within this many units of the card's
// edge; the face is cut inside it so that only our frame borders the card.
constexpr double DeckOutlineInset = 15.0;

QImage RenderFace(QSvgRenderer &deck, const QString &id, int scale)
{
    QImage image(FaceSize * scale, QImage::Format_RGB32);
    image.fill(Cream);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF card = deck.boundsOnElement(id);
    const QRectF inner
        = QRectF(QPointF(0, 0), QSizeF(FaceSize * scale)).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
    const double sx = inner.width() / (card.width() - 2 * DeckOutlineInset);
    const double sy = inner.height() / (card.height() - 2 * DeckOutlineInset);
    const QRectF target(inner.left() - DeckOutlineInset * sx, inner.top() - DeckOutlineInset * sy, card.width() * sx,
        card.height() * sy);
    painter.setClipRect(inner);
    // Multiplying turns the deck's white card into our cream field and keeps
    // the indices, pips and figures as the deck draws them.
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    deck.render(&painter, id, target);
    painter.setClipping(false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen frame(QColor::fromRgb(GoldBrown), scale);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    const double half = scale / 2.0;
    painter.drawRect(QRectF(half, half, FaceSize.width() * scale - scale, FaceSize.height() * scale - scale));
    return image;
}

// Black and white only: no antialiasing, so no grey appears.
QImage RenderBack(int scale)
{
    QImage image(BackSize * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int w = image.width();
    const int h = image.height();
    painter.setPen(QPen(Qt::black, scale));

    // A lattice of diagonals at right angles, clipped to the inside.
    const int inset = 3 * scale;
    painter.setClipRect(inset, inset, w - 2 * inset, h - 2 * inset);
    const int step = 8 * scale;
    for (int c = -h; c <= w + h; c += step) {
        painter.drawLine(c, 0, c + h, h);
        painter.drawLine(c, 0, c - h, h);
    }
    // Dots on every other crossing of each second row.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int y = 0; y <= h; y += step) {
        for (int x = (y / step % 2) * step; x <= w; x += 2 * step)
            painter.drawRect(x - scale, y - scale, 2 * scale + 1, 2 * scale + 1);
    }
    painter.setClipping(false);

    painter.setBrush(Qt::NoBrush);
    QPen frame(Qt::black, scale);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    const double frameAt = scale + scale / 2.0; // one pixel inside the edge
    painter.drawRect(QRectF(frameAt, frameAt, w - 2 * frameAt, h - 2 * frameAt));
    return image;
}

QImage RenderConfirm(int scale)
{
    QImage image(ConfirmSize * scale, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 0));
    QPainter painter(&image);
    QPen frame(Qt::black, scale);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    const double half = scale / 2.0;
    painter.drawRect(QRectF(half, half, image.width() - scale, image.height() - scale));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13 * scale);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 0, 0));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Ок"));
    return image;
}

constexpr const char *IconCard = "heart_queen";

// The card upright in the middle of a square, so it is not distorted.
QRectF IconCardRect(const QSvgRenderer &deck, double side)
{
    const QRectF card = deck.boundsOnElement(QLatin1String(IconCard));
    const double height = side * 0.96;
    const double width = height * card.width() / card.height();
    return QRectF((side - width) / 2, (side - height) / 2, width, height);
}

bool RenderIcons(QSvgRenderer &deck, const QDir &out, const QString &iconName)
{
    constexpr int SvgSide = 256;
    QSvgGenerator svg;
    svg.setFileName(out.filePath(iconName + QStringLiteral(".svg")));
    svg.setSize(QSize(SvgSide, SvgSide));
    svg.setViewBox(QRect(0, 0, SvgSide, SvgSide));
    svg.setTitle(QStringLiteral("Zarvel"));
    {
        QPainter painter(&svg);
        deck.render(&painter, QLatin1String(IconCard), IconCardRect(deck, SvgSide));
    }
    bool ok = QFile::exists(svg.fileName());
    for (int side : {48, 128, 192, 256, 512}) {
        QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        deck.render(&painter, QLatin1String(IconCard), IconCardRect(deck, side));
        painter.end();
        const QString name = out.filePath(QStringLiteral("%1-%2.png").arg(iconName).arg(side));
        ok = icon.save(name, "PNG") && ok;
    }
    if (!ok)
        std::fprintf(stderr, "cardtool: cannot write the icons to %s\n", qPrintable(out.path()));
    return ok;
}

bool Save(const QImage &image, const QDir &out, const QString &name)
{
    if (image.save(out.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "cardtool: cannot write %s\n", qPrintable(out.filePath(name)));
    return false;
}

QString FaceId(zarvel::CardCode code)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(SuitIds[zarvel::IndexOf(zarvel::SuitOf(code))]),
        QLatin1String(RankIds[zarvel::IndexOf(zarvel::RankOf(code))]));
}

// The picture catalogue control Image<number> carries, at a scale.
QImage Render(QSvgRenderer &deck, int number, int scale)
{
    if (number == zarvel::CardBackImage)
        return RenderBack(scale);
    if (number == zarvel::ConfirmImage)
        return RenderConfirm(scale);
    return RenderFace(deck, FaceId(static_cast<zarvel::CardCode>(number)), scale);
}

bool RenderCatalogue(QSvgRenderer &deck, const QDir &out)
{
    for (int number : zarvel::CataloguePictures()) {
        if (zarvel::IsValidCardCode(number) && !deck.elementExists(FaceId(static_cast<zarvel::CardCode>(number)))) {
            std::fprintf(stderr, "cardtool: the deck has no card %s\n",
                qPrintable(FaceId(static_cast<zarvel::CardCode>(number))));
            return false;
        }
    }
    QString list = QStringLiteral("<RCC>\n  <qresource prefix=\"/cards\">\n");
    bool ok = true;
    for (int number : zarvel::CataloguePictures()) {
        for (int scale : {1, 2}) {
            const QString name = QString::fromStdString(zarvel::PictureFileName(number, scale));
            ok = Save(Render(deck, number, scale), out, name) && ok;
            list += QStringLiteral("    <file>%1</file>\n").arg(name);
        }
    }
    list += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile qrc(out.filePath(QStringLiteral("pictures.qrc")));
    ok = qrc.open(QIODevice::WriteOnly) && qrc.write(list.toUtf8()) == list.toUtf8().size() && ok;
    if (!ok)
        std::fprintf(stderr, "cardtool: cannot write the pictures to %s\n", qPrintable(out.path()));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const bool icons = argc == 5 && QByteArray(argv[1]) == "--icon";
    if (argc != 3 && !icons) {
        std::fprintf(stderr,
            "usage: cardtool DECK.svgz OUTPUT-FOLDER\n"
            "       cardtool --icon DECK.svgz OUTPUT-FOLDER ICON-NAME\n");
        return 2;
    }
    if (icons)
        ++argv;
    const QString deckPath = QString::fromLocal8Bit(argv[1]);
    if (!QFile::exists(deckPath)) {
        std::fprintf(stderr, "cardtool: the card deck %s is missing\n", argv[1]);
        return 1;
    }
    QSvgRenderer deck(deckPath);
    if (!deck.isValid()) {
        std::fprintf(stderr, "cardtool: cannot read the card deck %s\n", argv[1]);
        return 1;
    }
    QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cardtool: cannot create %s\n", argv[2]);
        return 1;
    }

    if (icons)
        return RenderIcons(deck, out, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    return RenderCatalogue(deck, out) ? 0 : 1;
}
