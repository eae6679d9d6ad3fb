#pragma once

#include <string>
#include <vector>

namespace zarvel {

// The picture catalogue: which picture controls carry a picture of their
// own from the start (the 36 faces, the confirm picture and the back), in
// ascending order. The picture tool draws exactly these, and the front ends
// embed or serve exactly what it drew.
const std::vector<int> &CataloguePictures();

// Whether Image<number> carries a picture of its own.
bool CarriesPicture(int imageNumber);

// The file the picture tool draws the picture of Image<number> into, at a
// scale of 1 or 2: "image17.png", "image17@2x.png". Every front end finds
// the pictures by these names.
std::string PictureFileName(int imageNumber, int scale);

// What a screen reader says for the picture of Image<number>: the card as a
// Russian player names it ("Дама червей"), "Ок" or "Рубашка"; empty when
// the control carries no picture. UTF-8.
std::string PictureName(int imageNumber);

} // namespace zarvel
