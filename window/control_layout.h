#pragma once

#include <QRect>
#include <QString>

#include <vector>

namespace zarvel {

// Places and sizes are kept in twips, as the window was laid out; a pixel
// at 96 dots per inch is 15 twips.
inline constexpr int TwipsPerPixel = 15;

constexpr QRect FromTwips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

inline constexpr QSize ClientSize(11205 / TwipsPerPixel, 8025 / TwipsPerPixel);

// The place and size an Image control keeps while it has no picture.
QRect StoredPicturePlace(int imageNumber);

// The Image controls in drawing order, back to front: the catalogue, the
// figure row and the confirm picture stand behind the labels; the card
// slots and the back holder in front of them, each lower card of a column
// over the card above it.
std::vector<int> PicturesBehindLabels();
std::vector<int> PicturesInFrontOfLabels();

} // namespace zarvel
