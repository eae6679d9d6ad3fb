// Renders the program's pictures at build time from the "atlasnye" deck of
// gnome-cards-data:
//   cardtool DECK.svgz FOLDER         the 36 faces, the card back and the
//       confirm picture at 1× and 2×, as image<N>.png and image<N>@2x.png
//       after the picture control that carries them;
//   cardtool --icon DECK.svgz FOLDER  the program's icon, the queen of
//       hearts, as ICON.svg and ICON-<size>.png for 48, 128 and 256.
#include "state/card_code.h"

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

const std::array<const char *, zarvel::SuitCount> SuitIds = {"heart", "diamond", "club", "spade"};
const std::array<const char *, zarvel::RankCount> RankIds = {"6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

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
    const QRectF inner = QRectF(QPointF(0, 0), QSizeF(FaceSize * scale)).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
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

constexpr const char *IconName = "io.github.zarvel.Zarvel";
constexpr const char *IconCard = "heart_queen";

// The card upright in the middle of a square, so it is not distorted.
QRectF IconCardRect(const QSvgRenderer &deck, double side)
{
    const QRectF card = deck.boundsOnElement(QLatin1String(IconCard));
    const double height = side * 0.96;
    const double width = height * card.width() / card.height();
    return QRectF((side - width) / 2, (side - height) / 2, width, height);
}

bool RenderIcons(QSvgRenderer &deck, const QDir &out)
{
    constexpr int SvgSide = 256;
    QSvgGenerator svg;
    svg.setFileName(out.filePath(QStringLiteral("%1.svg").arg(QLatin1String(IconName))));
    svg.setSize(QSize(SvgSide, SvgSide));
    svg.setViewBox(QRect(0, 0, SvgSide, SvgSide));
    svg.setTitle(QStringLiteral("Zarvel"));
    {
        QPainter painter(&svg);
        deck.render(&painter, QLatin1String(IconCard), IconCardRect(deck, SvgSide));
    }
    bool ok = QFile::exists(svg.fileName());
    for (int side : {48, 128, 256}) {
        QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        deck.render(&painter, QLatin1String(IconCard), IconCardRect(deck, side));
        painter.end();
        const QString name = out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(IconName)).arg(side));
        ok = icon.save(name, "PNG") && ok;
    }
    if (!ok)
        std::fprintf(stderr, "cardtool: cannot write the icons to %s\n", qPrintable(out.path()));
    return ok;
}

bool Save(const QImage &image, const QDir &out, int imageNumber, int scale)
{
    const QString name = scale == 1 ? QStringLiteral("image%1.png").arg(imageNumber)
                                    : QStringLiteral("image%1@%2x.png").arg(imageNumber).arg(scale);
    if (image.save(out.filePath(name), "PNG"))
        return true;
    std::fprintf(stderr, "cardtool: cannot write %s\n", qPrintable(out.filePath(name)));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const bool icons = argc == 4 && QByteArray(argv[1]) == "--icon";
    if (argc != 3 && !icons) {
        std::fprintf(stderr, "usage: cardtool [--icon] DECK.svgz OUTPUT-FOLDER\n");
        return 2;
    }
    if (icons) {
        ++argv;
        --argc;
    }
    const QString deckPath = QString::fromLocal8Bit(argv[1]);
    if (!QFile::exists(deckPath)) {
        std::fprintf(stderr,
                     "cardtool: the card deck %s is missing; install the Debian package gnome-cards-data\n",
                     argv[1]);
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
        return RenderIcons(deck, out) ? 0 : 1;

    bool ok = true;
    for (int scale : {1, 2}) {
        for (int suit = 0; suit < zarvel::SuitCount; ++suit) {
            for (int rank = 1; rank <= zarvel::RankCount; ++rank) {
                const QString id = QStringLiteral("%1_%2").arg(QLatin1String(SuitIds[static_cast<std::size_t>(suit)]),
                                                               QLatin1String(RankIds[static_cast<std::size_t>(rank - 1)]));
                if (!deck.elementExists(id)) {
                    std::fprintf(stderr, "cardtool: the deck has no card %s\n", qPrintable(id));
                    return 1;
                }
                ok = Save(RenderFace(deck, id, scale), out, zarvel::MakeCardCode(suit, rank), scale) && ok;
            }
        }
        ok = Save(RenderBack(scale), out, 77, scale) && ok;
        ok = Save(RenderConfirm(scale), out, 45, scale) && ok;
    }
    return ok ? 0 : 1;
}
