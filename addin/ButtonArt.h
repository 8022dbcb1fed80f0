#pragma once

#include <string>

namespace zirirur {

// The picture of a picture button: a PNG file of the installation's Buttons folder, drawn with
// its symbol and its word by host/tools/draw-button-art.py ("remove" gives
// "<installation>\Buttons\remove.png").
std::string ButtonArt(const std::string& name);

// The pictures' size in twips (112 by 32 pixels): a picture button is made to fit its picture.
constexpr int ButtonArtWidth = 1680;
constexpr int ButtonArtHeight = 480;

} // namespace zirirur
