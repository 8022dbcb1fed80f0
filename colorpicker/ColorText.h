#pragma once

#include <cstdint>
#include <string>

namespace zirirur {

// The colour text of pages and dialogs: "#" and six upper-case hexadecimal digits, RRGGBB.

// "#RRGGBB" of three components 0 to 255 (each pair zero-padded: 0, 10, 255 is "#000AFF").
std::string MakeHTMLColor(std::int16_t R, std::int16_t G, std::int16_t B);

// 0 to 15 for "0" to "9" and "A" to "F"; 0 for anything else, lower-case digits included.
std::int16_t HexDigitValue(const std::string& ch);

// The colour value of a colour text, with or without "#": black for fewer than six
// characters; with "#", the last six characters are read; a character that is no upper-case
// hexadecimal digit counts as 0.
std::int32_t WhatRGB(const std::string& ValHex);

} // namespace zirirur
