// Every picture the program carries, at 1× and 2×, against the mean
// colours of a grid of cells kept in tests/data/picture_references.tsv: a
// different deck, a renderer that drops or crops part of a card, or a change
// of scale fails with the picture's file name and the cell. The tolerance
// allows for antialiasing and font hinting, which differ between releases.
//
// After a deliberate change of the pictures, write the table anew: run
// window_tests with --gtest_filter='PictureReferences.*' and
// ZARVEL_WRITE_PICTURE_REFERENCES=tests/data/picture_references.tsv.
#include "core/catalogue.h"
#include "pictures/card_pictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace zarvel::test {
namespace {

constexpr int CellSide = 12;  // in the picture's logical pixels
constexpr int Tolerance = 16; // per channel, of a cell's mean

using Cells = std::vector<QRgb>;

// The mean colour of each CellSide × CellSide cell (the last ones of a row
// or column may be narrower), row by row.
Cells GridMeans(const QImage &picture, int scale)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int side = CellSide * scale;
    Cells cells;
    for (int top = 0; top < image.height(); top += side) {
        for (int left = 0; left < image.width(); left += side) {
            std::array<long, 3> sum = {0, 0, 0};
            long count = 0;
            for (int y = top; y < std::min(top + side, image.height()); ++y) {
                for (int x = left; x < std::min(left + side, image.width()); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    sum[0] += qRed(pixel);
                    sum[1] += qGreen(pixel);
                    sum[2] += qBlue(pixel);
                    ++count;
                }
            }
            cells.push_back(qRgb(
                static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count), static_cast<int>(sum[2] / count)));
        }
    }
    return cells;
}

// One line a picture: its file name, its size, and its cells as rrggbb.
std::map<std::string, std::pair<QSize, Cells>> ReadReferences(const std::string &path)
{
    std::map<std::string, std::pair<QSize, Cells>> table;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        int width = 0;
        int height = 0;
        fields >> name >> width >> height;
        Cells cells;
        std::string hex;
        while (fields >> hex)
            cells.push_back(static_cast<QRgb>(std::stoul(hex, nullptr, 16)));
        table[name] = {QSize(width, height), cells};
    }
    return table;
}

TEST(PictureReferences, EveryPictureAtEveryScaleLooksAsItsReference)
{
    const char *write = std::getenv("ZARVEL_WRITE_PICTURE_REFERENCES");
    std::ofstream out;
    if (write != nullptr)
        out.open(write);
    const auto references = ReadReferences(ZARVEL_TEST_DATA "/picture_references.tsv");

    for (int number : CataloguePictures()) {
        for (int scale : {1, 2}) {
            const std::string name = PictureFileName(number, scale);
            const QImage picture = CataloguePicture(number, scale).toImage();
            const Cells cells = GridMeans(picture, scale);
            if (write != nullptr) {
                out << name << ' ' << picture.width() << ' ' << picture.height();
                for (QRgb cell : cells)
                    out << ' ' << QString::number(cell & 0xffffffU, 16).rightJustified(6, u'0').toStdString();
                out << '\n';
                continue;
            }
            const auto found = references.find(name);
            ASSERT_NE(found, references.end()) << name << " has no reference";
            const auto &[size, expected] = found->second;
            ASSERT_EQ(picture.size(), size) << name;
            ASSERT_EQ(cells.size(), expected.size()) << name;
            const int columns = (picture.width() + CellSide * scale - 1) / (CellSide * scale);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const int worst = std::max({std::abs(qRed(cells[i]) - qRed(expected[i])),
                    std::abs(qGreen(cells[i]) - qGreen(expected[i])), std::abs(qBlue(cells[i]) - qBlue(expected[i]))});
                EXPECT_LE(worst, Tolerance)
                    << name << ", cell at column " << i % columns << ", row " << i / columns << ": " << std::hex
                    << (cells[i] & 0xffffffU) << " against " << (expected[i] & 0xffffffU);
            }
        }
    }
    if (write != nullptr)
        GTEST_SKIP() << "wrote the references to " << write;
    EXPECT_EQ(references.size(), CataloguePictures().size() * 2) << "the table lists pictures the program lacks";
}

} // namespace
} // namespace zarvel::test
