#pragma once

#include <string>

// A picture button of the topmost form shows no caption but its picture from the installation's
// Buttons folder (art "remove": Buttons\remove.png), and the installation as shipped has that
// picture as a readable PNG.
void expectShippedPicture(const std::string& button, const std::string& art);
