#include "core/card_code.h"
#include "pictures/card_pictures.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace zarvel::test {
namespace {

bool Holds(const QImage &image, const QRect &area, const std::function<bool(QColor)> &wanted)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (wanted(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

bool IsRed(QColor c) { return c.red() > 180 && c.green() < 80 && c.blue() < 80; }

struct PictureSize {
    int image;
    QSize size;
};

// Names the case in test output (printing the bytes would read padding).
void PrintTo(const PictureSize &c, std::ostream *out) { *out << "Image" << c.image; }

class PictureSizes : public ::testing::TestWithParam<PictureSize> { };

TEST_P(PictureSizes, AreExactAtOneAndTwoTimes)
{
    const auto [image, size] = GetParam();
    const QPixmap single = CataloguePicture(image, 1.0);
    EXPECT_EQ(single.size(), size);
    EXPECT_EQ(single.devicePixelRatio(), 1.0);
    const QPixmap doubled = CataloguePicture(image, 2.0);
    EXPECT_EQ(doubled.size(), size * 2);
    EXPECT_EQ(doubled.deviceIndependentSize().toSize(), size) << "keeps its logical size";
}

INSTANTIATE_TEST_SUITE_P(All, PictureSizes,
    ::testing::Values(PictureSize{1, {71, 96}}, PictureSize{9, {71, 96}}, PictureSize{17, {71, 96}},
        PictureSize{39, {71, 96}}, PictureSize{77, {75, 96}}, PictureSize{45, {51, 20}}),
    [](const ::testing::TestParamInfo<PictureSize> &info) { return "Image" + std::to_string(info.param.image); });

TEST(Pictures, EveryFaceIsDistinctCreamFramedAndColouredBySuit)
{
    QSet<QByteArray> seen;
    for (int code = 1; code <= 39; ++code) {
        if (!IsValidCardCode(code)) {
            EXPECT_TRUE(CataloguePicture(code, 1.0).isNull()) << code;
            continue;
        }
        const QImage face = CataloguePicture(code, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(face.size(), QSize(71, 96)) << code;
        seen.insert(QByteArray(reinterpret_cast<const char *>(face.constBits()), face.sizeInBytes()));
        EXPECT_EQ(face.pixelColor(0, 50), QColor(160, 128, 0)) << "frame of " << code;
        EXPECT_EQ(face.pixelColor(35, 0), QColor(160, 128, 0)) << "frame of " << code;
        EXPECT_TRUE(Holds(face, face.rect(), [](QColor c) { return c == QColor(255, 255, 223); }))
            << "cream of " << code;
        // The index corner carries the suit's colour.
        const bool redSuit = code < 20; // hearts and diamonds
        EXPECT_EQ(Holds(face, QRect(2, 2, 10, 28), IsRed), redSuit) << "index of " << code;
    }
    EXPECT_EQ(seen.size(), 36);
}

TEST(Pictures, TheBackIsBlackAndWhiteAndTheOkPictureYellowBlackAndRed)
{
    const QImage back = CataloguePicture(77, 1.0).toImage();
    EXPECT_FALSE(Holds(back, back.rect(), [](QColor c) { return c != Qt::black && c != Qt::white; }));
    EXPECT_EQ(back.pixelColor(1, 50), QColor(Qt::black)) << "a frame line one pixel inside the edge";
    EXPECT_EQ(back.pixelColor(0, 50), QColor(Qt::white));

    const QImage ok = CataloguePicture(45, 2.0).toImage();
    EXPECT_EQ(ok.pixelColor(10, 20), QColor(255, 255, 0));
    EXPECT_EQ(ok.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_TRUE(Holds(ok, ok.rect(), [](QColor c) { return c == QColor(255, 0, 0); }));
}

} // namespace
} // namespace zarvel::test
