#pragma once

#include <string>
#include <string_view>

namespace zirirur {

// The number at the start of a text, as the limit box holds it: blanks, tabs and line feeds
// are skipped wherever they stand; an optional sign, digits, one decimal point and an exponent
// (E and a signed whole number) are read; reading stops at the first other character.
class NumberReading {
public:
    // The number read; 0 when the text holds none. Raises error 6 when it is too large.
    static double read(std::string_view text);
    // Decimal text with at most 15 significant digits, no decimal point for whole numbers,
    // the exponent form ("1E+20") for very large or small ones.
    static std::string write(double number);
    // The text replaced by the number read from it.
    static std::string normalised(std::string_view text);
};

} // namespace zirirur
